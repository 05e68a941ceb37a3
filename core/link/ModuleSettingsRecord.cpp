#include "core/link/ModuleSettingsRecord.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace quilby {

std::optional<ModuleSettingsRecord> ModuleSettingsRecord::FromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kSize) return std::nullopt;
  ModuleSettingsRecord record;
  std::copy(bytes.begin(), bytes.end(), record.bytes_.begin());
  return record;
}

std::string ModuleSettingsRecord::text(Text which) const {
  const Field f = field(which);
  const auto* begin = bytes_.data() + f.offset;
  const auto* end = static_cast<const std::uint8_t*>(std::memchr(begin, 0, f.size));
  if (!end) end = begin + f.size;
  return std::string(begin, end);
}

void ModuleSettingsRecord::setText(Text which, std::string_view value) {
  const Field f = field(which);
  const std::size_t n = std::min(value.size(), f.size - 1);
  auto* out = bytes_.data() + f.offset;
  std::memcpy(out, value.data(), n);
  std::memset(out + n, 0, f.size - n);
}

std::uint32_t ModuleSettingsRecord::subnetMask() const {
  std::uint32_t mask = 0;
  for (std::size_t i = 0; i < 4; ++i)
    mask |= std::uint32_t{bytes_[kSubnetMaskOffset + i]} << (8 * i);
  return mask;
}

void ModuleSettingsRecord::setSubnetMask(std::uint32_t mask) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes_[kSubnetMaskOffset + i] = static_cast<std::uint8_t>(mask >> (8 * i));
}

std::string ModuleSettingsRecord::linkVersionText() const {
  const char letter = static_cast<char>(bytes_[kLinkVersionOffset]);
  const int major = static_cast<std::int8_t>(bytes_[kLinkVersionOffset + 1]);
  const int minor = static_cast<std::int8_t>(bytes_[kLinkVersionOffset + 2]);
  char out[32];
  std::snprintf(out, sizeof out, "%c %d.%02d", letter, major, minor);
  return out;
}

void ModuleSettingsRecord::setBit(std::size_t offset, std::uint8_t mask, bool on) {
  if (on)
    bytes_[offset] = static_cast<std::uint8_t>(bytes_[offset] | mask);
  else
    bytes_[offset] = static_cast<std::uint8_t>(bytes_[offset] & ~mask);
}

std::string FormatDottedQuad(std::uint32_t value) {
  char out[16];
  std::snprintf(out, sizeof out, "%u.%u.%u.%u", (value >> 24) & 0xFFu, (value >> 16) & 0xFFu,
                (value >> 8) & 0xFFu, value & 0xFFu);
  return out;
}

namespace {

// Splits at dots; false when there are more than four parts or a part holds
// anything but digits.
bool SplitQuad(std::string_view text, std::array<std::string_view, 4>& parts, std::size_t& count) {
  count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = text.find('.', start);
    const std::string_view part =
        text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    if (count == 4) return false;
    for (char c : part)
      if (c < '0' || c > '9') return false;
    parts[count++] = part;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

// Digits only; saturates instead of overflowing on long runs.
unsigned PartValue(std::string_view part) {
  unsigned value = 0;
  for (char c : part) {
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 255) return 256;
  }
  return value;
}

}  // namespace

std::optional<std::uint32_t> ParseDottedQuad(std::string_view text) {
  std::array<std::string_view, 4> parts;
  std::size_t count = 0;
  if (!SplitQuad(text, parts, count) || count != 4) return std::nullopt;
  std::uint32_t value = 0;
  for (const auto& part : parts) {
    if (part.empty() || part.size() > 3) return std::nullopt;
    const unsigned n = PartValue(part);
    if (n > 255) return std::nullopt;
    value = value << 8 | n;
  }
  return value;
}

std::uint32_t ParseDottedQuadLenient(std::string_view text) {
  std::array<std::string_view, 4> parts;
  std::size_t count = 0;
  if (!SplitQuad(text, parts, count)) return 0;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const unsigned n = i < count ? std::min(PartValue(parts[i]), 255u) : 0u;
    value = value << 8 | n;
  }
  return value;
}

}  // namespace quilby
