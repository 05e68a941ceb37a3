#include "console/ProgramModeMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "core/parameters/ParameterMap.h"

namespace console {

namespace {
// One level of a menu path in the reader's language (the map marks each
// level under "ParameterMap"), shown as written: '&' would otherwise turn
// into a mnemonic.
QString MenuText(const QString& level) {
  QString shown = QCoreApplication::translate("ParameterMap", level.toUtf8().constData());
  return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr char kContext[] = "console::ProgramModeMenu";
// In FileMenuItem order.
const char* const kFileItems[] = {QT_TRANSLATE_NOOP("console::ProgramModeMenu", "Save panel to file…"),
                                  QT_TRANSLATE_NOOP("console::ProgramModeMenu", "Compare panel with file…"),
                                  QT_TRANSLATE_NOOP("console::ProgramModeMenu", "Write file to panel…"),
                                  QT_TRANSLATE_NOOP("console::ProgramModeMenu", "Save panel file"),
                                  QT_TRANSLATE_NOOP("console::ProgramModeMenu", "Save panel file as…"),
                                  QT_TRANSLATE_NOOP("console::ProgramModeMenu", "Site history…")};
}  // namespace

QString FileMenuPath(FileMenuItem item) {
  return QStringLiteral("File") + QLatin1Char(params::kMenuPathSeparator) +
         QString::fromUtf8(kFileItems[static_cast<int>(item)]);
}

QHash<QString, QAction*> BuildProgramModeMenu(QMenuBar& bar) {
  QHash<QString, QAction*> actions;
  QMenu* main = bar.addMenu(QCoreApplication::translate("console::ProgramModeMenu", "Main"));
  QHash<QString, QMenu*> submenus;
  for (const params::MapRow& row : params::ParameterMap()) {
    const QString path = FromView(row.menuPath);
    const QStringList parts = path.split(QLatin1Char(params::kMenuPathSeparator));
    if (row.editor == params::EditorKind::ExitFromInstall) main->addSeparator();
    QMenu* menu = main;
    QString prefix;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
      prefix += parts[i] + QLatin1Char(params::kMenuPathSeparator);
      QMenu*& sub = submenus[prefix];
      if (!sub) sub = menu->addMenu(MenuText(parts[i]));
      menu = sub;
    }
    actions.insert(path, menu->addAction(MenuText(parts.last())));
  }
  QMenu* file = bar.addMenu(QCoreApplication::translate("console::ProgramModeMenu", "File"));
  for (const FileMenuItem item : {FileMenuItem::SaveToFile, FileMenuItem::CompareWithFile, FileMenuItem::WriteToPanel,
                                  FileMenuItem::SiteHistory, FileMenuItem::SavePanelFile, FileMenuItem::SavePanelFileAs}) {
    if (item == FileMenuItem::SavePanelFile) file->addSeparator();
    actions.insert(FileMenuPath(item),
                   file->addAction(QCoreApplication::translate(kContext, kFileItems[static_cast<int>(item)])));
  }
  actions.insert(QStringLiteral("Help"), bar.addAction(QCoreApplication::translate("console::ProgramModeMenu", "Help")));
  return actions;
}

QString ProgramModeHelpText() {
  return QCoreApplication::translate(
      "console::ProgramModeMenu",
      "Each item of the Main menu opens the editor of one panel parameter. The editor reads the value from the "
      "panel when it opens and whenever you choose another keypad, area, zone, output or user; Apply, or leaving a "
      "group of settings in the User and Phone Number editors, writes your changes as keypad key presses.\n\n"
      "The File menu saves the whole panel to a panel file, compares the panel with one, or writes one to the "
      "panel.\n\n"
      "Exit from Install returns the panel to normal operation.");
}

}  // namespace console
