#include "dialogs/VersionBlock.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "model/TextOrder.h"

namespace zelto {

namespace version_block {

std::string Encode(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string texts;
  for (const auto& [key, value] : entries) {
    texts += key;
    texts += '\0';
    texts += value;
    texts += '\0';
  }
  std::string out(Marker, MarkerSize);
  const auto put32 = [&out](std::uint32_t v) {
    for (int b = 0; b < 4; ++b) out += static_cast<char>((v >> (8 * b)) & 0xFF);
  };
  put32(static_cast<std::uint32_t>(texts.size()));
  out += texts;
  put32(Checksum(texts.data(), texts.size()));
  return out;
}

}  // namespace version_block

namespace {

std::uint32_t Read32(std::string_view bytes) {
  std::uint32_t v = 0;
  for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes[b]);
  return v;
}

// The value of a hexadecimal number of one to four digits.
std::optional<std::uint32_t> Hex16(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::uint32_t v = 0;
  for (const char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    v = v * 16 + static_cast<std::uint32_t>(digit);
  }
  return v;
}

}  // namespace

std::optional<VersionData> VersionData::ParseAt(std::string_view bytes) {
  using namespace version_block;
  if (bytes.size() < MarkerSize + 8 ||
      bytes.substr(0, MarkerSize) != std::string_view(Marker, MarkerSize))
    return std::nullopt;
  const std::uint32_t size = Read32(bytes.substr(MarkerSize, 4));
  if (size == 0 || size > MaxEntriesSize || bytes.size() - MarkerSize - 8 < size)
    return std::nullopt;
  const std::string_view texts = bytes.substr(MarkerSize + 4, size);
  if (Read32(bytes.substr(MarkerSize + 4 + size, 4)) != Checksum(texts.data(), texts.size()))
    return std::nullopt;
  if (texts.back() != '\0') return std::nullopt;

  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start < texts.size();) {
    const std::size_t end = texts.find('\0', start);
    parts.push_back(texts.substr(start, end - start));
    start = end + 1;
  }
  if (parts.size() % 2 != 0) return std::nullopt;
  VersionData data;
  for (std::size_t i = 0; i < parts.size(); i += 2)
    data.entries_.emplace_back(std::string(parts[i]), std::string(parts[i + 1]));
  return data;
}

std::optional<VersionData> VersionData::Find(std::string_view bytes) {
  using namespace version_block;
  const std::boyer_moore_horspool_searcher searcher(Marker, Marker + MarkerSize);
  auto from = bytes.begin();
  while (true) {
    const auto hit = std::search(from, bytes.end(), searcher);
    if (hit == bytes.end()) return std::nullopt;
    const auto offset = static_cast<std::size_t>(hit - bytes.begin());
    if (auto data = ParseAt(bytes.substr(offset))) return data;
    from = hit + 1;
  }
}

std::optional<std::string_view> VersionData::Value(std::string_view key) const {
  for (const auto& [k, v] : entries_)
    if (TextEqual(k, key)) return std::string_view(v);
  return std::nullopt;
}

std::optional<VersionInfo> VersionInfo::From(VersionData data) {
  const auto list = data.Value("\\VarFileInfo\\Translation");
  if (!list) return std::nullopt;
  // The first entry: the language and the code page, separated by a blank.
  std::string_view first = list->substr(0, list->find(','));
  const std::size_t blank = first.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const auto language = Hex16(first.substr(0, blank));
  const auto codePage = Hex16(first.substr(blank + 1));
  if (!language || !codePage) return std::nullopt;
  return VersionInfo(std::move(data), (*language << 16) | *codePage);
}

std::string VersionInfo::StringPath(std::string_view valueName) const {
  char table[9];
  std::snprintf(table, sizeof table, "%08x", static_cast<unsigned>(translation_));
  std::string path = "\\StringFileInfo\\";
  path += table;
  path += '\\';
  path += valueName;
  return path;
}

std::optional<std::string_view> VersionInfo::Query(std::string_view valueName) const {
  return data_.Value(StringPath(valueName));
}

}  // namespace zelto
