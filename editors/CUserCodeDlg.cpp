#include "editors/CUserCodeDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/CheckBoxRow.h"
#include "editors/EditorTexts.h"
#include "editors/EntityNumberField.h"
#include "editors/OptionTabs.h"
#include "core/parameters/PanelParameters.h"
#include "platform/Timing.h"

namespace editors {

namespace {

constexpr std::uint8_t kCodeParameter = 1;
constexpr std::uint8_t kTypeParameter = 2;
constexpr std::uint8_t kAreasParameter = 3;
constexpr std::uint8_t kAccessParameter = 4;
constexpr std::uint8_t kPrivilegesParameter = 5;
constexpr std::uint8_t kRadioTypeParameter = 7;
constexpr std::uint8_t kRadioUserType = 1;  // the type value of "Radio user"
constexpr int kHighestUser = 100;

using UserGroup = CUserCodeDlg::Group;
// How entering each group positions the panel. The radio type's read is
// swallowed too: it goes out just before the chosen type is written, and
// its answer (the type before the write) would undo the choice on screen.
constexpr GroupRule kUserGroups[] = {
    // group          position read         swallow pause  reentry  writes on leave
    {UserGroup::kCode, kCodeParameter, true, 0, true, true},
    {UserGroup::kType, kTypeParameter, true, 0, true, false},
    {UserGroup::kAccess, kAccessParameter, true, 100, false, true},
    {UserGroup::kPrivileges, kPrivilegesParameter, true, 100, false, true},
    {UserGroup::kMapBoxes, std::nullopt, false, 0, false, true},
    {UserGroup::kAreas, kAreasParameter, true, 100, false, true},
    {UserGroup::kTabShown, std::nullopt, false, 0, false, false},
    {UserGroup::kRadioType, kRadioTypeParameter, true, 0, true, false},
};

constexpr params::LabelTable kNumbered{{"1", "2", "3", "4", "5", "6", "7", "8"}};
constexpr OptionTab kMapTabs[] = {
    {CORE_TR_NOOP("ParameterMap", "Keypad"), 10, &kNumbered, CORE_TR_NOOP("ParameterMap", "Assign to Keypad")},
    {CORE_TR_NOOP("ParameterMap", "Time Zone"), 9, &kNumbered, CORE_TR_NOOP("ParameterMap", "Assign to Time zone")},
    {CORE_TR_NOOP("ParameterMap", "Output Map"), 12, &kNumbered, CORE_TR_NOOP("ParameterMap", "Map User to outputs:")},
    {CORE_TR_NOOP("ParameterMap", "Output On"), 13, &kNumbered, CORE_TR_NOOP("ParameterMap", "User can turn ON outputs:")},
    {CORE_TR_NOOP("ParameterMap", "Output Off"), 14, &kNumbered, CORE_TR_NOOP("ParameterMap", "User can turn OFF outputs:")},
};

const params::PanelParameter& CodeParameter() {
  static const params::PanelParameter& code = *params::FindPanelParameter(kCodeParameter, 1);
  return code;
}

CheckBoxRow* OptionBox(const params::LabelTable& labels, Qt::Orientation orientation, QWidget* parent) {
  auto* row = new CheckBoxRow(orientation, parent);
  row->setLabels(labels);
  row->setBoxesEnabled(false);
  return row;
}

}  // namespace

CUserCodeDlg::CUserCodeDlg(QWidget* parent)
    : GroupEditorDialog(kUserGroups, parent),
      userField_(new EntityNumberField(1, kHighestUser, 3, this)),
      code_(new QLineEdit(this)),
      type_(new QComboBox(this)),
      radioTypeLabel_(new QLabel(tr("Radio User Type:"), this)),
      radioType_(new QComboBox(this)),
      radioTypeTimer_(new platform::OneShotTimer(this)) {
  setWindowTitle(tr("Users"));
  userField_->field()->setObjectName(QStringLiteral("user"));
  code_->setObjectName(QStringLiteral("code"));
  type_->setObjectName(QStringLiteral("type"));
  radioType_->setObjectName(QStringLiteral("radioType"));

  auto* userLabel = new QLabel(tr("User"), this);
  userField_->setLabel(userLabel);
  auto* codeLabel = new QLabel(tr("Code:"), this);
  codeLabel->setBuddy(code_);
  code_->setMaxLength(6);
  code_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), code_));
  code_->setEnabled(false);
  auto* typeLabel = new QLabel(tr("Type:"), this);
  typeLabel->setBuddy(type_);
  // The list is filled once the user's type arrives; it then widens to its longest type.
  type_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  type_->setEnabled(false);
  radioTypeLabel_->setBuddy(radioType_);
  for (const params::Choice& choice : params::kRadioUserTypeChoices) radioType_->addItem(MapText(choice.text), choice.value);
  showRadioType(false);

  auto* assigned = new QGroupBox(tr("Assigned to: "), this);
  areas_ = OptionBox(params::kAreaLetters, Qt::Horizontal, assigned);
  auto* areaLabel = new QLabel(tr("Area: "), assigned);
  areaLabel->setBuddy(areas_->box(0));
  auto* assignedLayout = new QHBoxLayout(assigned);
  assignedLayout->addWidget(areaLabel);
  assignedLayout->addWidget(areas_);
  assignedLayout->addStretch();

  areas_->setObjectName(QStringLiteral("area"));

  tabs_ = new OptionTabs(kMapTabs, Qt::Horizontal, this);
  tabs_->tabBar()->setObjectName(QStringLiteral("mapTabs"));
  tabs_->boxes()->setObjectName(QStringLiteral("map"));

  auto* accessBox = new QGroupBox(tr("Access: "), this);
  access_ = OptionBox(params::kUserAccessTexts, Qt::Vertical, accessBox);
  access_->setObjectName(QStringLiteral("access"));
  (new QVBoxLayout(accessBox))->addWidget(access_);
  auto* privilegeBox = new QGroupBox(tr("Privileges: "), this);
  privileges_ = OptionBox(params::kUserPrivilegeTexts, Qt::Vertical, privilegeBox);
  privileges_->setObjectName(QStringLiteral("privilege"));
  (new QVBoxLayout(privilegeBox))->addWidget(privileges_);

  auto* top = new QGridLayout;
  top->addWidget(userLabel, 0, 0);
  top->addWidget(userField_, 0, 1);
  top->addWidget(codeLabel, 1, 0);
  top->addWidget(code_, 1, 1);
  top->addWidget(typeLabel, 2, 0);
  top->addWidget(type_, 2, 1);
  top->addWidget(radioTypeLabel_, 3, 0);
  top->addWidget(radioType_, 3, 1);
  top->setColumnStretch(2, 1);
  auto* options = new QHBoxLayout;
  options->addWidget(accessBox);
  options->addWidget(privilegeBox);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(assigned);
  layout->addWidget(tabs_);
  layout->addLayout(options);

  // Keyboard order follows the screen, top to bottom.
  QList<QWidget*> order{userField_->field(), code_, type_, radioType_};
  const auto addBoxes = [&order](const CheckBoxRow* row) {
    for (int bit = 0; bit < 8; ++bit) order << row->box(bit);
  };
  addBoxes(areas_);
  order << tabs_->tabBar();
  addBoxes(tabs_->boxes());
  addBoxes(access_);
  addBoxes(privileges_);
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

  connect(userField_, &EntityNumberField::changed, this, &CUserCodeDlg::userNumberChanged);
  userField_->setSettleTime(500);
  connect(userField_, &EntityNumberField::settled, this, [this] {
    inTurn([this] {
      if (!userField_->settling()) loadUser();
    });
  });
  connect(radioTypeTimer_, &platform::OneShotTimer::timeout, this, [this] { inTurn([this] { readRadioType(); }); });
  onUserFocus(code_, [this] { enterGroup(kCode); });
  onUserFocus(type_, [this] { enterGroup(kType); });
  connect(type_, &QComboBox::currentIndexChanged, this, &CUserCodeDlg::typeChosen);
  connect(radioType_, &QComboBox::currentIndexChanged, this, &CUserCodeDlg::radioTypeChosen);
  connect(access_, &CheckBoxRow::boxClicked, this, [this] { enterGroup(kAccess); });
  connect(privileges_, &CheckBoxRow::boxClicked, this, [this] { enterGroup(kPrivileges); });
  connect(areas_, &CheckBoxRow::boxClicked, this, [this] { enterGroup(kAreas); });
  connect(tabs_->boxes(), &CheckBoxRow::boxClicked, this, [this] { enterGroup(kMapBoxes); });
  connect(tabs_, &OptionTabs::tabLeaving, this, [this] {
    writePending();
    setPendingGroup(kNoGroup);
    // Until the new tab's map arrives the boxes show the old one's; a click
    // then would be written against the wrong map.
    tabs_->boxes()->setBoxesEnabled(false);
  });
  connect(tabs_, &OptionTabs::tabShown, this, &CUserCodeDlg::tabShown);
}

