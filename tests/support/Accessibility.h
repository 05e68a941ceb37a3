#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QWidget;

namespace testseams {

// What a screen reader announces as the widget's name.
QString AccessibleName(QWidget* widget);

// The texts of the labels that the widget is "labelled by".
QStringList LabelledBy(QWidget* widget);

// The widgets that Tab reaches in window, in order, by object name (the
// disabled ones included: they keep their place for when they are enabled).
QStringList TabOrder(QWidget* window);

// Every control that Tab reaches in window has a name a screen reader can say.
void ExpectEveryControlNamed(QWidget* window);

// For each (field's object name, label text): the field is announced by its
// label, and the label is the field's buddy. Failures name the field.
void ExpectLabelledFields(QWidget* window, const std::vector<std::pair<const char*, QString>>& fields);

}  // namespace testseams
