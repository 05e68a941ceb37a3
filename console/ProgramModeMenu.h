#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

namespace console {

// The program-mode menu bar, built from the parameter map: "Main" with every
// item of the map in its order (a separator before "Exit from Install"),
// then the top-level "Help". Returns the actions by menu path, "Help"
// included.
QHash<QString, QAction*> BuildProgramModeMenu(QMenuBar& bar);

// What the menu bar's "Help" shows.
QString ProgramModeHelpText();

}  // namespace console
