// The options, value and list editors against the simulator program over
// loopback: a changed value is written as keys, shown again when the editor
// is opened anew, and kept by the simulated panel.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/CByteItemDlg.h"
#include "editors/CListDlg.h"
#include "editors/CValueDlg.h"
#include "editors/CheckBoxRow.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/RunEditor.h"

namespace editorstest {
namespace {

// Opens the item, waits for the panel's value, runs change (if any) and closes.
template <typename D>
void Edit(console::CKeypadDlg& window, const QString& path, const std::function<void(D*)>& change) {
  const bool ran = RunEditor<D>(window.programAction(path), [&](D* editor) {
    ASSERT_TRUE(WaitFor([&] { return editor->isLoaded(); }, 8000)) << path.toStdString();
    change(editor);
    ASSERT_TRUE(WaitFor([&] { return !editor->isPaused(); }));
    editor->reject();
  });
  EXPECT_TRUE(ran) << path.toStdString();
}

TEST_F(ProgramModeSimTest, AValueWrittenByEachEditorIsShownOnReopeningAndKeptByThePanel) {
  const QString zoneOptionsA = QStringLiteral("Zone-Main|Zone Alarm Type Options|Zone Options A");
  int options = -1;
  Edit<editors::CByteItemDlg>(*window, zoneOptionsA, [&](editors::CByteItemDlg* editor) {
    options = editor->value() ^ 0x08;
    QCheckBox* box = editor->checkBoxes()->box(3);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
  });
  Edit<editors::CByteItemDlg>(*window, zoneOptionsA, [&](editors::CByteItemDlg* editor) {
    EXPECT_EQ(editor->value(), options);
    EXPECT_EQ(editor->checkBoxes()->bits(), options);
  });
  const QString hex = QString::number(options, 16).toUpper().rightJustified(2, QLatin1Char('0'));
  EXPECT_TRUE(simAnswers(QStringLiteral("param 122 1"), QStringLiteral("param 122/1 = 0x") + hex))
      << sim->output().toStdString();

  const QString exitDelay = QStringLiteral("Area|Armed Exit Delay Time");
  QString delay;
  Edit<editors::CValueDlg>(*window, exitDelay, [&](editors::CValueDlg* editor) {
    delay = editor->valueField()->text() == QStringLiteral("45") ? QStringLiteral("46") : QStringLiteral("45");
    editor->valueField()->clear();
    QTest::keyClicks(editor->valueField(), delay);
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
  });
  Edit<editors::CValueDlg>(*window, exitDelay,
                           [&](editors::CValueDlg* editor) { EXPECT_EQ(editor->valueField()->text(), delay); });
  EXPECT_TRUE(simAnswers(QStringLiteral("param 60 1"), QStringLiteral("param 60/1 = ") + delay))
      << sim->output().toStdString();

  // Keys and the next read travel on one stream: once the editor shows the
  // value again, the panel has taken it and its console can be asked.
  const QString accountCode = QStringLiteral("Area|Monitoring Account Code Number");
  Edit<editors::CValueDlg>(*window, accountCode, [&](editors::CValueDlg* editor) {
    editor->valueField()->clear();
    QTest::keyClicks(editor->valueField(), QStringLiteral("12bf"));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
  });
  Edit<editors::CValueDlg>(*window, accountCode, [&](editors::CValueDlg* editor) {
    EXPECT_EQ(editor->valueField()->text(), QStringLiteral("12BF"));
  });
  EXPECT_TRUE(simAnswers(QStringLiteral("param 62 1"), QStringLiteral("param 62/1 = \"12BF\"")))
      << sim->output().toStdString();

  // Parameter 126 is 0x7E, the byte that ends frames: its replies arrive cut there.
  const QString responseTime = QStringLiteral("Zone-Main|Zone Response Time");
  QString chosen;
  Edit<editors::CListDlg>(*window, responseTime, [&](editors::CListDlg* editor) {
    chosen = editor->choiceBox()->currentText() == QStringLiteral("200 ms") ? QStringLiteral("1050 ms")
                                                                             : QStringLiteral("200 ms");
    editor->choiceBox()->setCurrentIndex(editor->choiceBox()->findText(chosen));
    QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
  });
  Edit<editors::CListDlg>(*window, responseTime,
                          [&](editors::CListDlg* editor) { EXPECT_EQ(editor->choiceBox()->currentText(), chosen); });
  EXPECT_TRUE(simAnswers(QStringLiteral("param 126 1"),
                         QStringLiteral("param 126/1 = ") + (chosen == QStringLiteral("200 ms") ? "9" : "26")))
      << sim->output().toStdString();
}

}  // namespace
}  // namespace editorstest
