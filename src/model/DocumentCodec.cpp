#include "model/DocumentCodec.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
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
  bool IsEmptyMark(std::uint32_t length) const {
    return LongStrings() ? length == LongEmptyLength : length == ShortEmptyLength;
  }
};

// A little-endian value of 1, 2 or 4 bytes.
std::uint32_t LittleEndian(const char* bytes, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  return value;
}

// One record: `before` bytes of fixed fields, a string, `after` bytes of fixed fields.
struct RawRecord {
  std::string_view before;
  std::string_view text;
  std::string_view after;
  std::size_t size = 0;
};

// The size of the record at the start of `bytes`: `before` bytes of fixed fields, a string,
// `after` bytes of fixed fields. The fixed fields before the string and its length must be
// there.
std::uint64_t RecordSize(std::string_view bytes, const StreamFormat& format, std::size_t before,
                         std::size_t after) {
  const std::uint32_t length = LittleEndian(bytes.data() + before, format.StringLengthSize());
  const std::uint64_t textSize = format.IsEmptyMark(length) ? 0 : length;
  return before + format.StringLengthSize() + textSize + after;
}

// Splits the record at the start of `bytes`; nothing when the bytes end before it does.
std::optional<RawRecord> SplitRecord(std::string_view bytes, const StreamFormat& format,
                                     std::size_t before, std::size_t after) {
  const std::size_t lengthSize = format.StringLengthSize();
  if (bytes.size() < before + lengthSize) return std::nullopt;
  const std::uint64_t size = RecordSize(bytes, format, before, after);
  if (size > bytes.size()) return std::nullopt;
  const std::size_t textSize = static_cast<std::size_t>(size) - before - lengthSize - after;
  RawRecord r;
  r.before = bytes.substr(0, before);
  r.text = bytes.substr(before + lengthSize, textSize);
  r.after = bytes.substr(before + lengthSize + textSize, after);
  r.size = static_cast<std::size_t>(size);
  return r;
}

// Reads the records of a file through its window. A record is taken whole, once all of its
// bytes are in the window, so that its views stay valid until the next one is read.
class RecordReader {
 public:
  explicit RecordReader(ByteWindow& in) : in_(in) {}

  std::optional<std::uint32_t> Unsigned(std::size_t width) {
    if (!in_.Need(width)) return std::nullopt;
    const std::uint32_t value = LittleEndian(in_.View().data(), width);
    in_.Advance(width);
    return value;
  }

  std::optional<RawRecord> Record(const StreamFormat& format, std::size_t before,
                                  std::size_t after) {
    // The fields up to the string's length first; they tell how much the record needs.
    if (!in_.Need(before + format.StringLengthSize())) return std::nullopt;
    const std::uint64_t size = RecordSize(in_.View(), format, before, after);
    if (size > SIZE_MAX || !in_.Need(static_cast<std::size_t>(size))) return std::nullopt;
    const auto record = SplitRecord(in_.View(), format, before, after);
    in_.Advance(record->size);
    return record;
  }

  std::optional<std::uint8_t> PeekByte() {
    if (!in_.Need(1)) return std::nullopt;
    return static_cast<std::uint8_t>(in_.View()[0]);
  }
  std::uint64_t Offset() const { return in_.Offset(); }
  std::uint64_t KnownLeft() const { return in_.KnownLeft(); }

 private:
  ByteWindow& in_;
};

// Gives every category whose parent is out of range, itself, or part of a cycle the
// top level. Returns how many were changed.
std::size_t RepairParents(std::vector<CategoryRecord>& categories) {
  const std::size_t n = categories.size();
  std::size_t repaired = 0;
  for (CategoryRecord& c : categories) {
    if (c.parent != NO_PARENT && c.parent >= n) {
      c.parent = NO_PARENT;
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
      const TabInx p = categories[c].parent;
      if (p == NO_PARENT) break;
      if (mark[p] == 1) {  // the chain runs back into itself: cut it here
        categories[c].parent = NO_PARENT;
        ++repaired;
        break;
      }
      c = p;
    }
    for (std::size_t k : chain) mark[k] = 2;
  }
  return repaired;
}

