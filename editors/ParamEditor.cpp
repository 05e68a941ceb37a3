#include "editors/ParamEditor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editors/EntityNumberField.h"
#include "platform/MessageBoxes.h"

namespace editors {

namespace {
constexpr int kFirstReadMs = 1;
constexpr int kAreaReadMs = 1;
constexpr int kFieldSettleMs = 300;

// The decimal value of the leading digits of the field's text; 0 for none.
int TypedNumber(const QString& text) {
  int number = 0;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
    number = number * 10 + (c.unicode() - '0');
  }
  return number;
}
}  // namespace

ParamEditor::ParamEditor(const params::MapRow& row, const QString& windowTitle, QWidget* parent,
                         const QString& fieldLabel)
    : EditorDialog(parent), row_(row), layout_(new QVBoxLayout(this)) {
  setWindowTitle(windowTitle);
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  // Wide enough for the title bar to show the whole title beside its buttons.
  layout_->addStrut(fontMetrics().horizontalAdvance(windowTitle + QStringLiteral("MMMMMMMM")));
  const params::EntityKindInfo& kind = params::KindInfo(row.entity);
  if (row.entity == params::EntityKind::Area) {
    auto* group = new QGroupBox(tr("Area"), this);
    areaA_ = new QRadioButton(tr("A"), group);
    areaB_ = new QRadioButton(tr("B"), group);
    areaA_->setObjectName(QStringLiteral("areaA"));
    areaB_->setObjectName(QStringLiteral("areaB"));
    areaA_->setChecked(true);
    auto* buttons = new QHBoxLayout(group);
    buttons->addWidget(areaA_);
    buttons->addWidget(areaB_);
    buttons->addStretch();
    for (QRadioButton* button : {areaA_, areaB_}) {
      connect(button, &QRadioButton::clicked, this, [this] {
        areaChanging();
        readTimer_.start(kAreaReadMs);
      });
    }
    layout_->addWidget(group);
  } else if (row.entity != params::EntityKind::Fixed) {
    const params::EntityRange entities = row.entities();
    field_ = new EntityNumberField(entities.first, entities.last, kind.fieldLength, this);
    field_->field()->setObjectName(QStringLiteral("entity"));
    field_->setText(QString::number(kind.firstShown));
    field_->setPosition(kind.firstShown);
    fieldLabel_ = new QLabel(fieldLabel.isEmpty() ? MapText(kind.label) : fieldLabel, this);
    field_->setLabel(fieldLabel_);
    connect(field_, &EntityNumberField::changed, this, [this] { readTimer_.start(kFieldSettleMs); });
    auto* line = new QHBoxLayout;
    line->addWidget(fieldLabel_);
    line->addWidget(field_);
    line->addStretch();
    layout_->addLayout(line);
  }
  connect(&readTimer_, &platform::OneShotTimer::timeout, this, [this] { inTurn([this] { read(); }); });
}

void ParamEditor::setBody(QWidget* body, bool applyOnEnter) {
  layout_->addWidget(body);
  applyOnEnter_ = applyOnEnter;
  apply_ = new QPushButton(tr("Apply"), this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  apply_->setObjectName(QStringLiteral("apply"));
  cancel_->setObjectName(QStringLiteral("cancel"));
  apply_->setEnabled(false);
  if (applyOnEnter) {
    apply_->setDefault(true);
  } else {
    apply_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
  }
  connect(apply_, &QPushButton::clicked, this, &ParamEditor::onApply);
  connect(cancel_, &QPushButton::clicked, this, &ParamEditor::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(apply_);
  buttons->addWidget(cancel_);
  layout_->addLayout(buttons);
}

void ParamEditor::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  readTimer_.start(kFirstReadMs);
}

void ParamEditor::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (applyOnEnter_ || !enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    EditorDialog::keyPressEvent(event);
    return;
  }
  // No OK button: Enter ends the editor wherever the focus is. On a focused
  // Apply it would otherwise type the value just written a second time.
  reject();
}

std::optional<std::uint8_t> ParamEditor::selectedEntity() {
  if (areaA_) return static_cast<std::uint8_t>(areaA_->isChecked() ? 1 : 2);
  if (!field_) return row_.fixedEntity;
  const int number = TypedNumber(field_->text());
  if (!row_.entities().contains(number)) {
    platform::ShowMessage(this, tr("Error"), MapText(params::KindInfo(row_.entity).invalid));
    return std::nullopt;
  }
  field_->setPosition(number);
  return static_cast<std::uint8_t>(number);
}

void ParamEditor::read() {
  apply_->setEnabled(false);
  if (const std::optional<std::uint8_t> entity = selectedEntity())
    send(panel::ParamReadRequest(row_.parameter, *entity));
}

void ParamEditor::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->parameter != row_.parameter || !takesReplyType(reply->type)) return;
  if (!showReply(*reply)) return;
  // Shown with nothing else enabled, the editor had only Cancel to focus.
  if (!loaded_ && focusWidget() == cancel_) focusNextChild();
  loaded_ = true;
  apply_->setEnabled(true);
}

void ParamEditor::onApply() {
  if (loaded_) apply();
}

}  // namespace editors
