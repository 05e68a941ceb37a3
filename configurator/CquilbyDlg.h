#pragma once

#include <QDialog>
#include <array>

#include "configurator/ModuleView.h"
#include "configurator/QuilbyOptions.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quilby {

class CIpAddressCtrl;
class CListenSocket;

// quilby's one window: waits for a module, shows its settings record and,
// on OK, writes the edited record back on the same connection.
class CquilbyDlg : public QDialog, public ModuleView {
  Q_OBJECT
 public:
  explicit CquilbyDlg(const QuilbyOptions& options, QWidget* parent = nullptr);
  ~CquilbyDlg() override;

  void showRecord(ModuleSettingsRecord& record) override;
  void clearAndDisable() override;
  void setTitle(const QString& title) override;
  void requestClose() override;

  // None when the listening socket could not be made, or after the close box.
  CListenSocket* listenSocket() const { return listen_; }
  // The record being edited, lent by the connection that brought it.
  ModuleSettingsRecord* editedRecord() const { return edited_; }
  // Stands in for the system menu's item.
  QAction* aboutAction() const { return aboutAction_; }

  static QString versionTitle();

 public slots:
  void showAbout();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void buildControls();
  void onOk();
  void onAddressModeChanged();
  void onNonAuthorizedToggled(bool on);
  void putControlsIntoRecord(ModuleSettingsRecord& record) const;

  QRadioButton* obtainAutomatically_;
  QRadioButton* useFollowing_;
  CIpAddressCtrl* ipAddress_;
  CIpAddressCtrl* subnetMask_;
  CIpAddressCtrl* gateway_;
  CIpAddressCtrl* dnsServer_;
  CIpAddressCtrl* authorizedPc_;
  std::array<QLineEdit*, 4> receivers_{};
  QLabel* accountNumber_;
  QLabel* linkVersion_;
  QCheckBox* ethernetTamper_;
  QCheckBox* systemTamper_;
  QCheckBox* disableAck_;
  QCheckBox* nonAuthorized_;
  QLineEdit* password_;
  QLineEdit* confirmation_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QAction* aboutAction_;

  CListenSocket* listen_ = nullptr;
  ModuleSettingsRecord* edited_ = nullptr;
};

}  // namespace quilby
