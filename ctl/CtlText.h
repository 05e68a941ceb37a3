#pragma once

#include <QCoreApplication>
#include <QString>

namespace ctl {

// tarnelctl's texts, for a translator: lupdate reads Tr as tr in the context "ctl".
inline QString Tr(const char* text) { return QCoreApplication::translate("ctl", text); }

}  // namespace ctl
