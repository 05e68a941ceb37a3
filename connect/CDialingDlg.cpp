#include "connect/CDialingDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ElidedLabel.h"

namespace connection {
namespace {

constexpr int kProgressMax = 100;

}  // namespace

CDialingDlg::CDialingDlg(serial::SerialCommandSink& worker, QWidget* parent)
    : QDialog(parent), dial_(worker, this), start_(this) {
  setWindowTitle(tr("Dialog"));
  status_ = new platform::ElidedLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("progress"));
  progressBar_->setRange(0, kProgressMax);
  progressBar_->setValue(0);
  log_ = new QPlainTextEdit(this);
  log_->setObjectName(QStringLiteral("log"));
  log_->setReadOnly(true);
  // No labels on screen; a screen reader still names them.
  log_->setAccessibleName(tr("Call log"));
  progressBar_->setAccessibleName(tr("Call progress"));
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(progressBar_);
  layout->addWidget(log_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);

  status_->setFullText(dial_.statusText());
  connect(cancel_, &QPushButton::clicked, this, &CDialingDlg::requestCancel);
  connect(&start_, &platform::OneShotTimer::timeout, this, [this] { dial_.start(); });
  start_.start(1);
}

QString CDialingDlg::statusText() const { return dial_.statusText(); }
QString CDialingDlg::logText() const { return log_->toPlainText(); }
int CDialingDlg::progress() const { return progressBar_->value(); }

void CDialingDlg::requestCancel() { dial_.cancel(); }

void CDialingDlg::showDial() {
  status_->setFullText(dial_.statusText());
  progressBar_->setValue(dial_.progress());
  // The log keeps the lines' CR LF as line breaks; new lines are added at its end.
  QString log = dial_.logText();
  log.remove(QLatin1Char('\r'));
  const QString shown = log_->toPlainText();
  if (log.startsWith(shown)) {
    log_->moveCursor(QTextCursor::End);
    log_->insertPlainText(log.mid(shown.size()));
  } else {
    log_->setPlainText(log);
  }
}

void CDialingDlg::handleSerialResult(int code, int value) {
  // A report that was under way when the dialog ended changes nothing.
  if (finished_) return;
  const GsmDial::Outcome outcome = dial_.report(code, value);
  showDial();
  if (outcome == GsmDial::Outcome::Ready)
    accept();
  else if (outcome == GsmDial::Outcome::Cancelled)
    reject();
}

void CDialingDlg::done(int result) {
  finished_ = true;
  start_.stop();
  QDialog::done(result);
}

void CDialingDlg::keyPressEvent(QKeyEvent* event) {
  // Escape asks the worker to hang up, as Cancel does; the dialog waits for it.
  if (event->key() == Qt::Key_Escape) {
    requestCancel();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CDialingDlg::closeEvent(QCloseEvent* event) {
  requestCancel();
  event->ignore();
}

}  // namespace connection
