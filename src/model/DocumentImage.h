#pragma once
// A document file's records read in place: its categories (their parents made sound) and,
// for each, where its notes lie in the file's bytes, in text order. It serves what only
// reads a document, such as the text export from the command line, without building the
// editable model, and with the same decoding and damage checks as a load.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/DocumentCodec.h"

namespace zelto {

class DocumentImage {
 public:
  // Reads `image`, which must outlive this object.
  explicit DocumentImage(std::string_view image);

  const DecodeReport& Report() const { return report_; }
  std::size_t Count() const { return categories_.size(); }
  const CategoryRecord& Category(std::size_t i) const { return categories_[i]; }

  // Calls `visit` with the text of every note of category `i`, in text order (equal texts
  // in file order).
  template <class Visit>
  void ForEachNote(std::size_t i, Visit visit) const {
    for (std::uint64_t offset : notes_[i]) visit(NoteText(offset));
  }

  // As a load does for the default category: appends a top-level category `name` unless
  // the top level has one of that name (letter case aside) or no index is left. The notes
  // stored for the category after the last become its notes, or are counted as skipped
  // when none is added.
  void EnsureTopLevelCategory(std::string_view name);

 private:
  class Collector;
  std::string_view NoteText(std::uint64_t offset) const {
    return NoteTextAt(image_, offset, report_.streamVersion);
  }

  std::string_view image_;
  DecodeReport report_;
  std::vector<CategoryRecord> categories_;
  std::vector<std::vector<std::uint64_t>> notes_;  // where each category's note records begin
};

}  // namespace zelto