// Builds categories with their notes from the records. Notes arrive in text order in every
// file this program writes, and are appended. A category whose notes come out of order has
// them gathered aside and sorted once at the end, so that such a file cannot make the load
// quadratic; the sort keeps equal texts in the order in which they came, as inserting them
// one by one would.
// The notes of the category after the last record are kept in a list of their own.
class TabListBuilder : public RecordHandler {
 public:
  void Categories(std::vector<CategoryRecord> categories) override {
    outOfOrder_.resize(categories.size() + 1);
    for (CategoryRecord& c : categories) {
      tabs_.Append(Tab(std::move(c.name), c.flags, c.parent));
      tabs_[tabs_.Count() - 1].notes.Reserve(c.noteCountHint);
    }
  }
  void Note(const NoteRecord& record) override {
    NoteString note{std::string(record.text), record.flags};
    NoteList& notes = NotesOf(record.category);
    std::vector<NoteString>& gathered = outOfOrder_[record.category];
    if (!gathered.empty()) {
      gathered.push_back(std::move(note));
      return;
    }
    if (notes.Add(std::move(note)) + 1 == notes.Count()) return;  // in order: appended
    // The first note out of order: from here on the category's notes are gathered.
    gathered.reserve(notes.Count() + 1);
    for (std::size_t k = 0; k < notes.Count(); ++k) gathered.push_back(std::move(notes[k]));
    notes.Clear();
  }
  // Moves the categories, and the notes of the one after the last, into `result`.
  void TakeInto(DecodedDocument& result) {
    for (std::size_t i = 0; i < outOfOrder_.size(); ++i)
      if (!outOfOrder_[i].empty()) NotesOf(i).Assign(std::move(outOfOrder_[i]));
    result.tabs = std::move(tabs_);
    result.notesOfNextCategory = std::move(next_);
  }

 private:
  NoteList& NotesOf(std::size_t category) {
    return category < tabs_.Count() ? tabs_[category].notes : next_;
  }

  TabList tabs_;
  NoteList next_;
  std::vector<std::vector<NoteString>> outOfOrder_;
};

// Little-endian fields for the encoder.
void PutUnsigned(BufferedWriter& out, std::uint32_t value, std::size_t width) {
  char bytes[4];
  for (std::size_t i = 0; i < width; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  out.Append(std::string_view(bytes, width));
}

void PutString(BufferedWriter& out, std::string_view text) {
  PutUnsigned(out, static_cast<std::uint32_t>(text.size()), 4);
  out.Append(text);
}

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

DecodeReport DecodeRecords(ByteWindow& in, RecordHandler& handler) {
  DecodeReport report;
  RecordReader reader(in);
  StreamFormat format;
  if (reader.PeekByte() == HeaderMark) {
    reader.Unsigned(1);
    const auto version = reader.Unsigned(4);
    if (!version) return report;
    format.version = *version;
  }
  report.streamVersion = format.version;

  const auto signature = reader.Record(format, 0, 0);
  if (!signature || !TextEqual(signature->text, Document::signature)) return report;
  report.isZelto = true;

  const auto version = reader.Record(format, 0, 0);
  report.layout = LayoutOfVersion(version ? version->text : std::string_view());
  const auto count = version ? reader.Unsigned(format.CountSize()) : std::nullopt;
  if (!count) {
    report.truncated = true;
    handler.Categories({});
    return report;
  }

  // The stored counts only bound loops and size containers within what the rest of the
  // file could hold; nothing is allocated from them beyond that.
  const bool withNoteCounts = report.layout == FileLayout::V101;
  const std::size_t countSize = withNoteCounts ? format.CountSize() : 0;
  std::uint64_t notesThatFit = reader.KnownLeft() / (format.StringLengthSize() + 3);
  std::vector<CategoryRecord> categories;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const auto record = reader.Record(format, countSize, 3);
    if (!record || categories.size() >= MaxCategories) {
      report.truncated = true;
      break;
    }
    CategoryRecord& c = categories.emplace_back();
    c.name.assign(record->text);
    c.flags = static_cast<std::uint8_t>(record->after[0]);
    c.parent = static_cast<TabInx>(LittleEndian(record->after.data() + 1, 2));
    if (withNoteCounts) {
      c.noteCountHint = static_cast<std::size_t>(
          std::min<std::uint64_t>(LittleEndian(record->before.data(), countSize), notesThatFit));
      notesThatFit -= c.noteCountHint;
    }
  }
  report.parentsRepaired = RepairParents(categories);
  const std::size_t categoryCount = categories.size();
  handler.Categories(std::move(categories));
  if (report.truncated) return report;

  const auto noteCount = reader.Unsigned(4);
  if (!noteCount) {
    report.truncated = true;
    return report;
  }
  for (std::uint32_t j = 0; j < *noteCount; ++j) {
    const std::uint64_t offset = reader.Offset();
    const auto record = reader.Record(format, 0, 3);
    if (!record) {
      report.truncated = true;
      break;
    }
    const std::uint32_t category = LittleEndian(record->after.data() + 1, 2);
    if (category > categoryCount) {
      ++report.notesSkipped;
      continue;
    }
    if (category == categoryCount) ++report.nextCategoryNotes;
    handler.Note(NoteRecord{record->text, static_cast<std::uint8_t>(record->after[0]),
                            static_cast<TabInx>(category), offset});
  }
  return report;
}

