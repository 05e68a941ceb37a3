// "Clock setting", "Keyswitch", "Time Zone" and "Holydays": their loads,
// the bytes of their writes, and the replies they swallow.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "editors/CClockDlg.h"
#include "editors/CHolydayDlg.h"
#include "editors/CKeyswitchDlg.h"
#include "editors/CTimeZoneDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "tests/editors/CalendarTestSupport.h"

namespace {

using namespace calendartest;
using editors::CClockDlg;
using editors::CHolydayDlg;
using editors::CKeyswitchDlg;
using editors::CTimeZoneDlg;

void TypeNumber(editors::EntityNumberField* field, const QString& text) {
  field->field()->selectAll();
  QTest::keyClicks(field->field(), text);
}

// ---- Clock setting

class Clock : public EditorTest<CClockDlg> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(waitSent(1));
  }
  // Start Sunday 5, month 3, hour 2; finish Sunday 5, month 10, hour 1.
  void answerLists() {
    for (const Bytes& reply : {Bytes{0x17, 0x07, 5, 0x1B, 1, 0x7E}, Bytes{0x17, 0x07, 3, 0x1C, 1, 0x7E},
                               Bytes{0x17, 0x07, 2, 0x1D, 1, 0x7E}, Bytes{0x17, 0x07, 5, 0x1B, 2, 0x7E},
                               Bytes{0x17, 0x07, 10, 0x1C, 2, 0x7E}, Bytes{0x17, 0x07, 1, 0x1D, 2, 0x7E}})
      feed(reply);
  }
  void answerEnable(std::uint8_t value) { feed({0x16, 0x07, 0x00, value, 0x1A, 0x04, 0x7E}); }
  void apply() { QTest::mouseClick(dialog->applyButton(), Qt::LeftButton); }
  QComboBox* list(CClockDlg::List which) const { return dialog->list(which); }
};

TEST_F(Clock, LoadsTheDaylightSavingRuleOnce100msAfterOpening) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Clock setting"));
  EXPECT_EQ(Times().timers, (std::vector<int>{100}));
  EXPECT_EQ(sent()[0], Joined({Read(0x1B, 1), Read(0x1C, 1), Read(0x1D, 1), Read(0x1B, 2), Read(0x1C, 2),
                             Read(0x1D, 2), Read(0x1A, 4)}));
  EXPECT_EQ(sent()[0].size(), 56u);
  QTest::qWait(20);
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(Clock, SynchronizeSendsTimeWeekdayAndDateFromThePickers) {
  dialog->datePicker()->setDate(QDate(2028, 3, 7));
  dialog->timePicker()->setTime(QTime(9, 5, 41));
  QTest::mouseClick(dialog->synchronizeButton(), Qt::LeftButton);
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E, 0x7A, 0x00, 0x09, 0x00, 0x05, 0x11,
                              0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x02, 0x7E, 0x7A, 0x03, 0x11,
                              0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x03, 0x7E, 0x7A, 0x00, 0x07, 0x00, 0x03, 0x02, 0x08,
                              0x11}));
  // Sunday is 1 and Saturday 7; the picker keeps to the years the panel can hold.
  dialog->datePicker()->setDate(QDate(2028, 3, 12));
  QTest::mouseClick(dialog->synchronizeButton(), Qt::LeftButton);
  EXPECT_EQ(sent()[2][23], 0x01);
  EXPECT_EQ(dialog->datePicker()->maximumDate(), QDate(2099, 12, 31));
  EXPECT_EQ(dialog->datePicker()->minimumDate(), QDate(2000, 1, 1));
}

