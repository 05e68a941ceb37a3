#pragma once

#include <QDialog>
#include <functional>

#include "link/PanelLink.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace console {

// The traffic log: sent lines from the send path, received lines from the
// keypad window. Frames typed here, and a few keys, go to frameRequest.
class CDbgDlg : public QDialog, public panel::DebugLogSink {
  Q_OBJECT
 public:
  using FrameRequest = std::function<void(const panel::FrameBytes&)>;

  CDbgDlg(FrameRequest frameRequest, QWidget* parent = nullptr);

  void appendLogLine(std::string_view line) override;

  // The log, with every line handed over so far in it.
  QPlainTextEdit* log();
  QComboBox* frameBox() const { return frameBox_; }
  QPushButton* sendButton() const { return send_; }

  // Turns a released key into its keypad key code; -1 for other keys.
  static int KeyCodeForRelease(int qtKey, Qt::KeyboardModifiers modifiers);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void sendTyped();
  void flushPending();

  FrameRequest frameRequest_;
  QPlainTextEdit* log_;
  QComboBox* frameBox_;
  QPushButton* send_;
  // Lines wait here until the event loop turns, so a flood of frames costs
  // one append per turn instead of one per frame.
  QString pending_;
  bool flushQueued_ = false;
};

}  // namespace console
