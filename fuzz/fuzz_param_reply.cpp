// Decodes arbitrary bytes as a delivered parameter reply and takes its value
// for every parameter it names. Nothing may be read past the frame; every
// value, typed by an editor or not, must print and parse back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/parameters/PanelParameters.h"

namespace {
void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly `size` bytes, so reading one more is caught.
  const std::unique_ptr<std::uint8_t[]> frame(new std::uint8_t[size == 0 ? 1 : size]);
  for (std::size_t i = 0; i < size; ++i) frame[i] = data[i];
  const std::optional<params::Reply> reply = params::DecodeReply(frame.get(), size);
  if (!reply) return 0;
  Require(reply->nibbleCount <= 16, "more than sixteen digits");
  Require(reply->type == data[0], "type is not the first byte");
  for (const params::PanelParameter& p : params::PanelParameters()) {
    if (p.parameter != reply->parameter) continue;
    const std::optional<params::Value> value = params::ValueFromReply(p, *reply);
    if (!value) continue;
    const std::string text = params::FormatValue(p, *value);
    const std::optional<params::Value> back = params::ParseValue(p, text);
    Require(back && *back == *value, "a value does not parse back from its text");
  }
  return 0;
}
