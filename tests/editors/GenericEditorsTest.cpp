// The options, value and list editors driven as an installer would, from
// the keypad window in program mode: what they send, what they show, what
// they refuse, and how they end when the link goes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "editors/CByteItemDlg.h"
#include "editors/CListDlg.h"
#include "editors/CValueDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/RunEditor.h"

namespace editorstest {
namespace {

using testseams::Boxes;
using testseams::Times;

const QString kZoneOptionsA = QStringLiteral("Zone-Main|Zone Alarm Type Options|Zone Options A");
const QString kAreaOptionsA = QStringLiteral("Area|Area Optioin A");
const QString kAreaOptionsB = QStringLiteral("Area|Area Option B");
const QString kExitDelay = QStringLiteral("Area|Armed Exit Delay Time");
const QString kAccountCode = QStringLiteral("Area|Monitoring Account Code Number");
const QString kZoneAlarmCid = QStringLiteral("Zone-Main|Zone CID Report Codes|Zone Alarm Contact ID Report Code");
const QString kPrefix = QStringLiteral("Dialler|Dialling Pre-Fix Number");
const QString kResponseTime = QStringLiteral("Zone-Main|Zone Response Time");
const QString kDetectorType = QStringLiteral("Zone-Main|Radio Zone Detector Type");
const QString kEol = QStringLiteral("Zone-Main|Zone EOL (End-Of-Line) Options");
const QString kKeypadButtons = QStringLiteral("Keypads|Keypad Button Operations");
const QString kRadioPanicToOutput = QStringLiteral("Radio User|Radio Pendant Alarm to an Output");

class GenericEditors : public ProgramModeTest {
 protected:
  bool waitSent(std::size_t count) {
    return WaitFor([&] { return sent().size() >= count; }) && sent().size() == count;
  }
  // Replaces the field's text as typed, then presses Apply.
  void typeAndApply(editors::CValueDlg* editor, const QString& text) {
    editor->valueField()->clear();
    QTest::keyClicks(editor->valueField(), text);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
  }
  // The last box shown: caption and text.
  std::pair<QString, QString> lastBox() const {
    if (Boxes().shown.empty()) return {};
    return {Boxes().shown.back().caption, Boxes().shown.back().text};
  }
  void clickBox(editors::CByteItemDlg* editor, int option) {
    QCheckBox* box = editor->checkBoxes()->box(option - 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));  // on the tick mark
  }
};

TEST_F(GenericEditors, OptionsToggleTheChangedOptionsAndPauseWithoutSendingOrTakingInput) {
  const bool ran = RunEditor<editors::CByteItemDlg>(item(kZoneOptionsA), [&](editors::CByteItemDlg* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Zone Options A  [P122]E"));
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x01, 0x7E}));
    feed({0x16, 0x07, 0x00, 0x05, 0x7A, 0x01, 0x7E});
    EXPECT_EQ(editor->checkBoxes()->bits(), 0x05);
    EXPECT_TRUE(editor->applyButton()->isEnabled());

    clickBox(editor, 1);
    clickBox(editor, 8);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x01, 0x08, 0x11}));
    EXPECT_EQ(Times().pauses, (std::vector<int>{750}));
    ASSERT_TRUE(editor->isPaused());

    // Held: the click waits for the pause, the reply too.
    clickBox(editor, 2);
    EXPECT_FALSE(editor->checkBoxes()->box(1)->isChecked());
    feed({0x16, 0x07, 0x00, 0xFF, 0x7A, 0x01, 0x7E});
    EXPECT_EQ(editor->checkBoxes()->bits(), 0x84);
    ASSERT_TRUE(WaitFor([&] { return !editor->isPaused(); }));
    EXPECT_EQ(sent().size(), 2u);
    // Replayed in order: the click, then the reply that shows all eight.
    EXPECT_EQ(editor->value(), 0xFF);
    EXPECT_EQ(editor->checkBoxes()->bits(), 0xFF);

    // The copy equals the boxes: nothing to send.
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    clickBox(editor, 3);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], (Bytes{0x7A, 0x03, 0x11}));
    EXPECT_EQ(Times().pauses, (std::vector<int>{750, 500}));
  });
  EXPECT_TRUE(ran);
}

