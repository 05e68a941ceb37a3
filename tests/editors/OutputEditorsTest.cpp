// "Output Options" and "Output Times": what they read and when, the keys
// they write, and the replies they take or swallow.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "editors/COutTime.h"
#include "editors/COutputDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "tests/editors/CalendarTestSupport.h"

namespace {

using namespace calendartest;
using editors::COutputDlg;
using editors::COutTime;

// ---- Output Options

class OutputOptions : public EditorTest<COutputDlg> {
 protected:
  // Waits for the load of the shown tab and answers it with value.
  void loaded(std::uint8_t parameter, std::uint8_t value, std::uint8_t output = 1) {
    ASSERT_TRUE(WaitFor([&] { return !sent().empty() && sent().back() == Read(parameter, output); }));
    feed({0x16, 0x07, 0x00, value, parameter, output, 0x7E});
    ASSERT_TRUE(dialog->boxes()->box(0)->isEnabled());
  }
  void selectTab(int index) {
    QTabBar* tabs = dialog->tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    ASSERT_EQ(tabs->currentIndex(), index);
  }
  QCheckBox* box(int option) const { return dialog->boxes()->box(option - 1); }
};

TEST_F(OutputOptions, ReadsOutputOneHalfASecondAfterOpeningAndANewTabAtOnce) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Output Options"));
  EXPECT_EQ(dialog->outputField()->text(), QStringLiteral("1"));
  ASSERT_TRUE(waitSent(1));
  EXPECT_EQ(sent()[0], Read(0x22, 1));
  EXPECT_EQ(Times().timers, (std::vector<int>{500}));
  EXPECT_FALSE(box(1)->isEnabled());

  selectTab(4);
  ASSERT_TRUE(waitSent(2));
  EXPECT_EQ(sent()[1], Read(0x2C, 1));
  EXPECT_EQ(Times().timers, (std::vector<int>{500, 1}));
}

TEST_F(OutputOptions, EachTabShowsItsLabelsAndHidesTheUnlabelledBoxes) {
  const struct {
    int tab;
    std::uint8_t shown;
    int option;
    QString text;
  } tabs[] = {
      {0, 0xFF, 8, QStringLiteral("Pulsed Chime Alarm (linked to pulse timer)")},
      {1, 0xFF, 4, QStringLiteral("Telephone Line Failure to Output")},
      {2, 0x1F, 5, QStringLiteral("Output Disable when P25E3E timer is running")},
      {3, 0x8F, 1, QStringLiteral("Siren Driver to Output (applies to O/P 1&&2 only, requires an 8\u03A9 speaker)")},
      {3, 0x8F, 3, QStringLiteral("Output \u201CSilenced\u201D for 10 seconds on key-press")},
      {4, 0xFF, 8, QStringLiteral("Time Zone 8")},
  };
  for (const auto& t : tabs) {
    selectTab(t.tab);
    EXPECT_EQ(dialog->tabs()->tabText(t.tab), QStringList({QStringLiteral("Options \"A\""), QStringLiteral("Options \"B\""),
                                                           QStringLiteral("Options \"C\""), QStringLiteral("Options \"D\""),
                                                           QStringLiteral("Time Zones to OP")})[t.tab]);
    EXPECT_EQ(box(t.option)->text(), t.text);
    for (int option = 1; option <= 8; ++option)
      EXPECT_EQ(box(option)->isVisible(), ((t.shown >> (option - 1)) & 1) != 0) << t.tab << " option " << option;
  }
}

TEST_F(OutputOptions, TakesOnlyTheShownTabsReplyForTheCurrentOutput) {
  ASSERT_TRUE(waitSent(1));
  feed({0x16, 0x07, 0x00, 0x81, 0x23, 0x01, 0x7E});  // another tab's parameter
  feed({0x16, 0x07, 0x00, 0x81, 0x22, 0x02, 0x7E});  // another output
  feed({0x17, 0x07, 0x81, 0x22, 0x01, 0x7E});        // another reply type
  feed({0x16, 0x07, 0x00, 0x81, 0x22});              // cut before the output
  EXPECT_FALSE(box(1)->isEnabled());
  feed({0x16, 0x07, 0x00, 0x81, 0x22, 0x01, 0x7E});
  EXPECT_TRUE(box(1)->isEnabled());
  EXPECT_EQ(dialog->boxes()->bits(), 0x81);
}

