#include "tests/support/TestSeams.h"

#include <cmath>

#include "platform/DesktopFeedback.h"

namespace testseams {

QMessageBox::StandardButton ScriptedMessageBoxes::show(QWidget*, Kind kind, const QString& caption,
                                                       const QString& text,
                                                       QMessageBox::StandardButtons buttons) {
  shown.push_back({kind, caption, text, buttons});
  if (!answers.empty()) {
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes;
}

QString ScriptedFileDialogs::choose(QWidget*, const Request& request) {
  asked.push_back(request);
  if (whileChoosing) whileChoosing();
  if (answers.empty()) return {};
  const QString path = answers.front();
  answers.pop_front();
  return path;
}

int RecordingTiming::timerInterval(int requestedMs) {
  timers.push_back(requestedMs);
  return static_cast<int>(std::lround(requestedMs * scale));
}

int RecordingTiming::pauseInterval(int requestedMs) {
  pauses.push_back(requestedMs);
  return static_cast<int>(std::lround(requestedMs * scale));
}

RecordingBeeper& Beeps() {
  static RecordingBeeper beeper;
  return beeper;
}

ScriptedMessageBoxes& Boxes() {
  static ScriptedMessageBoxes boxes;
  return boxes;
}

ScriptedFileDialogs& Files() {
  static ScriptedFileDialogs files;
  return files;
}

RecordingTiming& Times() {
  static RecordingTiming timing;
  return timing;
}

void ResetSeams() {
  Beeps() = RecordingBeeper{};
  Boxes() = ScriptedMessageBoxes{};
  Files() = ScriptedFileDialogs{};
  Times() = RecordingTiming{};
  // System errors in (scripted) message boxes, as in the windowed programs.
  platform::UseDesktopFeedback();
  platform::Beeper::install(&Beeps());
  platform::MessageBoxes::install(&Boxes());
  platform::FileDialogs::install(&Files());
  platform::Timing::install(&Times());
  panel::PanelLink::instance().reset();
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

}  // namespace testseams
