#pragma once

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
  struct Time {
    int hour = 0;
    int minute = 0;
  };

  void zoneChanged();
  void load();
  void apply();
  void showTime(QTimeEdit* picker, Time& cached, std::uint32_t number);
  void appendTime(panel::FrameBytes& pieces, std::uint8_t parameter, QTimeEdit* picker, Time& cached);

  EntityNumberField* zone_;
  QTimeEdit* start_;
  QTimeEdit* end_;
  QCheckBox* ignoreHolidays_;
  CheckBoxRow* days_;
  QPushButton* apply_;

  std::uint8_t current_ = 1;
  std::uint8_t cachedDays_ = 0;
  std::uint8_t cachedOptions_ = 0;
  Time cachedStart_;
  Time cachedEnd_;
  ReplyMarks marks_;
  bool started_ = false;
};

}  // namespace editors