TEST_F(OutputOptions, ATabChangeWritesTheTogglesAndPausesBeforeReadingTheNewTab) {
  loaded(0x22, 0x81);
  click(box(8));
  ASSERT_EQ(dialog->boxes()->bits(), 0x01);
  selectTab(1);
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x08, 0x11}));
  EXPECT_EQ(Times().pauses, (std::vector<int>{500}));
  EXPECT_FALSE(box(1)->isEnabled());
  // The read of the new tab waits for the pause.
  ASSERT_TRUE(waitSent(3));
  EXPECT_EQ(sent()[2], Read(0x23, 1));
}

// Until the new tab's byte arrives the boxes show the old tab's: a click
// then would work out toggles from the wrong byte and write them into the new tab.
TEST_F(OutputOptions, AfterATabChangeTheBoxesWaitForThatTabsReply) {
  loaded(0x22, 0x81);
  selectTab(1);
  ASSERT_TRUE(waitSent(2));
  EXPECT_EQ(sent()[1], Read(0x23, 1));
  EXPECT_FALSE(box(1)->isEnabled());
  click(box(1));
  feed({0x16, 0x07, 0x00, 0x81, 0x22, 0x01, 0x7E});  // the old tab's byte again
  EXPECT_FALSE(box(1)->isEnabled());
  feed({0x16, 0x07, 0x00, 0x04, 0x23, 0x01, 0x7E});
  ASSERT_TRUE(box(1)->isEnabled());
  EXPECT_EQ(dialog->boxes()->bits(), 0x04);
  click(box(2));
  selectTab(0);
  ASSERT_TRUE(waitSent(4));
  EXPECT_EQ(sent()[2], (Bytes{0x7A, 0x02, 0x11}));
  EXPECT_EQ(sent()[3], Read(0x22, 1));
}

// Un-map is for the output whose options are shown: a number typed but not
// yet loaded, or loaded but not yet answered, cannot be un-mapped.
TEST_F(OutputOptions, UnmapWaitsForTheTypedOutputsOptions) {
  EXPECT_FALSE(dialog->unmapButton()->isEnabled());
  loaded(0x22, 0x00);
  EXPECT_TRUE(dialog->unmapButton()->isEnabled());
  dialog->outputField()->field()->selectAll();
  QTest::keyClicks(dialog->outputField()->field(), QStringLiteral("5"));
  EXPECT_FALSE(dialog->unmapButton()->isEnabled());
  QTest::mouseClick(dialog->unmapButton(), Qt::LeftButton);
  ASSERT_TRUE(waitSent(2));
  EXPECT_EQ(sent()[1], Read(0x22, 5));
  EXPECT_FALSE(dialog->unmapButton()->isEnabled());
  feed({0x16, 0x07, 0x00, 0x00, 0x22, 0x01, 0x7E});  // output 1's byte, late
  EXPECT_FALSE(dialog->unmapButton()->isEnabled());
  loaded(0x22, 0x00, 5);
  QTest::mouseClick(dialog->unmapButton(), Qt::LeftButton);
  ASSERT_TRUE(waitSent(4));
  EXPECT_EQ(sent()[2], Read(0x2B, 5));
  EXPECT_EQ(sent()[3], (Bytes{0x7A, 0x11}));
  EXPECT_TRUE(Boxes().shown.size() == 1u);
}

