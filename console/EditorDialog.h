#pragma once

// Usage: derive from console::EditorDialog, implement handlePanelFrame() for
// the frames the keypad window forwards, and send with send(). Run it with
// keypad.runEditor(dialog, 0) (0 = every frame, or one type byte such as
// 0x1B for only that type). While it is shown it is the open editor;
// closeRequest() (command mode, every link reset, the panel's 0x15) rejects
// it. Override closeRequest() only to stop work first, then call the base.
//
// After writing keys, pauseAfterWrite(ms) gives the panel time to act on
// them: for ms the editor sends nothing, and its input and forwarded frames
// wait and are handled afterwards in the order they came, while the keypad
// window keeps painting and receiving. What reaches the wire, and when, is
// the same as if the editor had slept. A pause asked for during a pause
// starts once the work held before it has run, and work that does not come
// from input or frames (a timer's) waits its turn through inTurn().
// An editor that has ended sends nothing more, and the one-shot timers it
// owns (children of the dialog) are stopped.

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

#include "core/link/PanelFrameHandler.h"
#include "core/link/PanelFrames.h"

namespace console {

class EditorDialog : public QDialog, public panel::PanelFrameHandler {
  Q_OBJECT
 public:
  explicit EditorDialog(QWidget* parent = nullptr);
  ~EditorDialog() override;

  // The keypad window asks the dialog to go away; it ends with Rejected and
  // drops whatever a pause held back.
  virtual void closeRequest();

  // The keypad window's way in: the frame is handled now, or copied and
  // handled once the running pause is over.
  void receiveFrame(const std::uint8_t* frame, std::size_t length);

  bool isPaused() const { return pauseTimer_.isActive(); }

  // The editor that receives forwarded frames now, or null.
  static EditorDialog* openEditor();
  static void setOpenEditor(EditorDialog* editor);

  void done(int result) override;

 protected:
  // SendPanelFrame with this dialog as owner, at once or after the pause.
  void send(const panel::FrameBytes& frame);
  void pauseAfterWrite(int ms);
  // Runs work now, or after the running pause, in order with what it held.
  void inTurn(std::function<void()> work);

  // Registers the dialog as the open editor as soon as it appears.
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void hold(std::function<void()> work);
  void endPause();
  void dropHeldWork();

  QTimer pauseTimer_;
  std::deque<std::function<void()>> held_;
  bool ended_ = false;
};

}  // namespace console
