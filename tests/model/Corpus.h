#pragma once
// The hand-made document files of corpus/, whose names say what a load must give, and the
// example tour document, which loads cleanly.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zelto::fakes {

struct CorpusFile {
  std::string name;
  std::string bytes;
};

inline std::string ReadWholeFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::vector<CorpusFile> CorpusFiles() {
  std::vector<CorpusFile> files;
  for (const auto& entry : std::filesystem::directory_iterator(ZELTO_CORPUS_DIR))
    if (entry.path().extension() == ".zlt")
      files.push_back({entry.path().filename().string(), ReadWholeFile(entry.path())});
  std::sort(files.begin(), files.end(),
            [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
  files.push_back({"loads-tour.zlt", ReadWholeFile(ZELTO_TOUR_FILE)});
  return files;
}

}  // namespace zelto::fakes
