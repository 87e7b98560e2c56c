#include "model/ByteSink.h"

namespace zelto {

BufferedWriter::BufferedWriter(ByteSink& sink, std::size_t blockSize)
    : sink_(sink),
      size_(blockSize > 0 ? blockSize : 1),
      block_(std::make_unique_for_overwrite<char[]>(size_)) {}

bool BufferedWriter::Flush() {
  if (used_ > 0 && !failed_) failed_ = !sink_.Write(std::string_view(block_.get(), used_));
  used_ = 0;
  return !failed_;
}

void BufferedWriter::AppendLarge(std::string_view bytes) {
  if (failed_) return;
  // Fill the block up, hand it over, and pass whatever would fill another block straight on.
  const std::size_t room = size_ - used_;
  std::memcpy(block_.get() + used_, bytes.data(), room);
  used_ += room;
  bytes.remove_prefix(room);
  if (!Flush()) return;
  if (bytes.size() >= size_) {
    failed_ = !sink_.Write(bytes);
    return;
  }
  std::memcpy(block_.get(), bytes.data(), bytes.size());
  used_ = bytes.size();
}

}  // namespace zelto
