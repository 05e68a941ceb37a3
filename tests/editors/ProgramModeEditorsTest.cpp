// Every kind of program-mode editor, opened from the program-mode menu as a
// person opens it: what assistive technology announces for each field, the
// order Tab takes, and the texts shown in the reader's language.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTranslator>

#include "editors/CByteItemDlg.h"
#include "editors/CPhoneNumberDlg.h"
#include "editors/CUserCodeDlg.h"
#include "editors/CheckBoxRow.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/RunEditor.h"
#include "tests/support/Accessibility.h"

namespace editorstest {
namespace {

using Fields = std::vector<std::pair<const char*, QString>>;

// prefix1 .. prefixN: a row of option boxes.
QStringList Boxes(const QString& prefix, int count = 8) {
  QStringList names;
  for (int n = 1; n <= count; ++n) names << prefix + QString::number(n);
  return names;
}

struct EditorCase {
  const char* path;
  // Field, the label on screen that names it (its buddy), for fields that are the label's siblings.
  Fields labelled;
  // Field, the name it is announced by: where a label on screen shows that
  // name, the label is its buddy.
  Fields named;
  QStringList tabOrder;
};

std::vector<EditorCase> Cases() {
  const QStringList buttons{QStringLiteral("apply"), QStringLiteral("cancel")};
  return {
      {"Zone-Main|Zone Alarm Type Options|Zone Options A",
       {},
       {{"entity", QStringLiteral("Zone")}},
       QStringList{QStringLiteral("entity")} + Boxes(QStringLiteral("option")) + buttons},
      {"Area|Area Optioin A",
       {},
       {},
       // Tab reaches the checked area; the arrow keys move between A and B.
       QStringList{QStringLiteral("areaA")} + Boxes(QStringLiteral("option"), 4) +
           Boxes(QStringLiteral("option"), 8).mid(5) + buttons},
      {"Keypads|Keypad Chime Timer",
       {},
       {{"entity", QStringLiteral("Keypad")}, {"value", QStringLiteral("Keypad Chime Timer [94]")}},
       QStringList{QStringLiteral("entity"), QStringLiteral("value")} + buttons},
      {"Zone-Main|Zone EOL (End-Of-Line) Options",
       {},
       {{"entity", QStringLiteral("Zone:")}, {"choice", QStringLiteral("Zone EOL (End-Of-Line) Options")}},
       QStringList{QStringLiteral("entity"), QStringLiteral("choice")} + buttons},
      {"User",
       {{"code", QStringLiteral("Code:")},
        {"type", QStringLiteral("Type:")},
        {"radioType", QStringLiteral("Radio User Type:")}},
       {{"user", QStringLiteral("User")}},
       QStringList{QStringLiteral("user"), QStringLiteral("code"), QStringLiteral("type")} +
           Boxes(QStringLiteral("area"), 2) + QStringList{QStringLiteral("mapTabs")} + Boxes(QStringLiteral("map")) +
           Boxes(QStringLiteral("access")) + Boxes(QStringLiteral("privilege"))},
      {"Phone Number",
       {{"format", QStringLiteral("Format:")}, {"retries", QStringLiteral("Maximum dial retries:")}},
       {{"slot", QStringLiteral("Slot")}, {"number", QStringLiteral("Number")}},
       QStringList{QStringLiteral("slot"), QStringLiteral("number"), QStringLiteral("format"),
                   QStringLiteral("retries"), QStringLiteral("optionTabs")} +
           Boxes(QStringLiteral("option"))},
      {"Output|Options",
       {},
       {{"output", QStringLiteral("Output")}},
       QStringList{QStringLiteral("output"), QStringLiteral("unmap"), QStringLiteral("tabs")} +
           Boxes(QStringLiteral("option"))},
      {"Output|Times",
       {{"onDelay", QStringLiteral("ON Delay Time:")},
        {"resetTime", QStringLiteral("Reset Time:")},
        {"pulseTime", QStringLiteral("Pulse Time:")},
        {"chimeTime", QStringLiteral("Chime Mode Time:")}},
       {{"output", QStringLiteral("Output")}},
       {QStringLiteral("output"), QStringLiteral("onDelay"), QStringLiteral("resetTime"), QStringLiteral("pulseTime"),
        QStringLiteral("chimeTime"), QStringLiteral("apply")}},
      {"Clock Setting|Set clock",
       {{"panelTime", QStringLiteral("AS time:")},
        {"startHour", QStringLiteral("Hour:")},
        {"startSunday", QStringLiteral("Sunday:")},
        {"startMonth", QStringLiteral("Month:")}},
       {{"date", QStringLiteral("Date")},
        {"time", QStringLiteral("Time")},
        {"finishHour", QStringLiteral("Finish Hour:")},
        {"finishSunday", QStringLiteral("Finish Sunday:")},
        {"finishMonth", QStringLiteral("Finish Month:")}},
       {QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("synchronize"), QStringLiteral("panelTime"),
        QStringLiteral("enable"), QStringLiteral("startHour"), QStringLiteral("finishHour"),
        QStringLiteral("startSunday"), QStringLiteral("finishSunday"), QStringLiteral("startMonth"),
        QStringLiteral("finishMonth"), QStringLiteral("apply")}},
      {"Keyswitch",
       {},
       {{"keyswitch", QStringLiteral("Keyswitch")}},
       QStringList{QStringLiteral("keyswitch")} + Boxes(QStringLiteral("area"), 2) + Boxes(QStringLiteral("option")) +
           QStringList{QStringLiteral("apply")}},
      {"Clock Setting|Time zone",
       {{"start", QStringLiteral("Start:")}, {"end", QStringLiteral("End:")}},
       {{"timeZone", QStringLiteral("Time zone")}},
       QStringList{QStringLiteral("timeZone"), QStringLiteral("start"), QStringLiteral("end"),
                   QStringLiteral("ignoreHolidays")} +
           Boxes(QStringLiteral("day")) + QStringList{QStringLiteral("apply")}},
      {"Clock Setting|Holydays",
       {},
       {{"date1", QStringLiteral("Holiday 1")}, {"date8", QStringLiteral("Holiday 8")}},
       [] {
         QStringList order;
         for (int n = 1; n <= 8; ++n) order << QStringLiteral("holiday%1").arg(n) << QStringLiteral("date%1").arg(n);
         return order << QStringLiteral("apply");
       }()},
  };
}

TEST_F(ProgramModeTest, EveryEditorNamesItsFieldsAndTabsFromTheSelectorToTheButtons) {
  for (const EditorCase& editor : Cases()) {
    SCOPED_TRACE(editor.path);
    const bool ran = RunEditor<QDialog>(item(QString::fromUtf8(editor.path)), [&](QDialog* dialog) {
      testseams::ExpectLabelledFields(dialog, editor.labelled);
      for (const auto& [name, accessibleName] : editor.named) {
        auto* field = dialog->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        // On Linux a drop-down list announces its current item; elsewhere its name.
        EXPECT_EQ(qobject_cast<QComboBox*>(field) ? field->accessibleName() : testseams::AccessibleName(field),
                  accessibleName)
            << name;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
          if (label->text() == accessibleName) {
            EXPECT_EQ(label->buddy(), field) << name;
          }
        }
      }
      EXPECT_EQ(testseams::TabOrder(dialog), editor.tabOrder);
    });
    EXPECT_TRUE(ran);
  }
}

// German for a few texts of the parameter tables.
class GermanMapTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (QByteArrayView(context) != "ParameterMap") return {};
    static const QHash<QByteArray, QString> german{
        {"Zone-Main", QStringLiteral("Zonen")},
        {"Zone Alarm Type Options", QStringLiteral("Alarmarten")},
        {"Zone Options A", QStringLiteral("Zonenoptionen A")},
        {"Zone is Active", QStringLiteral("Zone ist aktiv")},
        {"Arm Area", QStringLiteral("Bereich scharf schalten")},
        {"Contact ID", QStringLiteral("Contact-ID")},
    };
    return german.value(QByteArray(source));
  }
  bool isEmpty() const override { return false; }
};

