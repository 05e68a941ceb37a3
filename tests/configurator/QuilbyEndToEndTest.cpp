#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "configurator/CListenSocket.h"
#include "configurator/CquilbyDlg.h"
#include "core/link/ModuleProtocol.h"
#include "tests/configurator/QuilbyTestRecords.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestSeams.h"

namespace {

using quilby::ModuleSettingsRecord;
using quilbytest::Control;
using quilbytest::Retype;
using testseams::SimProcess;
using testseams::WaitFor;
using Text = ModuleSettingsRecord::Text;

// Counts how often a record reaches the screen.
class CountingDlg : public quilby::CquilbyDlg {
 public:
  using CquilbyDlg::CquilbyDlg;
  void showRecord(ModuleSettingsRecord& record) override {
    ++shown;
    CquilbyDlg::showRecord(record);
  }
  int shown = 0;
};

class QuilbyWithModule : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    options.port = testseams::FreeLoopbackPort();
    options.address = QHostAddress::LocalHost;
    dlg = std::make_unique<CountingDlg>(options);
    ASSERT_NE(dlg->listenSocket(), nullptr);
    dlg->show();
  }

  QString writeRecord(const QString& name, const ModuleSettingsRecord& record) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(record.bytes().data()),
               static_cast<qint64>(record.bytes().size()));
    return path;
  }

  std::optional<ModuleSettingsRecord> readRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return ModuleSettingsRecord::FromBytes(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
  }

  std::unique_ptr<SimProcess> module(QStringList extra) {
    return std::make_unique<SimProcess>(
        QStringList{QStringLiteral("module"), QStringLiteral("--connect"),
                    QStringLiteral("127.0.0.1:%1").arg(options.port)} +
        extra);
  }

  bool waitShown(int count, int ms = 5000) {
    return WaitFor([&] { return dlg->shown >= count; }, ms);
  }
  bool waitTitle(const QString& title, int ms = 5000) {
    return WaitFor([&] { return dlg->windowTitle() == title; }, ms);
  }
  QPushButton* ok() { return Control<QPushButton>(*dlg, "okButton"); }

  QTemporaryDir dir;
  quilby::QuilbyOptions options;
  std::unique_ptr<CountingDlg> dlg;
};

TEST_F(QuilbyWithModule, EditedRecordArrivesByteForByteAndTheNextCallShowsIt) {
  const ModuleSettingsRecord sent = quilbytest::SampleRecord();
  const QString in = writeRecord(QStringLiteral("in.bin"), sent);
  const QString out = dir.filePath(QStringLiteral("out.bin"));
  auto sim = module({QStringLiteral("--record"), in, QStringLiteral("--save"), out});

  ASSERT_TRUE(waitShown(1)) << sim->output().toStdString();
  EXPECT_TRUE(dlg->windowTitle().startsWith(QStringLiteral("Connected to 127.0.0.1 : ")));
  EXPECT_EQ(testseams::Beeps().beeps.size(), 1u);  // the default beep of the accept
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("acknowledgement ok")))
      << sim->output().toStdString();

  Retype(Control<QLineEdit>(*dlg, "receiver2"), QStringLiteral("alarm.example.net:9000"));
  Retype(Control<QLineEdit>(*dlg, "ipAddress"), QStringLiteral("10.1.2.77"));
  Retype(Control<QLineEdit>(*dlg, "password"), QStringLiteral("Fresh#1"));
  Retype(Control<QLineEdit>(*dlg, "confirmation"), QStringLiteral("Fresh#1"));
  quilbytest::Click(Control<QCheckBox>(*dlg, "systemTamper"));
  QTest::mouseClick(ok(), Qt::LeftButton);
  EXPECT_EQ(dlg->result(), QDialog::Accepted);

  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("record saved"))) << sim->output().toStdString();
  EXPECT_TRUE(sim->output().contains(QStringLiteral("record received 341 bytes")));
  ModuleSettingsRecord expected = sent;
  expected.setText(Text::Receiver2, "alarm.example.net:9000");
  expected.setText(Text::IpAddress, "10.1.2.77");
  expected.setText(Text::Password, "Fresh#1");
  expected.setSystemTamper(true);
  const auto received = readRecord(out);
  ASSERT_TRUE(received);
  EXPECT_EQ(received->bytes(), expected.bytes());
  EXPECT_TRUE(testseams::Boxes().shown.empty());
  EXPECT_EQ(testseams::Times().pauses, std::vector<int>{200});

  // The module keeps what it was given: its next call shows it.
  sim->process().waitForFinished(3000);
  dlg.reset();
  options.port = testseams::FreeLoopbackPort();
  dlg = std::make_unique<CountingDlg>(options);
  auto next = module({QStringLiteral("--record"), out});
  ASSERT_TRUE(waitShown(1)) << next->output().toStdString();
  EXPECT_EQ(Control<QLineEdit>(*dlg, "receiver2")->text(), "alarm.example.net:9000");
  EXPECT_EQ(Control<QLineEdit>(*dlg, "password")->text(), "Fresh#1");
  EXPECT_TRUE(Control<QCheckBox>(*dlg, "systemTamper")->isChecked());
}

