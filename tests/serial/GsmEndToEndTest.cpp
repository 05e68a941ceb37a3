// The GSM route end to end: the keypad window and the connection dialog of
// the program, the serial worker, and the simulated modem with the panel
// behind it on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "connect/CDialingDlg.h"
#include "connect/CRequestConnect.h"
#include "connect/SerialGsmRoute.h"
#include "console/CLed.h"
#include "link/serial/ModemPortList.h"
#include "link/serial/SerialWorkerRecord.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/SimProcess.h"

namespace {

using consoletest::WhenModal;
using testseams::SimProcess;
using testseams::WaitFor;

constexpr char kPhone[] = "0612345678";
constexpr char kPassword[] = "4321";

QString ModemPath(SimProcess& sim) {
  static const QRegularExpression pattern(QStringLiteral("modem on (\\S+)"));
  QRegularExpressionMatch match;
  WaitFor([&] { return (match = pattern.match(sim.output())).hasMatch(); }, 5000);
  return match.hasMatch() ? match.captured(1) : QString();
}

// A test that never ends is worse than one that fails: whatever modal
// dialog is still up after this long is closed.
void CloseModalsAfter(int ms) {
  QTimer::singleShot(ms, [] {
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
}

class GsmEndToEndTest : public testing::Test {
 protected:
  void SetUp() override { connection::GsmRoute::install(&route); }
  void TearDown() override {
    serial::StopSerialWorker(nullptr);
    connection::GsmRoute::install(nullptr);
    serial::SetModemPortPaths({});
  }

  // Starts the simulated modem on port 2 (port 1 has no device).
  void startModem(QStringList options = {}) {
    sim = std::make_unique<SimProcess>(QStringList{QStringLiteral("modem"), QStringLiteral("--step-ms"),
                                                   QStringLiteral("30")} +
                                       options);
    const QString path = ModemPath(*sim);
    ASSERT_FALSE(path.isEmpty()) << sim->output().toStdString();
    serial::SetModemPortPaths({QStringLiteral("/dev/no-such-port"), path});
  }

  static void fillAndDial(connection::CRequestConnect* dialog, const char* phone, const char* password) {
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("phone")), QString::fromLatin1(phone));
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("gsmPassword")), QString::fromLatin1(password));
    dialog->findChild<QComboBox*>(QStringLiteral("protocol"))->setCurrentIndex(2);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("gsmConnect")), Qt::LeftButton);
  }

  // Connect through the keypad window's menu, as the installer does.
  void connectThroughWindow() {
    window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    panel::PanelLink::instance().setMainWindow(window.get());
    window->setConnectDialogFactory(
        [](QWidget* parent) { return std::make_unique<connection::CRequestConnect>(parent); });
    window->setSerialLinkHook({[] { return serial::CurrentSerialWorker() != nullptr; },
                               [](QObject* owner) { serial::StopSerialWorker(owner); }});
    WhenModal<connection::CRequestConnect>([](connection::CRequestConnect* dialog) {
      fillAndDial(dialog, kPhone, kPassword);
    });
    CloseModalsAfter(20000);
    window->commandAction(QStringLiteral("Connect"))->trigger();
  }

  // Runs the route from a connection dialog and watches the dialling
  // dialog; cancels it once its status reads stopAt.
  connection::GsmRoute::Outcome dialAndCancelAt(const QString& stopAt, QString* status) {
    WhenModal<connection::CDialingDlg>([stopAt, status](connection::CDialingDlg* dialling) {
      auto* poll = new QTimer(dialling);
      QObject::connect(poll, &QTimer::timeout, dialling, [=] {
        *status = dialling->statusText();
        if (!status->startsWith(stopAt)) return;
        poll->stop();
        QTest::mouseClick(dialling->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
      });
      poll->start(10);
    });
    CloseModalsAfter(20000);
    connection::CRequestConnect parent;
    return route.call(&parent, {QString::fromLatin1(kPhone), QString::fromLatin1(kPassword), 0});
  }

  connection::SerialGsmRoute route;
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<console::CKeypadDlg> window;
};

TEST_F(GsmEndToEndTest, CallCarriesThePanelBothWaysAndDisconnectEndsIt) {
  // A slow call: the dialling is not slowed, the frames are.
  startModem({QStringLiteral("--phone"), QString::fromLatin1(kPhone), QStringLiteral("--password"),
              QString::fromLatin1(kPassword), QStringLiteral("--latency-ms"), QStringLiteral("150")});
  connectThroughWindow();
  ASSERT_TRUE(window->isConnected()) << sim->output().toStdString();
  EXPECT_TRUE(sim->output().contains(QStringLiteral("dial 0612345678 protocol 2")));
  EXPECT_EQ(panel::PanelLink::instance().activeLink(), panel::LinkKind::Serial);
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("call established")));

  // The panel's status reaches the window over the serial link.
  ASSERT_TRUE(WaitFor([&] { return !window->versionText().isEmpty() && !window->clockText().isEmpty(); }, 5000));
  ASSERT_TRUE(WaitFor([&] { return window->zone(3)->state() == console::LedState::Close; }, 5000));
  QElapsedTimer oneWay;
  oneWay.start();
  sim->process().write("zone open 3\n");
  ASSERT_TRUE(WaitFor([&] { return window->zone(3)->state() == console::LedState::Open; }, 5000));
  EXPECT_GE(oneWay.elapsed(), 150);

  // A command reaches the panel in an envelope of its own.
  oneWay.restart();
  window->frameRequest(panel::KeyFrame(0x11));
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("panel got: 7E A1 07 11 7E")));
  EXPECT_GE(oneWay.elapsed(), 150);

  window->commandAction(QStringLiteral("Disconnect"))->trigger();
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("call ended")));
  EXPECT_FALSE(window->isConnected());
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
  EXPECT_EQ(panel::PanelLink::instance().serialTransport(), nullptr);
  EXPECT_NE(std::find(testseams::Times().pauses.begin(), testseams::Times().pauses.end(), 500),
            testseams::Times().pauses.end());
}

