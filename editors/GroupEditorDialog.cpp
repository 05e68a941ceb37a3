#include "editors/GroupEditorDialog.h"

#include <QFocusEvent>
#include <QWidget>

#include "platform/MessageBoxes.h"

namespace editors {

namespace {

bool FromTheUser(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
      return true;
    default:
      return false;
  }
}

// Calls back when its widget gains focus from the user.
class UserFocusWatcher : public QObject {
 public:
  UserFocusWatcher(QWidget* widget, std::function<void()> action) : QObject(widget), action_(std::move(action)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && FromTheUser(static_cast<QFocusEvent*>(event)->reason())) action_();
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

int OptionTogglePauseMs(const panel::FrameBytes& toggleEntry) {
  const int options = toggleEntry.size() > 2 ? toggleEntry.size() - 2 : 0;  // 7A, options, 11
  return 250 * (options + 1);
}

GroupEditorDialog::GroupEditorDialog(std::span<const GroupRule> rules, QWidget* parent)
    : EditorDialog(parent), rules_(rules) {}

void GroupEditorDialog::closeRequest() {
  linkGone_ = true;
  setPendingGroup(kNoGroup);
  EditorDialog::closeRequest();
}

void GroupEditorDialog::reject() {
  if (!linkGone_) {
    // The refusal is part of the question below, not a message of its own.
    write(Tell::No);
    if (unwritten_) {
      const GroupRefusal refusal = unwritten_->refusal;
      if (!platform::AskYesNo(this, refusal.caption, refusal.discardQuestion)) {
        // Back to the value to mend it, from wherever the user was: leaving it writes it.
        pending_ = unwritten_->group;
        refused_ = true;
        if (refusal.field) refusal.field->setFocus(Qt::OtherFocusReason);
        return;
      }
      unwritten_.reset();
      setPendingGroup(kNoGroup);
    }
    if (isPaused()) {
      inTurn([this] { reject(); });
      return;
    }
  }
  EditorDialog::reject();
}

void GroupEditorDialog::enterGroup(int group) {
  const GroupRule* rule = ruleOf(group);
  if (rule == nullptr) return;
  if (pending_ == group && refused_) return;
  if (rule->writeOnReentry || pending_ != group) writePending();
  if (pending_ == group) return;
  if (rule->positionRead) {
    if (rule->swallowReply) marks_.set(*rule->positionRead);
    readParameter(*rule->positionRead);
    if (rule->pauseAfterReadMs > 0) pauseAfterWrite(rule->pauseAfterReadMs);
  }
  setPendingGroup(group);
}

void GroupEditorDialog::writePending() { write(Tell::Yes); }

void GroupEditorDialog::write(Tell tell) {
  const GroupRule* rule = ruleOf(pending_);
  if (rule == nullptr || !rule->writesOnLeave) return;
  const GroupWrite write = writeGroup(pending_);
  if (write.refused) {
    refused_ = true;
    unwritten_ = Unwritten{pending_, *write.refused};
    if (tell == Tell::Yes) platform::ShowMessage(this, write.refused->caption, write.refused->text);
    return;
  }
  if (unwritten_ && unwritten_->group == pending_) unwritten_.reset();
  setPendingGroup(kNoGroup);
  writeKeys(write.parameter, write.keys, write.pauseMs);
}

void GroupEditorDialog::readParameter(std::uint8_t parameter) { readParameters({parameter}); }

void GroupEditorDialog::readParameters(std::initializer_list<std::uint8_t> parameters) {
  panel::FrameBytes reads;
  for (const std::uint8_t parameter : parameters) {
    reads.append(panel::ParamReadRequest(parameter, entity()));
    positioned_ = parameter;
  }
  send(reads);
}

void GroupEditorDialog::writeKeys(std::uint8_t parameter, const panel::FrameBytes& keys, int pauseMs) {
  if (keys.empty()) return;
  if (positioned_ != parameter) {
    marks_.set(parameter);
    readParameter(parameter);
  }
  send(keys);
  if (pauseMs > 0) pauseAfterWrite(pauseMs);
}

void GroupEditorDialog::onUserFocus(QWidget* widget, std::function<void()> action) {
  new UserFocusWatcher(widget, [this, action = std::move(action)] { inTurn(action); });
}

const GroupRule* GroupEditorDialog::ruleOf(int group) const {
  for (const GroupRule& rule : rules_)
    if (rule.group == group) return &rule;
  return nullptr;
}

}  // namespace editors
