// The diagnostics dialog: its one read of the four items, the lines the
// replies fill, and the maintenance actions with their confirmation.
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "events/CDiagnosticDlg.h"
#include "tests/events/EventsTestSupport.h"
#include "tests/support/Accessibility.h"

namespace {

using eventstest::Bytes;
using events::MaintenanceAction;
using testseams::Boxes;
using testseams::WaitFor;

const Bytes kReadAll{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x01, 0x7E, 0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x03, 0x7E,
                     0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x04, 0x7E, 0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x05, 0x7E};
Bytes Request(std::uint8_t entity) { return {0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, entity, 0x7E}; }
const Bytes kYes{0x7A, 0x11};
const Bytes kNo{0x7A, 0x10};

class DiagnosticDialog : public eventstest::RecordingLinkTest {
 protected:
  void SetUp() override {
    RecordingLinkTest::SetUp();
    dialog = std::make_unique<events::CDiagnosticDlg>();
    dialog->show();
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
  }
  void feed(const Bytes& frame) { dialog->handlePanelFrame(frame.data(), frame.size()); }
  void click(MaintenanceAction action) { QTest::mouseClick(dialog->actionButton(action), Qt::LeftButton); }

  std::unique_ptr<events::CDiagnosticDlg> dialog;
};

TEST_F(DiagnosticDialog, EveryControlIsNamedForScreenReaders) { testseams::ExpectEveryControlNamed(dialog.get()); }

TEST_F(DiagnosticDialog, ReadsTheFourItemsInOneSendAfterOneMillisecond) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Diagnostic"));
  EXPECT_EQ(sent()[0], kReadAll);
  EXPECT_EQ(conn.owners[0], dialog.get());
  EXPECT_EQ(testseams::Times().timers, (std::vector<int>{1}));
  for (int line = 0; line < 4; ++line) EXPECT_TRUE(dialog->lineText(line).isEmpty()) << line;
  QTest::qWait(20);
  EXPECT_EQ(sent().size(), 1u);  // no retry
}

// Captions come from the core, marked for lupdate; the values stay the panel's.
TEST_F(DiagnosticDialog, CaptionsAreShownInTheReadersLanguage) {
  class GermanCaptions : public QTranslator {
   public:
    QString translate(const char* context, const char* source, const char*, int) const override {
      if (QByteArrayView(context) == "Diagnostic" && QByteArrayView(source) == "Battery Voltage:")
        return QStringLiteral("Batteriespannung:");
      return {};
    }
    bool isEmpty() const override { return false; }
  } german;
  QCoreApplication::installTranslator(&german);
  feed({0x17, 0x07, 138, 0xC8, 0x05, 0x7E});
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(dialog->lineText(3), QStringLiteral("Batteriespannung:\t\t\t13.8 V"));
}

TEST_F(DiagnosticDialog, RepliesFillTheirLines) {
  feed({0x18, 0x07, 0x01, 0x23, 0xC8, 0x01, 0x7E});
  feed({0x16, 0x07, 0x00, 0x03, 0xC8, 0x03, 0x7E});
  feed({0x16, 0x07, 0x00, 0x81, 0xC8, 0x04, 0x7E});
  feed({0x17, 0x07, 138, 0xC8, 0x05, 0x7E});
  EXPECT_EQ(dialog->lineText(0), QStringLiteral("Panel Software Version:\t\t2.91"));
  EXPECT_EQ(dialog->lineText(1), QStringLiteral("Areas Assigned To the Keypad:\t A B"));
  EXPECT_EQ(dialog->lineText(2), QStringLiteral("Time-Zones Currently Active:\t 1 8"));
  EXPECT_EQ(dialog->lineText(3), QStringLiteral("Battery Voltage:\t\t\t13.8 V"));

  // A later answer replaces its line; answers for others change nothing.
  feed({0x16, 0x07, 0x00, 0x00, 0xC8, 0x03, 0x7E});
  feed({0x16, 0x07, 0x00, 0x01, 0xC7, 0x03, 0x7E});
  feed({0x17, 0x06, 120, 0xC8, 0x05, 0x7E});
  feed({0x17, 0x07, 120});
  EXPECT_EQ(dialog->lineText(1), QStringLiteral("Areas Assigned To the Keypad:\t"));
  EXPECT_EQ(dialog->lineText(3), QStringLiteral("Battery Voltage:\t\t\t13.8 V"));
}

