#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "connect/CRequestConnect.h"
#include "connect/GsmRoute.h"
#include "connect/PcPasswordCheck.h"

namespace connecttest {

// A PC password store in memory.
class FakePcPassword : public connection::PcPasswordCheck {
 public:
  int verify(const QString& password) override {
    verified.push_back(password);
    if (stored.isNull()) return connection::kNoPcPassword;
    return password == stored ? 0 : 1;
  }
  void runChangeDialog(QWidget*) override {
    ++changeRuns;
    if (!passwordAfterChange.isNull()) inMemory = passwordAfterChange;
  }
  QString password() const override { return inMemory; }
  void setPassword(const QString& password) override { inMemory = password; }

  QString stored;  // null: none stored
  QString inMemory;
  QString passwordAfterChange;
  QStringList verified;
  int changeRuns = 0;
};

// Settings in a folder of the test's own; no password store or GSM route
// unless a test installs one.
class ConnectFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A dialog, shown, calling out to `port`; titles it shows are kept in titles.
  connection::CRequestConnect& openDialog(quint16 port = connection::CRequestConnect::kDefaultCallPort);

  template <typename T>
  T* child(const char* name) {
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* field(const char* name) { return child<QLineEdit>(name); }
  QPushButton* button(const char* name) { return child<QPushButton>(name); }
  void type(const char* name, const QString& text);
  void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

  QTemporaryDir settingsDir;
  FakePcPassword pcPassword;
  std::unique_ptr<connection::CRequestConnect> dialog;
  QStringList titles;
};

}  // namespace connecttest