TEST_F(Clock, ShowsThePanelsTimeAndItsReportedRule) {
  feed({0x54, 0x00, 0x02, 0x1C, 0x2D, 0x0F, 0x06, 0x1A, 0x7E});
  EXPECT_EQ(dialog->panelTimeText(), QStringLiteral("15/06/2026   09:00:45"));
  feed({0x54, 0x00, 0x02, 0x1C});  // too short: the line stays
  EXPECT_EQ(dialog->panelTimeText(), QStringLiteral("15/06/2026   09:00:45"));

  feed({0x17, 0x07, 0, 0x1B, 1, 0x7E});  // zero Sunday and month are no setting
  feed({0x17, 0x07, 0, 0x1C, 2, 0x7E});
  EXPECT_EQ(list(CClockDlg::StartSunday)->currentIndex(), -1);
  EXPECT_EQ(list(CClockDlg::FinishMonth)->currentIndex(), -1);
  answerLists();
  EXPECT_EQ(list(CClockDlg::StartSunday)->currentText(), QStringLiteral("5"));
  EXPECT_EQ(list(CClockDlg::FinishMonth)->currentText(), QStringLiteral("10"));
  EXPECT_EQ(list(CClockDlg::StartHour)->currentText(), QStringLiteral("2"));
  EXPECT_FALSE(list(CClockDlg::StartHour)->isEnabled());

  answerEnable(1);
  EXPECT_TRUE(dialog->enableBox()->isChecked());
  EXPECT_TRUE(list(CClockDlg::StartHour)->isEnabled());
  answerEnable(0);  // only the first report sets the box
  EXPECT_TRUE(dialog->enableBox()->isChecked());
  click(dialog->enableBox());
  EXPECT_FALSE(list(CClockDlg::FinishSunday)->isEnabled());
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(Clock, ApplyWritesTheEnableToggleAndTheChangedListsOnlyAgainstReportedValues) {
  const Bytes kToggle = Joined({Read(0x1A, 4), {0x7A, 0x01, 0x11}});
  const struct {
    const char* name;
    std::optional<std::uint8_t> enable;  // reported enable value
    bool lists;                          // the lists were reported
    bool checkEnable;                    // the user then clicks "Enable"
    std::vector<std::pair<CClockDlg::List, int>> choices;
    Bytes expected;
  } cases[] = {
      {"enable and two lists", 0, true, true, {{CClockDlg::StartMonth, 9}, {CClockDlg::FinishHour, 3}},
       Joined({kToggle, Read(0x1C, 1), {0x7A, 0x01, 0x00, 0x11}, Read(0x1D, 2), {0x7A, 0x00, 0x03, 0x11}})},
      {"disable only", 1, true, true, {{CClockDlg::StartMonth, 9}}, kToggle},
      // Key 1 toggles bit 0 alone: the box shows that bit, whatever else the byte holds.
      {"disable beside another bit", 0x03, true, true, {}, kToggle},
      {"enable beside another bit", 0x02, true, true, {}, kToggle},
      {"all six in order", 1, true, false,
       {{CClockDlg::FinishHour, 23}, {CClockDlg::StartHour, 0}, {CClockDlg::FinishMonth, 0},
        {CClockDlg::StartMonth, 11}, {CClockDlg::FinishSunday, 0}, {CClockDlg::StartSunday, 1}},
       Joined({Read(0x1B, 1), {0x7A, 0x02, 0x11}, Read(0x1B, 2), {0x7A, 0x01, 0x11}, Read(0x1C, 1),
             {0x7A, 0x01, 0x02, 0x11}, Read(0x1C, 2), {0x7A, 0x00, 0x01, 0x11}, Read(0x1D, 1),
             {0x7A, 0x00, 0x00, 0x11}, Read(0x1D, 2), {0x7A, 0x02, 0x03, 0x11}})},
      {"nothing changed", 1, true, false, {}, {}},
      // Without reports there is nothing to compare with: nothing is toggled or typed.
      {"nothing reported", std::nullopt, false, true, {{CClockDlg::StartMonth, 9}}, {}},
      {"enable not reported", std::nullopt, true, true, {{CClockDlg::StartSunday, 0}},
       Joined({Read(0x1B, 1), {0x7A, 0x01, 0x11}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dialog = std::make_unique<CClockDlg>();
    dialog->show();
    sent().clear();
    ASSERT_TRUE(waitSent(1));
    if (c.lists) answerLists();
    if (c.enable) answerEnable(*c.enable);
    if (c.checkEnable) click(dialog->enableBox());
    for (auto [which, index] : c.choices) list(which)->setCurrentIndex(index);
    apply();
    ASSERT_EQ(sent().size(), c.expected.empty() ? 1u : 2u);
    if (c.expected.empty()) continue;
    EXPECT_EQ(sent()[1], c.expected);

    // The panel answers Apply's reads with the values before the keys; a
    // second Apply must not toggle daylight saving back.
    answerEnable(c.enable.value_or(0));
    answerLists();
    apply();
    EXPECT_EQ(sent().size(), 2u);
    for (auto [which, index] : c.choices) EXPECT_EQ(list(which)->currentIndex(), index);
  }
}

// A Sunday or month of 0 selects nothing, yet it is what the panel holds: a
// choice over it is written.
TEST_F(Clock, ApplyWritesAChoiceOverASundayOrMonthTheLoadReportedAsZero) {
  answerLists();
  feed({0x17, 0x07, 0, 0x1B, 1, 0x7E});
  feed({0x17, 0x07, 0, 0x1C, 2, 0x7E});
  answerEnable(1);
  ASSERT_EQ(list(CClockDlg::StartSunday)->currentIndex(), -1);
  list(CClockDlg::StartSunday)->setCurrentIndex(1);
  list(CClockDlg::FinishMonth)->setCurrentIndex(9);
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], Joined({Read(0x1B, 1), {0x7A, 0x02, 0x11}, Read(0x1C, 2), {0x7A, 0x01, 0x00, 0x11}}));
}

TEST_F(Clock, AfterAnApplyRepliesChangeOnlyTheCache) {
  answerLists();
  answerEnable(1);
  list(CClockDlg::StartMonth)->setCurrentIndex(9);
  apply();
  ASSERT_EQ(sent().size(), 2u);
  feed({0x17, 0x07, 3, 0x1C, 1, 0x7E});  // the answer to Apply's read
  feed({0x17, 0x07, 4, 0x1C, 1, 0x7E});
  feed({0x17, 0x07, 7, 0x1D, 2, 0x7E});
  EXPECT_EQ(list(CClockDlg::StartMonth)->currentText(), QStringLiteral("10"));
  EXPECT_EQ(list(CClockDlg::FinishHour)->currentText(), QStringLiteral("1"));
  // The cache moved: the next Apply writes the shown values back.
  apply();
  ASSERT_EQ(sent().size(), 3u);
  EXPECT_EQ(sent()[2], Joined({Read(0x1C, 1), {0x7A, 0x01, 0x00, 0x11}, Read(0x1D, 2), {0x7A, 0x00, 0x01, 0x11}}));
}

// ---- Keyswitch

class Keyswitch : public EditorTest<CKeyswitchDlg> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(waitSent(1));
  }
  void answer(std::uint8_t keyswitch, std::uint8_t areas, std::uint8_t options) {
    feed({0x16, 0x07, 0x00, areas, 0x6F, keyswitch, 0x7E});
    feed({0x16, 0x07, 0x00, options, 0x70, keyswitch, 0x7E});
  }
  void toKeyswitchTwo() {
    QTest::keyClick(dialog->numberField()->field(), Qt::Key_Up);
    ASSERT_TRUE(waitSent(2));
    ASSERT_EQ(sent()[1], Joined({Read(0x6F, 2), Read(0x70, 2)}));
  }
  void apply() { QTest::mouseClick(dialog->applyButton(), Qt::LeftButton); }
};

