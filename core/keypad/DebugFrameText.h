#pragma once

#include <string_view>

#include "core/link/PanelFrames.h"

namespace console {

inline constexpr std::size_t kMaxDebugTextChars = 63;
inline constexpr std::size_t kMaxDebugTokens = 17;

// The frame typed into the debug window: tokens are runs of hex digits, each
// ended by one other character; every token (an empty one counts as 0) gives
// its low 8 bits. At most 63 characters and 17 tokens are read. The result is
// 7E, the values, 7E.
panel::FrameBytes DebugTextFrame(std::string_view text);

}  // namespace console
