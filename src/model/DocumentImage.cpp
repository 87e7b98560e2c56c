#include "model/DocumentImage.h"

#include <algorithm>
#include <utility>

#include "model/TextOrder.h"

namespace zelto {

class DocumentImage::Collector : public RecordHandler {
 public:
  explicit Collector(DocumentImage& image) : image_(image) {}
  // One list of notes more than categories: the notes of the one after the last.
  void Categories(std::vector<CategoryRecord> categories) override {
    image_.notes_.resize(categories.size() + 1);
    for (std::size_t i = 0; i < categories.size(); ++i)
      image_.notes_[i].reserve(categories[i].noteCountHint);
    image_.categories_ = std::move(categories);
  }
  void Note(const NoteRecord& note) override {
    image_.notes_[note.category].push_back(note.offset);
  }

 private:
  DocumentImage& image_;
};

DocumentImage::DocumentImage(std::string_view image) : image_(image) {
  ByteWindow in(image);
  Collector collector(*this);
  report_ = DecodeRecords(in, collector);
  const auto byText = [this](std::uint64_t a, std::uint64_t b) {
    return TextLess(NoteText(a), NoteText(b));
  };
  for (std::vector<std::uint64_t>& offsets : notes_)
    if (!std::is_sorted(offsets.begin(), offsets.end(), byText))
      std::stable_sort(offsets.begin(), offsets.end(), byText);
}

void DocumentImage::EnsureTopLevelCategory(std::string_view name) {
  const bool there = std::any_of(categories_.begin(), categories_.end(), [name](const auto& c) {
    return c.parent == NO_PARENT && TextEqual(c.name, name);
  });
  const bool added = !there && categories_.size() < MaxCategories;
  if (added) categories_.emplace_back().name = name;
  // The notes stored for the category after the last belong to one added there; without
  // it they are left out.
  if (notes_.size() > categories_.size()) {
    report_.notesSkipped += notes_.back().size();
    notes_.pop_back();
  }
  if (added && notes_.size() < categories_.size()) notes_.emplace_back();
  report_.nextCategoryNotes = 0;
}

}  // namespace zelto
