#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/events/EventRecord.h"
#include "core/link/PanelFrames.h"

namespace events {

// The steps of an event review: the panel hands out one record per request,
// each accepted record asks for the one after it, records the panel keeps
// hidden are passed over without counting, and a page ends after its last
// shown event. Standard library only; the event window and the command line
// send what it gives them.
class EventReview {
 public:
  // Shown events per page; kWholeMemory never ends a page.
  static constexpr int kWholeMemory = -1;

  explicit EventReview(int pageSize) : pageSize_(pageSize), remaining_(pageSize) {}

  // Key 0x16 puts the panel into event review; ENTER ends it.
  static panel::FrameBytes StartFrame() { return panel::KeyFrame(panel::key::kEventReview); }
  static panel::FrameBytes EndFrame() { return panel::KeyFrame(panel::key::kEnter); }

  struct Step {
    EventRecord record;
    bool shown = false;      // false for a record the panel keeps hidden
    panel::FrameBytes next;  // the request for the next event, to send at once
  };
  // A frame from the panel: the step it makes, or nothing when it is no
  // record, the page is full, or it repeats the record just taken (an
  // answer to a request that went out twice).
  std::optional<Step> take(const std::uint8_t* frame, std::size_t length);
  // Starts the next page: the request for the event after the last one taken.
  panel::FrameBytes nextPage();

  int remainingOnPage() const { return remaining_; }

 private:
  int pageSize_;
  int remaining_;
  std::uint8_t lastIndex_ = 0;
  bool haveLast_ = false;
};

}  // namespace events
