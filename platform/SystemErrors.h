#pragma once

#include <QString>
#include <functional>

namespace platform {

// A system error the user must hear of, under a short context ("Listen ").
// Without a reporter installed it goes to standard error.
void ReportSystemError(const QString& context, const QString& systemText);

// Replaces where system errors go (the windowed programs show a box, see
// UseDesktopFeedback); an empty function restores standard error.
void InstallSystemErrorReporter(std::function<void(const QString& context, const QString& systemText)> reporter);

}  // namespace platform