TEST_F(GenericEditors, OptionsTakeBothReplyTypesForTheirParameterOnlyAndNeverSendHiddenBits) {
  RunEditor<editors::CByteItemDlg>(item(kAreaOptionsA), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    const struct {
      Bytes frame;
      int value;
    } replies[] = {
        {{0x16, 0x00, 0x00, 0x5A, 0x2D, 0x7E}, 0x5A},
        {{0x17, 0x00, 0x00, 0x2D, 0x7E}, 0x00},
        {{0x17, 0x00, 0x5A, 0x2D, 0x7E}, 0x5A},
        {{0x17, 0x00, 0xA5, 0x2A, 0x7E}, 0x5A},        // parameter 42
        {{0x18, 0x00, 0x00, 0xA5, 0x2D, 0x7E}, 0x5A},  // a word is no option byte
    };
    for (const auto& reply : replies) {
      feed(reply.frame);
      EXPECT_EQ(editor->value(), reply.value) << int(reply.frame[0]) << " " << int(reply.frame[3]);
      EXPECT_EQ(editor->checkBoxes()->bits(), reply.value);
    }
    // Option 5 (bit 4, 0x10) has no text: hidden, its bit kept and never typed.
    EXPECT_FALSE(editor->checkBoxes()->box(4)->isVisible());
    EXPECT_TRUE(editor->checkBoxes()->box(4)->isChecked());
    clickBox(editor, 1);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x01, 0x11}));
    EXPECT_EQ(editor->value(), 0x5B);
  });

  sent().clear();
  RunEditor<editors::CByteItemDlg>(item(kAreaOptionsB), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    feed({0x16, 0x07, 0x00, 0xB0, 0x2E, 0x01, 0x7E});  // options 5, 6 and 8: all three hidden
    for (int option : {5, 6, 8}) EXPECT_FALSE(editor->checkBoxes()->box(option - 1)->isVisible());
    clickBox(editor, 2);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x02, 0x11}));
    EXPECT_EQ(editor->value(), 0xB2);

    // Area B: the boxes wait for its reply, which is read 1 ms after the click.
    ASSERT_TRUE(WaitFor([&] { return !editor->isPaused(); }));
    QTest::mouseClick(editor->areaButton(2), Qt::LeftButton);
    EXPECT_FALSE(editor->checkBoxes()->box(0)->isEnabled());
    ASSERT_TRUE(waitSent(3));
    EXPECT_FALSE(editor->applyButton()->isEnabled());
    EXPECT_EQ(sent()[2], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x2E, 0x00, 0x02, 0x7E}));
    EXPECT_EQ(EditorTimers().back(), 1);
  });
}

