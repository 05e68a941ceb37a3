#include "console/EditorDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <vector>

#include "link/PanelLink.h"
#include "platform/Timing.h"

namespace console {

namespace {
// Guarded, so a dialog destroyed without the keypad window noticing is never reached.
QPointer<EditorDialog>& OpenEditorSlot() {
  static QPointer<EditorDialog> open;
  return open;
}

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}
}  // namespace

EditorDialog::EditorDialog(QWidget* parent) : QDialog(parent) {
  pauseTimer_.setSingleShot(true);
  // A coarse timer may end a pause early by up to a twentieth of it.
  pauseTimer_.setTimerType(Qt::PreciseTimer);
  connect(&pauseTimer_, &QTimer::timeout, this, &EditorDialog::endPause);
}

EditorDialog::~EditorDialog() {
  dropHeldWork();
  if (OpenEditorSlot() == this) OpenEditorSlot() = nullptr;
}

void EditorDialog::closeRequest() { reject(); }

EditorDialog* EditorDialog::openEditor() { return OpenEditorSlot().data(); }

void EditorDialog::setOpenEditor(EditorDialog* editor) { OpenEditorSlot() = editor; }

void EditorDialog::showEvent(QShowEvent* event) {
  ended_ = false;
  setOpenEditor(this);
  QDialog::showEvent(event);
}

void EditorDialog::receiveFrame(const std::uint8_t* frame, std::size_t length) {
  if (!isPaused()) {
    handlePanelFrame(frame, length);
    return;
  }
  hold([this, copy = std::vector<std::uint8_t>(frame, frame + length)] { handlePanelFrame(copy.data(), copy.size()); });
}

void EditorDialog::send(const panel::FrameBytes& frame) {
  if (ended_) return;
  if (!isPaused()) {
    panel::SendPanelFrame(frame, this);
    return;
  }
  hold([this, frame] { panel::SendPanelFrame(frame, this); });
}

void EditorDialog::pauseAfterWrite(int ms) {
  if (ended_) return;
  if (isPaused()) {
    hold([this, ms] { pauseAfterWrite(ms); });
    return;
  }
  qApp->installEventFilter(this);
  // A button held down repeats on its own timer, which is no input to hold:
  // let it go, its release then clicks nothing.
  for (QAbstractButton* button : findChildren<QAbstractButton*>())
    if (button->isDown()) button->setDown(false);
  pauseTimer_.start(platform::Timing::current().pauseInterval(ms));
}

void EditorDialog::inTurn(std::function<void()> work) {
  if (ended_) return;
  if (isPaused())
    hold(std::move(work));
  else
    work();
}

void EditorDialog::hold(std::function<void()> work) { held_.push_back(std::move(work)); }

void EditorDialog::endPause() {
  qApp->removeEventFilter(this);
  // Held work may pause again; what is left then waits for that pause.
  while (!held_.empty() && !isPaused()) {
    std::function<void()> work = std::move(held_.front());
    held_.pop_front();
    work();
  }
}

void EditorDialog::dropHeldWork() {
  pauseTimer_.stop();
  held_.clear();
  if (qApp) qApp->removeEventFilter(this);
}

bool EditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (!isPaused() || !IsUserInput(event->type())) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // A greyed control takes no input now, and must not take it later.
  if (!widget || widget->window() != this || !widget->isEnabled()) return false;
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  hold([this, target = QPointer<QWidget>(widget), key, copy = std::shared_ptr<QEvent>(event->clone())] {
    // Keys go where the focus is when they are handled: a held Tab moves it
    // for the keys typed after it.
    QWidget* focus = QApplication::focusWidget();
    QWidget* receiver = key ? (focus && focus->window() == this ? focus : this) : target.data();
    if (receiver) QCoreApplication::sendEvent(receiver, copy.get());
  });
  return true;
}

void EditorDialog::closeEvent(QCloseEvent* event) {
  // The close box waits for the pause like any other input.
  if (isPaused() && event->spontaneous()) {
    event->ignore();
    hold([this] { close(); });
    return;
  }
  QDialog::closeEvent(event);
}

void EditorDialog::done(int result) {
  ended_ = true;
  dropHeldWork();
  // Nothing the editor has scheduled runs once it is closed: a late load
  // would put up its message box over the keypad window.
  for (platform::OneShotTimer* timer : findChildren<platform::OneShotTimer*>()) timer->stop();
  QDialog::done(result);
}

}  // namespace console
