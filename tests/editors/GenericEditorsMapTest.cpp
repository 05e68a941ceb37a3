// Every options, value and list item of the program-mode menu, opened from
// the keypad window in program mode: the editor class, its window title, its
// entity selector and the request it sends 1 ms after showing.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editors/CByteItemDlg.h"
#include "editors/CListDlg.h"
#include "editors/CValueDlg.h"
#include "editors/CheckBoxRow.h"
#include "editors/EntityNumberField.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/RunEditor.h"

namespace editorstest {
namespace {

using params::EditorKind;
using params::EntityKind;
using testseams::Times;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What the number field shows for a kind: label, entities the arrows reach, first entity.
struct Selector {
  QString label;
  int first, last, shown;
};

Selector SelectorFor(const params::MapRow& row) {
  if (row.editor == EditorKind::List) {
    // EOL and response time offer zones 1 to 8, detector type and zone SIA code 1 to 16.
    const int zones = row.parameter == 125 || row.parameter == 126 ? 8 : 16;
    return {QStringLiteral("Zone:"), 1, zones, 1};
  }
  switch (row.entity) {
    case EntityKind::Keypad: return {QStringLiteral("Keypad"), 1, 8, 8};
    case EntityKind::Zone: return {QStringLiteral("Zone"), 1, 16, 1};
    case EntityKind::Output: return {QStringLiteral("Output"), 1, 8, 1};
    case EntityKind::User: return {QStringLiteral("User"), 1, 100, 1};
    case EntityKind::RadioUser: return {QStringLiteral("Radio User"), 21, 100, 21};
    default: return {};
  }
}

// The digit-string items; every other value item is a range.
struct DigitsItem {
  int parameter, entity;
  QString hint;
  int length;
};
const DigitsItem kDigitsItems[] = {
    {62, 0, QStringLiteral("4 Digits 0-9,B,C,D,E,F"), 4},
    {25, 1, QStringLiteral("6 Digits"), 6},
    {25, 8, QStringLiteral("8 Digits 0-9,B,C,D,E,F"), 8},
    {175, 8, QStringLiteral("16 Digits"), 16},
};

void CheckBody(const params::MapRow& row, editors::ParamEditor* editor) {
  if (auto* options = dynamic_cast<editors::CByteItemDlg*>(editor)) {
    EXPECT_EQ(options->windowTitle(), Text(row.title) + QStringLiteral("  [P%1]E").arg(row.parameter));
    for (int bit = 0; bit < 8; ++bit) {
      const std::string_view label = (*row.labels)[static_cast<std::size_t>(bit)];
      QCheckBox* box = options->checkBoxes()->box(bit);
      EXPECT_EQ(box->isVisibleTo(options), !label.empty()) << "bit " << bit;
      // What a screen reader reads, and what is drawn: "&" is no mnemonic here.
      EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).toStdString(), label);
      EXPECT_FALSE(box->isEnabled());
    }
  } else if (auto* value = dynamic_cast<editors::CValueDlg*>(editor)) {
    EXPECT_EQ(value->windowTitle(), Text(row.title) + QStringLiteral(" [%1]").arg(row.parameter));
    QString hint = QStringLiteral("Value %1 - %2").arg(row.value.minimum).arg(row.value.maximum);
    int length = static_cast<int>(QString::number(row.value.maximum).size());
    for (const DigitsItem& item : kDigitsItems) {
      if (item.parameter == row.parameter && (item.entity == 0 || item.entity == row.fixedEntity)) {
        hint = item.hint;
        length = item.length;
      }
    }
    EXPECT_EQ(value->hint()->text(), hint);
    EXPECT_EQ(value->valueField()->maxLength(), length);
    EXPECT_FALSE(value->valueField()->isEnabled());
  } else if (auto* list = dynamic_cast<editors::CListDlg*>(editor)) {
    EXPECT_EQ(list->windowTitle(), Text(row.title));
    EXPECT_EQ(list->choiceBox()->count(), static_cast<int>(row.choices.size()));
    EXPECT_EQ(list->choiceBox()->currentIndex(), -1);
    EXPECT_FALSE(list->choiceBox()->isEnabled());
  }
}

void CheckSelector(const params::MapRow& row, editors::ParamEditor* editor) {
  const Selector expected = SelectorFor(row);
  if (row.entity == EntityKind::Area) {
    ASSERT_NE(editor->areaButton(1), nullptr);
    EXPECT_EQ(editor->areaButton(1)->text(), QStringLiteral("A"));
    EXPECT_EQ(editor->areaButton(2)->text(), QStringLiteral("B"));
    EXPECT_TRUE(editor->areaButton(1)->isChecked());
    EXPECT_EQ(editor->entityField(), nullptr);
  } else if (row.entity == EntityKind::Fixed) {
    EXPECT_EQ(editor->entityField(), nullptr);
    EXPECT_EQ(editor->areaButton(1), nullptr);
  } else {
    editors::EntityNumberField* field = editor->entityField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(editor->entityLabel()->text(), expected.label);
    EXPECT_EQ(editor->entityLabel()->buddy(), field->field());
    EXPECT_TRUE(field->inRange(expected.first) && field->inRange(expected.last));
    EXPECT_FALSE(field->inRange(expected.first - 1) || field->inRange(expected.last + 1));
    EXPECT_EQ(field->text(), QString::number(expected.shown));
  }
}

TEST_F(ProgramModeTest, EveryOptionsValueAndListItemOpensItsEditorAndReadsItsFirstEntity) {
  int opened[3] = {};
  for (const params::MapRow& row : params::ParameterMap()) {
    if (!row.isGeneric()) continue;
    SCOPED_TRACE(std::string(row.menuPath));
    sent().clear();
    Times().timers.clear();
    std::uint8_t entity = row.fixedEntity;
    if (row.entity != EntityKind::Fixed) entity = static_cast<std::uint8_t>(SelectorFor(row).shown);
    if (row.entity == EntityKind::Area) entity = 1;

    const bool ran = RunEditor<editors::ParamEditor>(item(Text(row.menuPath)), [&](editors::ParamEditor* editor) {
      const bool rightClass = (row.editor == EditorKind::Options && dynamic_cast<editors::CByteItemDlg*>(editor)) ||
                              (row.editor == EditorKind::Value && dynamic_cast<editors::CValueDlg*>(editor)) ||
                              (row.editor == EditorKind::List && dynamic_cast<editors::CListDlg*>(editor));
      EXPECT_TRUE(rightClass);
      ++opened[static_cast<int>(row.editor)];
      EXPECT_EQ(console::EditorDialog::openEditor(), editor);
      CheckSelector(row, editor);
      CheckBody(row, editor);
      EXPECT_FALSE(editor->applyButton()->isEnabled());
      ASSERT_TRUE(WaitFor([&] { return !sent().empty(); }));
      ASSERT_FALSE(EditorTimers().empty());
      EXPECT_EQ(EditorTimers().front(), 1);
      EXPECT_EQ(sent(), (std::vector<Bytes>{{0x7E, 0xAB, 0x07, 0x00, row.parameter, 0x00, entity, 0x7E}}));
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(window->editorFrameType(), -1);
    EXPECT_EQ(console::EditorDialog::openEditor(), nullptr);
  }
  EXPECT_EQ(opened[static_cast<int>(EditorKind::Options)], 74);
  EXPECT_EQ(opened[static_cast<int>(EditorKind::Value)], 47);
  EXPECT_EQ(opened[static_cast<int>(EditorKind::List)], 7);
}

}  // namespace
}  // namespace editorstest
