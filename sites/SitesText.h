#pragma once

#include <QCoreApplication>
#include <QString>

namespace sites {

// The sites list's texts outside its windows, for a translator: lupdate
// reads Tr as tr in the context "sites".
inline QString Tr(const char* text) { return QCoreApplication::translate("sites", text); }

}  // namespace sites