TEST_F(Keyswitch, LoadsAreasAndOptions300msAfterTheNumberChanges) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Keyswitch"));
  EXPECT_EQ(sent()[0], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x6F, 0x00, 0x01, 0x7E, 0x7E, 0xAB, 0x07, 0x00, 0x70, 0x00,
                              0x01, 0x7E}));
  EXPECT_EQ(Times().timers, (std::vector<int>{300}));
  EXPECT_FALSE(dialog->applyButton()->isEnabled());
  answer(1, 0xFE, 0x41);
  EXPECT_EQ(dialog->areaBoxes()->bits(), 0x02);
  EXPECT_EQ(dialog->optionBoxes()->bits(), 0x41);
  EXPECT_EQ(dialog->optionBoxes()->box(7)->text(), QStringLiteral("Key-Switch is Momentary"));
  EXPECT_FALSE(dialog->areaBoxes()->box(2)->isVisible());

  TypeNumber(dialog->numberField(), QStringLiteral("3"));
  EXPECT_FALSE(dialog->optionBoxes()->box(0)->isEnabled());
  ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); }));
  EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Error"));
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Keyswitch number is invalid"));
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(Keyswitch, ClosedWhileANumberSettlesItNeitherLoadsNorComplains) {
  TypeNumber(dialog->numberField(), QStringLiteral("3"));
  dialog->reject();
  QTest::qWait(30);  // ten times the 300 ms, scaled
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(Keyswitch, ApplyTogglesTheChangedAreasAndOptionsOnceEach) {
  const struct {
    const char* name;
    std::uint8_t areas, options;
    std::vector<std::pair<bool, int>> clicks;  // (area box?, bit)
    Bytes expected;
  } cases[] = {
      {"area B", 0x01, 0x00, {{true, 1}}, Joined({Read(0x6F, 2), {0x7A, 0x02, 0x11}})},
      {"options 3 and 8", 0x01, 0x05, {{false, 2}, {false, 7}}, Joined({Read(0x70, 2), {0x7A, 0x03, 0x08, 0x11}})},
      {"both parts", 0x03, 0x00, {{false, 0}, {true, 0}}, Joined({Read(0x6F, 2), {0x7A, 0x01, 0x11}, Read(0x70, 2),
                                                                 {0x7A, 0x01, 0x11}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dialog = std::make_unique<CKeyswitchDlg>();
    dialog->show();
    sent().clear();
    ASSERT_TRUE(waitSent(1));
    toKeyswitchTwo();
    answer(2, c.areas, c.options);
    for (auto [area, bit] : c.clicks) click((area ? dialog->areaBoxes() : dialog->optionBoxes())->box(bit));
    EXPECT_TRUE(dialog->applyButton()->isEnabled());
    apply();
    ASSERT_EQ(sent().size(), 3u);
    EXPECT_EQ(sent()[2], c.expected);
    // A second Apply without changes toggles nothing back.
    apply();
    EXPECT_EQ(sent().size(), 3u);
  }
}

TEST_F(Keyswitch, TheAnswerToApplysReadIsSwallowedAndTheNextOneShown) {
  answer(1, 0x00, 0x05);
  click(dialog->optionBoxes()->box(0));
  apply();
  ASSERT_EQ(sent().size(), 2u);
  feed({0x16, 0x07, 0x00, 0x05, 0x70, 0x01, 0x7E});
  EXPECT_EQ(dialog->optionBoxes()->bits(), 0x04);
  feed({0x16, 0x07, 0x00, 0x84, 0x70, 0x01, 0x7E});
  EXPECT_EQ(dialog->optionBoxes()->bits(), 0x84);
  feed({0x16, 0x07, 0x00, 0x01, 0x70, 0x02, 0x7E});  // another keyswitch
  EXPECT_EQ(dialog->optionBoxes()->bits(), 0x84);
}

// ---- Time Zone

class TimeZone : public EditorTest<CTimeZoneDlg> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(waitSent(1));
  }
  void answer(std::uint8_t zone, std::uint8_t days, std::uint16_t start, std::uint16_t end, std::uint8_t options) {
    feed({0x16, 0x07, 0x00, days, 0xAB, zone, 0x7E});
    feed({0x19, 0x07, static_cast<std::uint8_t>(start >> 8), static_cast<std::uint8_t>(start & 0xFF), 0xAC, zone,
          0x7E});
    feed({0x19, 0x07, static_cast<std::uint8_t>(end >> 8), static_cast<std::uint8_t>(end & 0xFF), 0xAD, zone, 0x7E});
    feed({0x16, 0x07, 0x00, options, 0xAE, zone, 0x7E});
  }
  void apply() { QTest::mouseClick(dialog->applyButton(), Qt::LeftButton); }
};

TEST_F(TimeZone, LoadsZoneOneAtOnceAndShowsItsTimes) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Time Zone"));
  EXPECT_EQ(sent()[0], Joined({Read(0xAB, 1), Read(0xAC, 1), Read(0xAD, 1), Read(0xAE, 1)}));
  EXPECT_EQ(Times().timers, (std::vector<int>{500, 1}));
  EXPECT_EQ(dialog->startPicker()->displayFormat(), QStringLiteral("HH:mm"));
  EXPECT_FALSE(dialog->startPicker()->isEnabled());
  feed({0x19, 0x07, 0x06, 0xC2, 0xAC, 0x01, 0x7E});
  EXPECT_EQ(dialog->startPicker()->time(), QTime(17, 30));
  EXPECT_TRUE(dialog->startPicker()->isEnabled());
  EXPECT_FALSE(dialog->endPicker()->isEnabled());
  feed({0x16, 0x07, 0x00, 0x03, 0xAE, 0x01, 0x7E});
  EXPECT_TRUE(dialog->ignoreHolidaysBox()->isChecked());
}

TEST_F(TimeZone, ApplyWritesOptionsTimesAndDaysInThatOrderInOneSend) {
  TypeNumber(dialog->zoneField(), QStringLiteral("3"));
  ASSERT_TRUE(waitSent(2));
  ASSERT_EQ(sent()[1], Joined({Read(0xAB, 3), Read(0xAC, 3), Read(0xAD, 3), Read(0xAE, 3)}));
  answer(3, 0x41, 800, 1730, 0x00);
  click(dialog->dayBoxes()->box(1));  // Monday on
  click(dialog->dayBoxes()->box(6));  // Saturday off
  dialog->endPicker()->setTime(QTime(6, 0));
  apply();
  ASSERT_EQ(sent().size(), 3u);
  EXPECT_EQ(sent()[2], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0xAD, 0x00, 0x03, 0x7E, 0x7A, 0x00, 0x06, 0x00, 0x00, 0x11,
                              0x7E, 0xAB, 0x07, 0x00, 0xAB, 0x00, 0x03, 0x7E, 0x7A, 0x02, 0x07, 0x11}));
  EXPECT_FALSE(dialog->endPicker()->isEnabled());

  // The answers to Apply's reads are swallowed; nothing is left to write.
  feed({0x19, 0x07, 0x06, 0xC2, 0xAD, 0x03, 0x7E});
  feed({0x16, 0x07, 0x00, 0x41, 0xAB, 0x03, 0x7E});
  EXPECT_EQ(dialog->dayBoxes()->bits(), 0x03);
  click(dialog->ignoreHolidaysBox());
  dialog->startPicker()->setTime(QTime(8, 5));
  apply();
  ASSERT_EQ(sent().size(), 4u);
  EXPECT_EQ(sent()[3], Joined({Read(0xAE, 3), {0x7A, 0x01, 0x11}, Read(0xAC, 3), {0x7A, 0x00, 0x08, 0x00, 0x05, 0x11}}));
  apply();
  EXPECT_EQ(sent().size(), 4u);
}

