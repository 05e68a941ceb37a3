#pragma once

#include <QColor>
#include <QLabel>

namespace console {

// A status lamp: its text painted in its current colour over the button face.
class CStaticColor : public QLabel {
  Q_OBJECT
 public:
  static const QColor kRed;    // RGB(255,30,30), the usual lit colour
  static const QColor kGreen;  // RGB(20,200,10)
  static const QColor kGrey;   // RGB(160,160,160), the usual dark colour

  explicit CStaticColor(const QString& text, QWidget* parent = nullptr);

  // lit = v and the matching colour.
  void setLit(bool v);
  // Dark colour; the lit flag stays.
  void goDark();
  // Lit colour and lit = true.
  void showLit() { setLit(true); }

  bool isLit() const { return lit_; }
  void setLitFlag(bool v);
  bool isBlinking() const { return blinking_; }
  void setBlinking(bool v);

  QColor currentColour() const { return current_; }
  void setCurrentColour(const QColor& c);
  QColor litColour() const { return litColour_; }
  void setLitColour(const QColor& c) { litColour_ = c; }
  QColor darkColour() const { return darkColour_; }
  void setDarkColour(const QColor& c) { darkColour_ = c; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void describe();  // for screen readers, which cannot see the colour

  bool blinking_ = false;
  bool lit_ = false;
  QColor current_;
  QColor litColour_ = kRed;
  QColor darkColour_ = kGrey;
};

}  // namespace console
