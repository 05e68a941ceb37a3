#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace platform {
namespace {

class QtFileDialogs final : public FileDialogs {
 public:
  QString choose(QWidget* parent, const Request& request) override {
    QFileDialog dialog(parent, request.caption, QString(), request.filter);
    const bool save = request.purpose == Purpose::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
  }
};

FileDialogs* g_fileDialogs = nullptr;

}  // namespace

FileDialogs& FileDialogs::current() {
  static QtFileDialogs real;
  return g_fileDialogs ? *g_fileDialogs : real;
}

void FileDialogs::install(FileDialogs* dialogs) { g_fileDialogs = dialogs; }

}  // namespace platform
