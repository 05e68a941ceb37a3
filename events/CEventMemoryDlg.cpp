#include "events/CEventMemoryDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/events/EventCsv.h"
#include "link/PanelLink.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/WholeFile.h"

namespace events {
namespace {

std::string TranslateCoreText(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

CEventMemoryDlg::CEventMemoryDlg(QWidget* parent)
    : EditorDialog(parent),
      text_(new QPlainTextEdit(this)),
      more_(new QPushButton(tr("+10"), this)),
      save_(new QPushButton(tr("Save…"), this)),
      exit_(new QPushButton(tr("Exit"), this)) {
  setWindowTitle(tr("Event memory"));
  text_->setAccessibleName(windowTitle());  // no label on screen
  text_->setReadOnly(true);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setMinimumSize(460, 220);
  // Enter belongs to the window, not to whichever button has the focus.
  for (QPushButton* button : {more_, save_, exit_}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(more_);
  buttons->addWidget(save_);
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);

  connect(more_, &QPushButton::clicked, this, &CEventMemoryDlg::nextPage);
  connect(save_, &QPushButton::clicked, this, &CEventMemoryDlg::saveShown);
  connect(exit_, &QPushButton::clicked, this, &CEventMemoryDlg::reject);
  connect(&startTimer_, &platform::OneShotTimer::timeout, this, &CEventMemoryDlg::startReview);
}

void CEventMemoryDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  startTimer_.start(1);
}

void CEventMemoryDlg::startReview() {
  panel::SendPanelFrame(EventReview::StartFrame(), this);
}

void CEventMemoryDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<EventReview::Step> step = review_.take(frame, length);
  if (!step) return;
  if (step->shown) {
    std::string line = FormatEventLine(step->record, TranslateCoreText);
    line.resize(line.size() - 2);  // the text area breaks lines itself
    text_->appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    shown_.push_back(step->record);
  }
  panel::SendPanelFrame(step->next, this);
}

void CEventMemoryDlg::nextPage() { panel::SendPanelFrame(review_.nextPage(), this); }

void CEventMemoryDlg::saveShown() {
  const QString path =
      platform::ChooseFileToSave(this, tr("Save event memory"), tr("CSV files (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  std::string csv = EventCsvHeader();
  for (const EventRecord& record : shown_) csv += EventCsvRow(record);
  QString error;
  if (!platform::WriteWholeFile(path, QByteArray::fromStdString(csv), error))
    platform::ShowMessage(this, windowTitle(),
                          tr("The events could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(path), error));
}

void CEventMemoryDlg::reject() {
  if (isVisible()) panel::SendPanelFrame(EventReview::EndFrame(), this);
  EditorDialog::reject();
}

void CEventMemoryDlg::done(int result) {
  // A window closed within its first millisecond must not start a review.
  startTimer_.stop();
  EditorDialog::done(result);
}

void CEventMemoryDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  EditorDialog::keyPressEvent(event);
}

}  // namespace events