void CUserCodeDlg::showEvent(QShowEvent* event) {
  GroupEditorDialog::showEvent(event);
  if (opened_) return;
  opened_ = true;
  userField_->setText(QStringLiteral("1"));
}

// ---- user number and loading

void CUserCodeDlg::userNumberChanged() {
  writePending();
  setPendingGroup(kNoGroup);
  // Focus must not fall from a control being disabled onto the next group.
  userField_->field()->setFocus(Qt::OtherFocusReason);
  code_->clear();
  code_->setEnabled(false);
  type_->setEnabled(false);
  for (CheckBoxRow* row : {areas_, access_, privileges_, tabs_->boxes()}) row->setBoxesEnabled(false);
  // The radio type would be read for the user being left.
  radioTypeTimer_->stop();
}

void CUserCodeDlg::loadUser() {
  showRadioType(false);
  clearMarks();
  const std::optional<int> user = userField_->take(tr("User is invalid"), true);
  if (!user) return;
  user_ = static_cast<std::uint8_t>(*user);
  readParameters({kCodeParameter, kTypeParameter, kAreasParameter, kAccessParameter, kPrivilegesParameter,
                  tabs_->shownParameter()});
}

void CUserCodeDlg::readRadioType() {
  showRadioType(false);
  readParameter(kRadioTypeParameter);
}

