#pragma once
// The version block: the program's name, version and copyright, compiled into the executable
// as one recognisable byte sequence and found again by reading the program file, so that what
// the About box shows always matches the file it runs from.
//
// Layout of a block, all in one contiguous run of bytes:
//   the 16-byte marker,
//   the size of the entries as a 32-bit little-endian number,
//   the entries: texts ended by a zero byte, alternately a key and its value,
//   a 32-bit little-endian FNV-1a checksum of the entries.
// Keys are paths: "\VarFileInfo\Translation" holds the language and code page of the string
// table as two hexadecimal numbers ("0409 04E4"); the strings live under
// "\StringFileInfo\<language><code page>\<name>", for example
// "\StringFileInfo\040904E4\ProductName". Texts are Windows-1252 bytes.
//
// The marker alone does not make a block: the size, the entries and the checksum must agree,
// so the marker's own bytes elsewhere in the program (in the code that searches for it) are
// passed over.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelto {

namespace version_block {

inline constexpr std::size_t MarkerSize = 16;
inline constexpr char Marker[MarkerSize + 1] = "\x7FZeltoVersion\x01\x02\x7F";
// Entries larger than this are not a block.
inline constexpr std::uint32_t MaxEntriesSize = 0x10000;

constexpr std::uint32_t Checksum(const char* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= static_cast<unsigned char>(data[i]);
    hash *= 16777619u;
  }
  return hash;
}

// The whole block for `entries`, a string literal of zero-separated keys and values (its
// terminating zero ends the last value).
template <std::size_t N>
constexpr std::array<char, MarkerSize + 4 + N + 4> Build(const char (&entries)[N]) {
  std::array<char, MarkerSize + 4 + N + 4> out{};
  std::size_t at = 0;
  for (std::size_t i = 0; i < MarkerSize; ++i) out[at++] = Marker[i];
  const auto put32 = [&](std::uint32_t v) {
    for (int b = 0; b < 4; ++b) out[at++] = static_cast<char>((v >> (8 * b)) & 0xFF);
  };
  put32(static_cast<std::uint32_t>(N));
  for (std::size_t i = 0; i < N; ++i) out[at++] = entries[i];
  put32(Checksum(entries, N));
  return out;
}

// The same at run time, for any list of keys and values.
std::string Encode(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace version_block

// The values of a version block.
class VersionData {
 public:
  // The first complete block in `bytes`, or nothing when there is none.
  static std::optional<VersionData> Find(std::string_view bytes);
  // The block that starts exactly at `bytes`, or nothing.
  static std::optional<VersionData> ParseAt(std::string_view bytes);

  // The value under a key path; keys compare ignoring the case of ASCII letters.
  std::optional<std::string_view> Value(std::string_view key) const;
  std::size_t Count() const { return entries_.size(); }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// A program's version information: the block and the string table its translation list names.
class VersionInfo {
 public:
  // Nothing when the block has no readable translation list, as if there were no block.
  static std::optional<VersionInfo> From(VersionData data);

  // The first entry of the translation list: language × 65536 + code page.
  std::uint32_t Translation() const { return translation_; }
  // "\StringFileInfo\%08x\%s" of the translation and a value name.
  std::string StringPath(std::string_view valueName) const;
  // The value of that name in the string table.
  std::optional<std::string_view> Query(std::string_view valueName) const;

 private:
  VersionInfo(VersionData data, std::uint32_t translation)
      : data_(std::move(data)), translation_(translation) {}
  VersionData data_;
  std::uint32_t translation_;
};

}  // namespace zelto