// 24:00 and minute 60 show as 00:00; the panel's time stays unless the user picks another.
TEST_F(TimeZone, ATimeThePickerCannotShowIsKeptWhenSomethingElseChanges) {
  answer(1, 0x02, 2400, 1260, 0x00);
  EXPECT_EQ(dialog->startPicker()->time(), QTime(0, 0));
  EXPECT_EQ(dialog->endPicker()->time(), QTime(0, 0));
  click(dialog->dayBoxes()->box(0));
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], Joined({Read(0xAB, 1), {0x7A, 0x01, 0x11}}));
  dialog->endPicker()->setTime(QTime(13, 0));
  apply();
  ASSERT_EQ(sent().size(), 3u);
  EXPECT_EQ(sent()[2], Joined({Read(0xAD, 1), {0x7A, 0x01, 0x03, 0x00, 0x00, 0x11}}));
}

// A click into a time picker picks the hour or minute under it, and the
// digits typed next replace it.
TEST_F(TimeZone, DigitsTypedAfterAClickIntoAPickerReplaceTheHourOrMinuteClicked) {
  answer(1, 0x00, 830, 1730, 0x00);
  QTimeEdit* picker = dialog->startPicker();
  const int hour = picker->fontMetrics().horizontalAdvance(QStringLiteral("0")) / 2 + 4;
  const int minute = picker->fontMetrics().horizontalAdvance(QStringLiteral("08:3")) + 4;
  for (const auto& [x, typed, expected] : {std::tuple{hour, "17", QTime(17, 30)}, std::tuple{minute, "45", QTime(17, 45)}}) {
    dialog->applyButton()->setFocus();
    QTest::mouseClick(picker->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(x, picker->height() / 2));
    QTest::keyClicks(picker->findChild<QLineEdit*>(), QString::fromLatin1(typed));
    EXPECT_EQ(picker->time(), expected) << typed;
  }
}

