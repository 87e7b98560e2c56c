#pragma once
// The byte layout of a document file, both ways, without any I/O: bytes to categories
// with their notes, and categories back to bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ByteSink.h"
#include "model/ByteWindow.h"
#include "model/TabList.h"

namespace zelto {

// The two record layouts: "1.00" has no per-category note counts.
enum class FileLayout { V100, V101 };

// The stream version the writer puts after the ':' header mark.
inline constexpr std::uint32_t WrittenStreamVersion = 257;

// What a file's bytes turned out to hold, besides the records themselves.
struct DecodeReport {
  bool isZelto = false;  // the signature matched; nothing else is set otherwise
  FileLayout layout = FileLayout::V101;
  std::uint32_t streamVersion = 0;  // 0 for a file without the ':' header mark
  bool truncated = false;           // the bytes ended (or a count overran them) before the end
  std::size_t parentsRepaired = 0;  // categories with a parent out of range or in a cycle
  std::size_t notesSkipped = 0;     // complete notes whose category does not exist
  // Complete notes whose category is the one after the last record: they belong to the
  // default category when the load adds it there, and are left out otherwise.
  std::size_t nextCategoryNotes = 0;

  bool Damaged() const {
    return truncated || parentsRepaired > 0 || notesSkipped > 0 || nextCategoryNotes > 0;
  }
};

// A category record as read, its parent already made sound.
struct CategoryRecord {
  std::string name;
  std::uint8_t flags = 0;
  TabInx parent = NO_PARENT;
  // How many notes the file says the category has, as far as the rest of the file can hold
  // them (all categories together never more); 0 when the layout stores no counts. Only a
  // hint for sizing containers: the notes themselves decide.
  std::size_t noteCountHint = 0;
};

// A note record as read, its category known to exist or to be the one after the last.
struct NoteRecord {
  std::string_view text;  // valid during the hand-over only, or as long as a whole image
  std::uint8_t flags = 0;
  TabInx category = 0;
  std::uint64_t offset = 0;  // where the record begins in the file
};

// Receives the records of a document file as the decoder reads them.
class RecordHandler {
 public:
  virtual ~RecordHandler() = default;
  // Every complete category record, in file order; once, before any note.
  virtual void Categories(std::vector<CategoryRecord> categories) = 0;
  // Every complete note record whose category exists or is the one after the last record
  // (its number the count of categories), in file order.
  virtual void Note(const NoteRecord& note) = 0;
};

// Reads a document file front to back and hands its records to `handler`. Never reads
// beyond the file and never allocates more than its bytes could hold. A category whose
// parent is out of range or closes a cycle becomes a top-level category, so its notes stay
// reachable. The handler hears nothing of a file whose signature does not match.
DecodeReport DecodeRecords(ByteWindow& in, RecordHandler& handler);

// The text of the note record at `offset` of a whole image that DecodeRecords has read.
std::string_view NoteTextAt(std::string_view image, std::uint64_t offset,
                            std::uint32_t streamVersion);

// A file's records as categories with their notes attached, all Normal, each category's
// notes in text order (equal texts in file order).
struct DecodedDocument : DecodeReport {
  TabList tabs;
  NoteList notesOfNextCategory;  // the nextCategoryNotes, in text order
};

DecodedDocument DecodeDocument(ByteWindow& in);
DecodedDocument DecodeDocument(std::string_view bytes);

// The layout a version string selects: its leading decimal number, as a float, from
// 1.01 upwards is "1.01"; anything lower (or no number) is "1.00".
FileLayout LayoutOfVersion(std::string_view version);

// Writes the file image of the categories to be saved: every live category (Normal, with no
// ancestor cut away), numbered in TabList order, with its notes. The caller flushes `out`.
void EncodeDocument(const TabList& tabs, FileLayout layout, BufferedWriter& out);
// The same image as one string.
std::string EncodeDocument(const TabList& tabs, FileLayout layout);

}  // namespace zelto
