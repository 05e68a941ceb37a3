#pragma once

class QDateEdit;
class QTimeEdit;

namespace editors {

// A date picker in the locale's long date format, wide enough for its
// longest date: the widget measures only its first and last date, so
// "Wednesday, 29 September 2027" would show cut.
void ShowWholeDates(QDateEdit* picker);

// A click into a time picker selects the hour or minute clicked, so the
// digits typed next replace it, as they do after Tab.
void SelectSectionOnClick(QTimeEdit* picker);

}  // namespace editors
