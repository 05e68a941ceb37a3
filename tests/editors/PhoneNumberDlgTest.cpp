// The "Phone number" editor against a recording link: the slot load, the
// number in the panel's alphabet both ways, and the keys and pauses of each
// group.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <functional>

#include "editors/CPhoneNumberDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "editors/OptionTabs.h"
#include "tests/editors/GroupEditorFixture.h"

namespace editorstest {
namespace {

using editors::CPhoneNumberDlg;
using testseams::Boxes;
using testseams::Times;

class PhoneNumbers : public GroupEditorTest<CPhoneNumberDlg> {
 public:
  void clickTab(int tab) {
    QTabBar* bar = dialog->optionTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
  }
  void typeSlot(const QString& text) {
    dialog->slotField()->field()->selectAll();
    QTest::keyClick(dialog->slotField()->field(), Qt::Key_Delete);
    QTest::keyClicks(dialog->slotField()->field(), text);
  }
  void retype(QLineEdit* field, const QString& text) {
    click(field);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
  }
};

TEST_F(PhoneNumbers, OpeningLoadsSlotOneIn32Bytes500MsLater) {
  EXPECT_EQ(Times().timers.front(), 500);
  Bytes expected;
  for (int parameter : {0xB5, 0xB6, 0xB8, 0xB7}) {
    const Bytes read = Read(parameter, 1);
    expected.insert(expected.end(), read.begin(), read.end());
  }
  EXPECT_EQ(load, expected);
  EXPECT_EQ(dialog->formatList()->currentText(), QStringLiteral("Contact ID"));
  EXPECT_FALSE(dialog->numberField()->isEnabled());
}

TEST_F(PhoneNumbers, NumberRepliesShowThePanelsAlphabet) {
  reply(DigitsReply(0xB5, 2, {0x21}));
  EXPECT_FALSE(dialog->numberField()->isEnabled());
  reply(DigitsReply(0xB5, 1, {0x90, 0xA7, 0xFB}));
  EXPECT_EQ(dialog->numberField()->text(), QStringLiteral("097#*"));
  reply(DigitsReply(0xB5, 1, {0xDC, 0x1E, 0x32, 0x54, 0x76, 0x98, 0xBA, 0x10}));
  EXPECT_EQ(dialog->numberField()->text(), QStringLiteral("=W-123456789#*01"));
  EXPECT_TRUE(dialog->numberField()->isEnabled());
}

// Slots 0 and 9 were sent as typed; now they are refused like other entity numbers.
TEST_F(PhoneNumbers, SlotOutsideOneToEightIsRefusedAndAnEmptyOneLoadsNothing) {
  for (const char* typed : {"0", "9"}) {
    SCOPED_TRACE(typed);
    Boxes().shown.clear();
    typeSlot(QString::fromLatin1(typed));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); }));
    EXPECT_EQ(Boxes().shown.back().caption, QStringLiteral("Error"));
    EXPECT_EQ(Boxes().shown.back().text, QStringLiteral("Slot number is invalid"));
  }
  Boxes().shown.clear();
  typeSlot(QString());
  QTest::qWait(30);
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_TRUE(sent().empty());
  typeSlot(QStringLiteral("8"));
  ASSERT_TRUE(settlesAt(1));
  EXPECT_EQ(sent()[0].size(), 32u);
  EXPECT_EQ(dialog->currentSlot(), 8);
}

