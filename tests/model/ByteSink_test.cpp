#include "model/ByteSink.h"

#include <gtest/gtest.h>

using namespace zelto;

namespace {

// A device that takes `limit` bytes and refuses everything after them.
class FailingSink : public ByteSink {
 public:
  explicit FailingSink(std::size_t limit) : limit_(limit) {}
  std::string taken;
  int writes = 0;
  bool Write(std::string_view bytes) override {
    ++writes;
    if (bytes.size() > limit_ - taken.size()) return false;
    taken.append(bytes);
    return true;
  }

 private:
  std::size_t limit_;
};

}  // namespace

TEST(BufferedWriter, PiecesOfAnySizeArriveInOrderInFullBlocks) {
  std::string expected;
  FailingSink sink(std::string::npos);
  BufferedWriter out(sink, 8);
  for (const std::string piece : {"ab", "", "cdefgh", "ijklmnopqrstuvwxyz0123", "4", "56789"}) {
    out.Append(piece);
    expected += piece;
  }
  EXPECT_TRUE(out.Flush());
  EXPECT_EQ(sink.taken, expected);
  EXPECT_LE(sink.writes, 5);  // never one write per piece
}

TEST(BufferedWriter, AfterTheSinkFailsNothingMoreIsWrittenAndFlushSaysSo) {
  FailingSink sink(10);
  BufferedWriter out(sink, 8);
  out.Append("0123456789");  // the first block is taken
  out.Append("abcdefgh");    // the second one is refused
  out.Append("more");
  EXPECT_FALSE(out.Flush());
  EXPECT_TRUE(out.Failed());
  EXPECT_EQ(sink.taken, "01234567");
  const int writes = sink.writes;
  out.Append(std::string(100, 'x'));
  EXPECT_FALSE(out.Flush());
  EXPECT_EQ(sink.writes, writes);
}
