#pragma once

// Usage: derive, list the editor's groups of controls as GroupRule data,
// implement entity() and writeGroup(), and call enterGroup() when the user
// enters a group (a field gains focus, a box in a group is clicked). The
// base writes the group being left, positions the panel on the entered
// group's parameter, marks that read's reply to be swallowed (swallow()
// tells the reply handler) and pauses as the rules say. The pending group
// is also written when the editor's user closes it; a close request from
// the keypad window (the link is gone) drops it.
//
// Keys act on the parameter the panel read last. The base remembers it, and
// a write for another parameter (a read went out in between: a timer's, or
// none was sent on entering the group) reads the right one first, its
// reply swallowed like any positioning read.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>

#include <QString>

#include "console/EditorDialog.h"
#include "core/parameters/ReplyMarks.h"
#include "core/link/PanelFrames.h"

namespace editors {

// Entering one group of controls.
struct GroupRule {
  int group = 0;
  // Read first, so that the keys written on leaving act on this parameter.
  std::optional<std::uint8_t> positionRead;
  // That read only positions the panel: its reply is not shown.
  bool swallowReply = false;
  int pauseAfterReadMs = 0;
  // A field's group: gaining focus writes the pending group even when it
  // is this one (the user left the field and came back).
  bool writeOnReentry = false;
  // A list writes as soon as a value is chosen; leaving it writes nothing
  // and it stays the pending group until another one is entered.
  bool writesOnLeave = true;
};

// Why a group's controls hold what the panel cannot take.
struct GroupRefusal {
  QString caption;
  QString text;
  // Asked on closing while the value is still unwritten; Yes drops it.
  QString discardQuestion;
  QWidget* field = nullptr;  // where the user mends it
};

// What leaving a group sends.
struct GroupWrite {
  std::uint8_t parameter = 0;  // the keys are for this parameter
  panel::FrameBytes keys;      // empty: nothing differs from what the panel reported
  int pauseMs = 0;
  // Nothing is sent; the user is told why, and the value stays unwritten
  // until its group is left again with a value the panel takes.
  std::optional<GroupRefusal> refused = std::nullopt;
};

// 250 ms for every option a toggle entry changes, and 250 ms more.
int OptionTogglePauseMs(const panel::FrameBytes& toggleEntry);

class GroupEditorDialog : public console::EditorDialog {
  Q_OBJECT
 public:
  static constexpr int kNoGroup = 0;

  int pendingGroup() const { return pending_; }

  // The link is gone: drop the pending group and close at once.
  void closeRequest() override;
  // The user closes: write the pending group first and close once its
  // pause is over. A value that could not be written is asked about: the
  // editor stays open unless the user lets it go.
  void reject() override;

 protected:
  GroupEditorDialog(std::span<const GroupRule> rules, QWidget* parent);

  // The entity (user, slot...) the groups are read and written for.
  virtual std::uint8_t entity() const = 0;
  // The keys of leaving `group`, from its controls and what the panel reported.
  virtual GroupWrite writeGroup(int group) = 0;

  // Writes the group being left and enters `group`. A group whose write is
  // refused does not hold the user there: its value is left unwritten (and
  // asked about on closing), and the edits made elsewhere are written as usual.
  void enterGroup(int group);
  // A refused write is told to the user and leaves the group pending.
  void writePending();
  void setPendingGroup(int group) {
    pending_ = group;
    refused_ = false;
  }
  // A new entity is loaded: a value left unwritten for the last one is gone.
  void forgetUnwritten() { unwritten_.reset(); }

  void readParameter(std::uint8_t parameter);
  // The reads back to back in one transmission (an entity's load).
  void readParameters(std::initializer_list<std::uint8_t> parameters);
  // Keys for parameter, after a read of it unless the panel is on it, then the pause.
  void writeKeys(std::uint8_t parameter, const panel::FrameBytes& keys, int pauseMs = 0);
  // True (and the mark cleared) when this reply answers a read that only positioned the panel.
  bool swallow(std::uint8_t parameter) { return marks_.consume(parameter); }
  void clearMarks() { marks_.clear(); }

  // Runs action in turn when widget gains focus from the user (a click,
  // Tab, a shortcut), not when focus comes back to it with its window or
  // after a message box or a list's popup.
  void onUserFocus(QWidget* widget, std::function<void()> action);

 private:
  const GroupRule* ruleOf(int group) const;
  enum class Tell { No, Yes };
  void write(Tell tell);

  std::span<const GroupRule> rules_;
  int pending_ = kNoGroup;
  ReplyMarks marks_;
  std::optional<std::uint8_t> positioned_;  // the parameter read last
  // The pending group's last write was refused; coming back to it to mend
  // the value does not write it again.
  bool refused_ = false;
  // A group whose value the panel could not take, and why.
  struct Unwritten {
    int group;
    GroupRefusal refusal;
  };
  std::optional<Unwritten> unwritten_;
  bool linkGone_ = false;
};

}  // namespace editors
