// The user and phone number editors against the simulator program: edits
// made in one session are in the panel and shown by the next one.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "editors/CPhoneNumberDlg.h"
#include "editors/CUserCodeDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "editors/OptionTabs.h"
#include "tests/editors/EditorsTestSupport.h"

namespace editorstest {
namespace {

using editors::CPhoneNumberDlg;
using editors::CUserCodeDlg;

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2)); }
void ClickTab(QTabBar* bar, int tab) { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center()); }
void Retype(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

class GroupEditorsAgainstTheSimulator : public ProgramModeSimTest {
 public:
  void selectUser(CUserCodeDlg* dialog, int user) {
    Retype(dialog->userField()->field(), QString::number(user));
    ASSERT_TRUE(WaitFor([&] { return dialog->currentUser() == user && dialog->typeList()->isEnabled(); }));
  }
  void selectSlot(CPhoneNumberDlg* dialog, int slot) {
    Retype(dialog->slotField()->field(), QString::number(slot));
    ASSERT_TRUE(WaitFor([&] { return dialog->currentSlot() == slot && dialog->numberField()->isEnabled(); }));
  }
  // The click on the tab may wait for a pause; then the tab's reply enables the boxes.
  static bool reportingAShown(const CPhoneNumberDlg* dialog) {
    return dialog->optionTabs()->shownTab() == 1 && dialog->optionTabs()->boxes()->box(0)->isEnabled();
  }
  // Everything the simulator prints for `line`, once its last parameter is printed.
  QString simPrints(const QString& line, const QString& last) {
    const qsizetype before = sim->output().size();
    EXPECT_TRUE(simAnswers(line, last)) << sim->output().toStdString();
    return sim->output().mid(before);
  }
};

TEST_F(GroupEditorsAgainstTheSimulator, UserSevenKeepsItsNewCodeTypeAndAccess) {
  openEditor<CUserCodeDlg>(QStringLiteral("User"), [&](CUserCodeDlg* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Users"));
    selectUser(dialog, 7);
    Click(dialog->codeField());
    Retype(dialog->codeField(), QStringLiteral("4321"));
    dialog->typeList()->setFocus(Qt::TabFocusReason);
    dialog->typeList()->setCurrentIndex(dialog->typeList()->findText(QStringLiteral("Access Key User")));
    Click(dialog->accessBoxes()->box(0));
    dialog->close();
  });
  openEditor<CUserCodeDlg>(QStringLiteral("User"), [&](CUserCodeDlg* dialog) {
    selectUser(dialog, 7);
    EXPECT_TRUE(WaitFor([&] {
      return dialog->codeField()->text() == QStringLiteral("4321") && dialog->accessBoxes()->box(0)->isEnabled();
    }));
    EXPECT_EQ(dialog->typeList()->currentText(), QStringLiteral("Access Key User"));
    EXPECT_EQ(dialog->accessBoxes()->bits(), 0x01);
    dialog->close();
  });
  const QString printed = simPrints(QStringLiteral("user 7"), QStringLiteral("param 14/7 ="));
  EXPECT_TRUE(printed.contains(QStringLiteral("sim: param 1/7 = \"4321\""))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("sim: param 2/7 = 2"))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("sim: param 4/7 = 0x01"))) << printed.toStdString();
}

TEST_F(GroupEditorsAgainstTheSimulator, PhoneSlotThreeKeepsItsNewNumberFormatAndReporting) {
  openEditor<CPhoneNumberDlg>(QStringLiteral("Phone Number"), [&](CPhoneNumberDlg* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Phone number"));
    selectSlot(dialog, 3);
    Click(dialog->numberField());
    Retype(dialog->numberField(), QStringLiteral("0W*5"));
    dialog->formatList()->setFocus(Qt::TabFocusReason);
    // The format's read is answered and shown before the user picks one.
    simPrints(QStringLiteral("phone 3"), QStringLiteral("param 189/3 ="));
    dialog->formatList()->setCurrentIndex(dialog->formatList()->findText(QStringLiteral("SIA")));
    ClickTab(dialog->optionTabs()->tabBar(), 1);
    ASSERT_TRUE(WaitFor([&] { return reportingAShown(dialog); }));
    Click(dialog->optionTabs()->boxes()->box(0));
    dialog->close();
  });
  openEditor<CPhoneNumberDlg>(QStringLiteral("Phone Number"), [&](CPhoneNumberDlg* dialog) {
    selectSlot(dialog, 3);
    EXPECT_EQ(dialog->numberField()->text(), QStringLiteral("0W*5"));
    EXPECT_TRUE(WaitFor([&] { return dialog->formatList()->currentText() == QStringLiteral("SIA"); }));
    ClickTab(dialog->optionTabs()->tabBar(), 1);
    EXPECT_TRUE(WaitFor([&] { return reportingAShown(dialog); }));
    EXPECT_EQ(dialog->optionTabs()->boxes()->bits(), 0x01);
    dialog->close();
  });
  const QString printed = simPrints(QStringLiteral("phone 3"), QStringLiteral("param 189/3 ="));
  EXPECT_TRUE(printed.contains(QStringLiteral("sim: param 181/3 = \"0W*5\""))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("sim: param 182/3 = 10"))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("sim: param 186/3 = 0x01"))) << printed.toStdString();
}

}  // namespace
}  // namespace editorstest
