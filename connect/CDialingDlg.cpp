#include "connect/CDialingDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/ModemProgress.h"
#include "platform/ElidedLabel.h"

namespace connection {
namespace {

constexpr int kProgressMax = 100;

using namespace panel::modem;

}  // namespace

CDialingDlg::CDialingDlg(serial::SerialCommandSink& worker, QWidget* parent)
    : QDialog(parent), worker_(worker), start_(this) {
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

  statusText_ = tr("Dialing");
  status_->setFullText(statusText_);
  connect(cancel_, &QPushButton::clicked, this, &CDialingDlg::requestCancel);
  connect(&start_, &platform::OneShotTimer::timeout, this, [this] { post(serial::kFindModem); });
  start_.start(1);
}

QString CDialingDlg::statusText() const { return statusText_; }
QString CDialingDlg::logText() const { return log_->toPlainText(); }
int CDialingDlg::progress() const { return progressBar_->value(); }

void CDialingDlg::post(int command) {
  if (worker_.running()) worker_.post(command, this);
}

void CDialingDlg::requestCancel() { post(serial::kCancelCall); }

void CDialingDlg::advanceProgress() {
  progressBar_->setValue(std::min(counter_, kProgressMax));
  ++counter_;
}

void CDialingDlg::appendLog(const QString& text) {
  // The log keeps the lines' CR LF as line breaks.
  QString plain = text;
  plain.remove(QLatin1Char('\r'));
  log_->moveCursor(QTextCursor::End);
  log_->insertPlainText(plain);
}

void CDialingDlg::handleSerialResult(int code, int value) {
  // A report that was under way when the dialog ended changes nothing.
  if (finished_) return;
  if (code == serial::kCallEnded) {
    reject();
    return;
  }
  if (code == serial::kModemSearched) {
    if (value == 0) reject();
    appendLog(QString::asprintf("\r\nFind modem on port %d", value));
    advanceProgress();
    post(serial::kDial);
  }
  appendLog(QString::asprintf("\r\nCommand %d %d", code, value));
  advanceProgress();
  if (code == serial::kCallStatus) callStatus(value);
  status_->setFullText(statusText_);
}

void CDialingDlg::callStatus(int status) {
  switch (status) {
    case kNothingYet: statusText_ += QLatin1Char('.'); break;
    case kDialling: statusText_ = tr("Dailing!"); break;
    case kCheckPassword: statusText_ = tr("Check password"); break;
    case kDownloadParameters: statusText_ = tr("Download parameters"); break;
    case kDownloadInfoStruct: statusText_ = tr("Download InfoStruct"); break;
    case kDownloadEvents: statusText_ = tr("Download Events"); break;
    case kDownloadFinished: statusText_ = tr("Download finished"); break;
    case kPasswordError: statusText_ = tr("Password error!"); break;
    case kCallReady: accept(); return;
    case kNoCarrier:
    case kHungUp: statusText_ = tr("No carrier"); return;
    case kUnknownNumber: statusText_ = tr("I don't know your phone number!"); return;
    case kStartAgain:
      statusText_.clear();
      counter_ = 0;
      progressBar_->setValue(0);
      log_->clear();
      return;
    case kCommunicationError: statusText_ += tr("  Error communication. Try again"); return;
    default: return;
  }
  post(serial::kNextStep);
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