TEST_F(GenericEditors, ValueDigitStringsShowAndTypeThePanelsCharacters) {
  RunEditor<editors::CValueDlg>(item(kAccountCode), [&](editors::CValueDlg* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Monitoring Account Code Number [62]"));
    EXPECT_EQ(editor->hint()->text(), QStringLiteral("4 Digits 0-9,B,C,D,E,F"));
    ASSERT_TRUE(waitSent(1));
    feed({0x1A, 0x07, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E, 0x01, 0x7E});
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("12"));
    feed({0x1A, 0x07, 0x21, 0xAB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E, 0x01, 0x7E});
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("12BF"));
    EXPECT_TRUE(editor->valueField()->isEnabled());

    typeAndApply(editor, QStringLiteral("12bf9"));  // capitals as typed, four characters at most
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x01, 0x02, 0x28, 0x27, 0x11}));
    EXPECT_FALSE(editor->valueField()->isEnabled());

    feed({0x1A, 0x07, 0x21, 0xAB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E, 0x01, 0x7E});
    typeAndApply(editor, QStringLiteral("12A4"));
    EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Account not correct"), QStringLiteral("Error")));
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("12A4"));
    typeAndApply(editor, QStringLiteral("12"));
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], (Bytes{0x7A, 0x01, 0x02, 0x11}));

    // Six digits in a four-digit field: shown whole, and not typed back cut to four.
    Boxes().shown.clear();
    feed({0x1A, 0x07, 0x21, 0x43, 0x65, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E, 0x01, 0x7E});
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("123456"));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Account not correct"), QStringLiteral("Error")));
    EXPECT_EQ(sent().size(), 3u);
    feed({0x1A, 0x07, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E, 0x01, 0x7E});
    typeAndApply(editor, QStringLiteral("98765"));
    ASSERT_TRUE(waitSent(4));
    EXPECT_EQ(sent()[3], (Bytes{0x7A, 0x09, 0x08, 0x07, 0x06, 0x11}));
  });

  sent().clear();
  RunEditor<editors::CValueDlg>(item(kPrefix), [&](editors::CValueDlg* editor) {
    EXPECT_EQ(editor->hint()->text(), QStringLiteral("16 Digits"));
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0xAF, 0x00, 0x08, 0x7E}));
    // Sixteen codes and no end mark: all sixteen shown.
    feed({0x1A, 0x07, 0x10, 0x32, 0x54, 0x76, 0x98, 0x10, 0x32, 0x54, 0xAF, 0x08, 0x7E});
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("0123456789012345"));
    typeAndApply(editor, QStringLiteral("01B"));
    EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("No digital character"), QStringLiteral("Error")));
    typeAndApply(editor, QStringLiteral("0123"));
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x00, 0x01, 0x02, 0x03, 0x11}));
  });
}

TEST_F(GenericEditors, ValueRangesTypeOnlyWholeNumbersWithinTheirBounds) {
  RunEditor<editors::CValueDlg>(item(kExitDelay), [&](editors::CValueDlg* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Armed Exit Delay Time [60]"));
    EXPECT_EQ(editor->hint()->text(), QStringLiteral("Value 0 - 255"));
    EXPECT_EQ(editor->valueField()->maxLength(), 3);
    ASSERT_TRUE(waitSent(1));
    feed({0x1A, 0x07, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3C, 0x01, 0x7E});  // digits: not a range's
    EXPECT_FALSE(editor->valueField()->isEnabled());
    feed({0x17, 0x07, 0x1E, 0x3C, 0x01, 0x7E});
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("30"));

    const struct {
      QString typed;
      Bytes keys;  // empty: refused with "Overrange"
    } entries[] = {
        {QStringLiteral("45"), {0x7A, 0x04, 0x05, 0x11}},
        {QStringLiteral("300"), {}},
        {QStringLiteral("45x"), {}},  // the leading digits are in range, the text is no number
        {QStringLiteral("-1"), {}},
        {QStringLiteral(" 4"), {}},
        {QStringLiteral("255"), {0x7A, 0x02, 0x05, 0x05, 0x11}},
        {QStringLiteral("256"), {}},
        {QStringLiteral("007"), {0x7A, 0x00, 0x00, 0x07, 0x11}},
        {QString(), {0x7A, 0x11}},
    };
    for (const auto& entry : entries) {
      SCOPED_TRACE(entry.typed.toStdString());
      sent().clear();
      Boxes().shown.clear();
      feed({0x17, 0x07, 0x1E, 0x3C, 0x01, 0x7E});
      typeAndApply(editor, entry.typed);
      if (entry.keys.empty()) {
        EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Overrange"), QStringLiteral("Error")));
        EXPECT_TRUE(sent().empty());
        EXPECT_TRUE(editor->valueField()->isEnabled());
      } else {
        EXPECT_TRUE(Boxes().shown.empty());
        EXPECT_EQ(sent(), std::vector<Bytes>{entry.keys});
      }
    }
  });

  sent().clear();
  RunEditor<editors::CValueDlg>(item(kZoneAlarmCid), [&](editors::CValueDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    feed({0x18, 0x00, 0x01, 0xF4, 0x9D});
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("500"));
    for (const QString& refused : {QStringLiteral("99"), QStringLiteral("701"), QString()}) {
      typeAndApply(editor, refused);
      EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Overrange"), QStringLiteral("Error")));
    }
    EXPECT_EQ(sent().size(), 1u);
    typeAndApply(editor, QStringLiteral("100"));
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x01, 0x00, 0x00, 0x11}));
    // Enter closes the editor and writes nothing.
    feed({0x18, 0x00, 0x01, 0xF4, 0x9D});
    editor->valueField()->setFocus();
    QTest::keyClicks(editor->valueField(), QStringLiteral("7"));
    QTest::keyClick(editor->valueField(), Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
  });
  EXPECT_EQ(sent().size(), 2u);
}

