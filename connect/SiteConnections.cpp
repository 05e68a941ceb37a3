#include "connect/SiteConnections.h"

#include <QSettings>

#include "connect/SiteSessionJournal.h"
#include "console/CKeypadDlg.h"
#include "console/ProgramModeMenu.h"
#include "panelfiles/PanelFileCommands.h"
#include "platform/MessageBoxes.h"
#include "sites/CodeMigration.h"
#include "sites/SecretStore.h"
#include "sites/SitesDatabase.h"
#include "sites/widgets/HistoryDlg.h"
#include "sites/widgets/SitesDlg.h"

namespace connection {

SiteConnections::SiteConnections(console::CKeypadDlg& window, quint16 callPort)
    : QObject(&window), window_(window), journal_(new SiteSessionJournal(window)), callPort_(callPort) {
  window_.setConnectDialogFactory([this](QWidget*) -> std::unique_ptr<QDialog> { return makeDialog(); });
  window_.setSitesCommand([this] { openSites(); });
  window_.setHistoryCommand([this] {
    if (const std::optional<sites::Site> site = connectedSite()) openHistory(*site, &window_);
  });
  const QString historyItem = console::FileMenuPath(console::FileMenuItem::SiteHistory);
  window_.setProgramItemHandler(historyItem, [this] {
    if (const std::optional<sites::Site> site = connectedSite())
      openHistory(*site, &window_);
    else
      platform::ShowMessage(&window_, tr("Site history"), tr("The panel connected is not one of the sites list."),
                            platform::MessageBoxes::Kind::Information);
  });
  connect(&window_, &console::CKeypadDlg::connectedThrough, this, &SiteConnections::onConnected);
  connect(&window_, &console::CKeypadDlg::versionShown, this, &SiteConnections::onVersion);
  connect(&sites::SecretStore::instance(), &sites::SecretStore::keyringUnavailable, this,
          [this](const QString& reason) { window_.showNotice(sites::SecretStore::UnavailableNotice(reason)); });
  console::RememberedCodes::install(this);
}

SiteConnections::~SiteConnections() {
  if (console::RememberedCodes::current() == this) console::RememberedCodes::install(nullptr);
}

std::unique_ptr<CRequestConnect> SiteConnections::makeDialog() const {
  auto dialog = std::make_unique<CRequestConnect>(&window_);
  dialog->setCallPort(callPort_);
  return dialog;
}

void SiteConnections::onConnected(QDialog& dialog) {
  auto* connection = qobject_cast<CRequestConnect*>(&dialog);
  if (!connection) return;
  lastRoute_ = connection->usedRoute();
  window_.setReconnectCommand([this] { reconnect(); });
  const std::optional<sites::Site>& site = lastRoute_->site;
  window_.setSiteName(site ? site->name : QString());
  journal_->setSite(site ? site->id : 0);
  connectedAt_ = QDateTime::currentDateTimeUtc();
  // The software follows when the panel reports it; until then the last one seen stays.
  if (site) sites::SharedSites().recordConnection(site->id, connectedAt_, QString());
}

void SiteConnections::onVersion(const QString& text) {
  if (!window_.isConnected() || !lastRoute_ || !lastRoute_->site || text.isEmpty()) return;
  sites::SharedSites().recordConnection(lastRoute_->site->id, connectedAt_, text);
}

void SiteConnections::openSites() {
  if (!sites::EnsureSitesUsable(&window_)) return;
  sites::SitesDlg dialog(&window_);
  dialog.setConnectAllowed(!window_.isConnected());
  dialog.setHistoryCommand([this, &dialog](const sites::Site& site) { openHistory(site, &dialog); });
  if (dialog.exec() != QDialog::Accepted || !dialog.chosenSite()) return;
  connectToSite(*dialog.chosenSite());
}

std::optional<sites::Site> SiteConnections::connectedSite() const {
  if (!window_.isConnected() || window_.siteName().isEmpty() || !lastRoute_ || !lastRoute_->site) return std::nullopt;
  return lastRoute_->site;
}

void SiteConnections::openHistory(const sites::Site& site, QWidget* parent) {
  sites::HistoryDlg dialog(site, parent);
  const std::optional<sites::Site> connected = connectedSite();
  if (connected && connected->id == site.id) {
    dialog.setWriteToPanel([this, &dialog](const panelfiles::PanelImage& image, const QString& name) {
      // The restore runs as the open editor, in program mode like every write.
      if (!window_.isProgramMode()) {
        platform::ShowMessage(&dialog, tr("Write to panel"),
                              tr("Writing to the panel needs program mode: Mode → Program Mode → Install code, then "
                                 "File → Site history…"));
        return;
      }
      if (auto* commands = window_.findChild<panelfiles::PanelFileCommands*>()) commands->writeImageToPanel(image, name);
    });
  }
  dialog.exec();
}

void SiteConnections::connectToSite(const sites::Site& site) {
  if (window_.isConnected()) return;
  const std::unique_ptr<CRequestConnect> dialog = makeDialog();
  dialog->fillFrom(site);
  dialog->startOnShow();
  window_.connectThrough(*dialog);
}

void SiteConnections::connectToSiteNamed(const QString& name) {
  if (!sites::EnsureSitesUsable(&window_)) return;
  if (const std::optional<sites::Site> site = sites::SharedSites().findByName(name)) {
    connectToSite(*site);
    return;
  }
  platform::ShowMessage(&window_, tr("Sites"), tr("There is no site named “%1”.").arg(name));
}

void SiteConnections::reconnect() {
  if (!lastRoute_ || window_.isConnected()) return;
  const std::unique_ptr<CRequestConnect> dialog = makeDialog();
  dialog->fillFrom(*lastRoute_);
  dialog->startOnShow();
  window_.connectThrough(*dialog);
}

void SiteConnections::moveOldRememberedCodes() {
  auto settings = std::make_shared<QSettings>();
  if (!sites::SettingsHoldRememberedCodes(*settings)) return;
  sites::MoveRememberedCodesToKeyring(settings, this, [this](const QString& notice) { window_.showNotice(notice); });
}

// ---- remembered codes

QString SiteConnections::codeKey(const QString& title) const {
  const QString site = lastRoute_ && lastRoute_->site && window_.isConnected() ? lastRoute_->site->name : QString();
  return sites::SecretKey(site, title == QLatin1String("Installer") ? sites::Secret::InstallerCode : sites::Secret::UserCode);
}

void SiteConnections::recall(const QString& title, QObject* context, std::function<void(const QString&)> done) {
  sites::SecretStore::instance().read(codeKey(title), context,
                                      [done](sites::SecretStore::Outcome, const QString& value) { done(value); });
}

void SiteConnections::remember(const QString& title, const QString& code) {
  sites::SecretStore::instance().write(codeKey(title), code);
}

bool SiteConnections::canRemember() const { return sites::SecretStore::instance().available(); }

}  // namespace connection
