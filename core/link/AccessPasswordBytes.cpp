#include "core/link/AccessPasswordBytes.h"

#include <algorithm>
#include <compare>

namespace console {

namespace {
panel::LinkCipher KeyFor(const panel::Challenge& prefix, const panel::DerivationConstants& constants) {
  panel::LinkCipher cipher;
  cipher.setKey(panel::LinkKeyDerivation(prefix, constants).key);
  return cipher;
}
}  // namespace

std::vector<std::uint8_t> ScrambleAccessPassword(const panel::Challenge& prefix, std::string_view password,
                                                 const panel::DerivationConstants& constants) {
  std::vector<std::uint8_t> value(prefix.begin(), prefix.end());
  value.insert(value.end(), password.begin(), password.end());
  KeyFor(prefix, constants).apply(value.data() + prefix.size(), password.size(),
                                  panel::LinkCipher::Direction::Send);
  return value;
}

int CompareAccessPassword(std::span<const std::uint8_t> timeset, std::string_view text,
                          const panel::DerivationConstants& constants) {
  timeset = timeset.first(std::min(timeset.size(), kMaxTimesetBytes));
  if (timeset.size() < kMinTimesetBytes) return kNoAccessPassword;
  panel::Challenge prefix{};
  std::copy_n(timeset.begin(), prefix.size(), prefix.begin());
  std::vector<std::uint8_t> stored(timeset.begin() + prefix.size(), timeset.end());
  KeyFor(prefix, constants).apply(stored.data(), stored.size(), panel::LinkCipher::Direction::Send);
  // Both sides end at their first zero byte, as the stored text is compared as a C string.
  const auto storedEnd = std::find(stored.begin(), stored.end(), std::uint8_t{0});
  const auto textEnd = std::find(text.begin(), text.end(), '\0');
  const auto order = std::lexicographical_compare_three_way(
      stored.begin(), storedEnd, text.begin(), textEnd, [](std::uint8_t x, char y) {
        return x <=> static_cast<std::uint8_t>(y);
      });
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace console