// There is no OK button: Enter ends the editor wherever the focus is, also
// on the Apply button just clicked, which would otherwise write again.
TEST_F(GenericEditors, EnterAfterApplyClosesTheOptionsAndValueEditorsAndWritesNothingMore) {
  const struct {
    QString path;
    Bytes reply;
    std::function<void(editors::ParamEditor*)> edit;
    Bytes written;
  } cases[] = {
      {kZoneOptionsA, {0x16, 0x07, 0x00, 0x05, 0x7A, 0x01, 0x7E},
       [this](editors::ParamEditor* e) { clickBox(static_cast<editors::CByteItemDlg*>(e), 8); },
       {0x7A, 0x08, 0x11}},
      {kExitDelay, {0x17, 0x07, 0x1E, 0x3C, 0x01, 0x7E},
       [](editors::ParamEditor* e) {
         auto* value = static_cast<editors::CValueDlg*>(e)->valueField();
         value->clear();
         QTest::keyClicks(value, QStringLiteral("45"));
       },
       {0x7A, 0x04, 0x05, 0x11}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    sent().clear();
    RunEditor<editors::ParamEditor>(item(c.path), [&](editors::ParamEditor* editor) {
      ASSERT_TRUE(waitSent(1));
      feed(c.reply);
      c.edit(editor);
      QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
      ASSERT_TRUE(waitSent(2));
      EXPECT_EQ(sent()[1], c.written);
      ASSERT_TRUE(WaitFor([&] { return !editor->isPaused(); }));
      feed(c.reply);  // the value field is enabled again by the next reply
      editor->applyButton()->setFocus();
      QTest::keyClick(editor->applyButton(), Qt::Key_Return);
      EXPECT_FALSE(editor->isVisible());
    });
    QTest::qWait(20);
    EXPECT_EQ(sent().size(), 2u);
  }
}

TEST_F(GenericEditors, EntityFieldReadsTheLastTypedNumberAndRefusesOnesOutOfRange) {
  RunEditor<editors::CByteItemDlg>(item(kKeypadButtons), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x48, 0x00, 0x08, 0x7E}));
    QLineEdit* field = editor->entityField()->field();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("12"));  // one character
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x48, 0x00, 0x01, 0x7E}));
    QTest::keyClick(field, Qt::Key_Down);  // the up/down stays within keypads 1 to 8
    EXPECT_EQ(field->text(), QStringLiteral("1"));
  });

  sent().clear();
  RunEditor<editors::CByteItemDlg>(item(kZoneOptionsA), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    Times().scale = 1.0;  // the real 300 ms, so the pause between keys counts
    QLineEdit* field = editor->entityField()->field();
    Times().timers.clear();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("1"));
    QTest::qWait(50);
    QTest::keyClicks(field, QStringLiteral("2"));
    ASSERT_TRUE(WaitFor([&] { return sent().size() >= 2; }));
    QTest::qWait(350);
    EXPECT_EQ(sent(), (std::vector<Bytes>{{0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x01, 0x7E},
                                          {0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x0C, 0x7E}}));
    EXPECT_EQ(EditorTimers(), (std::vector<int>{300, 300, 300}));
    Times().scale = 0.01;

    feed({0x16, 0x07, 0x00, 0x05, 0x7A, 0x0C, 0x7E});
    for (const QString& bad : {QStringLiteral("0"), QStringLiteral("17"), QString()}) {
      Boxes().shown.clear();
      field->selectAll();
      QTest::keyClick(field, Qt::Key_Backspace);
      QTest::keyClicks(field, bad);
      ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); })) << bad.toStdString();
      EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Error"), QStringLiteral("Zone number is invalid")));
      EXPECT_FALSE(editor->applyButton()->isEnabled());
      EXPECT_EQ(editor->checkBoxes()->bits(), 0x05);  // the previous zone's boxes stay
    }
    EXPECT_EQ(sent().size(), 2u);
    QTest::keyClick(field, Qt::Key_Up);  // from the last zone read, 12
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x0D, 0x7E}));
  });

  // Users run to 100: the field takes three characters and the arrow reaches 100.
  sent().clear();
  RunEditor<editors::CByteItemDlg>(item(kRadioPanicToOutput), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x0F, 0x00, 0x15, 0x7E}));
    QLineEdit* field = editor->entityField()->field();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("99"));
    ASSERT_TRUE(waitSent(2));
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->text(), QStringLiteral("100"));
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x0F, 0x00, 0x64, 0x7E}));
    Boxes().shown.clear();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("101"));
    ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); }));
    EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Error"), QStringLiteral("Radio User is invalid")));
    EXPECT_EQ(sent().size(), 3u);
  });
}

