#pragma once

#include <cstdint>
#include <vector>

#include "console/EditorDialog.h"
#include "core/events/EventRecord.h"
#include "core/events/EventReview.h"
#include "platform/Timing.h"

class QPlainTextEdit;
class QPushButton;

namespace events {

// Pages through the panel's event memory ten shown events at a time, in the
// order the panel hands them out. Opening starts the panel's event review,
// each accepted record asks for the next one, and closing ends the review.
// "Save…" writes the events shown so far as CSV.
class CEventMemoryDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  static constexpr int kPageSize = 10;

  explicit CEventMemoryDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  // "Exit", the close box, Escape and the keypad window's close request all
  // end the review on the panel before the window goes.
  void reject() override;
  void done(int result) override;

  QPlainTextEdit* textArea() const { return text_; }
  QPushButton* moreButton() const { return more_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* exitButton() const { return exit_; }
  int remainingOnPage() const { return review_.remainingOnPage(); }

 protected:
  void showEvent(QShowEvent* event) override;
  // Enter ends the window without ending the review; the command that
  // opened it does that.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void startReview();
  void nextPage();
  void saveShown();

  QPlainTextEdit* text_;
  QPushButton* more_;
  QPushButton* save_;
  QPushButton* exit_;
  std::vector<EventRecord> shown_;
  platform::OneShotTimer startTimer_;
  bool started_ = false;
  EventReview review_{kPageSize};
};

}  // namespace events