TEST_F(DiagnosticDialog, ShowsItsButtonsWithTheirTexts) {
  EXPECT_EQ(dialog->actionButton(MaintenanceAction::RestoreCodesAndPhones)->text(),
            QStringLiteral("Codes and  telephones"));
  EXPECT_EQ(dialog->actionButton(MaintenanceAction::RestoreAll)->text(), QStringLiteral("A L L"));
  EXPECT_EQ(dialog->actionButton(MaintenanceAction::ClearMemory)->text(), QStringLiteral("Clear Memory"));
  EXPECT_EQ(dialog->actionButton(MaintenanceAction::CallBack)->text(), QStringLiteral("CallBack"));
  auto* group = qobject_cast<QGroupBox*>(dialog->actionButton(MaintenanceAction::RestoreAll)->parentWidget());
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), QStringLiteral("Restore:"));
  EXPECT_EQ(dialog->exitButton()->text(), QStringLiteral("Exit"));
}

TEST_F(DiagnosticDialog, EachActionSendsItsRequestAsksAndConfirms) {
  const struct {
    MaintenanceAction action;
    std::uint8_t entity;
  } cases[] = {{MaintenanceAction::RestoreCodesAndPhones, 9},
               {MaintenanceAction::RestoreAll, 10},
               {MaintenanceAction::ClearMemory, 11},
               {MaintenanceAction::CallBack, 12}};
  for (const auto& c : cases) {
    sent().clear();
    Boxes().shown.clear();
    Boxes().answers = {QMessageBox::Yes};
    click(c.action);
    EXPECT_EQ(sent(), (std::vector<Bytes>{Request(c.entity), kYes})) << int(c.entity);
    ASSERT_EQ(Boxes().shown.size(), 1u);
    EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Attention"));
    EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(Boxes().shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
  }
}

TEST_F(DiagnosticDialog, NoStillSendsTheRequestFirst) {
  sent().clear();
  Boxes().answers = {QMessageBox::No};
  click(MaintenanceAction::ClearMemory);
  EXPECT_EQ(sent(), (std::vector<Bytes>{Request(11), kNo}));
}

TEST_F(DiagnosticDialog, ExitCloses) {
  QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(sent().size(), 1u);
}

// "Diagnostics" on the program-mode menu runs the dialog as the open editor.
class DiagnosticsItem : public eventstest::KeypadTest {};

TEST_F(DiagnosticsItem, OpensTheDialogForEveryFrame) {
  feed({0x1F, 0x07, 0x02, 0x00, 0x7E});  // the panel's answer to the installer code
  ASSERT_TRUE(window->isProgramMode());
  QAction* item = window->programAction(QStringLiteral("Diagnostics"));
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->isEnabled());
  QString battery;
  int frameType = -2;
  eventstest::WhenModal<events::CDiagnosticDlg>([&](events::CDiagnosticDlg* dialog) {
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
    frameType = window->editorFrameType();
    feed({0x17, 0x07, 138, 0xC8, 0x05, 0x7E});
    battery = dialog->lineText(3);
    QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
  });
  item->trigger();
  EXPECT_EQ(frameType, 0);
  EXPECT_EQ(battery, QStringLiteral("Battery Voltage:\t\t\t13.8 V"));
  EXPECT_EQ(sent(), (std::vector<Bytes>{kReadAll}));
  EXPECT_EQ(window->editorFrameType(), -1);
  EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
}

}  // namespace
