#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QAction;
class QMenuBar;

namespace console {

// Separator of the menu paths used to find program-mode items, e.g.
// "Zone-Main|Zone Alarm Type Options|Zone Options A".
inline constexpr QChar kMenuPathSeparator = QLatin1Char('|');

// The program-mode menu bar: "Main" with every parameter item, "Diagnostics",
// a separator and "Exit from Install"; then the top-level "Help".
// Returns the actions by path ("Help" and "Exit from Install" included).
QHash<QString, QAction*> BuildProgramModeMenu(QMenuBar& bar);

// Every parameter item path below "Main", in menu order (without
// "Diagnostics" and "Exit from Install").
const QStringList& ProgramModeItemPaths();

// The item whose command the top-level "Help" shares.
QString ProgramModeHelpTarget();

}  // namespace console
