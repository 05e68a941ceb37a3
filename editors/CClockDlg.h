#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "console/EditorDialog.h"
#include "core/parameters/ReplyMarks.h"
#include "platform/Timing.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace editors {

// "Clock setting": sets the panel's clock from the two pickers, shows the
// panel's own time, and edits the daylight-saving rule (enable, and for the
// start and finish of summer time the hour, the Sunday of the month and the
// month).
class CClockDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  // The six lists, in the order "Apply" writes them.
  enum List { StartSunday, FinishSunday, StartMonth, FinishMonth, StartHour, FinishHour, kListCount };

  explicit CClockDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  QDateEdit* datePicker() const { return date_; }
  QTimeEdit* timePicker() const { return time_; }
  QPushButton* synchronizeButton() const { return synchronize_; }
  QString panelTimeText() const;
  QCheckBox* enableBox() const { return enable_; }
  QComboBox* list(List which) const { return lists_[which]; }
  QPushButton* applyButton() const { return apply_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void load();
  void synchronize();
  void apply();
  void showListReply(std::uint8_t parameter, std::uint8_t entity, std::uint32_t value);
  void showEnableReply(std::uint32_t value);
  void setListsEnabled(bool enabled);

  QDateEdit* date_;
  QTimeEdit* time_;
  QPushButton* synchronize_;
  QLineEdit* panelTime_;
  QCheckBox* enable_;
  std::array<QComboBox*, kListCount> lists_{};
  QPushButton* apply_;
  platform::OneShotTimer loadTimer_{this};

  // What the panel last reported (list indexes, -1 for a value no entry
  // shows, such as 0), or nothing before its reply.
  std::array<std::optional<int>, kListCount> cached_{};
  std::optional<std::uint8_t> cachedEnable_;
  bool enableShown_ = false;
  // After the first Apply that writes, replies change only the cache.
  bool listsStopped_ = false;
  // The reads in front of Apply's keys, whose replies carry the values before them.
  ReplyMarks marks_;
  bool started_ = false;
};

}  // namespace editors
