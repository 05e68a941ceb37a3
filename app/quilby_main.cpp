// quilby: the configurator of the panel's IP module.
#include <QApplication>
#include <QSettings>

#include "configurator/CquilbyApp.h"
#include "configurator/QuilbyIcon.h"
#include "configurator/QuilbyOptions.h"
#include "platform/CommandLine.h"
#include "platform/DesktopFeedback.h"
#include "platform/Translations.h"

int main(int argc, char** argv) {
  // Answered before any window system is asked for, so that help, version
  // and bad arguments work without a display.
  const QSettings settings(QStringLiteral("Vell"), QStringLiteral("quilby"));
  const auto parsed = quilby::ParseQuilbyCommandLine(
      platform::WithoutQtGuiOptions(platform::ArgumentsAfterProgram(argc, argv)), &settings);
  if (const int* end = std::get_if<int>(&parsed)) return *end;

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Vell"));
  QApplication::setApplicationName(QStringLiteral("quilby"));
  QApplication::setApplicationVersion(platform::ProgramVersion());
  platform::LoadTranslations();
  platform::UseDesktopFeedback();
  QApplication::setWindowIcon(quilby::QuilbyIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("quilby"));
  return quilby::CquilbyApp().run(std::get<quilby::QuilbyOptions>(parsed));
}
