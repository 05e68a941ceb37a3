#pragma once

#include <QIcon>
#include <QImage>

namespace console {

// The program's icon: a keypad with its display and a lit lamp, at one size
// in pixels (also what the desktop gets).
QImage TarnelIconImage(int size);
// The window icon, drawn at each size as a window or a HiDPI screen asks for it.
QIcon TarnelIcon();

}  // namespace console
