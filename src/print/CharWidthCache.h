#pragma once
// Character advances of one font, measured once per character and then remembered.
#include <array>

namespace zelto {

class CharWidthCache {
 public:
  CharWidthCache() { Clear(); }

  // The width of byte `c`; `measure(c)` is asked only the first time.
  template <typename Measure>
  int Width(char c, Measure&& measure) {
    int& w = widths_[static_cast<unsigned char>(c)];
    if (w == Unknown) w = measure(c);
    return w;
  }
  void Clear() { widths_.fill(Unknown); }

 private:
  static constexpr int Unknown = -0x7fffffff;
  std::array<int, 256> widths_{};
};

}  // namespace zelto