TEST_F(OutputOptions, AnotherOutputStepsTypedOrClosingWriteTheTogglesFirst) {
  const struct {
    const char* how;
    std::function<void(COutputDlg&)> act;
    std::uint8_t nextOutput;  // 0: the dialog closes
  } ways[] = {
      {"up-down", [](COutputDlg& d) { QTest::keyClick(d.outputField()->field(), Qt::Key_Up); }, 2},
      {"typing",
       [](COutputDlg& d) {
         d.outputField()->field()->selectAll();
         QTest::keyClicks(d.outputField()->field(), QStringLiteral("5"));
       },
       5},
      {"closing", [](COutputDlg& d) { d.close(); }, 0},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    dialog = std::make_unique<COutputDlg>();
    dialog->show();
    sent().clear();
    Times().pauses.clear();
    loaded(0x22, 0x00);
    click(box(1));
    click(box(3));
    way.act(*dialog);
    ASSERT_GE(sent().size(), 2u);
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x01, 0x03, 0x11}));
    EXPECT_EQ(Times().pauses, (std::vector<int>{750}));
    if (way.nextOutput == 0) {
      EXPECT_TRUE(dialog->isVisible());  // closes once the panel has had its pause
      ASSERT_TRUE(WaitFor([&] { return !dialog->isVisible(); }));
      QTest::qWait(30);
      EXPECT_EQ(sent().size(), 2u);
      continue;
    }
    EXPECT_EQ(dialog->outputField()->text(), QString::number(way.nextOutput));
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], Read(0x22, way.nextOutput));
  }
}

TEST_F(OutputOptions, TogglesAreDroppedWhenTheKeypadWindowClosesTheEditor) {
  loaded(0x22, 0x00);
  click(box(1));
  dialog->closeRequest();
  QTest::qWait(30);
  EXPECT_EQ(sent().size(), 1u);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OutputOptions, NothingIsWrittenWhenTheBoxesMatchThePanel) {
  loaded(0x22, 0x05);
  click(box(2));
  click(box(2));
  selectTab(2);
  ASSERT_TRUE(waitSent(2));
  EXPECT_EQ(sent()[1], Read(0x24, 1));
  EXPECT_TRUE(Times().pauses.empty());
}

TEST_F(OutputOptions, AnOutputNumberOutOfRangeIsRefusedAndNotSent) {
  ASSERT_TRUE(waitSent(1));
  for (const char* typed : {"9", "0"}) {
    dialog->outputField()->field()->selectAll();
    QTest::keyClicks(dialog->outputField()->field(), QString::fromLatin1(typed));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); })) << typed;
    EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Output number is invalid"));
    Boxes().shown.clear();
  }
  EXPECT_EQ(sent().size(), 1u);
  // An emptied field waits for a number without a word.
  dialog->outputField()->field()->clear();
  QTest::qWait(30);
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_EQ(sent().size(), 1u);
}

