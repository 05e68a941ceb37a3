#pragma once

#include <array>
#include <cstdint>

#include "console/EditorDialog.h"
#include "core/parameters/ReplyMarks.h"

class QLineEdit;
class QPushButton;

namespace editors {

class EntityNumberField;

// "Output Times": the four timers of an output, loaded together and written
// with "Apply", each changed one as a read request followed by its digits.
class COutTime : public console::EditorDialog {
  Q_OBJECT
 public:
  // The fields in the order they are written.
  enum Field { OnDelay, ResetTime, PulseTime, ChimeTime, kFieldCount };

  explicit COutTime(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  EntityNumberField* outputField() const { return output_; }
  QLineEdit* timeField(Field field) const { return fields_[field]; }
  QPushButton* applyButton() const { return apply_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void outputChanged();
  void load();
  void apply();
  void setChoosingEnabled(bool enabled);

  EntityNumberField* output_;
  std::array<QLineEdit*, kFieldCount> fields_{};
  QPushButton* apply_;

  std::uint8_t currentOutput_ = 1;
  std::array<std::uint32_t, kFieldCount> cached_{};
  // Written by the last Apply and not yet answered: the value written.
  std::array<std::uint32_t, kFieldCount> written_{};
  ReplyMarks writeMarks_;
  // Replies still expected, one bit per field.
  std::uint8_t outstanding_ = 0;
  bool edited_ = false;
  bool started_ = false;
};

}  // namespace editors
