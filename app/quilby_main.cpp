#include <QApplication>

#include "configurator/CquilbyApp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Vell"));
  QApplication::setApplicationName(QStringLiteral("quilby"));
  return quilby::CquilbyApp().run(QApplication::arguments());
}
