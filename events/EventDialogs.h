#pragma once

namespace console {
class CKeypadDlg;
}

namespace events {

// Gives the keypad window its "Memory" viewer and its program-mode
// "Diagnostics" item; both run as the window's open editor for every frame.
void WireEventDialogs(console::CKeypadDlg& window);

}  // namespace events
