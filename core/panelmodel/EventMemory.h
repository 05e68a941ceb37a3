#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <deque>
#include <optional>
#include <vector>

namespace sim {

class AlarmPanel;

// The panel's event memory: the newest events, each under a one-byte index,
// handed out newest first during an event review. Records go out unescaped,
// so no byte of a stored record is ever 0x7E: such a record would be cut
// short at the PC and the review would stall on it.
class EventMemory {
 public:
  using Frame = std::vector<std::uint8_t>;

  struct Event {
    std::uint8_t index = 0;
    std::uint8_t code = 0;
    std::uint16_t time = 0;
    std::uint16_t date = 0;
    std::uint8_t area = 0;
    std::uint8_t number = 0;
  };

  // One per index value; the index 0x7E is never used.
  static constexpr std::size_t kCapacity = 255;
  // Kept by the panel for its own use; the PC skips them.
  static constexpr std::uint8_t kHiddenCode = 0x70;

  // Appends an event stamped with the given time; the oldest one goes when
  // the memory is full.
  void record(std::uint8_t code, const std::tm& when, std::uint8_t area = 0, std::uint8_t number = 0);
  void clear();
  // count events of a small site over the weeks before now: opening
  // and closing by users, alarms and restores, bypasses, troubles, program
  // mode, dialler tests, and now and then a hidden record, ending with the
  // panel's restart at now. Deterministic for one seed value and day.
  void seed(const std::tm& now, std::size_t count, std::uint32_t seedValue = 1);

  // Appends the events of what changed in the panel since the last call;
  // the first call only takes note of the panel's state.
  void observe(const AlarmPanel& panel, const std::tm& now);

  // Key 0x16: the newest event, or nothing when the memory is empty.
  std::optional<Frame> startReview() const;
  // 7E A9 07 i 7E: the event older than index i; nothing after the oldest
  // or for an index the memory does not hold.
  std::optional<Frame> nextAfter(std::uint8_t index) const;

  std::size_t size() const { return events_.size(); }
  bool empty() const { return events_.empty(); }
  // Oldest first.
  const std::deque<Event>& events() const { return events_; }

  static Frame RecordFrame(const Event& event);
  // The panel's clock words: time in 1.875 s steps, date year-2000 << 9 | month << 5 | day.
  static std::uint16_t EncodeTime(int hour, int minute, int second);
  static std::uint16_t EncodeDate(int year, int month, int day);

 private:
  struct Snapshot {
    std::uint8_t armed = 0, stay = 0, outputs = 0, troubles = 0;
    std::uint16_t alarm = 0, bypassed = 0, tampered = 0;
    bool programMode = false, fire = false, medical = false, panic = false;
  };

  void append(Event event);
  void noteChanges(const Snapshot& before, const Snapshot& after, const std::tm& now);

  std::deque<Event> events_;
  std::uint8_t nextIndex_ = 0;
  std::optional<Snapshot> seen_;
};

}  // namespace sim
