#pragma once

// Panel files: a panel image as TOML text, one parameter per line in the
// order of the program-mode menu, with the menu path beside each value, so
// that any diff tool shows what changed between two saves.
//
//   format = 1
//   panel-software = "2.10"
//
//   [parameters]
//   "P1 user 1" = "1234"  # User > Code
//   "P122 zone 5" = 0x45  # Zone-Main > Zone Alarm Type Options > Zone Options A
//   "P175/8" = "0123"  # Dialler > Dialling Pre-Fix Number
//   "P172 time zone 1" = "08:00"  # Clock Setting > Time zone > Start
//   "P170 holiday 1" = 2026-12-25  # Clock Setting > Holydays > Date
//   "P173 time zone 2" = "raw 09 60"  # Clock Setting > Time zone > End; no editor types this value
//
// A value no editor types (24:00 above) is kept as the value bytes of its
// reply, so that whatever a backup read, its file gives back exactly.
// Files without such lines read as before.

#include <string>
#include <string_view>
#include <variant>

#include "core/panelfiles/PanelImage.h"

namespace panelfiles {

inline constexpr int kPanelFileFormat = 1;

// The name of a slot in files and tables: "P122 zone 5", "P45 area A", "P27 start", "P175/8".
std::string SlotKey(int slot);
// The entity as people read it: "zone 5", "area A", "start", "" for a fixed one.
std::string EntityText(int slot);
// The slot's menu path as people read it: "Zone-Main > Zone Alarm Type Options > Zone Options A".
std::string SlotTitle(int slot);

// Every known value of the image, in slot order.
std::string WritePanelFile(const PanelImage& image);

struct FileError {
  int line = 0;  // 0 when the fault is not on one line
  std::string message;
};

// The image a file holds, or why it is refused: text that is not TOML, a
// format other than this program's, an unknown parameter, a value of the
// wrong kind, a value in its ordinary form that no editor types (a typing
// error, which only "raw" lines may hold). A refused file gives no image at all.
// Far above any panel file (about 150 KB): read at most one byte more, since
// a pipe or device reports no size, and refuse what is bigger.
inline constexpr std::size_t kMaxPanelFileBytes = 4 * 1024 * 1024;

std::variant<PanelImage, FileError> ReadPanelFile(std::string_view text);

// Two panel files without the parameter lines they share word for word:
// read and compared, they give the differences the whole files give, for
// a fraction of the reading (two backups of one panel share most lines).
// Lines before [parameters] stay as they are.
struct FilePair {
  std::string left;
  std::string right;
};
FilePair WithoutSharedLines(std::string_view left, std::string_view right);

// "line 12: ..." or the message alone.
std::string Describe(const FileError& error);

}  // namespace panelfiles
