// Runs a fuzz target over the files named on the command line (directories
// are walked), without libFuzzer. Used to replay a corpus or a crash file
// under gcc, or under a plain sanitizer build.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return false;
  }
  const std::vector<char> contents{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  // An exact-size heap block, as libFuzzer gives, so a sanitizer sees any
  // read past the end of the input.
  const std::size_t size = contents.size();
  std::unique_ptr<std::uint8_t[]> data(new std::uint8_t[size ? size : 1]);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(contents[i]);
  LLVMFuzzerTestOneInput(data.get(), size);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE-OR-DIRECTORY...\n", argv[0]);
    return 2;
  }
  std::size_t runs = 0;
  bool ok = true;
  for (int a = 1; a < argc; ++a) {
    const std::filesystem::path arg(argv[a]);
    if (std::filesystem::is_directory(arg)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(arg)) {
        if (!entry.is_regular_file()) continue;
        ok = RunFile(entry.path()) && ok;
        ++runs;
      }
    } else {
      ok = RunFile(arg) && ok;
      ++runs;
    }
  }
  std::printf("replayed %zu input(s)\n", runs);
  return ok && runs > 0 ? 0 : 1;
}
