#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace editors {

// A number field with an up-down control: digits only, at most maxLength
// characters. The arrows, and the Up and Down keys in the field, step the
// control's position within its range and write it into the field. Typing
// is free, so a number out of range reaches the editor, which refuses it.
class UpDownField : public QWidget {
  Q_OBJECT
 public:
  UpDownField(int minimum, int maximum, int maxLength, QWidget* parent = nullptr);

  QLineEdit* field() const { return field_; }
  QString text() const;
  void setText(const QString& text);
  // The up-down's position; the field keeps its text.
  void setPosition(int position);
  int position() const { return position_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  // Typed, stepped or set.
  void textChanged(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void step(int delta);

  int minimum_;
  int maximum_;
  int position_;
  QLineEdit* field_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace editors
