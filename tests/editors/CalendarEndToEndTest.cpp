// The output, clock, keyswitch, time-zone and holiday editors against the
// simulated panel: what they write is what the panel then holds and reports.
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimeEdit>

#include "editors/CClockDlg.h"
#include "editors/CHolydayDlg.h"
#include "editors/CKeyswitchDlg.h"
#include "editors/COutTime.h"
#include "editors/COutputDlg.h"
#include "editors/CTimeZoneDlg.h"
#include "editors/CheckBoxRow.h"
#include "tests/editors/EditorsTestSupport.h"

namespace {

using editors::CClockDlg;
using editors::CHolydayDlg;
using editors::CKeyswitchDlg;
using editors::COutputDlg;
using editors::COutTime;
using editors::CTimeZoneDlg;
using testseams::WaitFor;

class CalendarEndToEnd : public editorstest::ProgramModeSimTest {
 protected:
  // The simulator may answer its console before it has taken the keys just
  // sent over the link, so the question is asked again until it holds.
  bool simHolds(const QString& line, const QString& expected) {
    return WaitFor([&] { return simAnswers(line, expected, 200); }, 5000);
  }
  static void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
};

TEST_F(CalendarEndToEnd, SynchronizeSetsThePanelClockThatTheKeypadWindowThenShows) {
  openEditor<CClockDlg>(QStringLiteral("Clock Setting|Set clock"), [&](CClockDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    dialog->datePicker()->setDate(QDate(2028, 3, 7));
    dialog->timePicker()->setTime(QTime(9, 5));
    click(dialog->synchronizeButton());
    EXPECT_TRUE(WaitFor([&] { return window->clockText().startsWith(QStringLiteral("07/03/2028   09:05:")); }))
        << window->clockText().toStdString();
    EXPECT_TRUE(WaitFor([&] { return dialog->panelTimeText().startsWith(QStringLiteral("07/03/2028   09:05:")); }));
    // The panel reported its rule: summer time is on.
    EXPECT_TRUE(WaitFor([&] { return dialog->enableBox()->isChecked(); }));
  });
  // The clock keeps running from the time set.
  EXPECT_TRUE(WaitFor([&] { return window->clockText() >= QStringLiteral("07/03/2028   09:05:01"); }, 3000))
      << window->clockText().toStdString();
}

TEST_F(CalendarEndToEnd, AHolidayAndATimeZoneSetAreReportedWhenTheEditorsOpenAgain) {
  openEditor<CHolydayDlg>(QStringLiteral("Clock Setting|Holydays"), [&](CHolydayDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    ASSERT_TRUE(WaitFor([&] { return dialog->holidayBox(5)->isEnabled(); }));
    if (!dialog->holidayBox(5)->isChecked()) click(dialog->holidayBox(5));
    // Day and month both of two digits and not alike: typed in the wrong order it would not be this date.
    dialog->datePicker(5)->setDate(QDate(2026, 12, 25));
    click(dialog->applyButton());
  });
  EXPECT_TRUE(simHolds(QStringLiteral("param 170 5"), QStringLiteral("sim: param 170/5 = 2026-12-25")))
      << sim->output().toStdString();

  openEditor<CTimeZoneDlg>(QStringLiteral("Clock Setting|Time zone"), [&](CTimeZoneDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    ASSERT_TRUE(WaitFor([&] { return dialog->startPicker()->isEnabled() && dialog->dayBoxes()->box(0)->isEnabled(); }));
    dialog->startPicker()->setTime(QTime(6, 45));
    dialog->dayBoxes()->setBits(0x3E);  // Monday to Friday
    click(dialog->applyButton());
  });
  EXPECT_TRUE(simHolds(QStringLiteral("param 172 1"), QStringLiteral("sim: param 172/1 = 06:45")))
      << sim->output().toStdString();
  EXPECT_TRUE(simHolds(QStringLiteral("param 171 1"), QStringLiteral("sim: param 171/1 = 0x3E")));

  openEditor<CHolydayDlg>(QStringLiteral("Clock Setting|Holydays"), [&](CHolydayDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    EXPECT_TRUE(WaitFor([&] { return dialog->holidayBox(5)->isChecked(); }));
    EXPECT_EQ(dialog->datePicker(5)->date(), QDate(2026, 12, 25));
  });
  openEditor<CTimeZoneDlg>(QStringLiteral("Clock Setting|Time zone"), [&](CTimeZoneDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    EXPECT_TRUE(WaitFor([&] { return dialog->startPicker()->isEnabled() && dialog->dayBoxes()->box(0)->isEnabled(); }));
    EXPECT_EQ(dialog->startPicker()->time(), QTime(6, 45));
    EXPECT_EQ(dialog->dayBoxes()->bits(), 0x3E);
  });
}

TEST_F(CalendarEndToEnd, AppliedTimesAndTogglesStayAsWrittenAndAreWrittenOnce) {
  openEditor<COutTime>(QStringLiteral("Output|Times"), [&](COutTime* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    ASSERT_TRUE(WaitFor([&] { return dialog->applyButton()->isEnabled(); }));
    QLineEdit* onDelay = dialog->timeField(COutTime::OnDelay);
    onDelay->selectAll();
    QTest::keyClicks(onDelay, QStringLiteral("45"));
    click(dialog->applyButton());
    ASSERT_TRUE(WaitFor([&] { return dialog->applyButton()->isEnabled(); }));
    EXPECT_EQ(onDelay->text(), QStringLiteral("45"));
  });
  EXPECT_TRUE(simHolds(QStringLiteral("param 38 1"), QStringLiteral("sim: param 38/1 = 45")));

  openEditor<CKeyswitchDlg>(QStringLiteral("Keyswitch"), [&](CKeyswitchDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    ASSERT_TRUE(WaitFor([&] { return dialog->areaBoxes()->box(1)->isEnabled(); }));
    const std::uint8_t before = dialog->areaBoxes()->bits();
    click(dialog->areaBoxes()->box(1));
    click(dialog->applyButton());
    click(dialog->applyButton());
    const QString expected =
        QStringLiteral("sim: param 111/1 = 0x") + QString::number(before ^ 0x02, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    EXPECT_TRUE(simHolds(QStringLiteral("param 111 1"), expected)) << expected.toStdString();
  });
}

TEST_F(CalendarEndToEnd, UnmapIsConfirmedAndThePanelsAnswerBringsTheButtonBack) {
  openEditor<COutputDlg>(QStringLiteral("Output|Options"), [&](COutputDlg* dialog) {
    const auto closeAtEnd = qScopeGuard([&] { dialog->close(); });
    ASSERT_TRUE(WaitFor([&] { return dialog->boxes()->box(0)->isEnabled(); }));
    testseams::Boxes().answers.push_back(QMessageBox::Yes);
    QTest::mouseClick(dialog->unmapButton(), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return dialog->unmapButton()->text() == QStringLiteral("Un-Map"); }));
    EXPECT_TRUE(WaitFor([&] { return dialog->boxes()->box(0)->isEnabled(); }));
  });
}

}  // namespace