TEST_F(QuilbyWithModule, WrongAnswerIsDisconnectedWithoutAMessageAndTheNextCallIsServed) {
  auto wrong = module({QStringLiteral("--answer"), QStringLiteral("wrong")});
  ASSERT_TRUE(wrong->waitForOutput(QStringLiteral("module: disconnected")))
      << wrong->output().toStdString();
  ASSERT_TRUE(waitTitle(QStringLiteral("Disconnected")));
  EXPECT_EQ(dlg->shown, 0);
  EXPECT_TRUE(testseams::Boxes().shown.empty());
  EXPECT_FALSE(wrong->output().contains(QStringLiteral("acknowledgement")));

  auto right = module({});
  EXPECT_TRUE(waitShown(1)) << right->output().toStdString();
}

TEST_F(QuilbyWithModule, GarbageInsteadOfAnAnswerIsDisconnected) {
  auto sim = module({QStringLiteral("--answer"), QStringLiteral("garbage")});
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("module: disconnected")))
      << sim->output().toStdString();
  ASSERT_TRUE(waitTitle(QStringLiteral("Disconnected")));
  EXPECT_EQ(dlg->shown, 0);
  EXPECT_TRUE(testseams::Boxes().shown.empty());
  EXPECT_FALSE(ok()->isEnabled());
}

TEST_F(QuilbyWithModule, RecordInPiecesOf200And141IsShownOnceAfterTheSecond) {
  auto sim = module({QStringLiteral("--pieces"), QStringLiteral("200,141"),
                     QStringLiteral("--piece-delay"), QStringLiteral("400")});
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("record piece 200 bytes")));
  WaitFor([] { return false; }, 100);
  EXPECT_EQ(dlg->shown, 0);
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("record piece 141 bytes")));
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("acknowledgement ok")))
      << sim->output().toStdString();
  EXPECT_EQ(dlg->shown, 1);
  EXPECT_EQ(Control<QLabel>(*dlg, "linkVersion")->text(), "A 1.05");
}

TEST_F(QuilbyWithModule, AnswerAndHeaderInPiecesAreCollected) {
  auto sim = module({QStringLiteral("--answer-pieces"), QStringLiteral("3,5"),
                     QStringLiteral("--header-pieces"), QStringLiteral("5,7"),
                     QStringLiteral("--piece-delay"), QStringLiteral("50")});
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("acknowledgement ok")))
      << sim->output().toStdString();
  EXPECT_EQ(dlg->shown, 1);
  EXPECT_TRUE(testseams::Boxes().shown.empty());
}

TEST_F(QuilbyWithModule, SecondModuleWaitsUntilTheFirstIsDone) {
  auto first = module({});
  ASSERT_TRUE(waitShown(1));
  const QString firstTitle = dlg->windowTitle();

  auto second = module({});
  ASSERT_TRUE(second->waitForOutput(QStringLiteral("module: connected")));
  EXPECT_FALSE(second->waitForOutput(QStringLiteral("challenge received"), 600));
  EXPECT_EQ(dlg->windowTitle(), firstTitle);
  EXPECT_EQ(dlg->shown, 1);

  first->process().kill();
  ASSERT_TRUE(second->waitForOutput(QStringLiteral("acknowledgement ok")))
      << second->output().toStdString();
  EXPECT_EQ(dlg->shown, 2);
  EXPECT_TRUE(dlg->windowTitle().startsWith(QStringLiteral("Connected to 127.0.0.1 : ")));
  EXPECT_NE(dlg->windowTitle(), firstTitle);
}

