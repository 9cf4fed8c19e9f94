// Replays the kept inputs of a fuzz target without libFuzzer: every file of the folders (or the files)
// named on the command line goes through the target's entry point once, in name order. A crash, a
// sanitizer report or an abort fails the run, so an input that once crashed stays fixed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    if (fs::is_directory(path)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(path))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (fs::is_regular_file(path)) {
      inputs.push_back(path);
    } else {
      std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
      return 2;
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 2;
  }
  for (const fs::path& path : inputs) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
      std::fprintf(stderr, "%s: cannot read\n", path.c_str());
      return 2;
    }
    // An empty vector's data() may be null; the entry point gets a valid pointer as libFuzzer gives it.
    static const uint8_t kNothing = 0;
    const auto* data = bytes.empty() ? &kNothing : reinterpret_cast<const uint8_t*>(bytes.data());
    LLVMFuzzerTestOneInput(data, bytes.size());
  }
  std::printf("replayed %zu inputs\n", inputs.size());
  return 0;
}
