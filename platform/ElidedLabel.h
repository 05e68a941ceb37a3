#pragma once

#include <QLabel>

namespace platform {

// A one-line label that never asks for more width than its layout gives it:
// a text too long for it ends in "…", and the whole text is its tool tip.
// A status line that keeps growing then cannot widen its window.
class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void setFullText(const QString& text);
  QString fullText() const { return text(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