TEST_F(QuilbyWithModule, RecordLongerThan341IsRefused) {
  auto sim = module({QStringLiteral("--record-extra"), QStringLiteral("1")});
  ASSERT_TRUE(WaitFor([] { return !testseams::Boxes().shown.empty(); }))
      << sim->output().toStdString();
  EXPECT_EQ(testseams::Boxes().shown[0].caption, "CWorkSocket Data more");
  EXPECT_EQ(testseams::Boxes().shown[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(dlg->shown, 0);
  EXPECT_TRUE(waitTitle(QStringLiteral("Disconnected")));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("module: disconnected")));
  EXPECT_FALSE(sim->output().contains(QStringLiteral("acknowledgement")));
}

TEST_F(QuilbyWithModule, ModuleThatDropsMidRecordLeavesNothingBehind) {
  auto dropping = module({QStringLiteral("--drop-after"), QStringLiteral("100")});
  ASSERT_TRUE(waitTitle(QStringLiteral("Disconnected"))) << dropping->output().toStdString();
  EXPECT_EQ(dlg->shown, 0);
  EXPECT_TRUE(testseams::Boxes().shown.empty());
  EXPECT_FALSE(ok()->isEnabled());

  // The next call starts from the challenge, not from byte 100 of a record.
  auto next = module({});
  ASSERT_TRUE(next->waitForOutput(QStringLiteral("acknowledgement ok")))
      << next->output().toStdString();
  EXPECT_EQ(dlg->shown, 1);
  EXPECT_EQ(Control<QLabel>(*dlg, "linkVersion")->text(), "A 1.05");
}

TEST_F(QuilbyWithModule, PasswordMismatchSendsNothing) {
  auto sim = module({});
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("acknowledgement ok")));
  auto* nonAuthorized = Control<QCheckBox>(*dlg, "nonAuthorized");
  if (!nonAuthorized->isChecked()) quilbytest::Click(nonAuthorized);
  Retype(Control<QLineEdit>(*dlg, "password"), QStringLiteral("one"));
  Retype(Control<QLineEdit>(*dlg, "confirmation"), QStringLiteral("two"));
  QTest::mouseClick(ok(), Qt::LeftButton);

  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_FALSE(sim->waitForOutput(QStringLiteral("record received"), 500));
}

// A module written out here, byte by byte, to look at what quilby sends.
TEST_F(QuilbyWithModule, AcknowledgementUsesKeyPositions0To5AndTheRecordGoesBackPlain) {
  QTcpSocket raw;
  raw.connectToHost(QHostAddress::LocalHost, options.port);
  ASSERT_TRUE(WaitFor([&] { return raw.bytesAvailable() >= 8; }));
  panel::Challenge challenge;
  ASSERT_EQ(raw.read(reinterpret_cast<char*>(challenge.data()), 8), 8);
  const auto derived = panel::LinkKeyDerivation(challenge, options.constants);

  ModuleSettingsRecord record = quilbytest::SampleRecord();
  QByteArray stream(reinterpret_cast<const char*>(derived.answer.data()), 8);
  stream += QByteArray(12, '\x5A');
  stream += QByteArray(reinterpret_cast<const char*>(record.bytes().data()), 341);
  panel::LinkCipher cipher;
  cipher.setKey(derived.key);
  cipher.apply(reinterpret_cast<std::uint8_t*>(stream.data()), std::size_t(stream.size()),
               panel::LinkCipher::Direction::Send);
  raw.write(stream);

  ASSERT_TRUE(WaitFor([&] { return raw.bytesAvailable() >= 6 || !raw.waitForReadyRead(10); }));
  ASSERT_TRUE(WaitFor([&] { return raw.bytesAvailable() >= 6; }));
  const QByteArray ack = raw.read(6);
  const std::uint8_t plainAck[6] = {0x4D, 0x00, 0x00, 0x00, 0x00, 0x00};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(std::uint8_t(ack[i]), plainAck[i] ^ derived.key[i]) << i;
  ASSERT_EQ(dlg->shown, 1);

  QTest::mouseClick(ok(), Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return raw.bytesAvailable() >= 341 || !raw.waitForReadyRead(10); }));
  ASSERT_TRUE(WaitFor([&] { return raw.bytesAvailable() >= 341; }));
  const QByteArray back = raw.read(341);
  EXPECT_EQ(back, QByteArray(reinterpret_cast<const char*>(record.bytes().data()), 341));
  EXPECT_EQ(raw.bytesAvailable(), 0);
}

}  // namespace
