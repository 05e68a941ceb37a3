#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

#include "core/CoreText.h"

namespace editors {

// A text of the parameter tables (titles, option and choice texts, menu
// levels, the special editors' labels), marked CORE_TR_NOOP("ParameterMap",
// ...) where it is written, in the reader's language. The view may be a
// piece of a longer literal, so it is copied to end it.
inline QString MapText(std::string_view text) {
  if (text.empty()) return {};
  const std::string key(text);
  return QCoreApplication::translate("ParameterMap", key.c_str());
}

}  // namespace editors
