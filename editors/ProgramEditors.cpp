#include "editors/ProgramEditors.h"

#include <QString>

#include "console/CKeypadDlg.h"
#include "editors/CByteItemDlg.h"
#include "editors/CClockDlg.h"
#include "editors/CHolydayDlg.h"
#include "editors/CKeyswitchDlg.h"
#include "editors/CListDlg.h"
#include "editors/COutTime.h"
#include "editors/COutputDlg.h"
#include "editors/CPhoneNumberDlg.h"
#include "editors/CTimeZoneDlg.h"
#include "editors/CUserCodeDlg.h"
#include "editors/CValueDlg.h"

namespace editors {

namespace {
// Builds the dialog when the item is chosen and runs it as the open editor.
template <typename Dialog, typename... Args>
std::function<void()> Run(console::CKeypadDlg& window, Args... args) {
  return [&window, args...] {
    Dialog dialog(args..., &window);
    window.runEditor(dialog, 0);
  };
}
}  // namespace

std::function<void()> EditorCommand([[maybe_unused]] console::CKeypadDlg& window, const params::MapRow& row) {
  switch (row.editor) {
    case params::EditorKind::Users: return Run<CUserCodeDlg>(window);
    case params::EditorKind::PhoneNumbers: return Run<CPhoneNumberDlg>(window);
    case params::EditorKind::Options: return Run<CByteItemDlg>(window, row);
    case params::EditorKind::Value: return Run<CValueDlg>(window, row);
    case params::EditorKind::List: return Run<CListDlg>(window, row);
    case params::EditorKind::OutputOptions: return Run<COutputDlg>(window);
    case params::EditorKind::OutputTimes: return Run<COutTime>(window);
    case params::EditorKind::Clock: return Run<CClockDlg>(window);
    case params::EditorKind::Keyswitches: return Run<CKeyswitchDlg>(window);
    case params::EditorKind::TimeZones: return Run<CTimeZoneDlg>(window);
    case params::EditorKind::Holidays: return Run<CHolydayDlg>(window);
    default:
      return {};
  }
}

void WireProgramModeEditors(console::CKeypadDlg& window) {
  for (const params::MapRow& row : params::ParameterMap()) {
    if (std::function<void()> command = EditorCommand(window, row))
      window.setProgramItemHandler(QString::fromUtf8(row.menuPath.data(), static_cast<qsizetype>(row.menuPath.size())),
                                   std::move(command));
  }
}

}  // namespace editors