TEST_F(TimeZone, IgnoreHolidaysIsComparedWithItsOwnBit) {
  answer(1, 0x00, 0, 0, 0x02);
  EXPECT_FALSE(dialog->ignoreHolidaysBox()->isChecked());
  apply();
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(TimeZone, AZoneNumberOutOfRangeIsRefusedAndNotSent) {
  for (const char* typed : {"9", "0"}) {
    TypeNumber(dialog->zoneField(), QString::fromLatin1(typed));
    EXPECT_FALSE(dialog->dayBoxes()->box(0)->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); })) << typed;
    EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Time zone number is invalid"));
    Boxes().shown.clear();
  }
  EXPECT_EQ(sent().size(), 1u);
}

// ---- Holydays

class Holidays : public EditorTest<CHolydayDlg> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(waitSent(1));
  }
  void answer(std::uint8_t holiday, std::uint8_t day, std::uint8_t month, std::uint8_t yearByte) {
    feed({0x26, 0x07, day, month, yearByte, 0, 0, 0, 0, 0, 0xAA, holiday, 0x7E});
  }
  void apply() { QTest::mouseClick(dialog->applyButton(), Qt::LeftButton); }
};

TEST_F(Holidays, LoadsTheEightDates10msAfterOpeningAndShowsThem) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Holydays"));
  EXPECT_EQ(Times().timers, (std::vector<int>{10}));
  Bytes load;
  for (std::uint8_t n = 1; n <= 8; ++n) load = Joined({load, Read(0xAA, n)});
  EXPECT_EQ(sent()[0], load);
  EXPECT_EQ(sent()[0].size(), 64u);
  EXPECT_FALSE(dialog->holidayBox(2)->isEnabled());

  answer(2, 25, 12, 26);
  answer(3, 0, 0, 0);
  answer(9, 1, 1, 27);                                                   // no such holiday
  feed({0x26, 0x07, 1, 1, 27, 0, 0, 0, 0, 0, 0xAB, 4, 0x7E});            // another parameter
  EXPECT_TRUE(dialog->holidayBox(2)->isChecked());
  EXPECT_TRUE(dialog->datePicker(2)->isEnabled());
  EXPECT_EQ(dialog->datePicker(2)->date(), QDate(2026, 12, 25));
  EXPECT_TRUE(dialog->holidayBox(3)->isEnabled());
  EXPECT_FALSE(dialog->holidayBox(3)->isChecked());
  EXPECT_FALSE(dialog->datePicker(3)->isEnabled());
  EXPECT_FALSE(dialog->holidayBox(4)->isEnabled());
  apply();
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(Holidays, ApplySetsAndClearsHolidaysInOrderAndSwallowsTheAnswers) {
  answer(2, 25, 12, 26);
  answer(5, 0, 0, 0);
  click(dialog->holidayBox(5));
  EXPECT_TRUE(dialog->datePicker(5)->isEnabled());
  dialog->datePicker(5)->setDate(QDate(2026, 12, 25));  // day before month, both of two digits
  click(dialog->holidayBox(2));
  EXPECT_FALSE(dialog->datePicker(2)->isEnabled());
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0xAA, 0x00, 0x02, 0x7E, 0x7A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                              0x11, 0x7E, 0xAB, 0x07, 0x00, 0xAA, 0x00, 0x05, 0x7E, 0x7A, 0x02, 0x05, 0x01, 0x02, 0x02,
                              0x06, 0x11}));
  EXPECT_FALSE(dialog->datePicker(5)->isEnabled());

  answer(5, 0, 0, 0);  // the answer to Apply's read
  EXPECT_TRUE(dialog->holidayBox(5)->isChecked());
  apply();
  EXPECT_EQ(sent().size(), 2u);
  answer(5, 25, 12, 26);
  EXPECT_EQ(dialog->datePicker(5)->date(), QDate(2026, 12, 25));
  EXPECT_TRUE(dialog->datePicker(5)->isEnabled());
}

