#pragma once
// The large documents of the benchmarks and the crash test: categories with random names,
// 20 at the top and five children under each further one (five levels for 10,000), and
// random notes, some of two lines, spread evenly over the categories, everything in name
// order as every saved document is. The same shape and seed give the same document every
// time.
#include <cstddef>
#include <random>
#include <string>

#include "model/Document.h"

namespace zelto::bench {

struct DocumentShape {
  std::size_t categories;
  std::size_t notes;  // spread evenly over the categories
  std::size_t minNoteLength;
  std::size_t maxNoteLength;
};

// The core benchmark's document: 10,000 categories, 1,000,000 notes of 20 to 200 bytes
// (about 117 MB as a file).
inline constexpr DocumentShape CoreShape{10000, 1000000, 20, 200};
// 1,000 categories of 1,000 notes each, of 20 to 106 bytes (about 70 MB as a file).
inline constexpr DocumentShape ThousandByThousand{1000, 1000000, 20, 106};

inline constexpr std::size_t LargeCategoryCount = CoreShape.categories;
inline constexpr std::size_t LargeNoteCount = CoreShape.notes;

std::string RandomText(std::mt19937& rng, std::size_t minLen, std::size_t maxLen);
// `count` categories with random names, not yet in name order.
TabList MakeCategories(std::mt19937& rng, std::size_t count = LargeCategoryCount);
Document MakeDocument(const DocumentShape& shape, unsigned seed);
// The core document's shape with other counts.
Document MakeLargeDocument(std::size_t categories = LargeCategoryCount,
                           std::size_t notes = LargeNoteCount);

}  // namespace zelto::bench