TEST_F(GsmEndToEndTest, NoiseAndSilenceMidCallNeitherBlockNorBreakTheLink) {
  startModem();
  connectThroughWindow();
  ASSERT_TRUE(window->isConnected());
  ASSERT_TRUE(WaitFor([&] { return !window->versionText().isEmpty(); }, 5000));

  // Garbage, an impossible length and a broken envelope, then a good frame.
  sim->process().write("raw 00 55 7E FF FF 01 02 7E 01 00 10 00\n");
  sim->process().write("zone open 5\n");
  ASSERT_TRUE(WaitFor([&] { return window->zone(5)->state() == console::LedState::Open; }, 5000));

  sim->process().write("silent on\n");
  ASSERT_TRUE(sim->waitForOutput(QStringLiteral("silent")));
  // The UI thread keeps running while the port says nothing.
  QElapsedTimer clock;
  clock.start();
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(50);
  WaitFor([] { return false; }, 1500);
  EXPECT_GE(ticks, 20);
  EXPECT_TRUE(window->isConnected());

  clock.restart();
  window->commandAction(QStringLiteral("Disconnect"))->trigger();
  EXPECT_LT(clock.elapsed(), 3500);
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
}

TEST_F(GsmEndToEndTest, AModemUnpluggedMidCallResetsTheWindowLikeALostLink) {
  startModem();
  connectThroughWindow();
  ASSERT_TRUE(window->isConnected());
  ASSERT_TRUE(WaitFor([&] { return !window->versionText().isEmpty(); }, 5000));
  sim->process().write("unplug\n");
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); }, 5000));
  EXPECT_TRUE(window->versionText().isEmpty());
  EXPECT_EQ(window->zone(1)->state(), console::LedState::Unknown);
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
  // Disconnect afterwards finds nothing left to stop.
  window->commandAction(QStringLiteral("Disconnect"))->trigger();
}

TEST_F(GsmEndToEndTest, CancelWhileDiallingLeavesNoWorkerBehind) {
  startModem({QStringLiteral("--fail"), QStringLiteral("silence")});
  QString status;
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(dialAndCancelAt(QStringLiteral("Dailing!."), &status), connection::GsmRoute::Outcome::Cancelled);
  EXPECT_LT(clock.elapsed(), 10000);
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
  EXPECT_EQ(panel::PanelLink::instance().serialTransport(), nullptr);
  EXPECT_TRUE(sim->waitForOutput(QStringLiteral("call cancelled")));
}

struct FailureCase {
  const char* option;
  const char* status;
};

class GsmFailureTest : public GsmEndToEndTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(GsmFailureTest, EachFailureShowsItsTextAndCancelEndsTheCall) {
  startModem({QStringLiteral("--fail"), QString::fromLatin1(GetParam().option)});
  QString status;
  EXPECT_EQ(dialAndCancelAt(QString::fromUtf8(GetParam().status), &status),
            connection::GsmRoute::Outcome::Cancelled);
  EXPECT_TRUE(status.startsWith(QString::fromUtf8(GetParam().status))) << status.toStdString();
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Modem, GsmFailureTest,
                         testing::Values(FailureCase{"no-carrier", "No carrier"},
                                         FailureCase{"unknown-number", "I don't know your phone number!"},
                                         FailureCase{"password-error", "No carrier"},
                                         FailureCase{"communication-error", "Download parameters  Error communication. Try again"}));

TEST_F(GsmEndToEndTest, AWrongPasswordIsReportedBeforeTheCallDrops) {
  startModem({QStringLiteral("--password"), QStringLiteral("9999")});
  QString status;
  EXPECT_EQ(dialAndCancelAt(QStringLiteral("Password error!"), &status), connection::GsmRoute::Outcome::Cancelled);
  EXPECT_EQ(status, QStringLiteral("Password error!"));
}

TEST_F(GsmEndToEndTest, NoModemPutsTheNotFoundTitleOnTheConnectionDialog) {
  startModem({QStringLiteral("--fail"), QStringLiteral("no-modem")});
  connection::CRequestConnect dialog;
  dialog.show();
  CloseModalsAfter(20000);
  fillAndDial(&dialog, kPhone, kPassword);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("GSM Modem ( GT12-Port) not found."));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(serial::CurrentSerialWorker(), nullptr);
  EXPECT_EQ(testseams::Beeps().beeps.back(), (testseams::Beep{400, 50}));
}

}  // namespace

static testing::Environment* const kPrivateConfig =
    testing::AddGlobalTestEnvironment(new consoletest::PrivateConfigEnvironment);