// A date no picker can show is not folded into another that it can (a day
// or month of 100 and more, 31 February): the picker shows the panel's
// numbers, and Apply leaves them on the panel unless the user picks a date.
TEST_F(Holidays, ApplyLeavesAlonePanelDatesItCannotShowAsTheyAre) {
  answer(3, 25, 12, 0);  // year byte 0
  answer(4, 0, 7, 27);   // no day
  EXPECT_FALSE(dialog->holidayBox(3)->isChecked());
  EXPECT_FALSE(dialog->holidayBox(4)->isChecked());
  const struct {
    int holiday;
    std::uint8_t day, month, yearByte;
    const char* shown;
  } unshowable[] = {
      {1, 125, 12, 26, "day 125, month 12, year 2026"},
      {2, 25, 101, 26, "day 25, month 101, year 2026"},
      {6, 5, 13, 27, "day 5, month 13, year 2027"},
      {7, 31, 2, 27, "day 31, month 2, year 2027"},
  };
  for (const auto& u : unshowable) {
    answer(static_cast<std::uint8_t>(u.holiday), u.day, u.month, u.yearByte);
    EXPECT_TRUE(dialog->holidayBox(u.holiday)->isChecked()) << u.holiday;
    EXPECT_EQ(dialog->datePicker(u.holiday)->text(), QString::fromLatin1(u.shown));
  }
  answer(5, 0, 0, 0);
  click(dialog->holidayBox(5));
  dialog->datePicker(5)->setDate(QDate(2026, 12, 25));
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0xAA, 0x00, 0x05, 0x7E, 0x7A, 0x02, 0x05, 0x01, 0x02, 0x02, 0x06,
                              0x11}));
  // Picked over, it is written as picked.
  dialog->datePicker(2)->setDate(QDate(2027, 1, 25));
  EXPECT_NE(dialog->datePicker(2)->text(), QStringLiteral("day 25, month 101, year 2026"));
  apply();
  ASSERT_EQ(sent().size(), 3u);
  EXPECT_EQ(sent()[2], Joined({Read(0xAA, 2), {0x7A, 0x02, 0x05, 0x00, 0x01, 0x02, 0x07, 0x11}}));
}

