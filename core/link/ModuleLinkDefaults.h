#pragma once

#include <cstdint>

#include "core/link/LinkKeyDerivation.h"

namespace quilby {

// Where quilby waits for a module to call in.
inline constexpr std::uint16_t kDefaultPort = 4700;

// quilby's own four polynomials, shared with the modules it configures and
// deliberately not tarnel's. A site overrides them from its settings or the
// command line.
inline constexpr panel::DerivationConstants kDefaultDerivationConstants{
    0xA833982Bu, 0x32583499u, 0xF4ACFB13u, 0x5D6DCB55u};

}  // namespace quilby
