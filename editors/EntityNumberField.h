#pragma once

#include <QLineEdit>
#include <QWidget>
#include <optional>

#include "platform/Timing.h"

class QLabel;
class QToolButton;

namespace editors {

// A number field with an up-down control beside it, for choosing which
// output, keyswitch or time zone an editor shows. The field takes any digits
// up to its length, so a number out of range can be typed and refused with
// the editor's message; the up-down (and the Up and Down keys in the field)
// stays within the range.
class EntityNumberField : public QWidget {
  Q_OBJECT
 public:
  EntityNumberField(int first, int last, int maxLength, QWidget* parent = nullptr);

  QLineEdit* field() const { return field_; }
  // The label beside the field names it: its buddy, and what a screen reader
  // announces (the label sits in the dialog's layout, out of the field's
  // reach for Qt's own label lookup).
  void setLabel(QLabel* label);
  QString text() const;
  void setText(const QString& text);
  // The typed number; nothing for an empty field.
  std::optional<int> typed() const;
  bool inRange(int number) const { return number >= first_ && number <= last_; }

  int position() const { return position_; }
  void setPosition(int position);
  // Steps the number by +1 or -1, as the up-down control does.
  void step(int delta);

  void setControlsEnabled(bool enabled);

  // After every change the field waits ms for the next one, then emits
  // settled(): the editor then takes the number and loads its entity.
  void setSettleTime(int ms) { settleMs_ = ms; }
  // settled() after ms instead (a first load, a new tab).
  void settleIn(int ms) { settle_.start(ms); }
  // A newer change is still settling: a load held back since the last
  // settled() (an editor's pause) is stale, and the next settled() brings it.
  bool settling() const { return settle_.isActive(); }
  // The typed number, which becomes the position; nothing for an empty
  // field, and nothing, after a message box `invalid` (caption "Error"),
  // for a number out of range or, where emptyRefused, an empty field.
  std::optional<int> take(const QString& invalid, bool emptyRefused);

 signals:
  // The text changed: typed, stepped or set.
  void changed();
  void settled();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int first_;
  int last_;
  int position_;
  int settleMs_ = 0;
  platform::OneShotTimer settle_{this};
  QLineEdit* field_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace editors
