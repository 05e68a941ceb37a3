// The "Users" editor against a recording link: what it loads, how it shows
// replies, and the keys and pauses of leaving each group.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <functional>

#include "editors/CUserCodeDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "editors/OptionTabs.h"
#include "tests/editors/GroupEditorFixture.h"

namespace editorstest {
namespace {

using editors::CUserCodeDlg;
using testseams::Boxes;
using testseams::Times;

QStringList Entries(const QComboBox* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
  return texts;
}

class UserCodes : public GroupEditorTest<CUserCodeDlg> {
 public:
  void selectUser(int user) {
    dialog->userField()->field()->selectAll();
    QTest::keyClicks(dialog->userField()->field(), QString::number(user));
    ASSERT_TRUE(WaitFor([&] { return sent().size() == 1; }));
    sent().clear();
  }
  void clickTab(int tab) {
    QTabBar* bar = dialog->mapTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
  }
  void focus(QWidget* widget) { widget->setFocus(Qt::TabFocusReason); }
};

TEST_F(UserCodes, OpeningLoadsUserOneIn48Bytes500MsLater) {
  EXPECT_EQ(Times().timers.front(), 500);
  EXPECT_EQ(load, Joined({Read(1, 1), Read(2, 1), Read(3, 1), Read(4, 1), Read(5, 1), Read(10, 1)}));
  EXPECT_EQ(load.size(), 48u);
  EXPECT_FALSE(dialog->codeField()->isEnabled());
  EXPECT_FALSE(dialog->typeList()->isEnabled());
}

TEST_F(UserCodes, TypingTwoThenFiveLoadsOnlyUserTwentyFive) {
  dialog->userField()->field()->selectAll();
  QTest::keyClicks(dialog->userField()->field(), QStringLiteral("25"));
  ASSERT_TRUE(settlesAt(1));
  EXPECT_EQ(sent()[0], Joined({Read(1, 25), Read(2, 25), Read(3, 25), Read(4, 25), Read(5, 25), Read(10, 25)}));
  EXPECT_EQ(dialog->currentUser(), 25);
}

TEST_F(UserCodes, UserOutsideOneToHundredIsRefused) {
  for (const char* typed : {"0", "101", ""}) {
    SCOPED_TRACE(typed);
    Boxes().shown.clear();
    dialog->userField()->field()->selectAll();
    QTest::keyClick(dialog->userField()->field(), Qt::Key_Delete);
    QTest::keyClicks(dialog->userField()->field(), QString::fromLatin1(typed));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); }));
    EXPECT_EQ(Boxes().shown.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(Boxes().shown.back().text, QStringLiteral("User is invalid"));
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(dialog->currentUser(), 1);
  }
}

