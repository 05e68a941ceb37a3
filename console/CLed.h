#pragma once

#include <QLabel>
#include <QPixmap>

namespace console {

// Slot order of the icons, as the legend shows them.
enum class LedState { Open = 0, Close = 1, Unknown = 2, Tamper = 3, Alarm = 4, Bypass = 5 };

// A zone or output indicator: one small icon per state.
class CLed : public QLabel {
  Q_OBJECT
 public:
  explicit CLed(QWidget* parent = nullptr);

  void setState(LedState state);
  LedState state() const { return state_; }

  // The icon of a state, drawn for this program at a screen's pixel ratio.
  static QPixmap icon(LedState state, qreal ratio = 1.0);

 private:
  LedState state_ = LedState::Unknown;
};

}  // namespace console
