// tarnelctl: the panel's parameters, events and status from a script.
#include <QCoreApplication>
#include <variant>

#include "ctl/CtlOptions.h"
#include "ctl/CtlRun.h"
#include "platform/CommandLine.h"
#include "platform/Translations.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Vell"));
  QCoreApplication::setApplicationName(QStringLiteral("tarnelctl"));
  QCoreApplication::setApplicationVersion(platform::ProgramVersion());
  platform::LoadTranslations();
  const auto parsed = ctl::ParseCtlCommandLine(
      platform::ArgumentsAfterProgram(argc, argv),
      {qEnvironmentVariable("TARNEL_INSTALLER_CODE"), qEnvironmentVariable("TARNEL_MODULE_PASSWORD")});
  if (const int* end = std::get_if<int>(&parsed)) return *end;
  return ctl::RunCtl(std::get<ctl::CtlOptions>(parsed));
}