// Each case starts on slot 1 with the number 123, retries 3, format Contact
// ID and options 0 on every tab; it edits, leaves, and checks what went out.
TEST_F(PhoneNumbers, LeavingAGroupWritesOnlyWhatDiffersAndPauses) {
  using Case = WriteCase<PhoneNumbers>;
  const auto typeNumber = [](PhoneNumbers& t, const char* number) {
    t.retype(t.dialog->numberField(), QString::fromLatin1(number));
    t.reply(DigitsReply(0xB5, 1, {0x21, 0xF3}));  // answers the positioning read: swallowed
  };
  const Case cases[] = {
      {"number 0W*5 over 123",
       [&](PhoneNumbers& t) {
         typeNumber(t, "0W*5");
         t.click(t.dialog->retriesField());
       },
       {Read(0xB5, 1), {0x7A, 0x00, 0x2A, 0x28, 0x05, 0x11}, Read(0xB8, 1)},
       {1000}},
      // The hidden replies to entering a field again hold what was written;
      // typing the old value back must still reach the panel.
      {"number 0W*5 and back to 123",
       [&](PhoneNumbers& t) {
         typeNumber(t, "0W*5");
         t.click(t.dialog->retriesField());
         ASSERT_TRUE(t.settlesAt(3));
         t.retype(t.dialog->numberField(), QStringLiteral("123"));
         t.reply(DigitsReply(0xB5, 1, {0xD0, 0x5B}));
         t.click(t.dialog->retriesField());
       },
       {Read(0xB5, 1), {0x7A, 0x00, 0x2A, 0x28, 0x05, 0x11}, Read(0xB8, 1), Read(0xB5, 1),
        {0x7A, 0x01, 0x02, 0x03, 0x11}, Read(0xB8, 1)},
       {1000, 1000}},
      {"retries 12 and back to 3",
       [](PhoneNumbers& t) {
         t.retype(t.dialog->retriesField(), QStringLiteral("12"));
         t.click(t.dialog->numberField());
         ASSERT_TRUE(t.settlesAt(3));
         t.retype(t.dialog->retriesField(), QStringLiteral("3"));
         t.reply(ByteReply(0xB8, 1, 12));
         t.click(t.dialog->numberField());
       },
       {Read(0xB8, 1), {0x7A, 0x01, 0x02, 0x11}, Read(0xB5, 1), Read(0xB8, 1), {0x7A, 0x03, 0x11}, Read(0xB5, 1)},
       {100, 100}},
      {"number with every letter, w in lower case",
       [&](PhoneNumbers& t) {
         typeNumber(t, "#*=w-");
         t.click(t.dialog->retriesField());
       },
       {Read(0xB5, 1), {0x7A, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x11}, Read(0xB8, 1)},
       {1000}},
      {"number unchanged",
       [&](PhoneNumbers& t) {
         typeNumber(t, "123");
         t.click(t.dialog->retriesField());
       },
       {Read(0xB5, 1), Read(0xB8, 1)},
       {}},
      {"retries 12 over 3",
       [](PhoneNumbers& t) {
         t.retype(t.dialog->retriesField(), QStringLiteral("12"));
         t.click(t.dialog->numberField());
       },
       {Read(0xB8, 1), {0x7A, 0x01, 0x02, 0x11}, Read(0xB5, 1)},
       {100}},
      {"retries 7",
       [](PhoneNumbers& t) {
         t.retype(t.dialog->retriesField(), QStringLiteral("7"));
         t.click(t.dialog->numberField());
       },
       {Read(0xB8, 1), {0x7A, 0x07, 0x11}, Read(0xB5, 1)},
       {100}},
      {"retries 03 is the count already there",
       [](PhoneNumbers& t) {
         t.retype(t.dialog->retriesField(), QStringLiteral("03"));
         t.click(t.dialog->numberField());
       },
       {Read(0xB8, 1), Read(0xB5, 1)},
       {}},
      {"retries emptied",
       [](PhoneNumbers& t) {
         t.retype(t.dialog->retriesField(), QString());
         t.click(t.dialog->numberField());
         EXPECT_EQ(t.dialog->retriesField()->text(), QStringLiteral("3"));
       },
       {Read(0xB8, 1), Read(0xB5, 1)},
       {}},
      {"format SIA slow",
       [](PhoneNumbers& t) {
         t.dialog->formatList()->setFocus(Qt::TabFocusReason);
         t.dialog->formatList()->setCurrentIndex(t.dialog->formatList()->findText(QStringLiteral("SIA slow")));
       },
       {Read(0xB6, 1), {0x7A, 0x01, 0x01, 0x11}},
       {}},
      {"format SIA, then Pager",
       [](PhoneNumbers& t) {
         t.dialog->formatList()->setFocus(Qt::TabFocusReason);
         t.dialog->formatList()->setCurrentIndex(t.dialog->formatList()->findText(QStringLiteral("SIA")));
         t.dialog->formatList()->setCurrentIndex(t.dialog->formatList()->findText(QStringLiteral("Pager")));
       },
       {Read(0xB6, 1), {0x7A, 0x01, 0x00, 0x11}, {0x7A, 0x03, 0x11}},
       {}},
      {"Reporting C options 2 and 8, then tab Options",
       [](PhoneNumbers& t) {
         t.clickTab(3);
         t.reply(OptionReply(0xBC, 1, 0x00));
         ASSERT_TRUE(WaitFor([&] { return !t.dialog->isPaused(); }));  // the boxes are greyed until then
         t.click(t.dialog->optionTabs()->boxes()->box(1));
         t.click(t.dialog->optionTabs()->boxes()->box(7));
         t.clickTab(0);
       },
       {Read(0xBC, 1), {0x7A, 0x02, 0x08, 0x11}, Read(0xB7, 1)},
       {100, 750, 100}},
      // Entering the boxes reads nothing; the panel is still on the number,
      // so the options are read before their keys go out.
      {"option boxes straight from the number field",
       [](PhoneNumbers& t) {
         t.click(t.dialog->numberField());
         t.click(t.dialog->optionTabs()->boxes()->box(0));
         t.clickTab(1);
       },
       {Read(0xB5, 1), Read(0xB7, 1), {0x7A, 0x01, 0x11}, Read(0xBA, 1)},
       {500, 100}},
  };
  expectWrites<PhoneNumbers>(cases, {DigitsReply(0xB5, 1, {0x21, 0xF3}), ByteReply(0xB6, 1, 1), ByteReply(0xB8, 1, 3),
                                     OptionReply(0xB7, 1, 0x00)});
}

