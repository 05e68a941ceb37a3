#include "configurator/CquilbyDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Version.h"
#include "configurator/CAboutDlg.h"
#include "configurator/CIpAddressCtrl.h"
#include "configurator/CListenSocket.h"
#include "configurator/QuilbyIcon.h"
#include "platform/MessageBoxes.h"

namespace quilby {
namespace {

using Text = ModuleSettingsRecord::Text;

// Record texts are 8-bit; Latin-1 maps each byte to one character and back.
QString FromRecord(const ModuleSettingsRecord& record, Text which) {
  const std::string text = record.text(which);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void ToRecord(ModuleSettingsRecord& record, Text which, const QString& value) {
  const QByteArray bytes = value.toLatin1();
  record.setText(which, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QLineEdit* MakeTextField(QWidget* parent, const char* name, int maxChars) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(maxChars);
  return field;
}

// A label in column 0 of its row that names its field for assistive technology.
void AddLabel(QGridLayout* grid, int row, const QString& text, QWidget* field) {
  auto* label = new QLabel(text, field->parentWidget());
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
}

}  // namespace

QString CquilbyDlg::versionTitle() {
  return tr("Quilby ver %1.%2")
      .arg(build_info::kVersionMajor)
      .arg(build_info::kVersionMinor, 2, 10, QLatin1Char('0'));
}

CquilbyDlg::CquilbyDlg(const QuilbyOptions& options, QWidget* parent) : QDialog(parent) {
  buildControls();
  setWindowIcon(QuilbyIcon());
  setWindowTitle(versionTitle());

  listen_ = new CListenSocket(*this, options.constants, this);
  if (!listen_->create(options.port, options.address)) {
    delete listen_;
    listen_ = nullptr;
  }
  clearAndDisable();
}

CquilbyDlg::~CquilbyDlg() {
  // The sockets talk to this window; they go first.
  delete listen_;
  listen_ = nullptr;
}

void CquilbyDlg::buildControls() {
  // --- "Pavrel link:" ---
  auto* linkGroup = new QGroupBox(tr("Pavrel link:"), this);
  auto* modeFrame = new QFrame(linkGroup);
  modeFrame->setFrameShape(QFrame::StyledPanel);
  obtainAutomatically_ =
      new QRadioButton(tr("Obtain an IP address automatically"), modeFrame);
  obtainAutomatically_->setObjectName(QStringLiteral("obtainAutomatically"));
  useFollowing_ = new QRadioButton(tr("Use the following IP address:"), modeFrame);
  useFollowing_->setObjectName(QStringLiteral("useFollowing"));
  useFollowing_->setChecked(true);
  auto* modeLayout = new QVBoxLayout(modeFrame);
  modeLayout->addWidget(obtainAutomatically_);
  modeLayout->addWidget(useFollowing_);

  auto makeAddress = [&](QWidget* owner, const char* name) {
    auto* field = new CIpAddressCtrl(owner);
    field->setObjectName(QString::fromLatin1(name));
    return field;
  };
  ipAddress_ = makeAddress(linkGroup, "ipAddress");
  subnetMask_ = makeAddress(linkGroup, "subnetMask");
  gateway_ = makeAddress(linkGroup, "defaultGateway");
  dnsServer_ = makeAddress(linkGroup, "dnsServer");
  auto* linkLayout = new QGridLayout(linkGroup);
  linkLayout->addWidget(modeFrame, 0, 0, 1, 2);
  AddLabel(linkLayout, 1, tr("IP address:"), ipAddress_);
  linkLayout->addWidget(ipAddress_, 1, 1);
  AddLabel(linkLayout, 2, tr("Subnet mask:"), subnetMask_);
  linkLayout->addWidget(subnetMask_, 2, 1);
  AddLabel(linkLayout, 3, tr("Default gateway:"), gateway_);
  linkLayout->addWidget(gateway_, 3, 1);
  AddLabel(linkLayout, 4, tr("DNS server:"), dnsServer_);
  linkLayout->addWidget(dnsServer_, 4, 1);

  // --- "Receivers:" ---
  auto* receiversGroup = new QGroupBox(tr("Receivers:"), this);
  authorizedPc_ = makeAddress(receiversGroup, "authorizedPc");
  auto* receiversLayout = new QGridLayout(receiversGroup);
  AddLabel(receiversLayout, 0, tr("Authorized PC IP:"), authorizedPc_);
  receiversLayout->addWidget(authorizedPc_, 0, 1);
  const char* const receiverLabels[4] = {QT_TR_NOOP(" 1:"), QT_TR_NOOP(" 2:"), QT_TR_NOOP("3:"), QT_TR_NOOP("4:")};
  const char* receiverNames[4] = {"receiver1", "receiver2", "receiver3", "receiver4"};
  for (int i = 0; i < 4; ++i) {
    receivers_[i] = MakeTextField(receiversGroup, receiverNames[i],
                                  static_cast<int>(ModuleSettingsRecord::maxChars(Text::Receiver1)));
    AddLabel(receiversLayout, i + 1, tr(receiverLabels[i]), receivers_[i]);
    receiversLayout->addWidget(receivers_[i], i + 1, 1);
  }

  // --- "Control Panel:" ---
  auto* panelGroup = new QGroupBox(tr("Control Panel:"), this);
  accountNumber_ = new QLabel(panelGroup);
  accountNumber_->setObjectName(QStringLiteral("accountNumber"));
  linkVersion_ = new QLabel(panelGroup);
  linkVersion_->setObjectName(QStringLiteral("linkVersion"));
  auto* panelLayout = new QGridLayout(panelGroup);
  AddLabel(panelLayout, 0, tr("Account number:"), accountNumber_);
  panelLayout->addWidget(accountNumber_, 0, 1);
  AddLabel(panelLayout, 1, tr("Link Version:"), linkVersion_);
  panelLayout->addWidget(linkVersion_, 1, 1);

  // --- "Enable tamper:" and "Disable Ack" ---
  auto* tamperGroup = new QGroupBox(tr("Enable tamper:"), this);
  ethernetTamper_ = new QCheckBox(tr("Ethernet"), tamperGroup);
  ethernetTamper_->setObjectName(QStringLiteral("ethernetTamper"));
  systemTamper_ = new QCheckBox(tr("System"), tamperGroup);
  systemTamper_->setObjectName(QStringLiteral("systemTamper"));
  auto* tamperLayout = new QHBoxLayout(tamperGroup);
  tamperLayout->addWidget(ethernetTamper_);
  tamperLayout->addWidget(systemTamper_);
  disableAck_ = new QCheckBox(tr("Disable Ack"), this);
  disableAck_->setObjectName(QStringLiteral("disableAck"));

  // --- "Direct connect: " ---
  auto* directGroup = new QGroupBox(tr("Direct connect: "), this);
  nonAuthorized_ = new QCheckBox(tr("Enable non-autorized connect"), directGroup);
  nonAuthorized_->setObjectName(QStringLiteral("nonAuthorized"));
  const int passwordChars = static_cast<int>(ModuleSettingsRecord::maxChars(Text::Password));
  password_ = MakeTextField(directGroup, "password", passwordChars);
  password_->setEchoMode(QLineEdit::Password);
  confirmation_ = MakeTextField(directGroup, "confirmation", passwordChars);
  confirmation_->setEchoMode(QLineEdit::Password);
  auto* directLayout = new QGridLayout(directGroup);
  directLayout->addWidget(nonAuthorized_, 0, 0, 1, 2);
  AddLabel(directLayout, 1, tr("Password:"), password_);
  directLayout->addWidget(password_, 1, 1);
  AddLabel(directLayout, 2, tr("Confirmation:"), confirmation_);
  directLayout->addWidget(confirmation_, 2, 1);

  // --- OK / Cancel ---
  ok_ = new QPushButton(tr("OK"), this);
  ok_->setObjectName(QStringLiteral("okButton"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cancelButton"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* left = new QVBoxLayout;
  left->addWidget(linkGroup);
  left->addWidget(receiversGroup, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(panelGroup);
  right->addWidget(tamperGroup);
  right->addWidget(disableAck_, 0, Qt::AlignLeft);
  right->addWidget(directGroup);
  right->addStretch(1);
  right->addLayout(buttons);
  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left, 3);
  columns->addLayout(right, 2);
  // 430 by 261 dialog units at the usual 8-point font.
  resize(645, 424);

  // Linux has no system menu to add to: the item lives in the window's
  // context menu and on F1.
  aboutAction_ = new QAction(tr("&About quilby..."), this);
  aboutAction_->setObjectName(QStringLiteral("aboutAction"));
  aboutAction_->setShortcut(QKeySequence::HelpContents);
  aboutAction_->setShortcutContext(Qt::WindowShortcut);
  addAction(aboutAction_);
  connect(aboutAction_, &QAction::triggered, this, &CquilbyDlg::showAbout);

  connect(obtainAutomatically_, &QRadioButton::toggled, this, &CquilbyDlg::onAddressModeChanged);
  connect(useFollowing_, &QRadioButton::toggled, this, &CquilbyDlg::onAddressModeChanged);
  connect(nonAuthorized_, &QCheckBox::toggled, this, &CquilbyDlg::onNonAuthorizedToggled);
  connect(ok_, &QPushButton::clicked, this, &CquilbyDlg::onOk);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CquilbyDlg::setTitle(const QString& title) { setWindowTitle(title); }

void CquilbyDlg::clearAndDisable() {
  edited_ = nullptr;
  for (QWidget* w : std::initializer_list<QWidget*>{
           obtainAutomatically_, useFollowing_, ipAddress_, subnetMask_, gateway_, dnsServer_,
           authorizedPc_, receivers_[0], receivers_[1], receivers_[2], receivers_[3],
           ethernetTamper_, systemTamper_, disableAck_, nonAuthorized_, ok_, password_,
           confirmation_})
    w->setEnabled(false);
  for (QLineEdit* e : std::initializer_list<QLineEdit*>{
           ipAddress_, subnetMask_, gateway_, dnsServer_, authorizedPc_, receivers_[0],
           receivers_[1], receivers_[2], receivers_[3], password_, confirmation_})
    e->clear();
  accountNumber_->clear();
  linkVersion_->clear();
}

void CquilbyDlg::showRecord(ModuleSettingsRecord& record) {
  edited_ = &record;
  for (QWidget* w : std::initializer_list<QWidget*>{
           obtainAutomatically_, useFollowing_, authorizedPc_, receivers_[0], receivers_[1],
           receivers_[2], receivers_[3], ethernetTamper_, systemTamper_, disableAck_,
           nonAuthorized_, ok_})
    w->setEnabled(true);

  const bool automatic = record.obtainAddressAutomatically();
  (automatic ? obtainAutomatically_ : useFollowing_)->setChecked(true);
  onAddressModeChanged();

  nonAuthorized_->setChecked(record.nonAuthorizedConnect());
  onNonAuthorizedToggled(nonAuthorized_->isChecked());
  password_->setText(FromRecord(record, Text::Password));
  confirmation_->setText(FromRecord(record, Text::Password));

  ipAddress_->setText(FromRecord(record, Text::IpAddress));
  subnetMask_->setAddress(record.subnetMask());
  gateway_->setText(FromRecord(record, Text::DefaultGateway));
  dnsServer_->setText(FromRecord(record, Text::DnsServer));
  authorizedPc_->setText(FromRecord(record, Text::AuthorizedPc));
  const Text receiverTexts[4] = {Text::Receiver1, Text::Receiver2, Text::Receiver3,
                                 Text::Receiver4};
  for (int i = 0; i < 4; ++i) receivers_[i]->setText(FromRecord(record, receiverTexts[i]));

  accountNumber_->setText(FromRecord(record, Text::AccountNumber));
  linkVersion_->setText(QString::fromLatin1(record.linkVersionText().c_str()));

  ethernetTamper_->setChecked(record.ethernetTamper());
  systemTamper_->setChecked(record.systemTamper());
  disableAck_->setChecked(record.acknowledgementsDisabled());
}

void CquilbyDlg::requestClose() {
  edited_ = nullptr;
  close();
}

void CquilbyDlg::onAddressModeChanged() {
  const bool enable = !obtainAutomatically_->isChecked() && obtainAutomatically_->isEnabled();
  for (QWidget* w : std::initializer_list<QWidget*>{ipAddress_, subnetMask_, gateway_, dnsServer_})
    w->setEnabled(enable);
}

void CquilbyDlg::onNonAuthorizedToggled(bool on) {
  const bool enable = on && nonAuthorized_->isEnabled();
  password_->setEnabled(enable);
  confirmation_->setEnabled(enable);
}

void CquilbyDlg::putControlsIntoRecord(ModuleSettingsRecord& record) const {
  record.setObtainAddressAutomatically(obtainAutomatically_->isChecked());
  record.setSystemTamper(systemTamper_->isChecked());
  record.setEthernetTamper(ethernetTamper_->isChecked());
  record.setAcknowledgementsDisabled(disableAck_->isChecked());
  record.setNonAuthorizedConnect(nonAuthorized_->isChecked());

  // Disabled address fields are copied all the same.
  ToRecord(record, Text::IpAddress, ipAddress_->text());
  record.setSubnetMask(subnetMask_->address());
  ToRecord(record, Text::DefaultGateway, gateway_->text());
  ToRecord(record, Text::DnsServer, dnsServer_->text());
  ToRecord(record, Text::AuthorizedPc, authorizedPc_->text());
  const Text receiverTexts[4] = {Text::Receiver1, Text::Receiver2, Text::Receiver3,
                                 Text::Receiver4};
  for (int i = 0; i < 4; ++i) ToRecord(record, receiverTexts[i], receivers_[i]->text());

  // Without non-authorised connect the whole field is cleared, not just its
  // first byte: the record crosses the network in clear.
  ToRecord(record, Text::Password, nonAuthorized_->isChecked() ? password_->text() : QString());
}

void CquilbyDlg::onOk() {
  if (!listen_) {
    accept();
    return;
  }
  if (nonAuthorized_->isChecked() && password_->text() != confirmation_->text()) {
    platform::ShowMessage(this, tr("quilby"),
                          tr("The passwords you typed do not match.Please retype the "
                                         "new password in both boxes"));
    return;
  }
  if (edited_) putControlsIntoRecord(*edited_);

  // Only a connection whose record is on screen gets it back.
  CWorkSocket* connection = listen_->current();
  if (connection && edited_ == &connection->record() && connection->recordComplete())
    connection->writeRecordBack();
  accept();
}

void CquilbyDlg::closeEvent(QCloseEvent* event) {
  if (listen_) {
    listen_->closeListening();
    // A module's close may have brought us here from inside the socket.
    listen_->deleteLater();
    listen_ = nullptr;
  }
  edited_ = nullptr;
  QDialog::closeEvent(event);
}

void CquilbyDlg::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addSeparator();
  menu.addAction(aboutAction_);
  menu.exec(event->globalPos());
}

void CquilbyDlg::showAbout() {
  CAboutDlg about(this);
  about.exec();
}

}  // namespace quilby
