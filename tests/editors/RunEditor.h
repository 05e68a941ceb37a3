#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <algorithm>
#include <QString>
#include <functional>
#include <ostream>
#include <vector>

#include "tests/support/TestSeams.h"

// Failed comparisons of texts print the texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace editorstest {

// Triggers the item and runs drive on the editor it opens once that is the
// modal dialog; closes whatever dialog came up if drive left it open, so a
// wrong class or a failed assertion never leaves the test waiting. True if
// an editor of class D came up.
template <typename D>
bool RunEditor(QAction* action, const std::function<void(D*)>& drive) {
  if (!action) return false;
  bool ran = false;
  QTimer poll;
  poll.setInterval(2);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll.stop();
    if (auto* editor = dynamic_cast<D*>(dialog)) {
      ran = true;
      drive(editor);
    }
    if (dialog->isVisible()) dialog->reject();
  });
  poll.start();
  action->trigger();
  return ran;
}

// The timers asked for, less the keypad window's blink steps (200 and 600 ms).
inline std::vector<int> EditorTimers() {
  std::vector<int> timers = testseams::Times().timers;
  std::erase_if(timers, [](int ms) { return ms == 200 || ms == 600; });
  return timers;
}

}  // namespace editorstest
