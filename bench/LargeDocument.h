#pragma once
// The large document of the benchmarks and the crash test: categories with random names,
// 20 at the top and five children under each further one (five levels for 10,000), and
// notes of 20 to 200 random bytes, some of two lines, spread evenly over the categories.
// The same sizes give the same document every time.
#include <cstddef>
#include <random>
#include <string>

#include "model/Document.h"

namespace zelto::bench {

inline constexpr std::size_t LargeCategoryCount = 10000;
inline constexpr std::size_t LargeNoteCount = 1000000;

std::string RandomText(std::mt19937& rng, std::size_t minLen, std::size_t maxLen);
// `count` categories with random names, not yet in name order.
TabList MakeCategories(std::mt19937& rng, std::size_t count = LargeCategoryCount);
// The categories in name order, as every saved document has them, with their notes.
Document MakeLargeDocument(std::size_t categories = LargeCategoryCount,
                           std::size_t notes = LargeNoteCount);

}  // namespace zelto::bench
