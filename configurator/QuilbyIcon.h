#pragma once

#include <QIcon>

namespace quilby {

// The program's icon: a small network module with its link lamp.
QIcon QuilbyIcon();

}  // namespace quilby
