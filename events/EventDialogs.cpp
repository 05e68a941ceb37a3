#include "events/EventDialogs.h"

#include <memory>

#include "console/CKeypadDlg.h"
#include "events/CDiagnosticDlg.h"
#include "events/CEventMemoryDlg.h"

namespace events {

void WireEventDialogs(console::CKeypadDlg& window) {
  window.setMemoryDialogFactory([](console::CKeypadDlg& keypad) -> std::unique_ptr<console::EditorDialog> {
    return std::make_unique<CEventMemoryDlg>(&keypad);
  });
  window.setProgramItemHandler(QStringLiteral("Diagnostics"), [&window] {
    CDiagnosticDlg dialog(&window);
    window.runEditor(dialog, 0);
  });
}

}  // namespace events
