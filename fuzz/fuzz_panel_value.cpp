// Any value bytes a reply can carry, for any slot: the reply is read as a
// backup reads it, written to a panel file and read back, and the panel's
// reply for the value read back is the reply it came from. (Of a digit
// string, what follows the end code is no part of the value: the input's
// digits are ended there before the reply is built.)
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "core/panelfiles/PanelFile.h"

namespace {

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Nibbles, the low one of each byte first, 0xF from the first 0xF on.
std::array<std::uint8_t, 8> EndedAtTheEndCode(std::array<std::uint8_t, 8> packed) {
  bool ended = false;
  for (std::uint8_t& byte : packed) {
    std::uint8_t low = byte & 0x0F;
    std::uint8_t high = byte >> 4;
    ended = ended || low == 0x0F;
    if (ended) low = 0x0F;
    ended = ended || high == 0x0F;
    if (ended) high = 0x0F;
    byte = static_cast<std::uint8_t>(high << 4 | low);
  }
  return packed;
}

std::vector<std::uint8_t> ReplyWith(const params::PanelParameter& p, std::uint8_t entity,
                                    const std::array<std::uint8_t, 8>& v) {
  const auto word = static_cast<std::uint16_t>(v[0] << 8 | v[1]);
  switch (p.kind) {
    case params::ValueKind::Options: return params::OptionByteReplyFrame(p.parameter, entity, v[0]);
    case params::ValueKind::Choice: return params::ByteReplyFrame(p.parameter, entity, v[0]);
    case params::ValueKind::Number:
      if (p.replyType == params::kByteReply) return params::ByteReplyFrame(p.parameter, entity, v[0]);
      return params::WordReplyFrame(p.replyType, p.parameter, entity, word);
    case params::ValueKind::Time: return params::WordReplyFrame(p.replyType, p.parameter, entity, word);
    case params::ValueKind::Date: return params::DateReplyFrame(p.parameter, entity, v[0], v[1], v[2]);
    case params::ValueKind::Digits:
    case params::ValueKind::LongDigits:
    case params::ValueKind::Code:
    case params::ValueKind::Phone: return params::DigitsReplyFrame(p.parameter, entity, EndedAtTheEndCode(v));
  }
  return {};
}

}  // namespace

// Two bytes choose the slot, up to eight more are the value bytes (0 where the input ends).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto slots = panelfiles::AllSlots();
  const auto slot = static_cast<int>((data[0] << 8 | data[1]) % slots.size());
  const panelfiles::Slot& s = slots[static_cast<std::size_t>(slot)];
  std::array<std::uint8_t, 8> value{};
  std::copy(data + 2, data + std::min<std::size_t>(size, 10), value.begin());

  // As a whole frame arrives: the serial link does not cut at 0x7E.
  const std::vector<std::uint8_t> frame = ReplyWith(*s.parameter, s.entity, value);
  const std::optional<params::Reply> reply = params::DecodeReply(frame.data() + 1, frame.size() - 1);
  Require(reply.has_value(), "the panel's own reply does not decode");
  const std::optional<params::Value> read = params::ValueFromReply(*s.parameter, *reply);
  Require(read.has_value(), "the panel's own reply gives no value");

  panelfiles::PanelImage image;
  image.set(slot, *read);
  const auto file = panelfiles::ReadPanelFile(panelfiles::WritePanelFile(image));
  Require(std::holds_alternative<panelfiles::PanelImage>(file), "a file the program wrote is refused");
  const std::optional<params::Value>& back = std::get<panelfiles::PanelImage>(file).at(slot);
  Require(back == read, "the value read back from the file differs");
  Require(params::ReplyFrameFor(*s.parameter, s.entity, *back) == frame, "the reply for the value read back differs");
  return 0;
}
