#pragma once

// Usage: derive from console::EditorDialog, implement handlePanelFrame() for
// the frames the keypad window forwards, and send with panel::SendPanelFrame.
// Run it with keypad.runEditor(dialog, 0) (0 = every frame, or one type byte
// such as 0x1B for only that type). While it is shown it is the open editor;
// closeRequest() (command mode, every link reset, the panel's 0x15) rejects
// it. Override closeRequest() only to stop work first, then call the base.

#include <QDialog>
#include <QPointer>

#include "link/PanelFrameHandler.h"

namespace console {

class EditorDialog : public QDialog, public panel::PanelFrameHandler {
  Q_OBJECT
 public:
  explicit EditorDialog(QWidget* parent = nullptr);
  ~EditorDialog() override;

  // The keypad window asks the dialog to go away; it ends with Rejected.
  virtual void closeRequest();

  // The editor that receives forwarded frames now, or null.
  static EditorDialog* openEditor();
  static void setOpenEditor(EditorDialog* editor);

 protected:
  // Registers the dialog as the open editor as soon as it appears.
  void showEvent(QShowEvent* event) override;
};

}  // namespace console
