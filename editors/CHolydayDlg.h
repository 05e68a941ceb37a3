#pragma once

#include <QDate>
#include <array>
#include <cstdint>

#include "console/EditorDialog.h"
#include "core/parameters/ReplyMarks.h"
#include "platform/Timing.h"

class QCheckBox;
class QDateEdit;
class QPushButton;

namespace editors {

// "Holydays": the panel's eight holiday dates, each of which can be
// switched off, written with "Apply".
class CHolydayDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  static constexpr int kHolidays = 8;

  explicit CHolydayDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  // Holiday n is 1 to 8.
  QCheckBox* holidayBox(int n) const { return boxes_.at(static_cast<std::size_t>(n - 1)); }
  QDateEdit* datePicker(int n) const { return pickers_.at(static_cast<std::size_t>(n - 1)); }
  QPushButton* applyButton() const { return apply_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Day 0, month 0, year 2000 is no holiday.
  struct Date {
    int day = 0;
    int month = 0;
    int year = 2000;
    bool empty() const { return day == 0 && month == 0 && year == 2000; }
    friend bool operator==(const Date&, const Date&) = default;
  };

  void load();
  void apply();

  std::array<QCheckBox*, kHolidays> boxes_{};
  std::array<QDateEdit*, kHolidays> pickers_{};
  QPushButton* apply_;
  platform::OneShotTimer loadTimer_{this};

  // What the panel holds, and what its picker was set to for it (nothing
  // for no holiday, the first date for one no picker can show).
  std::array<Date, kHolidays> cached_{};
  std::array<QDate, kHolidays> shown_{};
  ReplyMarks marks_;
  bool started_ = false;
};

}  // namespace editors
