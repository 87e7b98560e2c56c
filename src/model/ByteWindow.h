#pragma once
// The bytes of a file as a decoder reads them, front to back: a whole image held in memory,
// or an open file read piece by piece into a window that moves along, so that a large file
// is never held whole when it is turned into records.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zelto {

// An open file, read front to back.
class FileReader {
 public:
  virtual ~FileReader() = default;
  // Reads up to `max` bytes into `into`: how many were read, 0 at the end, -1 on an error.
  virtual std::ptrdiff_t Read(char* into, std::size_t max) = 0;
  // The file's size when it was opened; 0 when it is not known.
  virtual std::uint64_t Size() const = 0;
};

// A file's content held in memory, read at most `piece` bytes at a time (0: all that are
// left); reading fails once `failAfter` bytes have been read.
class MemoryFileReader : public FileReader {
 public:
  explicit MemoryFileReader(std::string content, std::size_t piece = 0,
                            std::size_t failAfter = std::string::npos);
  std::ptrdiff_t Read(char* into, std::size_t max) override;
  std::uint64_t Size() const override { return content_.size(); }

 private:
  std::string content_;
  std::size_t piece_;
  std::size_t failAfter_;
  std::size_t pos_ = 0;
};

class ByteWindow {
 public:
  // A whole image: views into it stay valid as long as the image does.
  explicit ByteWindow(std::string_view image);
  // A file read up to `pieceSize` bytes at a time (less for a smaller file): views stay
  // valid until the next Need.
  explicit ByteWindow(FileReader& file, std::size_t pieceSize = 1 << 20);

  // Makes the next `count` bytes available in View(); false when the file ends (or fails)
  // first. The window grows only with bytes actually read, so a count taken from damaged
  // bytes costs no more memory than the file itself.
  bool Need(std::size_t count) {
    return static_cast<std::size_t>(end_ - pos_) >= count || Fill(count);
  }
  // The bytes available from the position on.
  std::string_view View() const { return {pos_, static_cast<std::size_t>(end_ - pos_)}; }
  // Moves the position on by `count` bytes of View().
  void Advance(std::size_t count) { pos_ += count; }

  // The position's distance from the start of the file.
  std::uint64_t Offset() const { return passed_ + static_cast<std::uint64_t>(pos_ - start_); }
  // How many bytes follow the position, as far as the file's size tells; 0 when unknown.
  std::uint64_t KnownLeft() const { return size_ > Offset() ? size_ - Offset() : 0; }
  // Reading failed (an error of the device, not the end of the file).
  bool Failed() const { return failed_; }

 private:
  bool Fill(std::size_t count);

  FileReader* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  const char* start_ = nullptr;  // the first byte held
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  std::uint64_t passed_ = 0;  // bytes of the file before start_
  std::uint64_t size_ = 0;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace zelto
