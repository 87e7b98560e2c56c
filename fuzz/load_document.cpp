// Loads arbitrary bytes as a document through the real loader, read in small pieces, then
// checks that what was kept is a sound tree that saves and reloads to the same bytes, and
// that the export of the file read in place is the export of the loaded document.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/DocumentCodec.h"
#include "model/DocumentFile.h"
#include "model/DocumentImage.h"
#include "model/MemoryFileStore.h"
#include "model/TextExport.h"
#include "model/TreeOps.h"

namespace {

// Answers every question with No and every file dialog with Cancel.
class SilentUi : public zelto::DocumentUi {
 public:
  std::optional<std::string> AskSaveFileName(const zelto::FileDialogData&) override {
    return std::nullopt;
  }
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog;
  SilentUi ui;
  MemoryFileStore files;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  files.files["in.zlt"] = bytes;
  files.readPiece = 1 + size % 7;  // records straddle the pieces at every place
  DocumentEnv env{doc, list, dialog, ui, files, "Default"};

  const LoadResult loaded = LoadDocument(env, std::string("in.zlt"));
  DocumentImage image(bytes);
  if (image.Report().isZelto != (loaded != LoadResult::NotZelto)) std::abort();
  if (loaded == LoadResult::NotZelto) return 0;

  for (bool live : LiveCategories(doc.tabs))
    if (!live) std::abort();  // every category must hang from the top level
  image.EnsureTopLevelCategory("Default");
  std::string inPlace;
  StringSink sink(inPlace);
  BufferedWriter out(sink, 64);
  WriteExportText(image, out);
  out.Flush();
  if (inPlace != ExportText(doc.tabs)) std::abort();  // one decoder, one export

  const std::string saved = EncodeDocument(doc.tabs, FileLayout::V101);
  const DecodedDocument again = DecodeDocument(saved);
  if (!again.isZelto || again.Damaged() || EncodeDocument(again.tabs, FileLayout::V101) != saved)
    std::abort();  // a saved document must read back exactly
  return 0;
}
