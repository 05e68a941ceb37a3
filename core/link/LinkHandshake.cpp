#include "core/link/LinkHandshake.h"

#include <algorithm>

namespace panel {
namespace {

constexpr std::uint8_t kLoginLead = 0x8E;
constexpr std::uint8_t kPasswordLogin = 0x03;
constexpr std::uint8_t kAccessLogin = 0x02;
constexpr std::uint8_t kAccountLoginLead = 0x52;
constexpr std::uint8_t kAccountLogin = 0x01;

}  // namespace

LinkSecrets DefaultLinkSecrets() {
  // CRC-32 family polynomials: any odd 32-bit values serve, these are easy to recognise.
  return LinkSecrets{{0x04C11DB7u, 0x1EDC6F41u, 0x741B8CD7u, 0x814141ABu}, {'7', '3', '1', '9'}};
}

LinkVerdict WorkSocketVerdict(std::span<const std::uint8_t, kVerdictSize> verdict) {
  if (verdict[0] != kVerdictLead) return {2, -11};
  switch (verdict[1]) {
    case 0x00: return {1, 0};
    case 0xFC: return {2, -6};
    case 0xFB: return {2, -7};
    default: return {2, -10};
  }
}

LinkVerdict ClientSocketVerdict(std::span<const std::uint8_t, kVerdictSize> verdict,
                                std::uint8_t expected) {
  if (verdict[0] != expected) return {1, verdict[0]};
  if (verdict[1] != 0) return {2, verdict[1]};
  const std::uint32_t value = std::uint32_t{verdict[2]} | std::uint32_t{verdict[3]} << 8 |
                              std::uint32_t{verdict[4]} << 16 | std::uint32_t{verdict[5]} << 24;
  return {1, static_cast<int>(value)};
}

FrameBytes BuildPasswordLogin(std::span<const std::uint8_t, 8> answer, std::string_view password) {
  FrameBytes reply;
  reply.append(std::span<const std::uint8_t>(answer));
  reply.append({kLoginLead, kPasswordLogin});
  for (char c : password.substr(0, kMaxPasswordChars)) reply.append(static_cast<std::uint8_t>(c));
  reply.append(std::uint8_t{0});
  return reply;
}

std::uint8_t ExpectedClientVerdictLead(int mode) {
  return mode == 2 ? kAccountVerdictLead : kVerdictLead;
}

FrameBytes BuildClientLogin(int mode, std::span<const std::uint8_t, 8> answer,
                            std::string_view loginText, const std::array<char, 4>& accessCode) {
  FrameBytes reply;
  reply.append(std::span<const std::uint8_t>(answer));
  const std::string_view text =
      mode == 2 ? loginText : std::string_view(accessCode.data(), accessCode.size());
  reply.append(mode == 2 ? std::initializer_list<std::uint8_t>{kAccountLoginLead, kAccountLogin}
                         : std::initializer_list<std::uint8_t>{kLoginLead, kAccessLogin});
  for (std::size_t i = 0; i < 4; ++i)
    reply.append(i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0});
  reply.append(std::uint8_t{0});
  return reply;
}

std::optional<ParsedLogin> ParseLogin(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 11 || bytes.back() != 0) return std::nullopt;
  ParsedLogin login;
  std::copy_n(bytes.begin(), 8, login.answer.begin());
  const auto text = bytes.subspan(10, bytes.size() - 11);
  login.text = std::string_view(reinterpret_cast<const char*>(text.data()), text.size());
  if (bytes[8] == kLoginLead && bytes[9] == kPasswordLogin) {
    login.kind = ParsedLogin::Kind::Password;
    if (text.size() > kMaxPasswordChars) return std::nullopt;
  } else if (bytes[8] == kLoginLead && bytes[9] == kAccessLogin && text.size() == 4) {
    login.kind = ParsedLogin::Kind::AccessCode;
  } else if (bytes[8] == kAccountLoginLead && bytes[9] == kAccountLogin && text.size() == 4) {
    login.kind = ParsedLogin::Kind::Account;
  } else {
    return std::nullopt;
  }
  return login;
}

}  // namespace panel
