// Decodes arbitrary bytes as a serial envelope under several payload limits.
// A complete envelope must re-encode to exactly the bytes it came from, and
// no outcome may claim more bytes than it was given.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <span>

#include "core/link/SerialEnvelope.h"

namespace {

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

constexpr std::size_t kLimits[] = {0, 1, 64, 2048, 0xFFFF,
                                   std::numeric_limits<std::size_t>::max()};

void CheckOne(std::span<const std::uint8_t> in, std::size_t limit) {
  using panel::EnvelopeStatus;
  const panel::DecodedEnvelope d = panel::DecodeSerialEnvelope(in, limit);
  Require(d.consumed <= in.size(), "consumed more than the input");

  switch (d.status) {
    case EnvelopeStatus::Complete: {
      Require(d.consumed == d.payload.size() + panel::kEnvelopeOverhead, "consumed/payload mismatch");
      Require(d.payload.size() <= limit, "payload over the limit");
      Require(d.payload.data() == in.data() + 3, "payload does not follow the header");

      std::unique_ptr<std::uint8_t[]> out(new std::uint8_t[d.consumed]);
      const std::size_t written =
          panel::EncodeSerialEnvelope(d.payload, std::span(out.get(), d.consumed));
      Require(written == d.consumed, "re-encoding has a different length");
      Require(std::memcmp(out.get(), in.data(), written) == 0, "re-encoding differs");
      Require(panel::EncodeSerialEnvelope(d.payload, std::span(out.get(), d.consumed - 1)) == 0,
              "encoder wrote into a buffer that is too small");

      // Every strict prefix is incomplete; decode it from an exact-size copy
      // so a read past the end is caught.
      const std::size_t cut = d.consumed - 1;
      std::unique_ptr<std::uint8_t[]> prefix(new std::uint8_t[cut ? cut : 1]);
      if (cut) std::memcpy(prefix.get(), in.data(), cut);
      const auto p = panel::DecodeSerialEnvelope(std::span(prefix.get(), cut), limit);
      Require(p.status == EnvelopeStatus::NeedMore, "a strict prefix is not NeedMore");
      break;
    }
    case EnvelopeStatus::BadChecksum:
      Require(d.consumed >= panel::kEnvelopeOverhead, "bad checksum with a short envelope");
      Require(d.payload.empty(), "payload given with a bad checksum");
      break;
    case EnvelopeStatus::NeedMore:
    case EnvelopeStatus::NoDelimiter:
    case EnvelopeStatus::TooLong:
      Require(d.consumed == 0, "consumed set without an envelope");
      Require(d.payload.empty(), "payload given without an envelope");
      break;
  }
  if (d.status == EnvelopeStatus::NoDelimiter) Require(in[0] != 0x7E, "NoDelimiter on 0x7E");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> in(data, size);
  for (std::size_t limit : kLimits) CheckOne(in, limit);
  return 0;
}
