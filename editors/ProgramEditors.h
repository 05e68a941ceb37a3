#pragma once

#include <functional>

#include "core/parameters/ParameterMap.h"

namespace console {
class CKeypadDlg;
}

namespace editors {

// Gives every item of the program-mode menu that has an editor its command:
// the editor is built from the item's row and run as the keypad window's
// open editor, receiving every frame.
void WireProgramModeEditors(console::CKeypadDlg& window);

// The command of one item, or an empty function where it has no editor here
// ("Diagnostics" belongs to the events, "Exit from Install" to the window).
std::function<void()> EditorCommand(console::CKeypadDlg& window, const params::MapRow& row);

}  // namespace editors
