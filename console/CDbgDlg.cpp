#include "console/CDbgDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/keypad/DebugFrameText.h"

namespace console {
namespace {
constexpr int kMaxLogLines = 50000;
}

CDbgDlg::CDbgDlg(FrameRequest frameRequest, QWidget* parent)
    : QDialog(parent),
      frameRequest_(std::move(frameRequest)),
      log_(new QPlainTextEdit(this)),
      frameBox_(new QComboBox(this)),
      send_(new QPushButton(tr("Send"), this)) {
  setWindowTitle(tr("Debug"));
  // Neither has a label on screen; a screen reader still names them.
  log_->setAccessibleName(tr("Frames sent and received"));
  frameBox_->setAccessibleName(tr("Frame to send"));
  log_->setReadOnly(true);
  log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  log_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // A session can run for days; the oldest lines go first.
  log_->setMaximumBlockCount(kMaxLogLines);

  frameBox_->setEditable(true);
  frameBox_->setInsertPolicy(QComboBox::NoInsert);  // history is kept by sendTyped
  frameBox_->lineEdit()->setMaxLength(static_cast<int>(kMaxDebugTextChars));
  connect(frameBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    const QString upper = text.toUpper();
    if (upper == text) return;
    QLineEdit* edit = frameBox_->lineEdit();
    const int cursor = edit->cursorPosition();
    edit->setText(upper);
    edit->setCursorPosition(cursor);
  });

  // Enter is a keypad key here, not "Send".
  send_->setAutoDefault(false);
  send_->setDefault(false);
  connect(send_, &QPushButton::clicked, this, &CDbgDlg::sendTyped);

  auto* row = new QHBoxLayout;
  row->addWidget(frameBox_, 1);
  row->addWidget(send_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(log_, 1);
  layout->addLayout(row);
  resize(520, 360);

  for (QObject* watched : {static_cast<QObject*>(this), static_cast<QObject*>(log_),
                           static_cast<QObject*>(frameBox_), static_cast<QObject*>(frameBox_->lineEdit()),
                           static_cast<QObject*>(send_)})
    watched->installEventFilter(this);
}

void CDbgDlg::appendLogLine(std::string_view line) {
  if (line.ends_with("\r\n")) line.remove_suffix(2);  // the log's own line breaks stand in for them
  if (!pending_.isEmpty()) pending_ += QLatin1Char('\n');
  pending_ += QLatin1String(line.data(), static_cast<qsizetype>(line.size()));
  if (flushQueued_) return;
  flushQueued_ = true;
  QMetaObject::invokeMethod(this, &CDbgDlg::flushPending, Qt::QueuedConnection);
}

void CDbgDlg::flushPending() {
  flushQueued_ = false;
  if (pending_.isEmpty()) return;
  log_->appendPlainText(pending_);
  pending_.clear();
}

QPlainTextEdit* CDbgDlg::log() {
  flushPending();
  return log_;
}

void CDbgDlg::sendTyped() {
  const QString text = frameBox_->currentText().left(static_cast<qsizetype>(kMaxDebugTextChars));
  if (frameRequest_) frameRequest_(DebugTextFrame(text.toStdString()));
  if (frameBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    int at = 0;
    while (at < frameBox_->count() && frameBox_->itemText(at) < text) ++at;
    frameBox_->insertItem(at, text);
    frameBox_->setCurrentIndex(at);
  }
}

int CDbgDlg::KeyCodeForRelease(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) return panel::key::kEnter;
  if (qtKey == Qt::Key_A) return 0x0A;
  if ((modifiers & Qt::KeypadModifier) && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey - Qt::Key_0;
  return -1;
}

bool CDbgDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->isAutoRepeat() ? -1 : KeyCodeForRelease(key->key(), key->modifiers());
    if (code >= 0) {
      if (frameRequest_) frameRequest_(panel::KeyFrame(static_cast<std::uint8_t>(code)));
      // Taken here, so the parents it would travel on to do not send it again.
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace console
