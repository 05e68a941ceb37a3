#include "connect/CRequestConnect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "connect/GsmRoute.h"
#include "connect/PcPasswordCheck.h"
#include "link/PanelLink.h"
#include "platform/PrivateSettings.h"
#include "platform/Beeper.h"
#include "platform/MessageBoxes.h"
#include "sites/SecretStore.h"
#include "sites/SitesDatabase.h"
#include "sites/widgets/SiteBox.h"
#include "sites/widgets/SiteEditDlg.h"

namespace connection {
namespace {

constexpr int kAddressChars = 15;
constexpr int kAccountChars = 4;
// The change-password dialog takes up to 63 characters, so the search must
// read as many or a long PC password could never be verified.
constexpr int kPcPasswordChars = 63;

QSettings AppSettings() { return QSettings(QStringLiteral("Vell"), QStringLiteral("tarnel")); }

QString ReceiverKey(int index) { return QStringLiteral("Address/Reseiver%1").arg(index + 1); }

QLineEdit* AddressField(QWidget* parent, const QString& name) {
  static const QRegularExpression kIpv4(QStringLiteral(
      "^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])$"));
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(kAddressChars);
  field->setValidator(new QRegularExpressionValidator(kIpv4, field));
  return field;
}

QLineEdit* TextField(QWidget* parent, const QString& name, int maxLength, bool masked) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(maxLength);
  if (masked) field->setEchoMode(QLineEdit::Password);
  return field;
}

QPushButton* Button(QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// A label in column 0 of its row that names its field for assistive technology.
void AddLabel(QGridLayout* grid, int row, const QString& text, QWidget* field) {
  auto* label = new QLabel(text, field->parentWidget());
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
}

void FailedBeep() { platform::Beeper::current().beep(400, 50); }

}  // namespace

CRequestConnect::CRequestConnect(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Requect connect"));
  buildLayout();
  loadSettings();

  connect(notAuthorised_, &QCheckBox::toggled, directPassword_, &QWidget::setEnabled);
  connect(directConnect_, &QPushButton::clicked, this, &CRequestConnect::onDirectConnect);
  connect(search_, &QPushButton::clicked, this, &CRequestConnect::onSearch);
  connect(change_, &QPushButton::clicked, this, &CRequestConnect::onChange);
  connect(gsmConnect_, &QPushButton::clicked, this, &CRequestConnect::onGsmConnect);
  connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
  connect(&attempt_, &ConnectAttempt::connected, this, &QDialog::accept);
  connect(&attempt_, &ConnectAttempt::failed, this, &CRequestConnect::attemptFailed);
  connect(siteBox_, &sites::SiteBox::siteChosen, this, [this](const sites::Site& site) { fillFrom(site); });
  connect(siteBox_, &sites::SiteBox::noSiteChosen, this, [this] { port_ = defaultPort_; });
  connect(siteBox_, &sites::SiteBox::saveRequested, this, &CRequestConnect::onSaveAsSite);
}

CRequestConnect::~CRequestConnect() = default;

void CRequestConnect::buildLayout() {
  siteBox_ = new sites::SiteBox(this);
  auto* direct = new QGroupBox(tr("Direct connection:"), this);
  notAuthorised_ = new QCheckBox(tr("Not Autorized PC"), direct);
  notAuthorised_->setObjectName(QStringLiteral("notAuthorised"));
  unit_ = AddressField(direct, QStringLiteral("unit"));
  directPassword_ = TextField(direct, QStringLiteral("directPassword"), static_cast<int>(panel::kMaxPasswordChars), true);
  directPassword_->setEnabled(false);
  directConnect_ = Button(direct, tr("Connect"), QStringLiteral("directConnect"));
  auto* directGrid = new QGridLayout(direct);
  directGrid->addWidget(notAuthorised_, 0, 0, 1, 3);
  AddLabel(directGrid, 1, tr("Unit:"), unit_);
  directGrid->addWidget(unit_, 1, 1);
  AddLabel(directGrid, 2, tr("Password: "), directPassword_);
  directGrid->addWidget(directPassword_, 2, 1);
  directGrid->addWidget(directConnect_, 2, 2);

  auto* gsm = new QGroupBox(tr("Direct to GSM unit:"), this);
  phone_ = TextField(gsm, QStringLiteral("phone"), kMaxPhoneChars, false);
  gsmPassword_ = TextField(gsm, QStringLiteral("gsmPassword"), kMaxGsmPasswordChars, true);
  protocol_ = new QComboBox(gsm);
  protocol_->setObjectName(QStringLiteral("protocol"));
  protocol_->addItems({tr("V.110 - 14400 bps"), tr("V.110 - 9600 bsp"),
                       tr("V.32 - 14400 bps"), tr("V.32 - 9600 bps")});
  gsmConnect_ = Button(gsm, tr("Connect"), QStringLiteral("gsmConnect"));
  auto* gsmGrid = new QGridLayout(gsm);
  AddLabel(gsmGrid, 0, tr("Phone number:"), phone_);
  gsmGrid->addWidget(phone_, 0, 1);
  AddLabel(gsmGrid, 1, tr("Password:"), gsmPassword_);
  gsmGrid->addWidget(gsmPassword_, 1, 1);
  AddLabel(gsmGrid, 2, tr("Protocol:"), protocol_);
  gsmGrid->addWidget(protocol_, 2, 1);
  gsmGrid->addWidget(gsmConnect_, 2, 2);

  auto* receivers = new QGroupBox(tr("Search on TCP Receivers:"), this);
  account_ = TextField(receivers, QStringLiteral("account"), kAccountChars, false);
  searchPassword_ = TextField(receivers, QStringLiteral("searchPassword"), kPcPasswordChars, true);
  change_ = Button(receivers, tr("Change"), QStringLiteral("change"));
  search_ = Button(receivers, tr("Search"), QStringLiteral("search"));
  auto* searchGrid = new QGridLayout(receivers);
  AddLabel(searchGrid, 0, tr("Account: "), account_);
  searchGrid->addWidget(account_, 0, 1);
  AddLabel(searchGrid, 1, tr("Password: "), searchPassword_);
  searchGrid->addWidget(searchPassword_, 1, 1);
  searchGrid->addWidget(change_, 1, 2);
  for (int i = 0; i < kReceivers; ++i) {
    receivers_[i] = AddressField(receivers, QStringLiteral("receiver%1").arg(i + 1));
    AddLabel(searchGrid, 2 + i, tr("Reseiver%1:").arg(i + 1), receivers_[i]);
    searchGrid->addWidget(receivers_[i], 2 + i, 1);
  }
  searchGrid->addWidget(search_, 2 + kReceivers, 2);

  exit_ = Button(this, tr("Exit"), QStringLiteral("exit"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(siteBox_);
  layout->addWidget(direct);
  layout->addWidget(gsm);
  layout->addWidget(receivers);
  layout->addWidget(exit_, 0, Qt::AlignRight);

  // Top to bottom, each group's fields before its buttons.
  QWidget* const order[] = {siteBox_->list(), siteBox_->saveButton(), notAuthorised_, unit_,          directPassword_, directConnect_, phone_,
                            gsmPassword_,   protocol_,      gsmConnect_,     account_,       searchPassword_,
                            change_,        receivers_[0],  receivers_[1],   receivers_[2],  receivers_[3],
                            search_,        exit_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  // Both need a part of the program that is bound in at start-up.
  change_->setEnabled(PcPasswordCheck::current() != nullptr);
  gsmConnect_->setEnabled(GsmRoute::current() != nullptr);
}

void CRequestConnect::loadSettings() {
  QSettings settings = AppSettings();
  unit_->setText(settings.value(QStringLiteral("Address/Unit")).toString().left(kAddressChars));
  for (int i = 0; i < kReceivers; ++i)
    receivers_[i]->setText(settings.value(ReceiverKey(i)).toString().left(kAddressChars));
  account_->setText(settings.value(QStringLiteral("Address/Account")).toString().left(kAccountChars));
  phone_->setText(settings.value(QStringLiteral("Setting/phone")).toString().left(kMaxPhoneChars));
  const int protocol = settings.value(QStringLiteral("Setting/Protocol DSC"), 0).toInt();
  protocol_->setCurrentIndex(protocol >= 0 && protocol < protocol_->count() ? protocol : 0);
  if (PcPasswordCheck* check = PcPasswordCheck::current()) searchPassword_->setText(check->password());
}

void CRequestConnect::saveSettings() {
  QSettings settings = AppSettings();
  platform::PrivateSettingsWriter writer(settings);
  accountText_ = account_->text();
  writer.setValue(QStringLiteral("Address/Account"), accountText_);
  writer.setValue(QStringLiteral("Address/Unit"), unit_->text().left(kAddressChars));
  for (int i = 0; i < kReceivers; ++i) writer.setValue(ReceiverKey(i), receivers_[i]->text().left(kAddressChars));
}

void CRequestConnect::done(int result) {
  // Leaving while a call is still logging in gives it up, so no link comes
  // up behind a window that says it is not connected.
  if (result == QDialog::Rejected && attempt_.underWay()) attempt_.abandon();
  attempt_.stopWaiting();
  saveSettings();
  QDialog::done(result);
}

void CRequestConnect::setTcpButtonsEnabled(bool enabled) {
  directConnect_->setEnabled(enabled);
  search_->setEnabled(enabled);
}

void CRequestConnect::onDirectConnect() {
  searching_ = false;
  usedRoute_ = sites::RouteKind::Direct;
  setTcpButtonsEnabled(false);
  // An empty or unfinished address gives nothing to call.
  if (!unit_->hasAcceptableInput()) {
    setTcpButtonsEnabled(true);
    return;
  }
  target_ = unit_->text();
  if (!notAuthorised_->isChecked()) {
    attempt(ConnectAttempt::kDirectAuthorised);
    return;
  }
  if (directPassword_->text().size() < kMinModulePasswordChars) {
    platform::ShowMessage(this, tr("Password"), tr("A password must be more than 8 characters"),
                          platform::MessageBoxes::Kind::Critical);
    setTcpButtonsEnabled(true);
    return;
  }
  attempt(ConnectAttempt::kDirectWithPassword);
}

void CRequestConnect::onSearch() {
  const QString password = searchPassword_->text().left(kPcPasswordChars);
  PcPasswordCheck* check = PcPasswordCheck::current();
  int verdict = -1;  // with no password store bound in, nothing can be verified
  if (check) {
    check->setPassword(password);
    verdict = check->verify(password);
  }
  if (verdict == kNoPcPassword) {
    onChange();
    return;
  }
  if (verdict != 0) {
    platform::ShowMessage(this, tr("Password"), tr("Access Denied"),
                          platform::MessageBoxes::Kind::Critical);
    return;
  }
  searching_ = true;
  usedRoute_ = sites::RouteKind::Receivers;
  accountText_ = account_->text();
  setTcpButtonsEnabled(false);
  if (!tryReceiversFrom(0)) {
    // No receiver filled in: nothing to try, so the buttons stay usable.
    searching_ = false;
    setTcpButtonsEnabled(true);
  }
}

void CRequestConnect::onChange() {
  PcPasswordCheck* check = PcPasswordCheck::current();
  if (!check) return;
  check->runChangeDialog(this);
  searchPassword_->setText(check->password());
}

void CRequestConnect::onGsmConnect() {
  {
    QSettings settings = AppSettings();
    platform::PrivateSettingsWriter writer(settings);
    writer.setValue(QStringLiteral("Setting/Protocol DSC"), protocol_->currentIndex());
    writer.setValue(QStringLiteral("Setting/phone"), phone_->text().left(kMaxPhoneChars));
  }
  GsmRoute* route = GsmRoute::current();
  if (!route) return;
  usedRoute_ = sites::RouteKind::Gsm;
  const GsmCall call{phone_->text().left(kMaxPhoneChars), gsmPassword_->text().left(kMaxGsmPasswordChars),
                     protocol_->currentIndex()};
  switch (route->call(this, call)) {
    case GsmRoute::Outcome::AlreadyRunning: break;
    case GsmRoute::Outcome::Cancelled:
      setWindowTitle(tr("GSM Modem ( GT12-Port) not found."));
      FailedBeep();
      break;
    case GsmRoute::Outcome::NoReceiver: FailedBeep(); break;
    case GsmRoute::Outcome::LinkUp:
      FailedBeep();  // the same short tone ends every dialling, also a successful one
      panel::PanelLink::instance().setActiveLink(panel::LinkKind::Serial);
      accept();
      break;
  }
}

bool CRequestConnect::tryReceiversFrom(int from) {
  for (int i = from; i < kReceivers; ++i) {
    if (!receivers_[i]->hasAcceptableInput()) continue;
    receiverIndex_ = i;
    target_ = receivers_[i]->text();
    attempt(ConnectAttempt::kThroughReceiver);
    return true;
  }
  return false;
}

void CRequestConnect::attempt(Mode mode) {
  const std::string secret = (mode == ConnectAttempt::kDirectWithPassword ? directPassword_->text() : accountText_)
                                 .toLatin1()
                                 .toStdString();
  attempt_.start(mode, target_, port_, secret);
  setWindowTitle(tr("Connecting to %1:%2").arg(target_).arg(port_));
}

void CRequestConnect::attemptFailed(int code) {
  setWindowTitle(tr("Error connect to %1:%2  %3").arg(target_).arg(port_).arg(resultText(code)));
  FailedBeep();
  platform::Pause(1000);
  if (searching_) {
    if (tryReceiversFrom(receiverIndex_ + 1)) return;
    receiverIndex_ = kReceivers;
  }
  setTcpButtonsEnabled(true);
}

QString CRequestConnect::resultText(int code) { return ConnectAttempt::ResultText(code); }

// ---- sites

void CRequestConnect::fillRoute(const sites::Site& route) {
  unit_->setText(route.address);
  notAuthorised_->setChecked(route.modulePassword);
  for (int i = 0; i < kReceivers; ++i) receivers_[i]->setText(route.receivers[static_cast<std::size_t>(i)]);
  account_->setText(route.account);
  phone_->setText(route.phone);
  protocol_->setCurrentIndex(route.protocol);
  port_ = static_cast<quint16>(route.port);
  // A secret of another site must not go with this one.
  directPassword_->clear();
  gsmPassword_->clear();
}

void CRequestConnect::fillFrom(const sites::Site& site) {
  if (siteBox_->chosen().value_or(sites::Site{}).id != site.id) siteBox_->choose(site.id);
  fillRoute(site);
  if (site.route == sites::RouteKind::Direct && site.modulePassword)
    readSecret(directPassword_, site.name, static_cast<int>(sites::Secret::ModulePassword));
  if (site.route == sites::RouteKind::Gsm) readSecret(gsmPassword_, site.name, static_cast<int>(sites::Secret::GsmPassword));
}

void CRequestConnect::fillFrom(const ConnectionRoute& route) {
  if (route.site) siteBox_->choose(route.site->id);
  fillRoute(route.route);
  usedRoute_ = route.route.route;
  directPassword_->setText(route.modulePassword);
  gsmPassword_->setText(route.gsmPassword);
}

void CRequestConnect::readSecret(QLineEdit* field, const QString& siteName, int secret) {
  ++secretsAwaited_;
  sites::SecretStore::instance().read(sites::SecretKey(siteName, static_cast<sites::Secret>(secret)), field,
                                      [this, field](sites::SecretStore::Outcome outcome, const QString& value) {
                                        if (outcome == sites::SecretStore::Outcome::Found && field->text().isEmpty())
                                          field->setText(value);
                                        --secretsAwaited_;
                                        startIfReady();
                                      });
}

void CRequestConnect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once the window is up, so that what happens is seen.
  if (startOnShow_) QTimer::singleShot(0, this, &CRequestConnect::startIfReady);
}

void CRequestConnect::startIfReady() {
  if (!startOnShow_ || started_ || secretsAwaited_ > 0 || !isVisible()) return;
  started_ = true;
  // The route of the site, or of the link being repeated.
  const std::optional<sites::Site> site = siteBox_->chosen();
  const sites::RouteKind route = site ? site->route : usedRoute_;
  // A secret nobody gave is asked for where it is typed.
  QLineEdit* missing = nullptr;
  if (route == sites::RouteKind::Direct && notAuthorised_->isChecked() && directPassword_->text().isEmpty())
    missing = directPassword_;
  if (route == sites::RouteKind::Receivers && searchPassword_->text().isEmpty()) missing = searchPassword_;
  if (route == sites::RouteKind::Gsm && gsmPassword_->text().isEmpty()) missing = gsmPassword_;
  if (missing) {
    missing->setFocus();
    return;
  }
  switch (route) {
    case sites::RouteKind::Direct: onDirectConnect(); break;
    case sites::RouteKind::Receivers: onSearch(); break;
    case sites::RouteKind::Gsm: onGsmConnect(); break;
  }
}

ConnectionRoute CRequestConnect::usedRoute() const {
  ConnectionRoute used;
  used.site = siteBox_->chosen();
  used.route.route = usedRoute_;
  used.route.address = unit_->text();
  used.route.port = port_;
  used.route.modulePassword = notAuthorised_->isChecked();
  for (int i = 0; i < kReceivers; ++i) used.route.receivers[static_cast<std::size_t>(i)] = receivers_[i]->text();
  used.route.account = account_->text();
  used.route.phone = phone_->text();
  used.route.protocol = protocol_->currentIndex();
  used.modulePassword = directPassword_->text();
  used.gsmPassword = gsmPassword_->text();
  return used;
}

void CRequestConnect::onSaveAsSite() {
  sites::Site site = usedRoute().route;
  // The route of the fields filled in, in the dialog's order.
  const bool receiversFilled =
      std::any_of(receivers_.begin(), receivers_.end(), [](const QLineEdit* r) { return !r->text().isEmpty(); });
  site.route = !unit_->text().isEmpty() ? sites::RouteKind::Direct
               : receiversFilled        ? sites::RouteKind::Receivers
               : !phone_->text().isEmpty() ? sites::RouteKind::Gsm
                                           : sites::RouteKind::Direct;
  sites::SiteEditDlg editor(sites::SharedSites(), site, QString(), this);
  editor.setSecrets({notAuthorised_->isChecked() ? directPassword_->text() : QString(), gsmPassword_->text()});
  if (editor.exec() != QDialog::Accepted) return;
  siteBox_->reload(editor.site().id);
  port_ = static_cast<quint16>(editor.site().port);
}

}  // namespace connection
