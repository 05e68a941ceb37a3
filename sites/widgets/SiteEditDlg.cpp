#include "sites/widgets/SiteEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/keypad/CommandKeys.h"
#include "core/link/LinkHandshake.h"
#include "platform/MessageBoxes.h"
#include "sites/SecretStore.h"
#include "sites/SitesDatabase.h"

namespace sites {
namespace {

QLineEdit* Field(QWidget* parent, const char* name, int maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(maxLength);
  return field;
}

QLineEdit* AddressField(QWidget* parent, const char* name) {
  static const QRegularExpression kIpv4(QStringLiteral(
      "^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])$"));
  QLineEdit* field = Field(parent, name, 15);
  field->setValidator(new QRegularExpressionValidator(kIpv4, field));
  return field;
}

QLineEdit* SecretField(QWidget* parent, const char* name, int maxLength) {
  QLineEdit* field = Field(parent, name, maxLength);
  field->setEchoMode(QLineEdit::Password);
  return field;
}

}  // namespace

QString CopyName(SitesDatabase& database, const QString& name) {
  QString candidate = SiteEditDlg::tr("%1 (copy)").arg(name);
  for (int n = 2; database.findByName(candidate); ++n) candidate = SiteEditDlg::tr("%1 (copy %2)").arg(name).arg(n);
  return candidate;
}

SiteEditDlg::SiteEditDlg(SitesDatabase& database, const Site& site, const QString& secretsOf, QWidget* parent)
    : QDialog(parent), database_(database), site_(site), secretsOf_(secretsOf) {
  setWindowTitle(tr("Site"));
  buildLayout();
  fill(site);
  loadSecrets(secretsOf);
}

void SiteEditDlg::buildLayout() {
  name_ = Field(this, "name", 80);
  account_ = Field(this, "account", kMaxAccountChars);
  route_ = new QComboBox(this);
  route_->setObjectName(QStringLiteral("route"));
  // In RouteKind order.
  route_->addItems({tr("Direct connection"), tr("Search on TCP Receivers"), tr("Direct to GSM unit")});
  port_ = new QSpinBox(this);
  port_->setObjectName(QStringLiteral("port"));
  port_->setRange(1, 65535);

  auto* form = new QFormLayout;
  form->addRow(tr("Name:"), name_);
  form->addRow(tr("Account:"), account_);
  form->addRow(tr("Route:"), route_);

  pages_ = new QStackedWidget(this);
  auto* direct = new QWidget(pages_);
  address_ = AddressField(direct, "unit");
  notAuthorised_ = new QCheckBox(tr("Not Autorized PC"), direct);
  notAuthorised_->setObjectName(QStringLiteral("notAuthorised"));
  modulePassword_ = SecretField(direct, "modulePassword", static_cast<int>(panel::kMaxPasswordChars));
  auto* directForm = new QFormLayout(direct);
  directForm->setContentsMargins(0, 0, 0, 0);
  directForm->addRow(tr("Unit:"), address_);
  directForm->addRow(tr("Port:"), port_);
  directForm->addRow(notAuthorised_);
  directForm->addRow(tr("Password: "), modulePassword_);
  pages_->addWidget(direct);

  auto* receivers = new QWidget(pages_);
  auto* receiverForm = new QFormLayout(receivers);
  receiverForm->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < kReceiverCount; ++i) {
    receivers_[static_cast<std::size_t>(i)] =
        AddressField(receivers, QStringLiteral("receiver%1").arg(i + 1).toLatin1().constData());
    receiverForm->addRow(tr("Reseiver%1:").arg(i + 1), receivers_[static_cast<std::size_t>(i)]);
  }
  pages_->addWidget(receivers);

  auto* gsm = new QWidget(pages_);
  phone_ = Field(gsm, "phone", kMaxPhoneChars);
  gsmPassword_ = SecretField(gsm, "gsmPassword", kMaxGsmPasswordChars);
  protocol_ = new QComboBox(gsm);
  protocol_->setObjectName(QStringLiteral("protocol"));
  protocol_->addItems({tr("V.110 - 14400 bps"), tr("V.110 - 9600 bsp"), tr("V.32 - 14400 bps"), tr("V.32 - 9600 bps")});
  auto* gsmForm = new QFormLayout(gsm);
  gsmForm->setContentsMargins(0, 0, 0, 0);
  gsmForm->addRow(tr("Phone number:"), phone_);
  gsmForm->addRow(tr("Password:"), gsmPassword_);
  gsmForm->addRow(tr("Protocol:"), protocol_);
  pages_->addWidget(gsm);

  installerCode_ = SecretField(this, "installerCode", console::kMaxInstallerCodeDigits);
  installerCode_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), installerCode_));
  notes_ = new QPlainTextEdit(this);
  notes_->setObjectName(QStringLiteral("notes"));
  notes_->setTabChangesFocus(true);
  auto* lower = new QFormLayout;
  lower->addRow(tr("Installer code:"), installerCode_);
  lower->addRow(tr("Notes:"), notes_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SiteEditDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SiteEditDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(pages_);
  layout->addLayout(lower);
  layout->addWidget(buttons);

  connect(route_, &QComboBox::currentIndexChanged, pages_, &QStackedWidget::setCurrentIndex);
  connect(notAuthorised_, &QCheckBox::toggled, modulePassword_, &QWidget::setEnabled);

  if (!SecretStore::instance().available()) {
    for (QLineEdit* secret : {modulePassword_, gsmPassword_, installerCode_}) {
      secret->setEnabled(false);
      secret->setPlaceholderText(tr("no keyring: asked each time"));
    }
    disconnect(notAuthorised_, &QCheckBox::toggled, modulePassword_, &QWidget::setEnabled);
  }
}

