#pragma once

#include <QIcon>
#include <QImage>

namespace console {

// The program's icon: a keypad with its display and a lit lamp, at one size
// in pixels (also what the desktop gets).
QImage TarnelIconImage(int size);
// Every size a window and a HiDPI screen ask for.
QIcon TarnelIcon();

}  // namespace console
