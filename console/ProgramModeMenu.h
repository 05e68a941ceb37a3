#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

namespace console {

// The items of the program-mode "File" menu: the whole panel to and from
// panel files, and the panel file held in the program when editing offline.
enum class FileMenuItem { SaveToFile, CompareWithFile, WriteToPanel, SavePanelFile, SavePanelFileAs, SiteHistory };
// The path the item's action is known by ("File|Save panel to file…").
QString FileMenuPath(FileMenuItem item);

// The program-mode menu bar, built from the parameter map: "Main" with every
// item of the map in its order (a separator before "Exit from Install"),
// then "File", then the top-level "Help". Returns the actions by menu path,
// "Help" and the "File" items included.
QHash<QString, QAction*> BuildProgramModeMenu(QMenuBar& bar);

// What the menu bar's "Help" shows.
QString ProgramModeHelpText();

}  // namespace console
