#include "TourDocument.h"

#include <map>
#include <stdexcept>
#include <string_view>

#include "model/DocumentFile.h"
#include "model/MemoryFileStore.h"
#include "model/TreeOps.h"

namespace zelto {
namespace {

constexpr std::uint8_t Program = static_cast<std::uint8_t>(EntryKind::Program);

struct TourCategory {
  std::string_view path;  // parent path + '/' + name
  std::vector<NoteString> notes;
};

// Notes are listed here in no particular order: the note list sorts them.
// Texts are Windows-1252 bytes ("\xE9" is e-acute).
std::vector<TourCategory> TourTree() {
  return {
      {"/Welcome",
       {{"Welcome to Brindamor. Notes live in categories; the list on the right shows "
         "one level of the tree.",
         0},
        {"Press A to add a note, E to edit the current line, D to delete a note.", 0},
        {"Double-click a category line to open it; the up-arrow line goes back up.", 0},
        {"A note can have several lines.\r\nTurn on Configure, Screen, Show past line break\r\n"
         "to see all of them in the note window.",
         0},
        {"Right-click a note for its menu: run a program, follow a link, dial a number.", 0},
        {"Open a terminal\r\nx-terminal-emulator", Program},
        {"Web links open in the browser: see http://example.org", 0},
        {"This note is marked NoPrint: printouts leave it out.", NoPrint}}},
      {"/Welcome/Searching", {{"Press F to find a text in all notes, N to find the next one.", 0}}},
      {"/Home",
       {{"Call 555-1234 for the plumber", 0},
        {"Caf\xE9 on the corner opens at 7:30", 0},
        {"bicycle: new tyres before spring", 0}}},
      {"/Home/Recipes",
       {{"Pancakes\r\n2 eggs, 250 ml milk, 125 g flour\r\nWhisk, rest 30 minutes, fry thin.", 0},
        {"Tomato soup, see http://example.org/soup", 0}}},
      {"/Home/Recipes/Desserts",
       {{"Chocolate mousse", 0}, {"banana bread", 0}, {"Apple crumble", 0}}},
      {"/Work",
       {{"Weekly meeting on Monday at 10:00", 0},
        {"Expenses are due on the last Friday of the month", 0}}},
      {"/Work/Clients",
       {{"Example Corp: contact page http://example.org/contact", 0},
        {"Acme Ltd, call 555-0100 and ask for Dana", 0}}},
      {"/Work/Clients/Archive", {{"Notes about former clients are kept here.", 0}}},
      {"/Default",
       {{"Start the tour in Welcome: click it in the list on the right.", 0},
        {"Every document has this category; it is selected when the document opens.", 0}}},
  };
}

class SilentUi : public DocumentUi {
 public:
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override {
    return std::nullopt;
  }
  void ShowMessage(const std::string& text) override { throw std::runtime_error(text); }
  bool AskYesNo(const std::string&) override { return true; }
};

}  // namespace

Document MakeTourDocument() {
  Document doc;
  std::map<std::string_view, TabInx, std::less<>> byPath;
  for (const TourCategory& c : TourTree()) {
    const std::size_t slash = c.path.rfind('/');
    const std::string_view parentPath = c.path.substr(0, slash);
    const TabInx parent = parentPath.empty() ? NO_PARENT : byPath.at(parentPath);
    const TabInx index =
        *AppendCategory(doc.tabs, std::string(c.path.substr(slash + 1)), 0, parent);
    for (const NoteString& n : c.notes) doc.tabs[index].notes.Add(n);
    byPath[c.path] = index;
  }
  MemoryCategoryList list;
  FillLevel(doc.tabs, NO_PARENT, list);
  list.SetSelIndex(0);
  SortCategories(doc, list);
  doc.modified = false;
  return doc;
}

std::string TourDocumentBytes() {
  Document doc = MakeTourDocument();
  MemoryCategoryList list;
  FileDialogData dialog;
  SilentUi ui;
  MemoryFileStore store;
  DocumentEnv env{doc, list, dialog, ui, store, "Default"};
  if (SaveDocument(env, std::string("tour.zlt")) != SaveResult::Saved)
    throw std::runtime_error("the tour document could not be encoded");
  return store.files.at("tour.zlt");
}

}  // namespace zelto
