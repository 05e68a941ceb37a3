#include "platform/MessageBoxes.h"

namespace platform {
namespace {

class QtMessageBoxes final : public MessageBoxes {
 public:
  QMessageBox::StandardButton show(QWidget* parent, Kind kind, const QString& caption,
                                   const QString& text,
                                   QMessageBox::StandardButtons buttons) override {
    switch (kind) {
      case Kind::Information: return QMessageBox::information(parent, caption, text, buttons);
      case Kind::Warning: return QMessageBox::warning(parent, caption, text, buttons);
      case Kind::Critical: return QMessageBox::critical(parent, caption, text, buttons);
      case Kind::Question: return QMessageBox::question(parent, caption, text, buttons);
    }
    return QMessageBox::NoButton;
  }
};

MessageBoxes* g_messageBoxes = nullptr;

}  // namespace

MessageBoxes& MessageBoxes::current() {
  static QtMessageBoxes real;
  return g_messageBoxes ? *g_messageBoxes : real;
}

void MessageBoxes::install(MessageBoxes* boxes) { g_messageBoxes = boxes; }

}  // namespace platform