// Leaving an edited code pauses the editor; the user number typed meanwhile
// is taken once when it has settled: one load, or one message.
TEST_F(UserCodes, AUserNumberTypedDuringAPauseIsTakenOnce) {
  const struct {
    const char* typed;
    std::size_t loads;
    std::size_t messages;
  } cases[] = {{"25", 1, 0}, {"101", 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    open();
    reply(DigitsReply(1, 1, {0x21, 0x43}));
    click(dialog->codeField());
    dialog->codeField()->selectAll();
    QTest::keyClicks(dialog->codeField(), QStringLiteral("55"));
    Boxes().shown.clear();
    dialog->userField()->field()->selectAll();
    QTest::keyClicks(dialog->userField()->field(), QString::fromLatin1(c.typed));
    EXPECT_TRUE(dialog->isPaused());
    QTest::qWait(150);
    EXPECT_EQ(std::ranges::count_if(sent(), [](const Bytes& b) { return b.size() == 48; }), c.loads);
    EXPECT_EQ(Boxes().shown.size(), c.messages);
  }
}

// A reply of more than six digits, or with a nibble that is no digit, would
// show cut in the six-digit field and be written back cut: it is not taken.
TEST_F(UserCodes, CodeRepliesShowSixDigitsAtMostAndOnlyTheCurrentUsers) {
  struct Case {
    const char* name;
    Bytes frame;
    const char* shown;
    bool enabled;
  };
  const Case cases[] = {
      {"five digits", DigitsReply(1, 1, {0x21, 0x43, 0xF5}), "12345", true},
      {"none", DigitsReply(1, 1, {}), "", true},
      {"six digits", DigitsReply(1, 1, {0x21, 0x43, 0x65}), "123456", true},
      {"seven digits", DigitsReply(1, 1, {0x21, 0x43, 0x65, 0xF7}), "", false},
      {"sixteen digits", DigitsReply(1, 1, {0x21, 0x43, 0x65, 0x87, 0x09, 0x21, 0x43, 0x65}), "", false},
      {"a nibble above 9", DigitsReply(1, 1, {0x21, 0xFA}), "", false},
      {"another user", DigitsReply(1, 2, {0x21, 0x43, 0xF5}), "", false},
      {"cut before the parameter", Cut(DigitsReply(1, 1, {0x21}), 11), "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    open();
    reply(c.frame);
    EXPECT_EQ(dialog->codeField()->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(dialog->codeField()->isEnabled(), c.enabled);
  }
}

// Each case starts on user 1 with code 1234, access 0x05, areas A and B,
// map 0 on every tab, and no group pending; it edits, leaves the group,
// and checks what went out after the reads that position the panel.
TEST_F(UserCodes, LeavingAGroupWritesOnlyWhatDiffersAndPauses) {
  using Case = WriteCase<UserCodes>;
  const auto typeCode = [](UserCodes& t, const char* code) {
    t.click(t.dialog->codeField());
    t.reply(DigitsReply(1, 1, {0x21, 0x43}));  // answers the positioning read: swallowed
    t.dialog->codeField()->selectAll();
    QTest::keyClicks(t.dialog->codeField(), QString::fromLatin1(code));
  };
  const Case cases[] = {
      {"code 1234 to 987",
       [&](UserCodes& t) {
         typeCode(t, "987");
         t.click(t.dialog->accessBoxes()->box(5));
       },
       {Read(1, 1), {0x7A, 0x09, 0x08, 0x07, 0x11}, Read(4, 1)},
       {1000, 100}},
      // The hidden reply to entering the code again says 987; typing the old
      // code back must still reach the panel.
      {"code to 987 and back to 1234",
       [&](UserCodes& t) {
         const auto leaveForTheAreas = [&t] {  // an area box ticked twice changes nothing
           t.click(t.dialog->areaBoxes()->box(0));
           t.click(t.dialog->areaBoxes()->box(0));
         };
         typeCode(t, "987");
         leaveForTheAreas();
         ASSERT_TRUE(t.settlesAt(3));
         t.click(t.dialog->codeField());
         t.reply(DigitsReply(1, 1, {0x89, 0xF7}));
         t.dialog->codeField()->selectAll();
         QTest::keyClicks(t.dialog->codeField(), QStringLiteral("1234"));
         leaveForTheAreas();
       },
       {Read(1, 1), {0x7A, 0x09, 0x08, 0x07, 0x11}, Read(3, 1), Read(1, 1), {0x7A, 0x01, 0x02, 0x03, 0x04, 0x11},
        Read(3, 1)},
       {1000, 100, 1000, 100}},
      {"code unchanged",
       [&](UserCodes& t) {
         typeCode(t, "1234");
         t.click(t.dialog->accessBoxes()->box(5));
       },
       {Read(1, 1), Read(4, 1)},
       {100}},
      {"code typed past six digits",
       [&](UserCodes& t) {
         typeCode(t, "12345678");
         t.clickTab(1);
       },
       {Read(1, 1), {0x7A, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x11}, Read(9, 1)},
       {1000, 100}},
      {"code emptied",
       [&](UserCodes& t) {
         typeCode(t, "");
         QTest::keyClick(t.dialog->codeField(), Qt::Key_Delete);
         t.clickTab(1);
       },
       {Read(1, 1), {0x7A, 0x11}, Read(9, 1)},
       {1000, 100}},
      {"access 0x05 to options 1 and 2",
       [](UserCodes& t) {
         t.click(t.dialog->accessBoxes()->box(2));
         t.reply(OptionReply(4, 1, 0x05));  // swallowed: the boxes keep the edit
         t.click(t.dialog->accessBoxes()->box(1));
         t.clickTab(1);
       },
       {Read(4, 1), {0x7A, 0x02, 0x03, 0x11}, Read(9, 1)},
       {100, 100, 100}},
      {"areas set twice back to what they were",
       [](UserCodes& t) {
         t.click(t.dialog->areaBoxes()->box(0));
         t.click(t.dialog->areaBoxes()->box(0));
         t.clickTab(1);
       },
       {Read(3, 1), Read(9, 1)},
       {100, 100}},
      {"privileges to area A",
       [](UserCodes& t) {
         t.click(t.dialog->privilegeBoxes()->box(7));
         t.click(t.dialog->areaBoxes()->box(1));
       },
       {Read(5, 1), {0x7A, 0x08, 0x11}, Read(3, 1)},
       {100, 100, 100}},
      {"three boxes of Output On",
       [](UserCodes& t) {
         t.clickTab(3);
         t.reply(OptionReply(13, 1, 0x00));
         ASSERT_TRUE(WaitFor([&] { return !t.dialog->isPaused(); }));  // the boxes are greyed until then
         for (int bit : {0, 3, 7}) t.click(t.dialog->mapTabs()->boxes()->box(bit));
         t.clickTab(0);
       },
       {Read(13, 1), {0x7A, 0x01, 0x04, 0x08, 0x11}, Read(10, 1)},
       {100, 1000, 100}},
      // Entering the map boxes reads nothing; the panel is still on the
      // access options, so the map is read before its keys go out.
      {"map boxes straight from the access group",
       [](UserCodes& t) {
         t.click(t.dialog->accessBoxes()->box(5));
         t.click(t.dialog->mapTabs()->boxes()->box(0));
         t.clickTab(1);
       },
       {Read(4, 1), {0x7A, 0x06, 0x11}, Read(10, 1), {0x7A, 0x01, 0x11}, Read(9, 1)},
       {100, 100, 500, 100}},
  };
  expectWrites<UserCodes>(cases, {DigitsReply(1, 1, {0x21, 0x43}), OptionReply(3, 1, 0x03), OptionReply(4, 1, 0x05),
                                  OptionReply(5, 1, 0x00), OptionReply(10, 1, 0x00)});
}

TEST_F(UserCodes, MapReplyForAnotherTabOnlyUpdatesTheCache) {
  reply(OptionReply(10, 1, 0x03));
  reply(OptionReply(13, 1, 0xF0));
  EXPECT_EQ(dialog->mapTabs()->boxes()->bits(), 0x03);
  EXPECT_TRUE(dialog->mapTabs()->boxes()->box(0)->isEnabled());
  EXPECT_EQ(dialog->mapTabs()->comment()->text(), QString());
}

// Written boxes, and the boxes of a newly shown tab until its map arrives,
// are not to be clicked: a click would be compared with a map they do not show.
TEST_F(UserCodes, MapBoxesWaitDisabledForTheNextMap) {
  reply(OptionReply(10, 1, 0x03));
  click(dialog->mapTabs()->boxes()->box(2));
  clickTab(3);
  EXPECT_FALSE(dialog->mapTabs()->boxes()->box(0)->isEnabled());
  EXPECT_EQ(dialog->mapTabs()->comment()->text(), QStringLiteral("User can turn ON outputs:"));
  ASSERT_TRUE(settlesAt(2));
  EXPECT_EQ(sent()[1], Read(13, 1));
  reply(OptionReply(13, 1, 0xF0));
  EXPECT_EQ(dialog->mapTabs()->boxes()->bits(), 0xF0);
  EXPECT_TRUE(dialog->mapTabs()->boxes()->box(0)->isEnabled());
}

TEST_F(UserCodes, TypeListOffersRadioUserOnlyAboveTwentyAndReadsTheRadioType) {
  selectUser(20);
  reply(ByteReply(2, 20, 1));
  EXPECT_EQ(Entries(dialog->typeList()), (QStringList{"Keypad Code User", "Access Key User",
                                                       "Both Code and Access Tag", "Either Code and Access Tag"}));
  EXPECT_EQ(dialog->typeList()->currentIndex(), -1);

  selectUser(21);
  Times().timers.clear();
  reply(ByteReply(2, 21, 1));
  EXPECT_EQ(Entries(dialog->typeList()), (QStringList{"Keypad Code User", "Radio user", "Access Key User",
                                                       "Both Code and Access Tag", "Either Code and Access Tag"}));
  EXPECT_EQ(dialog->typeList()->currentText(), QStringLiteral("Radio user"));
  EXPECT_EQ(Times().timers, std::vector<int>{2000});
  ASSERT_TRUE(settlesAt(1));
  EXPECT_EQ(sent()[0], Read(7, 21));
  EXPECT_TRUE(dialog->radioTypeList()->isHidden());

  reply(ByteReply(7, 21, 1));
  EXPECT_FALSE(dialog->radioTypeList()->isHidden());
  EXPECT_FALSE(dialog->radioTypeLabel()->isHidden());
  EXPECT_EQ(dialog->radioTypeList()->currentText(), QStringLiteral("Vell Zentaro Type"));

  // Choosing positions the panel and writes at once; the answer to that
  // read (the type before the write) leaves the choice on screen.
  dialog->radioTypeList()->setCurrentIndex(0);
  reply(ByteReply(7, 21, 1));
  EXPECT_EQ(dialog->radioTypeList()->currentText(), QStringLiteral("Generic Type"));
  ASSERT_TRUE(settlesAt(3));
  EXPECT_EQ(sent()[1], Read(7, 21));
  EXPECT_EQ(sent()[2], (Bytes{0x7A, 0x00, 0x11}));
}

// The radio type is read 2 s after the type: if the user is editing the
// code by then, the code is read again before it is written.
TEST_F(UserCodes, ARadioTypeReadDuringAnEditMovesThePanelBackBeforeTheWrite) {
  selectUser(21);
  reply(DigitsReply(1, 21, {0x21, 0x43}));
  reply(ByteReply(2, 21, 1));
  click(dialog->codeField());
  QTest::keyClick(dialog->codeField(), Qt::Key_End);
  QTest::keyClicks(dialog->codeField(), QStringLiteral("5"));
  ASSERT_TRUE(WaitFor([&] { return sent().size() == 2; }));  // the radio type's read
  reply(ByteReply(7, 21, 0));
  click(dialog->typeList());
  reply(DigitsReply(1, 21, {0x21, 0x43}));  // the read before the write: swallowed
  ASSERT_TRUE(settlesAt(5));
  EXPECT_EQ(sent(), (std::vector<Bytes>{Read(1, 21), Read(7, 21), Read(1, 21), {0x7A, 0x01, 0x02, 0x03, 0x04, 0x05, 0x11},
                                        Read(2, 21)}));
  EXPECT_EQ(dialog->codeField()->text(), QStringLiteral("12345"));
}

// The radio type is read for the user whose type asked for it, and not
// once the user has moved on (it was read for whatever the field held).
TEST_F(UserCodes, LeavingARadioUserDropsItsRadioTypeRead) {
  selectUser(21);
  reply(ByteReply(2, 21, 1));
  dialog->userField()->field()->selectAll();
  QTest::keyClicks(dialog->userField()->field(), QStringLiteral("22"));
  QTest::qWait(40);
  ASSERT_EQ(sent().size(), 1u);
  EXPECT_EQ(sent()[0].size(), 48u);
  EXPECT_EQ(sent()[0][6], 22);
}

TEST_F(UserCodes, ChoosingATypeWritesItAtOnceAfterTheRead) {
  reply(ByteReply(2, 1, 0));
  focus(dialog->typeList());
  reply(ByteReply(2, 1, 0));  // swallowed
  dialog->typeList()->setCurrentIndex(dialog->typeList()->findText(QStringLiteral("Access Key User")));
  ASSERT_TRUE(settlesAt(2));
  EXPECT_EQ(sent(), (std::vector<Bytes>{Read(2, 1), {0x7A, 0x02, 0x11}}));
  EXPECT_TRUE(Times().pauses.empty());
}

TEST_F(UserCodes, ClosingWritesThePendingGroupAndClosesAfterItsPause) {
  reply(DigitsReply(1, 1, {0x21, 0x43}));
  click(dialog->codeField());
  dialog->codeField()->selectAll();
  QTest::keyClicks(dialog->codeField(), QStringLiteral("55"));
  dialog->close();
  EXPECT_EQ(sent().back(), (Bytes{0x7A, 0x05, 0x05, 0x11}));
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_TRUE(WaitFor([&] { return !dialog->isVisible(); }));
  EXPECT_EQ(Times().pauses, std::vector<int>{1000});
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace editorstest
