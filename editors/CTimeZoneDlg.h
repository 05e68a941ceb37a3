#pragma once

#include <QTime>
#include <cstdint>

#include "console/EditorDialog.h"
#include "core/parameters/ReplyMarks.h"

class QCheckBox;
class QPushButton;
class QTimeEdit;

namespace editors {

class CheckBoxRow;
class EntityNumberField;

// "Time Zone": the start and end time, the active days, "Invert" and
// "Ignore Holidays" of each of the eight time zones, written with "Apply".
class CTimeZoneDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  explicit CTimeZoneDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  EntityNumberField* zoneField() const { return zone_; }
  QTimeEdit* startPicker() const { return start_; }
  QTimeEdit* endPicker() const { return end_; }
  QCheckBox* ignoreHolidaysBox() const { return ignoreHolidays_; }
  CheckBoxRow* dayBoxes() const { return days_; }
  QPushButton* applyButton() const { return apply_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void zoneChanged();
  void load();
  void apply();
  void showTime(QTimeEdit* picker, QTime& shown, std::uint32_t number);
  void appendTime(panel::FrameBytes& pieces, std::uint8_t parameter, QTimeEdit* picker, QTime& shown);

  EntityNumberField* zone_;
  QTimeEdit* start_;
  QTimeEdit* end_;
  QCheckBox* ignoreHolidays_;
  CheckBoxRow* days_;
  QPushButton* apply_;

  std::uint8_t current_ = 1;
  std::uint8_t cachedDays_ = 0;
  std::uint8_t cachedOptions_ = 0;
  // What each picker was set to for the panel's time: that time, or 00:00
  // for one it cannot show (24:00, minute 60 and up).
  QTime shownStart_{0, 0};
  QTime shownEnd_{0, 0};
  ReplyMarks marks_;
  bool started_ = false;
};

}  // namespace editors
