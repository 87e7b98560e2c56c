#include "TourDocument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "model/TextOrder.h"
#include "model/TreeOps.h"

namespace zelto {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TourDocument, CommittedFileIsWhatTheGeneratorMakes) {
  // After a change of the tour, `ninja tour_document` writes the file again.
  EXPECT_EQ(ReadFile(ZELTO_TOUR_FILE), TourDocumentBytes());
}

TEST(TourDocument, ShowsEveryKindOfContent) {
  const Document doc = MakeTourDocument();
  bool threeLevels = false, program = false, noPrint = false, multiLine = false, link = false,
       phone = false, defaultCat = false;
  for (std::size_t i = 0; i < doc.tabs.Count(); ++i) {
    const Tab& tab = doc.tabs[i];
    ASSERT_TRUE(IsLive(doc.tabs, i)) << tab.text;
    threeLevels |= tab.parent != NO_PARENT && doc.tabs[tab.parent].parent != NO_PARENT;
    defaultCat |= tab.IsTopLevel() && tab.text == "Default";
    for (const NoteString& n : tab.notes) {
      program |= IsProgram(n.flags) && n.text.find("\r\n") != std::string::npos;
      noPrint |= IsNoPrint(n.flags);
      multiLine |= !IsProgram(n.flags) && n.text.find("\r\n") != std::string::npos;
      link |= n.text.find("http://") != std::string::npos;
      phone |= n.text.find("Call 555-") != std::string::npos;
    }
    // Sorted notes: the note list keeps them in text order.
    for (std::size_t k = 1; k < tab.notes.Count(); ++k)
      EXPECT_LE(CompareText(tab.notes[k - 1].text, tab.notes[k].text), 0) << tab.text;
  }
  EXPECT_TRUE(threeLevels);
  EXPECT_TRUE(program);
  EXPECT_TRUE(noPrint);
  EXPECT_TRUE(multiLine);
  EXPECT_TRUE(link);
  EXPECT_TRUE(phone);
  // Opening the tour does not have to add the default category, so it opens unchanged.
  EXPECT_TRUE(defaultCat);
}

}  // namespace
}  // namespace zelto
