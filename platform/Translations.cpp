#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

void LoadTranslations() {
  auto* app = QCoreApplication::instance();
  if (!app) return;
  const QLocale locale;
  auto* qt = new QTranslator(app);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  auto* own = new QTranslator(app);
  const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarnel/translations");
  if (own->load(locale, QStringLiteral("tarnel"), QStringLiteral("_"), dir)) QCoreApplication::installTranslator(own);
}

}  // namespace platform
