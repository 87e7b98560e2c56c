#pragma once
// Where the bytes of an output go, block by block, and a writer that gathers small pieces
// into large blocks for it.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace zelto {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Takes the next bytes of the output; false when they could not be written.
  virtual bool Write(std::string_view bytes) = 0;
};

// Appends everything to a string.
class StringSink : public ByteSink {
 public:
  explicit StringSink(std::string& out) : out_(out) {}
  bool Write(std::string_view bytes) override {
    out_.append(bytes);
    return true;
  }

 private:
  std::string& out_;
};

// Gathers what is appended into blocks of a fixed size and hands each full block to the
// sink. After the sink has refused a block, everything else is dropped and Flush reports
// the failure.
class BufferedWriter {
 public:
  static constexpr std::size_t DefaultBlockSize = 1 << 20;

  explicit BufferedWriter(ByteSink& sink, std::size_t blockSize = DefaultBlockSize);
  BufferedWriter(const BufferedWriter&) = delete;
  BufferedWriter& operator=(const BufferedWriter&) = delete;

  void Append(std::string_view bytes) {
    if (bytes.size() <= size_ - used_) {
      if (!bytes.empty()) std::memcpy(block_.get() + used_, bytes.data(), bytes.size());
      used_ += bytes.size();
    } else {
      AppendLarge(bytes);
    }
  }
  // Hands over what is gathered; false when the sink refused any of the output.
  bool Flush();
  bool Failed() const { return failed_; }

 private:
  void AppendLarge(std::string_view bytes);

  ByteSink& sink_;
  std::size_t size_;
  std::unique_ptr<char[]> block_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

}  // namespace zelto
