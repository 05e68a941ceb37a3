#pragma once

#include <array>
#include <cstdint>

#include "console/EditorDialog.h"
#include "core/events/DiagnosticReplies.h"
#include "platform/Timing.h"

class QPushButton;

namespace events {

class CTabbedText;

// Shows the panel's version, the keypad's areas, the active time zones and
// the battery voltage, and offers the four maintenance actions, each
// confirmed by the user before the panel carries it out.
class CDiagnosticDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  explicit CDiagnosticDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;

  // 0 version, 1 keypad areas, 2 time zones, 3 battery voltage.
  QString lineText(int line) const;
  QPushButton* actionButton(MaintenanceAction action) const;
  QPushButton* exitButton() const { return exit_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void readItems();
  void runAction(MaintenanceAction action);

  std::array<CTabbedText*, 4> lines_{};
  std::array<QPushButton*, 4> actions_{};
  QPushButton* exit_;
  platform::OneShotTimer readTimer_;
  bool started_ = false;
};

}  // namespace events
