#include "model/DocumentCodec.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

#include "model/Document.h"
#include "model/TextOrder.h"
#include "model/TreeOps.h"

namespace zelto {

namespace {

constexpr unsigned char HeaderMark = 0x3A;  // ':'
constexpr std::uint8_t ShortEmptyLength = 0xFF;
constexpr std::uint32_t LongEmptyLength = 0xFFFFFFFF;

// The encodings that depend on the stream version.
struct StreamFormat {
  std::uint32_t version = 0;
  bool LongStrings() const { return version > 256; }  // u32 lengths, else u8
  bool LongCounts() const { return version > 0; }     // u32 counts, else u16
  std::size_t StringLengthSize() const { return LongStrings() ? 4 : 1; }
  std::size_t CountSize() const { return LongCounts() ? 4 : 2; }
};

// Reads little-endian values from a byte image; every read that would pass the end
// fails and leaves the position where it was.
class ByteReader {
 public:
  explicit ByteReader(std::string_view data) : data_(data) {}

  std::size_t Remaining() const { return data_.size() - pos_; }

  std::optional<std::uint8_t> Peek() const {
    if (Remaining() < 1) return std::nullopt;
    return static_cast<std::uint8_t>(data_[pos_]);
  }

  std::optional<std::uint32_t> Unsigned(std::size_t width) {
    if (Remaining() < width) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>(data_[pos_ + i])) << (8 * i);
    pos_ += width;
    return value;
  }

