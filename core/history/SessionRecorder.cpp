#include "core/history/SessionRecorder.h"

#include "core/link/PanelFrames.h"
#include "core/parameters/PanelParameters.h"

namespace history {

namespace {
// Reads the panel never answers (a parameter it does not have) must not pile
// up; far more than the most reads an editor or a restore keeps open.
constexpr std::size_t kMostOpenReads = 64;
// 7E AB 07 00 p 00 e 7E.
constexpr std::size_t kReadRequestSize = 8;
// 7E A1 07 k 7E.
constexpr std::size_t kKeyFrameSize = 5;
}  // namespace

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const std::uint8_t byte : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

void SessionRecorder::sent(std::span<const std::uint8_t> bytes) { reader_.feed(bytes, *this); }

void SessionRecorder::pcFrame(std::span<const std::uint8_t> frame) {
  if (frame.size() < 3 || frame[2] != panel::kPcMarker) return;
  switch (frame[1]) {
    case panel::kTypeParamRead: {
      if (frame.size() != kReadRequestSize) return;
      const Address address{frame[4], frame[6]};
      entry_.read(address.first, address.second);
      open_.push_back({address, ++reads_, readingBack_});
      if (open_.size() > kMostOpenReads) open_.pop_front();
      break;
    }
    case panel::kTypeKey:
      if (frame.size() == kKeyFrameSize) pcKey(frame[3]);
      break;
    case panel::kTypeLeaveProgram: entry_.leave(); break;
    default: break;
  }
}

void SessionRecorder::pcKey(std::uint8_t key) {
  const std::optional<params::ProgramEntry::Typed> typed = entry_.key(key);
  // ENTER alone types nothing; a parameter no editor reads is a command
  // (the clock, un-mapping an output), not a setting.
  if (!typed || typed->keys.empty() || !params::FindPanelParameter(typed->parameter, typed->entity)) return;
  Track& track = tracks_[{typed->parameter, typed->entity}];
  // The keys act on the parameter last read, which is the last read sent.
  track.lastWrite = reads_;
  if (track.change) {
    ParameterChange& change = changes_[*track.change];
    if (change.after) {
      change.after.reset();
      notify(*track.change);
    }
    return;
  }
  track.firstWrite = reads_;
  track.change = changes_.size();
  changes_.push_back({typed->parameter, typed->entity, track.lastSeen, std::nullopt});
  notify(*track.change);
}

void SessionRecorder::received(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply) {
    // The panel answers in order: a reply cut short by a 0x7E in its value
    // answers the oldest open read, though it cannot say which.
    if (params::IsCutReply(frame, length) && !open_.empty()) open_.pop_front();
    return;
  }
  auto match = open_.begin();
  while (match != open_.end() &&
         !(match->address.first == reply->parameter && (!reply->entity || match->address.second == *reply->entity)))
    ++match;
  if (match == open_.end()) return;
  const OpenRead read = *match;
  open_.erase(open_.begin(), match + 1);

  const params::PanelParameter* parameter = params::FindPanelParameter(read.address.first, read.address.second);
  if (!parameter) return;
  const std::optional<params::Value> value = params::ValueFromReply(*parameter, *reply);
  if (!value) return;
  answered(read, HexBytes(params::ValueBytes(*parameter, *value)));
}

void SessionRecorder::answered(const OpenRead& read, const std::string& value) {
  Track& track = tracks_[read.address];
  if (!track.change) {
    track.lastSeen = value;
    return;
  }
  ParameterChange& change = changes_[*track.change];
  if (read.number <= track.firstWrite) {
    change.before = value;
    notify(*track.change);
  } else if (read.readBack && read.number > track.lastWrite) {
    change.after = value;
    notify(*track.change);
  }
}

void SessionRecorder::notify(std::size_t change) {
  if (onChange) onChange(changes_[change]);
}

void SessionRecorder::startReadBack() { readingBack_ = true; }

std::vector<SessionRecorder::Address> SessionRecorder::awaitingReadBack() const {
  std::vector<Address> awaiting;
  for (const ParameterChange& change : changes_)
    if (!change.after) awaiting.emplace_back(change.parameter, change.entity);
  return awaiting;
}

}  // namespace history
