#include "events/CDiagnosticDlg.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "events/CTabbedText.h"
#include "link/PanelLink.h"
#include "platform/MessageBoxes.h"

namespace events {

namespace {
constexpr MaintenanceAction kActions[] = {MaintenanceAction::RestoreCodesAndPhones, MaintenanceAction::RestoreAll,
                                          MaintenanceAction::ClearMemory, MaintenanceAction::CallBack};

std::size_t Slot(MaintenanceAction action) {
  return static_cast<std::size_t>(static_cast<int>(action) - static_cast<int>(MaintenanceAction::RestoreCodesAndPhones));
}
}  // namespace

CDiagnosticDlg::CDiagnosticDlg(QWidget* parent)
    : EditorDialog(parent), exit_(new QPushButton(tr("Exit"), this)) {
  setWindowTitle(tr("Diagnostic"));
  auto* layout = new QVBoxLayout(this);
  for (CTabbedText*& line : lines_) {
    line = new CTabbedText(this);
    layout->addWidget(line);
  }

  actions_[Slot(MaintenanceAction::RestoreCodesAndPhones)] =
      new QPushButton(tr("Codes and  telephones"), this);
  actions_[Slot(MaintenanceAction::RestoreAll)] = new QPushButton(tr("A L L"), this);
  actions_[Slot(MaintenanceAction::ClearMemory)] = new QPushButton(tr("Clear Memory"), this);
  actions_[Slot(MaintenanceAction::CallBack)] = new QPushButton(tr("CallBack"), this);

  auto* restore = new QGroupBox(tr("Restore:"), this);
  auto* restoreRow = new QHBoxLayout(restore);
  restoreRow->addWidget(actionButton(MaintenanceAction::RestoreCodesAndPhones));
  restoreRow->addWidget(actionButton(MaintenanceAction::RestoreAll));
  auto* row = new QHBoxLayout;
  row->addWidget(restore);
  row->addWidget(actionButton(MaintenanceAction::ClearMemory));
  row->addWidget(actionButton(MaintenanceAction::CallBack));
  row->addStretch();
  row->addWidget(exit_);
  layout->addLayout(row);

  for (MaintenanceAction action : kActions) {
    QPushButton* button = actionButton(action);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, action] { runAction(action); });
  }
  exit_->setAutoDefault(false);
  connect(exit_, &QPushButton::clicked, this, &CDiagnosticDlg::accept);
  connect(&readTimer_, &platform::OneShotTimer::timeout, this, &CDiagnosticDlg::readItems);
}

QString CDiagnosticDlg::lineText(int line) const { return lines_.at(static_cast<std::size_t>(line))->text(); }

QPushButton* CDiagnosticDlg::actionButton(MaintenanceAction action) const { return actions_.at(Slot(action)); }

void CDiagnosticDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  readTimer_.start(1);
}

void CDiagnosticDlg::readItems() { panel::SendPanelFrame(DiagnosticReadRequests(), this); }

void CDiagnosticDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<DiagnosticLine> answer = DecodeDiagnosticReply(frame, length);
  if (!answer) return;
  // The caption in the reader's language, the values as the panel gave them.
  const char* caption = kDiagnosticCaptions[static_cast<std::size_t>(answer->line)];
  const std::string values = answer->text.substr(std::strlen(caption));
  lines_[static_cast<std::size_t>(answer->line)]->setText(QCoreApplication::translate(kDiagnosticContext, caption) +
                                                          QString::fromStdString(values));
}

void CDiagnosticDlg::runAction(MaintenanceAction action) {
  panel::SendPanelFrame(MaintenanceRequest(action), this);
  const bool yes = platform::AskYesNo(this, tr("Attention"), tr("Are you sure?"));
  panel::SendPanelFrame(panel::KeystrokeFrame({yes ? panel::key::kEnter : panel::key::kNo}), this);
}

}  // namespace events