TEST_F(OutputOptions, UnmapAsksThenSendsYesOrNoAfterTheRead) {
  const struct {
    QMessageBox::StandardButton answer;
    bool pendingBox;
    std::vector<Bytes> writes;  // after the load
  } cases[] = {
      {QMessageBox::Yes, false, {Read(0x2B, 1), {0x7A, 0x11}}},
      // No leaves the panel on the un-map command: the tab is read again before any toggle.
      {QMessageBox::No, false, {Read(0x2B, 1), {0x7A, 0x10}, Read(0x22, 1)}},
      // Toggles not yet written go to the option byte before the panel moves to un-map.
      {QMessageBox::Yes, true, {{0x7A, 0x02, 0x11}, Read(0x2B, 1), {0x7A, 0x11}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.answer << " pending " << c.pendingBox);
    dialog = std::make_unique<COutputDlg>();
    dialog->show();
    sent().clear();
    Boxes().shown.clear();
    loaded(0x22, 0x00);
    if (c.pendingBox) click(box(2));
    Boxes().answers.push_back(c.answer);
    QTest::mouseClick(dialog->unmapButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(1 + c.writes.size()));
    EXPECT_EQ(std::vector<Bytes>(sent().begin() + 1, sent().end()), c.writes);
    ASSERT_EQ(Boxes().shown.size(), 1u);
    EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Attention"));
    EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(dialog->unmapButton()->isEnabled(), c.answer == QMessageBox::No);
  }

  // The panel's 15 .. 0D 2B ends the un-map: the button comes back and the output reloads.
  EXPECT_EQ(dialog->unmapButton()->text(), QStringLiteral("write..."));
  EXPECT_FALSE(box(1)->isEnabled());
  const std::size_t before = sent().size();
  feed({0x15, 0x00, 0x0D, 0x2B, 0x7E});
  EXPECT_EQ(dialog->unmapButton()->text(), QStringLiteral("Un-Map"));
  EXPECT_TRUE(dialog->unmapButton()->isEnabled());
  ASSERT_TRUE(waitSent(before + 1));
  EXPECT_EQ(sent().back(), Read(0x22, 1));
}

// ---- Output Times

const Bytes kTimesLoad = Joined({Read(0x26, 1), Read(0x27, 1), Read(0x28, 1), Read(0x29, 1)});

class OutputTimes : public EditorTest<COutTime> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(waitSent(1));
  }
  void answerLoad(std::uint8_t output = 1) {
    feed({0x18, 0x07, 0x00, 0x0A, 0x26, output, 0x7E});  // ON delay 10
    feed({0x17, 0x07, 0x14, 0x27, output, 0x7E});        // pulse 20
    feed({0x18, 0x07, 0x01, 0x2C, 0x28, output, 0x7E});  // reset 300
    feed({0x17, 0x07, 0x00, 0x29, output, 0x7E});        // chime 0
  }
  QLineEdit* field(COutTime::Field f) const { return dialog->timeField(f); }
  void type(COutTime::Field f, const QString& text) {
    field(f)->selectAll();
    QTest::keyClicks(field(f), text);
  }
  void apply() { QTest::mouseClick(dialog->applyButton(), Qt::LeftButton); }
};

TEST_F(OutputTimes, OpeningLoadsTheFourTimesOfOutputOneInOneSend) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Output Times"));
  EXPECT_EQ(sent()[0], kTimesLoad);
  EXPECT_EQ(Times().timers, (std::vector<int>{300, 1}));
  for (auto f : {COutTime::OnDelay, COutTime::ResetTime, COutTime::PulseTime, COutTime::ChimeTime})
    EXPECT_FALSE(field(f)->isEnabled());
}

TEST_F(OutputTimes, RepliesFillTheirFieldsAndTheLastOneEnablesApply) {
  feed({0x18, 0x07, 0x01, 0x2C, 0x26, 0x02, 0x7E});  // another output
  feed({0x17, 0x07, 0x01, 0x26, 0x01, 0x7E});        // ON delay comes as a word
  EXPECT_FALSE(field(COutTime::OnDelay)->isEnabled());
  feed({0x18, 0x07, 0x01, 0x2C, 0x26, 0x01, 0x7E});
  EXPECT_EQ(field(COutTime::OnDelay)->text(), QStringLiteral("300"));
  EXPECT_TRUE(field(COutTime::OnDelay)->isEnabled());
  EXPECT_FALSE(dialog->applyButton()->isEnabled());
  answerLoad();
  EXPECT_EQ(field(COutTime::PulseTime)->text(), QStringLiteral("20"));
  EXPECT_EQ(field(COutTime::ResetTime)->text(), QStringLiteral("300"));
  EXPECT_EQ(field(COutTime::ChimeTime)->text(), QStringLiteral("0"));
  EXPECT_TRUE(dialog->applyButton()->isEnabled());
}