// An invalid number is told once and left unwritten; the user is not held
// in the field, and what is edited elsewhere meanwhile is written.
TEST_F(PhoneNumbers, AnInvalidNumberIsLeftUnwrittenWhileRetriesAndOptionsAreWritten) {
  reply(DigitsReply(0xB5, 1, {0x21, 0xF3}));
  reply(ByteReply(0xB8, 1, 3));
  reply(OptionReply(0xB7, 1, 0x00));
  retype(dialog->numberField(), QStringLiteral("12a4"));
  click(dialog->retriesField());
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Error number"));
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Number not correct"));
  retype(dialog->retriesField(), QStringLiteral("12"));
  click(dialog->optionTabs()->boxes()->box(0));
  clickTab(1);
  ASSERT_TRUE(settlesAt(6));
  EXPECT_EQ(sent(), (std::vector<Bytes>{Read(0xB5, 1), Read(0xB8, 1), {0x7A, 0x01, 0x02, 0x11}, Read(0xB7, 1),
                                        {0x7A, 0x01, 0x11}, Read(0xBA, 1)}));
  EXPECT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(dialog->numberField()->text(), QStringLiteral("12a4"));

  // Mended and left again: written.
  retype(dialog->numberField(), QStringLiteral("124"));
  click(dialog->retriesField());
  ASSERT_TRUE(settlesAt(9));
  EXPECT_EQ(std::vector<Bytes>(sent().begin() + 6, sent().end()),
            (std::vector<Bytes>{Read(0xB5, 1), {0x7A, 0x01, 0x02, 0x04, 0x11}, Read(0xB8, 1)}));
}

// A count above 99 would show cut in the two-digit field and be written back cut.
TEST_F(PhoneNumbers, RetriesAboveNinetyNineAreNotTaken) {
  reply(ByteReply(0xB8, 1, 150));
  EXPECT_FALSE(dialog->retriesField()->isEnabled());
  EXPECT_EQ(dialog->retriesField()->text(), QString());
  reply(ByteReply(0xB8, 1, 99));
  EXPECT_EQ(dialog->retriesField()->text(), QStringLiteral("99"));
  // The count comes only as a byte reply, the options only as option-byte replies.
  reply(OptionReply(0xB8, 1, 5));
  reply(ByteReply(0xB7, 1, 0x01));
  EXPECT_EQ(dialog->retriesField()->text(), QStringLiteral("99"));
  EXPECT_FALSE(dialog->optionTabs()->boxes()->box(0)->isChecked());
}

// The phone editor used to drop an edit on closing; it writes it, as the user editor does.
TEST_F(PhoneNumbers, ClosingWritesThePendingNumberAndClosesAfterItsPause) {
  reply(DigitsReply(0xB5, 1, {0x21, 0xF3}));
  retype(dialog->numberField(), QStringLiteral("555"));
  dialog->close();
  EXPECT_EQ(sent().back(), (Bytes{0x7A, 0x05, 0x05, 0x05, 0x11}));
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_TRUE(WaitFor([&] { return !dialog->isVisible(); }));
  EXPECT_EQ(Times().pauses, std::vector<int>{1000});
}

// Closing with a number the panel cannot take asks whether to drop it,
// whichever group the user is in by then; No goes back to the number, and
// leaving it mended writes it.
TEST_F(PhoneNumbers, ClosingWithAnUnwrittenNumberAsksWhetherToDiscardIt) {
  const struct {
    QMessageBox::StandardButton answer;
    bool movedOn;  // to the retries field, after the number was refused once
  } cases[] = {{QMessageBox::No, false}, {QMessageBox::No, true}, {QMessageBox::Yes, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.answer << (c.movedOn ? " moved on" : ""));
    open();
    reply(DigitsReply(0xB5, 1, {0x21, 0xF3}));
    reply(ByteReply(0xB8, 1, 3));
    retype(dialog->numberField(), QStringLiteral("5x"));
    if (c.movedOn) click(dialog->retriesField());
    Boxes().shown.clear();
    Boxes().answers = {c.answer};
    dialog->close();
    ASSERT_EQ(Boxes().shown.size(), 1u);
    EXPECT_EQ(Boxes().shown[0].caption, QStringLiteral("Error number"));
    EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("Number not correct\n\nClose and discard the number?"));
    EXPECT_EQ(Boxes().shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(dialog->isVisible(), c.answer == QMessageBox::No);
    QTest::qWait(20);
    for (const Bytes& frame : sent()) EXPECT_NE(frame.front(), 0x7A);
    if (c.answer == QMessageBox::Yes) continue;
    EXPECT_EQ(QApplication::focusWidget(), dialog->numberField());
    dialog->numberField()->selectAll();
    QTest::keyClicks(dialog->numberField(), QStringLiteral("55"));
    click(dialog->retriesField());
    ASSERT_TRUE(WaitFor([&] { return !sent().empty() && sent().back() == Read(0xB8, 1); }));
    EXPECT_EQ(sent()[sent().size() - 2], (Bytes{0x7A, 0x05, 0x05, 0x11}));
  }
}

}  // namespace
}  // namespace editorstest
