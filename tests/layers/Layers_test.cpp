// The layers of src/: every folder is a layer, and a layer reaches only the layers below it,
// both in its `#include "..."` lines and in what its libraries link. A folder of a lower
// layer that included a higher one would close a cycle between the folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The layers from the top down; folders on one level do not include each other.
const std::map<std::string, int, std::less<>> kLevel = {
    {"app", 5},                       //
    {"mainwin", 4},  {"print", 4},    //
    {"view", 3},     {"dialogs", 3},  //
    {"platform", 2},                  //
    {"common", 1},                    //
    {"model", 0},
};

struct Include {
  std::string from;   // the including folder
  std::string to;     // the included folder
  std::string where;  // file and line of the include
};

std::optional<int> LevelOf(const std::string& folder) {
  const auto it = kLevel.find(folder);
  if (it == kLevel.end()) return std::nullopt;
  return it->second;
}

// Every `#include "..."` of src/ that names a header of another folder. A name without a
// folder is a header beside the including file.
std::vector<Include> IncludesBetweenFolders(const fs::path& src) {
  static const std::regex includeLine(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<Include> includes;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    const fs::path& file = entry.path();
    if (!entry.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp"))
      continue;
    const fs::path relative = fs::relative(file, src);
    const std::string from = relative.has_parent_path() ? relative.begin()->string() : "";
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch match;
      if (!std::regex_search(line, match, includeLine)) continue;
      const fs::path header = match[1].str();
      const std::string to = header.has_parent_path() ? header.begin()->string() : from;
      if (to != from)
        includes.push_back({from, to, "src/" + relative.string() + ":" + std::to_string(number)});
    }
  }
  return includes;
}

// The folders of a cycle in the graph of `includes`, the first one repeated at the end;
// empty when there is none.
std::vector<std::string> FindCycle(const std::vector<Include>& includes) {
  std::map<std::string, std::set<std::string>> edges;
  for (const Include& i : includes) edges[i.from].insert(i.to);
  std::map<std::string, int> state;  // 1: on the current path, 2: done
  std::vector<std::string> path;
  std::vector<std::string> cycle;
  std::function<bool(const std::string&)> visit = [&](const std::string& folder) {
    state[folder] = 1;
    path.push_back(folder);
    for (const std::string& next : edges[folder]) {
      if (state[next] == 1) {
        cycle.assign(std::find(path.begin(), path.end(), next), path.end());
        cycle.push_back(next);
        return true;
      }
      if (state[next] == 0 && visit(next)) return true;
    }
    path.pop_back();
    state[folder] = 2;
    return false;
  };
  for (const auto& [folder, targets] : edges)
    if (state[folder] == 0 && visit(folder)) break;
  return cycle;
}

// Why a folder (or library) on `from` may not use one on `to`, or nothing when it may.
std::optional<std::string> Upward(int from, int to) {
  if (to < from) return std::nullopt;
  return to == from ? "on its own level" : "above it";
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

TEST(Layers, IncludesRunOnlyDownward) {
  const std::vector<Include> includes = IncludesBetweenFolders(ZELTO_SOURCE_DIR);
  ASSERT_FALSE(includes.empty()) << "no includes found under " << ZELTO_SOURCE_DIR;
  std::vector<std::string> wrong;
  for (const Include& i : includes) {
    const std::optional<int> from = LevelOf(i.from);
    const std::optional<int> to = LevelOf(i.to);
    if (!from)
      wrong.push_back(i.where + ": the folder \"" + i.from + "\" is no layer");
    else if (!to)
      wrong.push_back(i.where + ": includes from \"" + i.to + "\", which is no layer");
    else if (const std::optional<std::string> why = Upward(*from, *to))
      wrong.push_back(i.where + ": " + i.from + " includes " + i.to + ", which is " + *why);
  }
  EXPECT_TRUE(wrong.empty()) << Join(wrong, "\n");
}

TEST(Layers, FoldersIncludeEachOtherInNoCycle) {
  const std::vector<std::string> cycle = FindCycle(IncludesBetweenFolders(ZELTO_SOURCE_DIR));
  EXPECT_TRUE(cycle.empty()) << "the folders include each other: " << Join(cycle, " -> ");
}

// Each line of the file CMake writes: "library layer kind: link;link;...", where kind is
// "qt" or "qt-free".
TEST(Layers, LibrariesLinkOnlyDownwardAndQtFreeOnesLinkNoQt) {
  std::ifstream in(ZELTO_LAYER_LIBRARIES);
  ASSERT_TRUE(in) << "cannot read " << ZELTO_LAYER_LIBRARIES;
  struct Library {
    std::string layer;
    bool qtFree;
    std::vector<std::string> links;
  };
  std::map<std::string, Library> libraries;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::istringstream head(line.substr(0, colon));
    std::string name, layer, kind;
    head >> name >> layer >> kind;
    Library& library = libraries[name];
    library.layer = layer;
    library.qtFree = kind == "qt-free";
    std::istringstream links(line.substr(colon + 1));
    for (std::string link; std::getline(links, link, ';');)
      if (const auto start = link.find_first_not_of(' '); start != std::string::npos)
        library.links.push_back(link.substr(start));
  }
  ASSERT_FALSE(libraries.empty());

  std::vector<std::string> wrong;
  for (const auto& [name, library] : libraries) {
    if (!LevelOf(library.layer))
      wrong.push_back(name + " is made in \"" + library.layer + "\", which is no layer");
    for (const std::string& link : library.links) {
      if (library.qtFree && link.rfind("Qt", 0) == 0) {
        wrong.push_back(name + " is Qt-free but links " + link);
        continue;
      }
      const auto other = libraries.find(link);
      if (other == libraries.end()) continue;  // a library of no layer (warnings, Qt, X11)
      const Library& used = other->second;
      if (library.qtFree && !used.qtFree) wrong.push_back(name + " is Qt-free but links " + link);
      const bool ownQtFreePart = used.layer == library.layer && used.qtFree && !library.qtFree;
      const std::optional<int> from = LevelOf(library.layer);
      const std::optional<int> to = LevelOf(used.layer);
      if (ownQtFreePart || !from || !to) continue;
      if (const std::optional<std::string> why = Upward(*from, *to))
        wrong.push_back(name + " (" + library.layer + ") links " + link + " (" + used.layer +
                        "), which is " + *why);
    }
  }
  EXPECT_TRUE(wrong.empty()) << Join(wrong, "\n");
}

}  // namespace