TEST_F(OutputTimes, ApplySendsEachChangedTimeAsReadAndDigitsInOneTransmission) {
  answerLoad();
  type(COutTime::ChimeTime, QStringLiteral("20"));
  type(COutTime::OnDelay, QStringLiteral("45"));
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x26, 0x00, 0x01, 0x7E, 0x7A, 0x04, 0x05, 0x11,
                              0x7E, 0xAB, 0x07, 0x00, 0x29, 0x00, 0x01, 0x7E, 0x7A, 0x02, 0x00, 0x11}));
  EXPECT_FALSE(field(COutTime::OnDelay)->isEnabled());
  EXPECT_FALSE(dialog->applyButton()->isEnabled());
  EXPECT_FALSE(dialog->outputField()->field()->isEnabled());

  // The panel answers the reads with the times before the keys: the fields keep what was written.
  feed({0x18, 0x07, 0x00, 0x0A, 0x26, 0x01, 0x7E});
  feed({0x17, 0x07, 0x00, 0x29, 0x01, 0x7E});
  EXPECT_EQ(field(COutTime::OnDelay)->text(), QStringLiteral("45"));
  EXPECT_EQ(field(COutTime::ChimeTime)->text(), QStringLiteral("20"));
  EXPECT_TRUE(dialog->applyButton()->isEnabled());
  EXPECT_TRUE(dialog->outputField()->field()->isEnabled());
  apply();
  EXPECT_EQ(sent().size(), 2u);
}

TEST_F(OutputTimes, ATimeBeyondItsFieldIsNeitherShownNorWrittenBack) {
  feed({0x18, 0x07, 0x27, 0x10, 0x26, 0x01, 0x7E});  // ON delay 10000
  feed({0x17, 0x07, 0x14, 0x27, 0x01, 0x7E});
  feed({0x18, 0x07, 0x27, 0x0F, 0x28, 0x01, 0x7E});  // reset 9999
  feed({0x17, 0x07, 0x00, 0x29, 0x01, 0x7E});
  EXPECT_FALSE(field(COutTime::OnDelay)->isEnabled());
  EXPECT_EQ(field(COutTime::ResetTime)->text(), QStringLiteral("9999"));
  EXPECT_TRUE(dialog->applyButton()->isEnabled());
  type(COutTime::ChimeTime, QStringLiteral("5"));
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], Joined({Read(0x29, 1), {0x7A, 0x05, 0x11}}));
}

TEST_F(OutputTimes, AnEmptiedFieldIsWrittenAsZero) {
  answerLoad();
  field(COutTime::ResetTime)->selectAll();
  QTest::keyClick(field(COutTime::ResetTime), Qt::Key_Delete);
  apply();
  ASSERT_EQ(sent().size(), 2u);
  EXPECT_EQ(sent()[1], Joined({Read(0x28, 1), {0x7A, 0x00, 0x11}}));
}

TEST_F(OutputTimes, APulseOrChimeTimeAbove255IsRefusedBeforeAnythingIsSent) {
  answerLoad();
  for (auto [f, message] : {std::pair{COutTime::PulseTime, "Pulse time is invalid"},
                            std::pair{COutTime::ChimeTime, "Chime mode time is invalid"}}) {
    type(COutTime::OnDelay, QStringLiteral("11"));
    type(f, QStringLiteral("300"));
    apply();
    ASSERT_EQ(Boxes().shown.size(), 1u) << message;
    EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(Boxes().shown[0].text, QString::fromLatin1(message));
    EXPECT_EQ(Boxes().shown[0].kind, platform::MessageBoxes::Kind::Critical);
    EXPECT_EQ(sent().size(), 1u);
    EXPECT_TRUE(field(COutTime::OnDelay)->isEnabled());
    type(f, QStringLiteral("0"));
    Boxes().shown.clear();
  }
}

TEST_F(OutputTimes, NothingChangedSendsNothingAndAnotherOutputReloads) {
  answerLoad();
  type(COutTime::OnDelay, QStringLiteral("10"));
  apply();
  EXPECT_EQ(sent().size(), 1u);

  QTest::keyClick(dialog->outputField()->field(), Qt::Key_Up);
  EXPECT_FALSE(field(COutTime::PulseTime)->isEnabled());
  ASSERT_TRUE(waitSent(2));
  EXPECT_EQ(sent()[1], Joined({Read(0x26, 2), Read(0x27, 2), Read(0x28, 2), Read(0x29, 2)}));
  answerLoad(2);

  dialog->outputField()->field()->selectAll();
  QTest::keyClicks(dialog->outputField()->field(), QStringLiteral("9"));
  ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); }));
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Output number is invalid"));
  EXPECT_EQ(sent().size(), 2u);
}

}  // namespace