void SiteEditDlg::fill(const Site& site) {
  name_->setText(site.name);
  account_->setText(site.account);
  route_->setCurrentIndex(static_cast<int>(site.route));
  pages_->setCurrentIndex(static_cast<int>(site.route));
  address_->setText(site.address);
  port_->setValue(site.port);
  notAuthorised_->setChecked(site.modulePassword);
  modulePassword_->setEnabled(site.modulePassword && SecretStore::instance().available());
  for (int i = 0; i < kReceiverCount; ++i)
    receivers_[static_cast<std::size_t>(i)]->setText(site.receivers[static_cast<std::size_t>(i)]);
  phone_->setText(site.phone);
  protocol_->setCurrentIndex(site.protocol);
  notes_->setPlainText(site.notes);
}

void SiteEditDlg::setSecrets(const Secrets& secrets) {
  for (const auto& [field, value] : {std::pair{modulePassword_, secrets.modulePassword}, std::pair{gsmPassword_, secrets.gsmPassword}}) {
    if (value.isEmpty()) continue;
    field->setText(value);
    field->setModified(true);
  }
}

void SiteEditDlg::loadSecrets(const QString& siteName) {
  if (siteName.isEmpty()) return;
  const std::pair<QLineEdit*, Secret> fields[] = {
      {modulePassword_, Secret::ModulePassword}, {gsmPassword_, Secret::GsmPassword}, {installerCode_, Secret::InstallerCode}};
  for (const auto& [field, secret] : fields) {
    SecretStore::instance().read(SecretKey(siteName, secret), field, [field = field](SecretStore::Outcome outcome, const QString& value) {
      // What the user typed meanwhile wins.
      if (outcome == SecretStore::Outcome::Found && !field->isModified() && field->text().isEmpty()) field->setText(value);
    });
  }
}

Site SiteEditDlg::edited() const {
  Site site = site_;
  site.name = name_->text().trimmed();
  site.account = account_->text();
  site.route = static_cast<RouteKind>(route_->currentIndex());
  site.address = address_->text();
  site.port = port_->value();
  site.modulePassword = notAuthorised_->isChecked();
  for (int i = 0; i < kReceiverCount; ++i) site.receivers[static_cast<std::size_t>(i)] = receivers_[static_cast<std::size_t>(i)]->text();
  site.phone = phone_->text();
  site.protocol = protocol_->currentIndex();
  site.notes = notes_->toPlainText();
  return site;
}

void SiteEditDlg::accept() {
  Site site = edited();
  QString problem = SiteProblem(site);
  if (problem.isEmpty() && site.modulePassword && !modulePassword_->text().isEmpty() &&
      modulePassword_->text().size() < kMinModulePasswordChars)
    problem = tr("A password must be more than 8 characters");
  if (!problem.isEmpty()) {
    platform::ShowMessage(this, tr("Site"), problem.left(1).toUpper() + problem.mid(1));
    return;
  }
  const QString oldName = site_.id != 0 ? site_.name : QString();
  const SitesDatabase::Write written = site.id == 0 ? database_.add(site) : database_.update(site);
  if (written != SitesDatabase::Write::Done) {
    const QString why = database_.lastError();
    platform::ShowMessage(this, tr("Site"),
                          written == SitesDatabase::Write::NameTaken ? tr("A site named “%1” exists already.").arg(site.name)
                                                                     : tr("The site could not be stored: %1.").arg(why));
    return;
  }
  site_ = site;
  storeSecrets(oldName);
  QDialog::accept();
}

void SiteEditDlg::storeSecrets(const QString& oldName) {
  SecretStore& store = SecretStore::instance();
  if (!store.available()) return;
  const QString newName = site_.name;
  const bool renamed = !oldName.isEmpty() && oldName != newName;
  const std::pair<QLineEdit*, Secret> fields[] = {
      {modulePassword_, Secret::ModulePassword}, {gsmPassword_, Secret::GsmPassword}, {installerCode_, Secret::InstallerCode}};
  for (const auto& [field, secret] : fields) {
    const QString key = SecretKey(newName, secret);
    if (oldName.isEmpty()) {
      // A new site takes what was typed or came from the site it copies.
      if (!field->text().isEmpty()) store.write(key, field->text());
    } else if (field->isModified()) {
      store.write(key, field->text());
      if (renamed) store.write(SecretKey(oldName, secret), QString());
    } else if (renamed) {
      store.move(SecretKey(oldName, secret), key);
    }
  }
  // The code dialog's remembered user code belongs to the site as well.
  if (renamed) store.move(SecretKey(oldName, Secret::UserCode), SecretKey(newName, Secret::UserCode));
}

}  // namespace sites
