#pragma once

#include <string>

// Texts of the standard-library core that a person reads (event texts,
// parameter titles and labels) cannot call tr(). Each is written as
// CORE_TR_NOOP("Context", "text"), which leaves the text as it is; lupdate
// collects it under its context (the translations target runs lupdate with
// -tr-function-alias QT_TRANSLATE_NOOP+=CORE_TR_NOOP), and the Qt side
// translates it where it is shown: QCoreApplication::translate(context, text),
// or a CoreTextTranslator handed to the core's formatting.
#define CORE_TR_NOOP(context, text) text

namespace panel {

// A marked text in the reader's language, UTF-8; the text must be the marked
// literal itself (lupdate knows no other).
using CoreTextTranslator = std::string (*)(const char* context, const char* text);

}  // namespace panel