TEST_F(GenericEditors, ApplyBeforeAnyReplyWritesNothing) {
  for (const QString& path : {kZoneOptionsA, kExitDelay, kEol}) {
    sent().clear();
    RunEditor<editors::ParamEditor>(item(path), [&](editors::ParamEditor* editor) {
      ASSERT_TRUE(waitSent(1));
      EXPECT_FALSE(editor->applyButton()->isEnabled());
      QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
      QTest::qWait(20);
      EXPECT_EQ(sent().size(), 1u) << path.toStdString();
      EXPECT_FALSE(editor->isLoaded());
    });
  }
}

TEST_F(GenericEditors, ListSelectsByValueAndTypesTheChosenValue) {
  RunEditor<editors::CListDlg>(item(kResponseTime), [&](editors::CListDlg* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Zone Response time"));
    EXPECT_EQ(editor->entityLabel()->text(), QStringLiteral("Zone:"));
    ASSERT_TRUE(waitSent(1));
    EXPECT_EQ(sent()[0], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x7E, 0x00, 0x01, 0x7E}));
    // Parameter 126 is 0x7E: on TCP its reply arrives cut there, the rest as a frame of its own.
    feed({0x17, 0x07, 0x04, 0x7E});
    feed({0x01, 0x7E});
    QComboBox* choices = editor->choiceBox();
    EXPECT_EQ(choices->currentIndex(), 3);  // the third of the six "Middle Vibration setting"
    EXPECT_EQ(choices->currentText(), QStringLiteral("Middle Vibration setting"));
    EXPECT_TRUE(choices->isEnabled());
    feed({0x17, 0x07, 0x1B, 0x7E});  // 27 is no response time: the selection stays
    EXPECT_EQ(choices->currentIndex(), 3);

    choices->setCurrentIndex(choices->findText(QStringLiteral("1050 ms")));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    choices->setCurrentIndex(choices->findText(QStringLiteral("200 ms")));
    QTest::keyClick(choices, Qt::Key_Return);  // Apply is the default button
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[1], (Bytes{0x7A, 0x02, 0x06, 0x11}));
    EXPECT_EQ(sent()[2], (Bytes{0x7A, 0x09, 0x11}));
    EXPECT_TRUE(editor->isVisible());

    for (const QString& bad : {QStringLiteral("9"), QStringLiteral("0"), QString()}) {
      Boxes().shown.clear();
      editor->entityField()->field()->selectAll();
      QTest::keyClick(editor->entityField()->field(), Qt::Key_Backspace);
      QTest::keyClicks(editor->entityField()->field(), bad);
      ASSERT_TRUE(WaitFor([&] { return !Boxes().shown.empty(); })) << bad.toStdString();
      EXPECT_EQ(lastBox(), std::make_pair(QStringLiteral("Error"), QStringLiteral("Zone number is invalid")));
      EXPECT_FALSE(editor->applyButton()->isEnabled());
    }
    EXPECT_EQ(sent().size(), 3u);
  });

  sent().clear();
  RunEditor<editors::CListDlg>(item(kDetectorType), [&](editors::CListDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    editor->entityField()->field()->selectAll();
    QTest::keyClicks(editor->entityField()->field(), QStringLiteral("12"));
    ASSERT_TRUE(waitSent(2));
    EXPECT_EQ(sent()[1], (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x7F, 0x00, 0x0C, 0x7E}));
    feed({0x17, 0x00, 0x21, 0x7F});
    EXPECT_EQ(editor->choiceBox()->currentText(), QStringLiteral("Visonic Powercode (supervised signal active)"));
    editor->choiceBox()->setCurrentIndex(editor->choiceBox()->findText(QStringLiteral("Siemens (supervised signal active)")));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(3));
    EXPECT_EQ(sent()[2], (Bytes{0x7A, 0x03, 0x05, 0x11}));
  });
}

