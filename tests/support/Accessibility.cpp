#include "tests/support/Accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace testseams {

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

QStringList LabelledBy(QWidget* widget) {
  QStringList labels;
  if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget)) {
    for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
      labels << other->text(QAccessible::Name);
  }
  return labels;
}

// Tab stops at the checked button of a group of radio buttons; the arrow
// keys move within it. Qt takes Tab from the others only once one of them has
// had focus, which an offscreen window may not have given yet, so the order
// here is the one a keyboard user meets.
bool PassedOverInItsGroup(QWidget* widget) {
  auto* radio = qobject_cast<QRadioButton*>(widget);
  if (!radio || !radio->autoExclusive() || radio->isChecked() || !radio->parentWidget()) return false;
  for (QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
    if (other->autoExclusive() && other->isChecked()) return true;
  }
  return false;
}

QStringList TabOrder(QWidget* window) {
  QStringList names;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    // Tab passes over a widget that hands its focus on (a date edit's own line edit).
    if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(window) && window->isAncestorOf(w) &&
        !PassedOverInItsGroup(w))
      names << w->objectName();
  }
  return names;
}

void ExpectEveryControlNamed(QWidget* window) {
  int reached = 0;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isVisibleTo(window) || !window->isAncestorOf(w))
      continue;
    ++reached;
    EXPECT_FALSE(AccessibleName(w).trimmed().isEmpty())
        << w->metaObject()->className() << " \"" << w->objectName().toStdString() << "\" in "
        << window->windowTitle().toStdString() << " has no accessible name";
  }
  EXPECT_GT(reached, 0) << window->windowTitle().toStdString() << ": Tab reaches nothing";
}

void ExpectLabelledFields(QWidget* window, const std::vector<std::pair<const char*, QString>>& fields) {
  for (const auto& [name, label] : fields) {
    auto* field = window->findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(field, nullptr) << name;
    // On Linux a drop-down list is named by its current item; the label
    // reaches the screen reader through the "labelled by" relation instead.
    if (!qobject_cast<QComboBox*>(field)) {
      EXPECT_EQ(AccessibleName(field), label) << name;
    }
    EXPECT_TRUE(LabelledBy(field).contains(label)) << name;
    bool buddied = false;
    for (QLabel* l : window->findChildren<QLabel*>()) buddied = buddied || (l->buddy() == field && l->text() == label);
    EXPECT_TRUE(buddied) << name << " has no label \"" << label.toStdString() << "\" for its buddy";
  }
}

}  // namespace testseams
