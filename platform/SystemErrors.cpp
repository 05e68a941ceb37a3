#include "platform/SystemErrors.h"

#include <cstdio>

namespace platform {
namespace {

std::function<void(const QString&, const QString&)>& Reporter() {
  static std::function<void(const QString&, const QString&)> reporter;
  return reporter;
}

}  // namespace

void ReportSystemError(const QString& context, const QString& systemText) {
  if (Reporter()) {
    Reporter()(context, systemText);
    return;
  }
  std::fprintf(stderr, "%s: %s\n", context.trimmed().toLocal8Bit().constData(), systemText.toLocal8Bit().constData());
}

void InstallSystemErrorReporter(std::function<void(const QString&, const QString&)> reporter) {
  Reporter() = std::move(reporter);
}

}  // namespace platform
