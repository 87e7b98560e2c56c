#include "model/ByteWindow.h"

#include <algorithm>
#include <cstring>

namespace zelto {

MemoryFileReader::MemoryFileReader(std::string content, std::size_t piece, std::size_t failAfter)
    : content_(std::move(content)),
      piece_(piece > 0 ? piece : content_.size()),
      failAfter_(failAfter) {}

std::ptrdiff_t MemoryFileReader::Read(char* into, std::size_t max) {
  if (pos_ >= failAfter_ && pos_ < content_.size()) return -1;
  const std::size_t n = std::min({max, piece_, content_.size() - pos_, failAfter_ - pos_});
  std::copy_n(content_.data() + pos_, n, into);
  pos_ += n;
  return static_cast<std::ptrdiff_t>(n);
}

ByteWindow::ByteWindow(std::string_view image)
    : start_(image.data()),
      pos_(image.data()),
      end_(image.data() + image.size()),
      size_(image.size()),
      ended_(true) {}

ByteWindow::ByteWindow(FileReader& file, std::size_t pieceSize) : file_(&file), size_(file.Size()) {
  capacity_ = size_ > 0 && size_ < pieceSize ? static_cast<std::size_t>(size_) : pieceSize;
  if (capacity_ == 0) capacity_ = 1;
  buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
  start_ = pos_ = end_ = buffer_.get();
}

bool ByteWindow::Fill(std::size_t count) {
  while (static_cast<std::size_t>(end_ - pos_) < count) {
    if (ended_ || failed_) return false;
    // Keep only the unread bytes, at the front; grow when they fill the whole buffer.
    const std::size_t unread = static_cast<std::size_t>(end_ - pos_);
    passed_ += static_cast<std::uint64_t>(pos_ - start_);
    if (unread == capacity_) {
      auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
      std::memcpy(larger.get(), pos_, unread);
      buffer_ = std::move(larger);
      capacity_ *= 2;
    } else {
      std::memmove(buffer_.get(), pos_, unread);
    }
    start_ = pos_ = buffer_.get();
    end_ = start_ + unread;
    const std::ptrdiff_t got = file_->Read(buffer_.get() + unread, capacity_ - unread);
    if (got < 0)
      failed_ = true;
    else if (got == 0)
      ended_ = true;
    else
      end_ += got;
  }
  return true;
}

}  // namespace zelto
