#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>

#include "core/link/ModuleSettingsRecord.h"

namespace quilbytest {

// A record whose unshown bytes and bits are all set to odd values, so that
// any byte the program should leave alone and does not shows up.
quilby::ModuleSettingsRecord SampleRecord();

template <typename T>
T* Control(QObject& dialog, const char* name) {
  return dialog.findChild<T*>(QString::fromLatin1(name));
}

// Clicks a check box or radio button on its indicator, where a user would.
void Click(QAbstractButton* button);

// Replaces a field's text the way a user would.
void Retype(QLineEdit* field, const QString& text);

}  // namespace quilbytest
