#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

namespace editors {

// A text of the parameter tables through the translator; the tables hold
// literals, so the text is zero-terminated.
inline QString Translated(std::string_view text) {
  return text.empty() ? QString() : QCoreApplication::translate("params", text.data());
}

}  // namespace editors