TEST_F(GenericEditors, RepliesTooShortForWhatAnEditorReadsAreIgnored) {
  const struct {
    QString path;
    std::vector<Bytes> shortOnes;
    Bytes whole;
  } cases[] = {
      {kZoneOptionsA,
       {{0x16}, {0x16, 0x07, 0x00, 0x05}, {0x17, 0x07, 0x05}},
       {0x16, 0x07, 0x00, 0x05, 0x7A}},
      {kExitDelay, {{0x17, 0x07, 0x2D}, {0x18, 0x00, 0x01, 0xF4}}, {0x17, 0x07, 0x2D, 0x3C}},
      {kAccountCode,
       {{0x1A, 0x07, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
       {0x1A, 0x07, 0x21, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3E}},
      {kResponseTime, {{0x17, 0x07, 0x04}, {0x17}}, {0x17, 0x07, 0x04, 0x7E}},
  };
  for (const auto& c : cases) {
    RunEditor<editors::ParamEditor>(item(c.path), [&](editors::ParamEditor* editor) {
      SCOPED_TRACE(c.path.toStdString());
      ASSERT_TRUE(WaitFor([&] { return !sent().empty(); }));
      for (const Bytes& frame : c.shortOnes) {
        feed(frame);
        EXPECT_FALSE(editor->isLoaded()) << frame.size();
        EXPECT_FALSE(editor->applyButton()->isEnabled());
      }
      feed(c.whole);
      EXPECT_TRUE(editor->isLoaded());
    });
  }
}

TEST_F(GenericEditors, ALinkDroppedWhileAnEditorWaitsOrPausesClosesItAndNothingMoreIsSent) {
  // Waiting for a reply, with a changed zone still to be read.
  RunEditor<editors::CByteItemDlg>(item(kZoneOptionsA), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    editor->entityField()->field()->selectAll();
    QTest::keyClicks(editor->entityField()->field(), QStringLiteral("5"));
    conn.open = false;
    window->handleLinkClosed();
    EXPECT_FALSE(editor->isVisible());
  });
  EXPECT_FALSE(window->isProgramMode());
  EXPECT_FALSE(window->isConnected());
  EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
  QTest::qWait(30);
  EXPECT_EQ(sent().size(), 1u);

  // Paused after a write, with a click and a reply held back.
  sent().clear();
  window->commandAction(QStringLiteral("Connect"))->trigger();
  conn.open = true;
  feed({0x1F, 0x07, 0x02, 0x00, 0x7E});
  ASSERT_TRUE(window->isProgramMode());
  RunEditor<editors::CByteItemDlg>(item(kZoneOptionsA), [&](editors::CByteItemDlg* editor) {
    ASSERT_TRUE(waitSent(1));
    feed({0x16, 0x07, 0x00, 0x00, 0x7A, 0x01, 0x7E});
    clickBox(editor, 4);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    ASSERT_TRUE(waitSent(2));
    ASSERT_TRUE(editor->isPaused());
    clickBox(editor, 6);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
    conn.open = false;
    window->handleLinkClosed();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->isPaused());
  });
  QTest::qWait(30);
  EXPECT_EQ(sent().size(), 2u);
  EXPECT_FALSE(window->isProgramMode());
}

}  // namespace
}  // namespace editorstest
