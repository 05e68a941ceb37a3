#include "core/panelfiles/PanelTransfer.h"

#include <algorithm>

namespace panelfiles {

namespace {
// Replies for parameter 126 (0x7E) arrive cut at their parameter byte, so
// they never name their entity: only one of them may be asked at a time.
bool LosesEntity(int slot) { return AllSlots()[static_cast<std::size_t>(slot)].parameter->parameter == panel::kDelimiter; }

bool TakesReplyType(int slot, std::uint8_t type) {
  params::Reply ofItsType;
  ofItsType.type = type;
  return params::ValueFromReply(*AllSlots()[static_cast<std::size_t>(slot)].parameter, ofItsType).has_value();
}

// The fence: the panel's software version (diagnostics), which no slot reads.
constexpr std::uint8_t kFenceParameter = 200;
constexpr std::uint8_t kFenceEntity = 1;
}  // namespace

PanelReader::PanelReader(std::vector<int> slots, bool fenceFirst)
    : slots_(std::move(slots)),
      queue_(slots_),
      attempts_(AllSlots().size(), 0),
      alone_(AllSlots().size(), false),
      fenceDue_(fenceFirst) {}

std::optional<panel::FrameBytes> PanelReader::nextRequest() {
  if (waiting() || next_ >= queue_.size()) return std::nullopt;
  if (fenceDue_) {
    fenceDue_ = false;
    fenceInFlight_ = true;
    ++fenceAttempts_;
    return panel::ParamReadRequest(kFenceParameter, kFenceEntity);
  }
  answeredSinceAsked_ = false;
  cutTypes_.clear();
  panel::FrameBytes requests;
  bool entitylessAsked = false;
  while (next_ < queue_.size() && static_cast<int>(inFlight_.size()) < kBatch) {
    const int slot = queue_[next_];
    const bool alone = alone_[static_cast<std::size_t>(slot)];
    if (alone && !inFlight_.empty()) break;
    if (LosesEntity(slot)) {
      if (entitylessAsked) break;
      entitylessAsked = true;
    }
    const Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
    requests.append(panel::ParamReadRequest(s.parameter->parameter, s.entity));
    inFlight_.push_back(slot);
    ++attempts_[static_cast<std::size_t>(slot)];
    ++next_;
    if (alone) break;
  }
  return requests;
}

bool PanelReader::takeFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply && !fenceInFlight_ && params::IsCutReply(frame, length)) {
    // One no slot being read takes is no reply of this batch.
    if (std::ranges::none_of(inFlight_, [&](int slot) { return TakesReplyType(slot, frame[0]); })) return false;
    cutTypes_.push_back(frame[0]);
    return settleCutReplies();
  }
  if (!reply) return false;
  if (fenceInFlight_) {
    if (reply->parameter != kFenceParameter || reply->entity != kFenceEntity) return false;
    fenceInFlight_ = false;
    return true;
  }
  const auto it = std::ranges::find_if(inFlight_, [&](int slot) {
    const Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
    if (s.parameter->parameter != reply->parameter) return false;
    return reply->entity ? *reply->entity == s.entity : LosesEntity(slot);
  });
  if (it == inFlight_.end()) return false;
  const Slot& s = AllSlots()[static_cast<std::size_t>(*it)];
  std::optional<params::Value> value = params::ValueFromReply(*s.parameter, *reply);
  if (!value) return false;
  image_.set(*it, std::move(*value));
  ++answered_;
  answeredSinceAsked_ = true;
  inFlight_.erase(it);
  settleCutReplies();
  return true;
}

bool PanelReader::settleCutReplies() {
  if (cutTypes_.empty() || inFlight_.size() != cutTypes_.size()) return false;
  const auto takesACutReply = [&](int slot) {
    return std::ranges::any_of(cutTypes_, [&](std::uint8_t type) { return TakesReplyType(slot, type); });
  };
  if (!std::ranges::all_of(inFlight_, takesACutReply)) return false;
  cutShort_.insert(cutShort_.end(), inFlight_.begin(), inFlight_.end());
  std::ranges::sort(cutShort_);
  inFlight_.clear();
  cutTypes_.clear();
  answeredSinceAsked_ = true;
  return true;
}

void PanelReader::timedOut() {
  if (fenceInFlight_) {
    // Its reply is lost or late: ask it again, a few times, then read on without it.
    fenceInFlight_ = false;
    fenceDue_ = fenceAttempts_ < kAttempts;
    return;
  }
  // A panel that has gone quiet would otherwise be asked for every slot in
  // turn, half an hour for a whole backup.
  silentBatches_ = answeredSinceAsked_ ? 0 : silentBatches_ + 1;
  if (silentBatches_ >= kAttempts) {
    inFlight_.clear();
    next_ = queue_.size();
    return;
  }
  std::vector<int> again;
  for (const int slot : inFlight_)
    if (attempts_[static_cast<std::size_t>(slot)] < kAttempts) again.push_back(slot);
  // Which read a cut reply answered is known only when it is the one read;
  // the late replies of this batch must be past before that.
  const bool cut = !cutTypes_.empty();
  if (cut)
    for (const int slot : again) alone_[static_cast<std::size_t>(slot)] = true;
  if (cut || std::ranges::any_of(inFlight_, LosesEntity)) {
    fenceDue_ = true;
    fenceAttempts_ = 0;
  }
  inFlight_.clear();
  queue_.insert(queue_.begin() + static_cast<std::ptrdiff_t>(next_), again.begin(), again.end());
}

std::vector<int> PanelReader::unanswered() const {
  std::vector<int> open;
  for (const int slot : slots_)
    if (!image_.at(slot) && std::ranges::find(cutShort_, slot) == cutShort_.end()) open.push_back(slot);
  return open;
}

int PauseAfterWrite(const params::PanelParameter& parameter, const panel::FrameBytes& keys) {
  switch (parameter.kind) {
    case params::ValueKind::Options: return (keys.size() - 2 + 1) * 250;  // 7A and 11 are not options
    case params::ValueKind::Code:
    case params::ValueKind::Phone: return 1000;
    default: return 100;
  }
}

bool EditorsCanWrite(int slot, const params::Value& have, const params::Value& wanted) {
  const params::PanelParameter& p = *AllSlots()[static_cast<std::size_t>(slot)].parameter;
  if (!params::IsValid(p, wanted)) return false;
  return p.kind != params::ValueKind::Options || ((have.number ^ wanted.number) & ~std::uint32_t{p.bits}) == 0;
}

WritePlan PlanWrites(const PanelImage& panel, const PanelImage& wanted) {
  WritePlan plan;
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) {
    const std::optional<params::Value>& want = wanted.at(slot);
    const std::optional<params::Value>& have = panel.at(slot);
    if (!want || want == have) continue;
    if (!have) {
      plan.unread.push_back(slot);
      continue;
    }
    const Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
    const params::PanelParameter& p = *s.parameter;
    // Of an option byte the options an editor shows are written even when
    // hidden ones differ as well; reading back tells what is left.
    const panel::FrameBytes keys = params::WriteKeys(p, *have, *want);
    if (keys.empty()) {
      plan.kept.push_back(slot);
      continue;
    }
    WriteStep step{slot, panel::ParamReadRequest(p.parameter, s.entity), PauseAfterWrite(p, keys)};
    step.bytes.append(keys);
    plan.steps.push_back(std::move(step));
  }
  return plan;
}

}  // namespace panelfiles
