#pragma once

#include <QIcon>
#include <QImage>

namespace quilby {

// The program's icon: a small network module with its link lamp.
// quilby's own icon at one size in pixels (also what the desktop gets).
QImage QuilbyIconImage(int size);
// Every size a window and a HiDPI screen ask for.
QIcon QuilbyIcon();

}  // namespace quilby
