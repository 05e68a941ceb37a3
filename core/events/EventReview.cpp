#include "core/events/EventReview.h"

namespace events {

std::optional<EventReview::Step> EventReview::take(const std::uint8_t* frame, std::size_t length) {
  if (remaining_ == 0) return std::nullopt;
  const std::optional<EventRecord> record = DecodeEventRecord(frame, length);
  if (!record) return std::nullopt;
  // "+10" pressed while the answer to the last request was still on its way
  // asks for the same event twice; taking both answers would run two chains
  // of requests and show every later event twice.
  if (haveLast_ && record->index == lastIndex_) return std::nullopt;
  Step step{*record, record->code != kHiddenEventCode, panel::NextEventRequest(record->index)};
  if (step.shown && remaining_ > 0) --remaining_;
  lastIndex_ = record->index;
  haveLast_ = true;
  return step;
}

panel::FrameBytes EventReview::nextPage() {
  remaining_ = pageSize_;
  return panel::NextEventRequest(lastIndex_);
}

}  // namespace events
