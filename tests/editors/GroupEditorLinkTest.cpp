// Both group editors opened from the program-mode menu, and the link going
// away while a group waits to be written or a pause runs: the editor closes,
// nothing hangs, and nothing more reaches the wire.
#include <QCheckBox>
#include <QLineEdit>
#include <functional>

#include "editors/CPhoneNumberDlg.h"
#include "editors/CUserCodeDlg.h"
#include "editors/CheckBoxRow.h"
#include "tests/editors/GroupEditorFixture.h"

namespace editorstest {
namespace {

using editors::CPhoneNumberDlg;
using editors::CUserCodeDlg;
using editors::GroupEditorDialog;

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2)); }
void Retype(QLineEdit* field, const QString& text) {
  Click(field);
  field->selectAll();
  QTest::keyClicks(field, text);
}

class GroupEditorsInTheWindow : public ProgramModeTest {};

// A close request (a lost link, the panel's 0x15) drops the pending group:
// there is no link left to write it on.
TEST_F(GroupEditorsInTheWindow, LinkLostWhileAGroupIsPendingOrAPauseRunsClosesAndSendsNothingMore) {
  struct Case {
    const char* name;
    const char* item;
    std::function<void(QDialog*)> edit;
    bool panelCloses;  // the panel's one-byte 0x15 instead of the link closing
  };
  const auto userCodeTyped = [this](QDialog* d) {
    auto* dialog = static_cast<CUserCodeDlg*>(d);
    feed(testseams::Bytes({0x1A, 0x07, 0x21, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0x7E}));
    Retype(dialog->codeField(), QStringLiteral("99"));
  };
  const auto numberTyped = [this](QDialog* d) {
    auto* dialog = static_cast<CPhoneNumberDlg*>(d);
    feed(testseams::Bytes({0x1A, 0x07, 0x21, 0xF3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xB5, 0x01, 0x7E}));
    Retype(dialog->numberField(), QStringLiteral("99"));
  };
  const Case cases[] = {
      {"user code pending", "User", userCodeTyped, false},
      {"user code written, pause running",
       "User",
       [&](QDialog* d) {
         userCodeTyped(d);
         feed(testseams::Bytes({0x16, 0x07, 0x00, 0x00, 0x04, 0x01, 0x7E}));
         Click(static_cast<CUserCodeDlg*>(d)->accessBoxes()->box(0));
       },
       false},
      {"phone number pending", "Phone Number", numberTyped, false},
      {"phone number written, pause running",
       "Phone Number",
       [&](QDialog* d) {
         numberTyped(d);
         feed(testseams::Bytes({0x17, 0x07, 0x03, 0xB8, 0x01, 0x7E}));
         Click(static_cast<CPhoneNumberDlg*>(d)->retriesField());
       },
       false},
      {"user code pending, panel closes", "User", userCodeTyped, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sent().clear();
    std::size_t sentBeforeDrop = 0;
    bool wasPaused = false;
    WhenModal<GroupEditorDialog>([&](GroupEditorDialog* dialog) {
      ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
      c.edit(dialog);
      wasPaused = dialog->isPaused();
      sentBeforeDrop = sent().size();
      if (c.panelCloses)
        feed({0x15});
      else
        window->handleLinkClosed();
    });
    item(QString::fromLatin1(c.item))->trigger();
    EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
    QTest::qWait(50);
    EXPECT_EQ(sent().size(), sentBeforeDrop);
    EXPECT_EQ(wasPaused, std::string_view(c.name).find("pause") != std::string_view::npos);

    // Back in program mode for the next case.
    window->commandAction(QStringLiteral("Connect"))->trigger();
    feed({0x1F, 0x07, 0x02, 0x00, 0x7E});
    ASSERT_TRUE(window->isProgramMode());
  }
}

}  // namespace
}  // namespace editorstest
