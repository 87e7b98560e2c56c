// Loads arbitrary bytes as a document through the real loader, then checks that what was
// kept is a sound tree that saves and reloads to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/DocumentCodec.h"
#include "model/DocumentFile.h"
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
  files.files["in.zlt"] = std::string(reinterpret_cast<const char*>(data), size);
  DocumentEnv env{doc, list, dialog, ui, files, "Default"};

  if (LoadDocument(env, std::string("in.zlt")) == LoadResult::NotZelto) return 0;

  for (bool live : LiveCategories(doc.tabs))
    if (!live) std::abort();  // every category must hang from the top level
  (void)ExportText(doc.tabs);

  const std::string saved = EncodeDocument(doc.tabs, FileLayout::V101);
  const DecodedDocument again = DecodeDocument(saved);
  if (!again.isZelto || again.Damaged() || EncodeDocument(again.tabs, FileLayout::V101) != saved)
    std::abort();  // a saved document must read back exactly
  return 0;
}