std::string_view NoteTextAt(std::string_view image, std::uint64_t offset,
                            std::uint32_t streamVersion) {
  if (offset > image.size()) return {};
  const auto record = SplitRecord(image.substr(static_cast<std::size_t>(offset)),
                                  StreamFormat{streamVersion}, 0, 3);
  return record ? record->text : std::string_view();
}

DecodedDocument DecodeDocument(ByteWindow& in) {
  TabListBuilder builder;
  DecodedDocument result;
  static_cast<DecodeReport&>(result) = DecodeRecords(in, builder);
  if (result.isZelto) builder.TakeInto(result);
  return result;
}

DecodedDocument DecodeDocument(std::string_view bytes) {
  ByteWindow in(bytes);
  return DecodeDocument(in);
}

void EncodeDocument(const TabList& tabs, FileLayout layout, BufferedWriter& out) {
  const std::vector<bool> live = LiveCategories(tabs);
  // Position in the file of every written category.
  std::vector<std::uint32_t> position(tabs.Count(), 0);
  std::uint32_t written = 0;
  std::uint32_t noteTotal = 0;
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (!live[i]) continue;
    position[i] = written++;
    noteTotal += static_cast<std::uint32_t>(tabs[i].notes.Count());
  }
  const std::string_view version = layout == FileLayout::V101 ? Document::fileVersion : "1.00";

  PutUnsigned(out, HeaderMark, 1);
  PutUnsigned(out, WrittenStreamVersion, 4);
  PutString(out, Document::signature);
  PutString(out, version);
  PutUnsigned(out, written, 4);
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (!live[i]) continue;
    const Tab& t = tabs[i];
    if (layout == FileLayout::V101)
      PutUnsigned(out, static_cast<std::uint32_t>(t.notes.Count()), 4);
    PutString(out, t.text);
    PutUnsigned(out, t.flags, 1);
    PutUnsigned(out, t.parent == NO_PARENT ? NO_PARENT : position[t.parent], 2);
  }
  PutUnsigned(out, noteTotal, 4);
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (!live[i]) continue;
    // The flags and the category follow every note's text: three bytes, the flags first.
    char tail[3] = {0, static_cast<char>(position[i]), static_cast<char>(position[i] >> 8)};
    for (const NoteString& note : tabs[i].notes) {
      PutString(out, note.text);
      tail[0] = static_cast<char>(note.flags);
      out.Append(std::string_view(tail, 3));
    }
  }
}

std::string EncodeDocument(const TabList& tabs, FileLayout layout) {
  std::string image;
  StringSink sink(image);
  BufferedWriter out(sink);
  EncodeDocument(tabs, layout, out);
  out.Flush();
  return image;
}

}  // namespace zelto
