// Reads arbitrary text as a panel file. A file that is taken must be written
// back to a file that reads as the same image; one that is refused must say
// where.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/panelfiles/PanelFile.h"

namespace {
void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto read = panelfiles::ReadPanelFile(text);
  if (const auto* error = std::get_if<panelfiles::FileError>(&read)) {
    Require(!error->message.empty(), "a refusal without a message");
    return 0;
  }
  const panelfiles::PanelImage& image = std::get<panelfiles::PanelImage>(read);
  const auto again = panelfiles::ReadPanelFile(panelfiles::WritePanelFile(image));
  Require(std::holds_alternative<panelfiles::PanelImage>(again), "a written file is refused");
  Require(std::get<panelfiles::PanelImage>(again) == image, "a written file reads differently");
  return 0;
}