TEST_F(ProgramModeTest, MenuLevelsAndEditorTextsAreShownInTheReadersLanguageWhileTheMenuKeysStay) {
  GermanMapTexts german;
  QCoreApplication::installTranslator(&german);
  const QString path = QStringLiteral("Zone-Main|Zone Alarm Type Options|Zone Options A");

  console::CKeypadDlg translatedWindow(QStringLiteral("Keyridge 1.00"));
  QAction* action = translatedWindow.programAction(path);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), QStringLiteral("Zonenoptionen A"));
  QStringList levels;
  for (QObject* menu = action->associatedObjects().value(0); qobject_cast<QMenu*>(menu); menu = menu->parent())
    levels.prepend(static_cast<QMenu*>(menu)->title());
  EXPECT_EQ(levels, (QStringList{QStringLiteral("Main"), QStringLiteral("Zonen"), QStringLiteral("Alarmarten")}));

  EXPECT_TRUE(RunEditor<editors::CByteItemDlg>(item(path), [](editors::CByteItemDlg* editor) {
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Zonenoptionen A  [P122]E"));
    EXPECT_EQ(editor->checkBoxes()->box(0)->text(), QStringLiteral("Zone ist aktiv"));
  }));
  EXPECT_TRUE(RunEditor<editors::CUserCodeDlg>(item(QStringLiteral("User")), [](editors::CUserCodeDlg* editor) {
    EXPECT_EQ(editor->accessBoxes()->box(0)->text(), QStringLiteral("Bereich scharf schalten"));
  }));
  EXPECT_TRUE(RunEditor<editors::CPhoneNumberDlg>(item(QStringLiteral("Phone Number")), [](editors::CPhoneNumberDlg* editor) {
    EXPECT_EQ(editor->formatList()->itemText(0), QStringLiteral("Contact-ID"));
  }));
  QCoreApplication::removeTranslator(&german);
}

}  // namespace
}  // namespace editorstest
