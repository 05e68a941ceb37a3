#include "editors/Pickers.h"

#include <QDateEdit>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTimeEdit>
#include <algorithm>

namespace editors {

namespace {

// Picks the section under the text cursor once a click has placed it.
class SectionOnClick : public QObject {
 public:
  SectionOnClick(QTimeEdit* picker, QLineEdit* text) : QObject(picker), picker_(picker), text_(text) {
    text->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !text_->hasSelectedText())
      selectSectionAt(text_->cursorPosition());
    return false;
  }

 private:
  void selectSectionAt(int position) {
    // The widget tells a section's place in the text only by selecting it.
    for (int i = 0; i < picker_->sectionCount(); ++i) {
      const QDateTimeEdit::Section section = picker_->sectionAt(i);
      picker_->setSelectedSection(section);
      if (position <= text_->selectionEnd() || i == picker_->sectionCount() - 1) {
        picker_->setCurrentSectionIndex(i);
        picker_->setSelectedSection(section);
        return;
      }
    }
  }

  QTimeEdit* picker_;
  QLineEdit* text_;
};

}  // namespace

void ShowWholeDates(QDateEdit* picker) {
  picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
  const QFontMetrics metrics = picker->fontMetrics();
  const auto width = [&](QDate date) {
    return metrics.horizontalAdvance(picker->locale().toString(date, picker->displayFormat()));
  };
  // A year holds every month on every weekday, and each day of the month.
  int widest = 0;
  for (QDate day(2027, 1, 1); day.year() == 2027; day = day.addDays(1)) widest = std::max(widest, width(day));
  // Other years' digits may be a little wider.
  widest += metrics.horizontalAdvance(QLatin1Char('0'));
  const int measured = std::max(width(picker->minimumDate()), width(picker->maximumDate()));
  picker->setMinimumWidth(picker->sizeHint().width() + std::max(0, widest - measured));
}

void SelectSectionOnClick(QTimeEdit* picker) {
  if (auto* text = picker->findChild<QLineEdit*>()) new SectionOnClick(picker, text);
}

}  // namespace editors