// The long date format's longest dates fit their pickers: "Wednesday, 29
// September 2027" here as in "Set clock".
TEST_F(Holidays, DatePickersShowTheWholeDate) {
  answer(1, 29, 9, 27);
  editors::CClockDlg clock;
  clock.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&clock));
  clock.datePicker()->setDate(QDate(2027, 9, 29));
  for (QDateEdit* picker : {dialog->datePicker(1), clock.datePicker()}) {
    const QLineEdit* text = picker->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(picker->text()) + 4) << picker->text().toStdString();
  }
}

// ---- Menu items

class CalendarMenu : public editorstest::ProgramModeTest {};

TEST_F(CalendarMenu, EachItemOpensItsEditorWhichGetsEveryFrame) {
  const struct {
    const char* path;
    const char* title;
  } items[] = {
      {"Output|Options", "Output Options"},        {"Output|Times", "Output Times"},
      {"Clock Setting|Set clock", "Clock setting"}, {"Keyswitch", "Keyswitch"},
      {"Clock Setting|Time zone", "Time Zone"},    {"Clock Setting|Holydays", "Holydays"},
  };
  for (const auto& i : items) {
    QString title;
    testseams::WhenModal<console::EditorDialog>([&](console::EditorDialog* editor) {
      title = editor->windowTitle();
      EXPECT_EQ(console::EditorDialog::openEditor(), editor);
      EXPECT_EQ(window->editorFrameType(), 0);
      if (auto* clock = dynamic_cast<CClockDlg*>(editor)) {
        feed({0x54, 0x00, 0x02, 0x1C, 0x2D, 0x0F, 0x06, 0x1A, 0x7E});
        EXPECT_EQ(clock->panelTimeText(), window->clockText());
        EXPECT_EQ(clock->panelTimeText(), QStringLiteral("15/06/2026   09:00:45"));
      }
      editor->close();
    });
    QAction* action = item(QString::fromLatin1(i.path));
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_EQ(title, QString::fromLatin1(i.title)) << i.path;
    EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
  }
}

}  // namespace
