#pragma once
// The tour document shipped in examples/tour.zlt: a small tree that shows what the
// program does with notes, categories, links, phone numbers and program entries.
#include <string>

#include "model/Document.h"

namespace zelto {

// The tour as a document in memory, categories in name order.
Document MakeTourDocument();

// The tour as the bytes of a ".zlt" file, written by the program's own save.
std::string TourDocumentBytes();

}  // namespace zelto
