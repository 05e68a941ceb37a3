#include "tests/connect/ConnectFixture.h"

#include <QSettings>

namespace connecttest {

void ConnectFixture::SetUp() {
  ASSERT_TRUE(settingsDir.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  connection::PcPasswordCheck::install(nullptr);
  connection::GsmRoute::install(nullptr);
}

void ConnectFixture::TearDown() {
  dialog.reset();
  connection::PcPasswordCheck::install(nullptr);
  connection::GsmRoute::install(nullptr);
}

connection::CRequestConnect& ConnectFixture::openDialog(quint16 port) {
  dialog = std::make_unique<connection::CRequestConnect>();
  dialog->setCallPort(port);
  QObject::connect(dialog.get(), &QWidget::windowTitleChanged, dialog.get(),
                   [this](const QString& title) { titles << title; });
  dialog->show();
  return *dialog;
}

void ConnectFixture::type(const char* name, const QString& text) {
  QLineEdit* edit = field(name);
  edit->clear();
  QTest::keyClicks(edit, text);
}

}  // namespace connecttest
