#pragma once

// Reading and writing a whole panel, as steps a host carries out: it sends
// what the reader and the write plan give it, passes every frame from the
// panel to the reader, and tells the reader when its time for an answer is
// up. Standard library only, so the keypad window and the command line use
// the same steps.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/link/PanelFrames.h"
#include "core/panelfiles/PanelImage.h"

namespace panelfiles {

// Reads slots the way the editors' loads do: several read requests sent
// together, the replies matched by parameter and entity.
class PanelReader {
 public:
  // Read requests sent together (the user editor's load sends six).
  static constexpr int kBatch = 8;
  // Times a slot is asked for before it is given up; also the batches in a
  // row that may go wholly unanswered before the panel is taken to have
  // stopped answering and the rest is given up.
  static constexpr int kAttempts = 3;

  // The panel answers in order, but late: a reply may come after its read
  // was given up, or belong to a read sent before this reader (a write's
  // positioning read holds the old value). Then the reader first asks a
  // fence, a read no slot uses, and takes no reply until the fence's reply
  // has come: every older reply has arrived by then. fenceFirst asks it
  // before the first batch.
  explicit PanelReader(std::vector<int> slots, bool fenceFirst = false);

  // The read requests of the next batch (or the fence), or nothing while a
  // batch waits for its replies or when every slot is answered or given up.
  std::optional<panel::FrameBytes> nextRequest();
  // A frame from the panel; true when it answered a slot being read, or was
  // the fence's reply. A reply cut short by a 0x7E in its value names no
  // slot: it is pinned on the slots still open once every other slot of
  // the batch is answered (the panel answers every read), and otherwise
  // makes the batch's open slots be asked one at a time.
  bool takeFrame(const std::uint8_t* frame, std::size_t length);
  // The waiting batch was not fully answered in time: its slots that are
  // still open go back to be asked again, until they have had kAttempts.
  // A reply to an entity-less read may still come and would be taken for
  // the next one asked, so the fence goes first.
  void timedOut();

  bool waiting() const { return !inFlight_.empty() || fenceInFlight_; }
  bool finished() const { return !waiting() && next_ >= queue_.size(); }
  int total() const { return static_cast<int>(slots_.size()); }
  int answered() const { return answered_; }
  const PanelImage& image() const { return image_; }
  // Slots given up, or not yet answered when the reading stopped, other than cutShort().
  std::vector<int> unanswered() const;
  // Slots whose reply came cut short by a 0x7E in the value: the panel
  // answered, but its value cannot travel over TCP.
  const std::vector<int>& cutShort() const { return cutShort_; }

 private:
  // The slots still open are the cut replies' when there are as many of
  // each and their kinds take those replies.
  bool settleCutReplies();

  std::vector<int> slots_;
  std::vector<int> queue_;  // slots to ask, in order; given-up ones are not put back
  std::size_t next_ = 0;
  std::vector<int> inFlight_;
  std::vector<int> attempts_;  // per slot index of AllSlots()
  std::vector<bool> alone_;    // per slot index: asked in a read of its own
  std::vector<int> cutShort_;
  std::vector<std::uint8_t> cutTypes_;  // of the replies cut short in the waiting batch
  PanelImage image_;
  int answered_ = 0;
  bool answeredSinceAsked_ = false;
  int silentBatches_ = 0;
  bool fenceDue_ = false;
  bool fenceInFlight_ = false;
  int fenceAttempts_ = 0;
};

// One write: the read request that positions the panel on the slot and the
// keys that type the value, sent together, then the pause the editors give
// the panel after such keys.
struct WriteStep {
  int slot;
  panel::FrameBytes bytes;
  int pauseMs;
};

struct WritePlan {
  std::vector<WriteStep> steps;
  // Slots the panel did not report: not written, since a write would go
  // unchecked and option keys toggle bits relative to what is there.
  std::vector<int> unread;
  // Slots that differ where no editor writes any of the difference, so the
  // panel keeps its value: a value no editor types, or only option bits no
  // editor shows.
  std::vector<int> kept;
};

// The writes that make the panel hold `wanted` wherever `wanted` knows a
// value that differs from what the panel was read to hold. Equal means
// equal in every byte and bit, as for Compare.
WritePlan PlanWrites(const PanelImage& panel, const PanelImage& wanted);
// Whether editors could write every difference between the two values of
// the slot: false where no editor types `wanted`, or where option bits no
// editor shows differ. Such a difference is kept on the panel.
bool EditorsCanWrite(int slot, const params::Value& have, const params::Value& wanted);

// The pause the editors make after writing keys to a parameter.
int PauseAfterWrite(const params::PanelParameter& parameter, const panel::FrameBytes& keys);

}  // namespace panelfiles
