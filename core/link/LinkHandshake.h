#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/link/LinkKeyDerivation.h"
#include "core/link/PanelFrames.h"

namespace panel {

inline constexpr std::size_t kChallengeSize = 8;
inline constexpr std::size_t kVerdictSize = 6;
inline constexpr std::size_t kMaxPasswordChars = 14;
inline constexpr std::size_t kClientLoginReplySize = 15;

inline constexpr std::uint8_t kVerdictLead = 0x71;        // 'q'
inline constexpr std::uint8_t kAccountVerdictLead = 0x89;  // login-only mode 2

// What a login attempt came to: status 1 = accepted (or, for login-only
// connections, a reply the panel did not frame as a refusal), 2 = refused.
struct LinkVerdict {
  int status = 0;
  int code = 0;
  friend bool operator==(const LinkVerdict&, const LinkVerdict&) = default;
};

// The shared secrets of a PC program and the modules it logs in to.
struct LinkSecrets {
  DerivationConstants constants;
  std::array<char, 4> accessCode{};
};

// Defaults of tarnel; a deployment overrides them from its settings.
LinkSecrets DefaultLinkSecrets();

// Verdict of a frame-carrying login (already de-scrambled).
LinkVerdict WorkSocketVerdict(std::span<const std::uint8_t, kVerdictSize> verdict);
// Verdict of a login-only connection, which expects lead byte `expected`.
LinkVerdict ClientSocketVerdict(std::span<const std::uint8_t, kVerdictSize> verdict,
                                std::uint8_t expected);

// answer, 8E 03, up to 14 password characters, 00.
FrameBytes BuildPasswordLogin(std::span<const std::uint8_t, 8> answer, std::string_view password);

// The 15-byte login of a login-only connection. Mode 2 sends 52 01 and the
// first four characters of the account text; every other mode sends 8E 02 and
// the access code. Short texts are padded with zeros.
FrameBytes BuildClientLogin(int mode, std::span<const std::uint8_t, 8> answer,
                            std::string_view loginText, const std::array<char, 4>& accessCode);
std::uint8_t ExpectedClientVerdictLead(int mode);

// The module's view of a login message, for the simulator and tests.
struct ParsedLogin {
  enum class Kind { Password, AccessCode, Account } kind = Kind::Password;
  std::array<std::uint8_t, 8> answer{};
  std::string_view text;  // points into the parsed bytes
};
std::optional<ParsedLogin> ParseLogin(std::span<const std::uint8_t> bytes);

}  // namespace panel
