#pragma once

#include <QString>

namespace sites {

// The PC user a snapshot or a program-mode session is put down to: the
// login name, so that "who changed what" has an answer on a shared PC.
QString PcUserName();

}  // namespace sites