  std::optional<std::string> String(const StreamFormat& format) {
    const std::size_t start = pos_;
    const auto length = Unsigned(format.StringLengthSize());
    if (!length) return std::nullopt;
    const bool empty =
        format.LongStrings() ? *length == LongEmptyLength : *length == ShortEmptyLength;
    if (empty) return std::string();
    if (*length > Remaining()) {
      pos_ = start;
      return std::nullopt;
    }
    std::string text(data_.substr(pos_, *length));
    pos_ += *length;
    return text;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

// Gives every category whose parent is out of range, itself, or part of a cycle the
// top level. Returns how many were changed.
std::size_t RepairParents(TabList& tabs) {
  const std::size_t n = tabs.Count();
  std::size_t repaired = 0;
  for (Tab& t : tabs) {
    if (t.parent != NO_PARENT && t.parent >= n) {
      t.parent = NO_PARENT;
      ++repaired;
    }
  }
  // 0 not seen, 1 on the chain being walked, 2 known to end at the top level.
  std::vector<std::uint8_t> mark(n, 0);
  std::vector<std::size_t> chain;
  for (std::size_t i = 0; i < n; ++i) {
    chain.clear();
    std::size_t c = i;
    while (mark[c] == 0) {
      mark[c] = 1;
      chain.push_back(c);
      const TabInx p = tabs[c].parent;
      if (p == NO_PARENT) break;
      if (mark[p] == 1) {  // the chain runs back into itself: cut it here
        tabs[c].parent = NO_PARENT;
        ++repaired;
        break;
      }
      c = p;
    }
    for (std::size_t k : chain) mark[k] = 2;
  }
  return repaired;
}

// Appends little-endian values to a byte image whose final size is reserved in advance.
class ByteWriter {
 public:
  explicit ByteWriter(std::size_t size) { out_.reserve(size); }
  void U8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void U16(std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
    out_.append(bytes, 2);
  }
  void U32(std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    out_.append(bytes, 4);
  }
  void String(std::string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    out_.append(text);
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

}  // namespace

FileLayout LayoutOfVersion(std::string_view version) {
  // The leading decimal number, after blanks and an optional sign.
  std::size_t i = 0;
  while (i < version.size() && (version[i] == ' ' || (version[i] >= '\t' && version[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < version.size() && (version[i] == '+' || version[i] == '-')) {
    negative = version[i] == '-';
    ++i;
  }
  float number = 0.0f;
  const char* first = version.data() + i;
  const char* last = version.data() + version.size();
  // A number too large for a float is still a version above 1.01.
  const auto [ptr, ec] = std::from_chars(first, last, number, std::chars_format::general);
  if (ec == std::errc::result_out_of_range && ptr != first)
    number = 1e30f;
  else if (ec != std::errc())
    number = 0.0f;
  if (negative) number = -number;
  return static_cast<double>(number) >= 1.00999 ? FileLayout::V101 : FileLayout::V100;
}

DecodedDocument DecodeDocument(std::string_view bytes) {
  DecodedDocument result;
  ByteReader in(bytes);
  StreamFormat format;
  if (in.Peek() == HeaderMark) {
    in.Unsigned(1);
    const auto version = in.Unsigned(4);
    if (!version) return result;
    format.version = *version;
  }

  const auto signature = in.String(format);
  if (!signature || !TextEqual(*signature, Document::signature)) return result;
  result.isZelto = true;

  const auto version = in.String(format);
  result.layout = LayoutOfVersion(version.value_or(std::string()));
  const auto count = version ? in.Unsigned(format.CountSize()) : std::nullopt;
  if (!count) {
    result.truncated = true;
    return result;
  }

  // The stored count only bounds the loop; nothing is allocated from it.
  const bool withNoteCounts = result.layout == FileLayout::V101;
  for (std::uint32_t i = 0; i < *count; ++i) {
    if (withNoteCounts && !in.Unsigned(format.CountSize())) {
      result.truncated = true;
      break;
    }
    auto name = in.String(format);
    const auto flags = name ? in.Unsigned(1) : std::nullopt;
    const auto parent = flags ? in.Unsigned(2) : std::nullopt;
    if (!parent || !result.tabs.Append(Tab(std::move(*name), static_cast<std::uint8_t>(*flags),
                                           static_cast<TabInx>(*parent)))) {
      result.truncated = true;
      break;
    }
  }
  result.parentsRepaired = RepairParents(result.tabs);
  if (result.truncated) return result;

  const auto noteCount = in.Unsigned(4);
  if (!noteCount) {
    result.truncated = true;
    return result;
  }
  // Notes arrive in text order in every file this program writes, and are appended. A
  // category whose notes come out of order has them gathered aside and sorted once at the
  // end, so that such a file cannot make the load quadratic. The sort is stable: equal
  // texts keep the order in which they came, as inserting them one by one would.
  // The notes of the category after the last record are kept aside in the last slot.
  const std::size_t categories = result.tabs.Count();
  const auto notesOf = [&result, categories](std::size_t k) -> NoteList& {
    return k < categories ? result.tabs[k].notes : result.notesOfNextCategory;
  };
  std::vector<std::vector<NoteString>> outOfOrder(categories + 1);
  std::vector<bool> sortLater(categories + 1, false);
  for (std::uint32_t j = 0; j < *noteCount; ++j) {
    auto text = in.String(format);
    const auto flags = text ? in.Unsigned(1) : std::nullopt;
    const auto category = flags ? in.Unsigned(2) : std::nullopt;
    if (!category) {
      result.truncated = true;
      break;
    }
    if (*category > categories) {
      ++result.notesSkipped;
      continue;
    }
    NoteString note{std::move(*text), static_cast<std::uint8_t>(*flags)};
    NoteList& notes = notesOf(*category);
    if (!sortLater[*category]) {
      if (notes.Empty() || !TextLess(note.text, notes[notes.Count() - 1].text)) {
        notes.Add(std::move(note));
        continue;
      }
      sortLater[*category] = true;
      for (std::size_t k = 0; k < notes.Count(); ++k)
        outOfOrder[*category].push_back(std::move(notes[k]));
      notes.Clear();
    }
    outOfOrder[*category].push_back(std::move(note));
  }
  for (std::size_t i = 0; i < outOfOrder.size(); ++i) {
    if (!sortLater[i]) continue;
    std::vector<NoteString>& gathered = outOfOrder[i];
    std::stable_sort(
        gathered.begin(), gathered.end(),
        [](const NoteString& a, const NoteString& b) { return TextLess(a.text, b.text); });
    for (NoteString& note : gathered) notesOf(i).Add(std::move(note));
    std::vector<NoteString>().swap(gathered);
  }
  return result;
}

std::string EncodeDocument(const TabList& tabs, FileLayout layout) {
  const std::vector<bool> live = LiveCategories(tabs);
  // Position in the file of every written category.
  std::vector<std::uint32_t> position(tabs.Count(), 0);
  std::uint32_t written = 0;
  std::uint32_t noteTotal = 0;
  const std::string_view version = layout == FileLayout::V101 ? Document::fileVersion : "1.00";
  std::size_t size = 1 + 4 + 4 + Document::signature.size() + 4 + version.size() + 4 + 4;
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (!live[i]) continue;
    position[i] = written++;
    size += (layout == FileLayout::V101 ? 4 : 0) + 4 + tabs[i].text.size() + 1 + 2;
    noteTotal += static_cast<std::uint32_t>(tabs[i].notes.Count());
    for (const NoteString& note : tabs[i].notes) size += 4 + note.text.size() + 1 + 2;
  }

  ByteWriter out(size);
  out.U8(HeaderMark);
  out.U32(WrittenStreamVersion);
  out.String(Document::signature);
  out.String(version);
  out.U32(written);
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (!live[i]) continue;
    const Tab& t = tabs[i];
    if (layout == FileLayout::V101) out.U32(static_cast<std::uint32_t>(t.notes.Count()));
    out.String(t.text);
    out.U8(t.flags);
    out.U16(t.parent == NO_PARENT ? NO_PARENT : static_cast<std::uint16_t>(position[t.parent]));
  }
  out.U32(noteTotal);
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (!live[i]) continue;
    const auto category = static_cast<std::uint16_t>(position[i]);
    for (const NoteString& note : tabs[i].notes) {
      out.String(note.text);
      out.U8(note.flags);
      out.U16(category);
    }
  }
  return out.Take();
}

}  // namespace zelto
