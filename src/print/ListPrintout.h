#pragma once
// Lays the category tree out in newspaper columns, page after page: a heading per printed
// category followed by its entries, long texts wrapped at spaces. Measures and draws through
// a PrintSurface, so the same layout serves printing, preview and page counting.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/TabList.h"
#include "print/PrintSettings.h"
#include "print/PrintSurface.h"

namespace zelto {

// One printed item: a category heading or an entry. `text` points at the heading held in
// the printout's DirName or at the entry's text in the document.
struct PrintString {
  const std::string* text = nullptr;
  std::int32_t isHeading = 0;
};
using PrintStrings = std::vector<PrintString>;

// The heading texts. A deque keeps the addresses of its elements when it grows, so the
// items that point at earlier headings stay valid.
using DirName = std::deque<std::string>;

// Where a page begins: an item and a character offset into its flattened text.
struct PageStart {
  std::int32_t item = 0;
  std::int32_t offset = 0;
  friend bool operator==(const PageStart&, const PageStart&) = default;
};

// The text as it is printed: every run of control characters (bytes 0-31) becomes one space.
std::string FlattenText(std::string_view text);
void FlattenText(std::string_view text, std::string& out);

// Result of laying out one line.
struct LineFit {
  bool fitted = false;
  std::int32_t next = 0;  // where the following line starts
};

class ListPrintout {
 public:
  // Reads the document and the settings; neither is changed. Both must outlive the
  // printout and stay unchanged while it exists.
  ListPrintout(const TabList& tabs, const PrintSettings& settings, PrintErrorReport& errors);

  // Applies the margins to `pageRect` and collects the items of `category` (a category index
  // or ALL_CATEGORIES). A category that is not live prints all categories. `surface` must
  // stay valid for the layouts that follow.
  void Prepare(PrintSurface& surface, const PrintRect& pageRect, std::uint32_t category,
               bool withChildren);

  // Lays out page `n` (from 1) and draws it when `draw` is set. True when more pages follow.
  // A page whose predecessor was never laid out reports a print error and ends the printout.
  bool LayoutPage(int n, bool draw);

  // The building blocks of LayoutPage, in the order they call each other.
  void Collect(std::uint32_t category, bool withChildren, const std::string& prefix);
  bool FillColumn(const PrintRect& column, std::int32_t& item, std::int32_t& offset, bool draw);
  bool FitItem(const std::string& text, const PrintRect& column, int& y, std::int32_t& offset,
               bool draw);
  LineFit FitLine(std::string_view text, std::int32_t start, int indent, const PrintRect& column,
                  int& y, bool draw);

  // Column j (from 0) of the page, inside the margins.
  PrintRect ColumnRect(int j) const;
  int ColumnCount() const;

  const PrintSettings& Settings() const { return settings_; }
  const std::vector<PageStart>& pageStarts() const { return pageStarts_; }
  std::int32_t lastRecorded() const { return lastRecorded_; }
  const PrintRect& printRect() const { return printRect_; }
  const PrintStrings& Items() const { return items_; }
  const DirName& Headings() const { return dirName_; }
  const FontSpec& textFont() const { return textFont_; }
  const FontSpec& headingFont() const { return headingFont_; }
  int topOffset() const { return topOffset_; }
  int lineAdvance() const { return lineAdvance_; }

 private:
  void CollectTree(TabInx root, bool withChildren, const std::string& prefix,
                   const std::vector<std::vector<TabInx>>& children, std::vector<bool>& visited);

  const TabList& tabs_;
  const PrintSettings& settings_;
  PrintErrorReport& errors_;

  std::vector<PageStart> pageStarts_;
  std::int32_t lastRecorded_ = 0;
  PrintSurface* surface_ = nullptr;
  PrintRect printRect_;
  DirName dirName_;
  FontSpec textFont_;
  FontSpec headingFont_;
  int topOffset_ = 0;
  int lineAdvance_ = 0;
  PrintStrings items_;

  bool prepared_ = false;
  std::string flat_;  // the flattened text of the item being fitted
};

}  // namespace zelto