void CUserCodeDlg::showRadioType(bool shown) {
  radioTypeLabel_->setVisible(shown);
  radioType_->setVisible(shown);
}

// ---- replies

void CUserCodeDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->entity != user_) return;
  const auto value = static_cast<std::uint8_t>(reply->number);
  switch (reply->type) {
    case params::kDigitsReply:
      if (reply->parameter == kCodeParameter) showCode(*reply);
      break;
    case params::kByteReply:
      if (reply->parameter == kTypeParameter) {
        showType(value);
      } else if (reply->parameter == kRadioTypeParameter && !swallow(kRadioTypeParameter)) {
        const QSignalBlocker quiet(radioType_);
        radioType_->setCurrentIndex(radioType_->findData(value));
        showRadioType(true);
      }
      break;
    case params::kOptionByteReply:
      showOptions(reply->parameter, value);
      break;
    default:
      break;
  }
}

void CUserCodeDlg::showCode(const params::Reply& reply) {
  if (swallow(kCodeParameter)) return;
  const std::optional<params::Value> code = params::ValueFromReply(CodeParameter(), reply);
  // The panel takes six digits; a longer code (a reply carries up to 16)
  // would show cut and be written back cut, so it is not taken.
  if (!code || !params::IsValid(CodeParameter(), *code)) return;
  record().code = code->text;
  code_->setText(QString::fromStdString(code->text));
  code_->setEnabled(true);
}

void CUserCodeDlg::showType(std::uint8_t value) {
  if (swallow(kTypeParameter)) return;
  const QSignalBlocker quiet(type_);
  type_->clear();
  // The types this user may have: "Radio user" only above user 20.
  for (const params::Choice& choice : params::FindPanelParameter(kTypeParameter, user_)->choices)
    type_->addItem(MapText(choice.text), choice.value);
  type_->setEnabled(true);
  record().byParameter[kTypeParameter] = value;
  const int at = type_->findData(value);
  type_->setCurrentIndex(at);
  if (at >= 0 && value == kRadioUserType) radioTypeTimer_->start(2000);
}

void CUserCodeDlg::showOptions(std::uint8_t parameter, std::uint8_t value) {
  CheckBoxRow* row = nullptr;
  switch (parameter) {
    case kAreasParameter: row = areas_; break;
    case kAccessParameter: row = access_; break;
    case kPrivilegesParameter: row = privileges_; break;
    case 9: case 10: case 12: case 13: case 14:
      record().byParameter[parameter] = value;
      if (!swallow(parameter)) tabs_->showValue(parameter, value);
      return;
    default:
      return;
  }
  record().byParameter[parameter] = value;
  if (swallow(parameter)) return;
  row->setBits(value);
  row->setBoxesEnabled(true);
}

// ---- choices and tabs

void CUserCodeDlg::typeChosen(int index) {
  if (index < 0) return;
  enterGroup(kType);
  const int value = type_->itemData(index).toInt();
  if (value != kRadioUserType) showRadioType(false);
  writeKeys(kTypeParameter, params::Entry(params::DecimalKeys(static_cast<std::uint32_t>(value))));
}

void CUserCodeDlg::radioTypeChosen(int index) {
  if (index < 0) return;
  enterGroup(kRadioType);
  writeKeys(kRadioTypeParameter, params::Entry(params::DecimalKeys(radioType_->itemData(index).toUInt())));
}

void CUserCodeDlg::tabShown(int) {
  setPendingGroup(kTabShown);
  readParameter(tabs_->shownParameter());
  pauseAfterWrite(100);
}

// ---- writing

GroupWrite CUserCodeDlg::writeGroup(int group) {
  switch (group) {
    case kCode: {
      const std::string typed = code_->text().toStdString();
      GroupWrite write{kCodeParameter, params::WriteKeys(CodeParameter(), {0, record().code}, {0, typed}), 1000};
      // The reply to the next position read is hidden: without this the
      // editor would think the old code still stands and skip typing it back.
      record().code = typed;
      return write;
    }
    case kAccess: return toggles(*access_, kAccessParameter, 100);
    case kPrivileges: return toggles(*privileges_, kPrivilegesParameter, 100);
    case kAreas: return toggles(*areas_, kAreasParameter, 100);
    case kMapBoxes: {
      // The boxes come back with the panel's next report of the map.
      tabs_->boxes()->setBoxesEnabled(false);
      const std::uint8_t parameter = tabs_->shownParameter();
      const panel::FrameBytes keys = tabs_->boxes()->toggleEntry(record().byParameter[parameter]);
      return {parameter, keys, OptionTogglePauseMs(keys)};
    }
    default:
      return {};
  }
}

GroupWrite CUserCodeDlg::toggles(const CheckBoxRow& boxes, std::uint8_t parameter, int pauseMs) {
  return {parameter, boxes.toggleEntry(record().byParameter[parameter]), pauseMs};
}

}  // namespace editors
