#pragma once

#include <QLabel>

namespace events {

// A one-line text whose tab characters move to the next tab stop, so the
// values of several lines stand in one column.
class CTabbedText : public QLabel {
  Q_OBJECT
 public:
  explicit CTabbedText(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace events
