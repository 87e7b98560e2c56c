// The crash test. A child process saves a document again and again as the program does:
// each round changes a note, writes the recovery copy, saves (writing the new file as it
// is encoded, keeping the backup, replacing the file) and deletes the recovery copy. The parent
// kills the child with SIGKILL at random moments, aiming at each phase of that round in
// turn. After every kill the document and its backup must each hold one complete version,
// old or new, and the recovery copy must be complete or absent.
//
//   crashtest [--kills N] [--categories N] [--notes N] [--seed N] [--dir FOLDER]
//
// Without sizes it works on the large document of the benchmarks. SIGINT or SIGTERM ends a
// long run early with the figures of the kills so far. The exit status is 0 when every kill
// left sound files.
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include "LargeDocument.h"
#include "model/DocumentCodec.h"
#include "model/DocumentFile.h"
#include "model/RecoveryCopy.h"
#include "model/RecoveryFiles.h"
#include "platform/QtFileStore.h"

using namespace zelto;
using Clock = std::chrono::steady_clock;

namespace {

enum Phase {
  Editing,
  CopyingForRecovery,
  StartingSave,
  Writing,
  KeepingBackup,
  Replacing,
  DeletingCopy,
  PhaseCount
};

const char* const PhaseNames[PhaseCount] = {
    "changing a note (in memory)",
    "writing the recovery copy",
    "starting the save (before writing)",
    "writing the new file",
    "keeping the backup",
    "replacing the file (flush, rename)",
    "deleting the recovery copy",
};

// What the child tells the parent, in memory both share.
// Set by SIGINT or SIGTERM: the run ends after the kill under way.
volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

struct Shared {
  std::atomic<int> phase;
  std::atomic<int> version;                           // the version being saved
  std::atomic<std::int64_t> phaseMicros[PhaseCount];  // how long each phase took last time
};

// The marker note: the last note of the file, of the same length in every version.
std::string Marker(int version) {
  char text[40];
  std::snprintf(text, sizeof text, "crash test version %09d", version);
  return text;
}

void SetMarker(Document& doc, int version) {
  NoteList& notes = doc.tabs[doc.tabs.Count() - 1].notes;
  notes.RemoveAt(0);
  notes.Add(NoteString{Marker(version), 0});
}

class SilentUi : public DocumentUi {
 public:
  std::optional<std::string> AskSaveFileName(const FileDialogData&) override { return {}; }
  void ShowMessage(const std::string& text) override {
    std::fprintf(stderr, "child: %s\n", text.c_str());
  }
  bool AskYesNo(const std::string&) override { return true; }
};

// The disk of the child: tells the parent which phase of the save it is in.
class PhaseReportingStore : public QtFileStore {
 public:
  explicit PhaseReportingStore(Shared& shared) : shared_(shared) {}

  void Enter(Phase phase) {
    const Clock::time_point now = Clock::now();
    const int previous = shared_.phase.load();
    if (previous >= 0)
      shared_.phaseMicros[previous] =
          std::chrono::duration_cast<std::chrono::microseconds>(now - since_).count();
    since_ = now;
    shared_.phase = phase;
  }
  // The save, which streams its content into the file.
  std::string WriteAtomicStream(const std::string& path, const ContentWriter& content,
                                const std::function<void()>& beforeReplace) override {
    Enter(Writing);
    return QtFileStore::WriteAtomicStream(path, content, [&] {
      Enter(KeepingBackup);
      if (beforeReplace) beforeReplace();
      Enter(Replacing);
    });
  }

 private:
  Shared& shared_;
  Clock::time_point since_ = Clock::now();
};

struct Paths {
  std::string folder;
  std::string document;
  std::string backup;
  std::string recovery;  // the recovery folder
};

// The child changes its own copy of the parent's document (fork gave it one).
[[noreturn]] void RunChild(Document& doc, const Paths& paths, Shared& shared, int firstVersion) {
  PhaseReportingStore files(shared);
  RecoveryFiles recovery(files, paths.recovery);
  MemoryCategoryList list;
  FileDialogData dialog;
  dialog.fileName = paths.document;
  SilentUi ui;
  DocumentEnv env{doc, list, dialog, ui, files, "Default"};
  const std::string identity = recovery.IdentityOf(paths.document);
  for (int version = firstVersion;; ++version) {
    files.Enter(Editing);
    shared.version = version;
    SetMarker(doc, version);
    doc.modified = true;
    files.Enter(CopyingForRecovery);
    if (!recovery.Write(doc.tabs, identity).empty()) _exit(3);
    files.Enter(StartingSave);
    if (SaveDocument(env) != SaveResult::Saved) _exit(4);
    files.Enter(DeletingCopy);
    recovery.Remove(identity);
  }
}

// Whether a file holds one complete version of the document, and which.
class VersionCheck {
 public:
  explicit VersionCheck(std::string image) : image_(std::move(image)) {
    markerAt_ = image_.rfind(Marker(0));
  }
  std::optional<int> VersionOf(std::string_view image) const {
    // Everything but the marker must be the bytes of version 0 (compared in place: the
    // large document is over 100 MB).
    const std::string_view expected(image_);
    const std::size_t afterMarker = markerAt_ + Marker(0).size();
    if (image.size() != expected.size() ||
        image.substr(0, markerAt_) != expected.substr(0, markerAt_) ||
        image.substr(afterMarker) != expected.substr(afterMarker))
      return std::nullopt;
    const std::string marker(image.substr(markerAt_, Marker(0).size()));
    const int version = std::atoi(marker.c_str() + marker.size() - 9);
    if (Marker(version) != marker) return std::nullopt;
    return version;
  }

 private:
  std::string image_;  // version 0
  std::size_t markerAt_;
};

struct Options {
  int kills = 500;
  std::size_t categories = bench::LargeCategoryCount;
  std::size_t notes = bench::LargeNoteCount;
  unsigned seed = static_cast<unsigned>(std::random_device()());
  std::string folder;
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--kills") {
      o.kills = std::atoi(value);
    } else if (name == "--categories") {
      o.categories = std::strtoul(value, nullptr, 10);
    } else if (name == "--notes") {
      o.notes = std::strtoul(value, nullptr, 10);
    } else if (name == "--seed") {
      o.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (name == "--dir") {
      o.folder = value;
    } else {
      std::fprintf(stderr, "crashtest: unknown option %s\n", name.c_str());
      std::exit(2);
    }
  }
  return o;
}

// Removes what a killed save leaves behind besides the document, its backup and the
// recovery copy (the temporary file of an unfinished write); how many there were.
int RemoveLeftovers(const Paths& paths, const std::string& copy) {
  int removed = 0;
  for (const std::string& folder : {paths.folder, paths.recovery}) {
    QDir dir(QString::fromStdString(folder));
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
      const std::string path = dir.filePath(name).toStdString();
      if (path == paths.document || path == paths.backup || path == copy) continue;
      dir.remove(name);
      ++removed;
    }
  }
  return removed;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  QTemporaryDir temporary;
  Paths paths;
  paths.folder = options.folder.empty() ? temporary.path().toStdString() : options.folder;
  QDir().mkpath(QString::fromStdString(paths.folder));
  paths.document = paths.folder + "/crash.zlt";
  paths.backup = BackupName(paths.document);
  paths.recovery = paths.folder + "/recovery";

  std::printf("crashtest: %zu categories, %zu notes, %d kills, seed %u, in %s\n",
              options.categories, options.notes, options.kills, options.seed, paths.folder.c_str());
  Document doc = bench::MakeLargeDocument(options.categories, options.notes);
  // The marker category sorts after every other name, so it is the last one in the file.
  doc.tabs.Append(Tab("~crash test marker", 0, NO_PARENT));
  doc.tabs[doc.tabs.Count() - 1].notes.Add(NoteString{Marker(0), 0});
  const VersionCheck check(EncodeDocument(doc.tabs, FileLayout::V101));

  // The document and its backup exist from the start: two saves of version 0.
  {
    QtFileStore files;
    MemoryCategoryList list;
    FileDialogData dialog;
    SilentUi ui;
    DocumentEnv env{doc, list, dialog, ui, files, "Default"};
    for (int i = 0; i < 2; ++i)
      if (SaveDocument(env, paths.document) != SaveResult::Saved) return 2;
  }
  QtFileStore files;
  RecoveryFiles recovery(files, paths.recovery);
  const std::string identity = recovery.IdentityOf(paths.document);
  const std::string copy = recovery.CopyPathOf(identity);

  auto* shared = static_cast<Shared*>(
      mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  if (shared == MAP_FAILED) return 2;
  new (shared) Shared{};

  std::mt19937 rng(options.seed);
  int killedIn[PhaseCount] = {};
  std::map<std::string, int> outcomes;
  int failures = 0, leftovers = 0;
  const Clock::time_point started = Clock::now();
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  int kills = 0;
  for (int kill = 0; kill < options.kills && !stopRequested; ++kill, kills = kill) {
    const int target = kill % PhaseCount;
    shared->phase = -1;
    const int firstVersion = (kill + 1) * 100000;
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) RunChild(doc, paths, *shared, firstVersion);

    // Wait for the aimed phase, then for a random part of its usual length.
    const Clock::time_point waitStart = Clock::now();
    while (shared->phase != target && Clock::now() - waitStart < std::chrono::seconds(120))
      std::this_thread::sleep_for(std::chrono::microseconds(20));
    const std::int64_t usual = shared->phaseMicros[target];
    if (usual > 0)
      std::this_thread::sleep_for(
          std::chrono::microseconds(std::uniform_int_distribution<std::int64_t>(0, usual)(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) {
      std::printf("kill %d: the child ended by itself (status %d)\n", kill, status);
      ++failures;
      continue;
    }
    const int phase = shared->phase;
    if (phase >= 0) ++killedIn[phase];
    const int saving = shared->version;

    // Every name holds a whole version, or (the recovery copy only) nothing.
    const auto versionIn = [&](const std::string& path, bool recoveryCopy) -> std::string {
      const std::optional<std::string> image = files.ReadAll(path);
      if (!image) return recoveryCopy ? "absent" : "MISSING";
      std::optional<int> version;
      if (!recoveryCopy) {
        version = check.VersionOf(*image);
      } else if (const auto content = DecodeRecoveryCopy(*image);
                 content && content->documentPath == identity) {
        version = check.VersionOf(content->documentBytes);
      }
      if (!version) return "DAMAGED";
      return *version == saving ? "new" : "old";
    };
    const std::string document = versionIn(paths.document, false);
    const std::string backup = versionIn(paths.backup, false);
    const std::string recoveryCopy = versionIn(copy, true);
    const std::string outcome =
        "document " + document + ", backup " + backup + ", recovery copy " + recoveryCopy;
    ++outcomes[std::string(phase >= 0 ? PhaseNames[phase] : "starting") + ": " + outcome];
    if (document == "MISSING" || document == "DAMAGED" || backup == "MISSING" ||
        backup == "DAMAGED" || recoveryCopy == "DAMAGED") {
      ++failures;
      std::printf("kill %d while %s: %s\n", kill, phase >= 0 ? PhaseNames[phase] : "starting",
                  outcome.c_str());
    }
    leftovers += RemoveLeftovers(paths, copy);
    if ((kill + 1) % 50 == 0 && kill + 1 < options.kills) {
      std::printf("%d kills, %d left damaged or missing files, %.0f s\n", kill + 1, failures,
                  std::chrono::duration<double>(Clock::now() - started).count());
      std::fflush(stdout);
    }
  }

  const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
  std::printf("\n%d kills in %.0f s; killed while:\n", kills, seconds);
  for (int p = 0; p < PhaseCount; ++p) std::printf("  %5d  %s\n", killedIn[p], PhaseNames[p]);
  std::printf("outcomes (phase: what the files held):\n");
  for (const auto& [outcome, count] : outcomes) std::printf("  %5d  %s\n", count, outcome.c_str());
  std::printf("temporary files of unfinished writes removed after the kills: %d\n", leftovers);
  std::printf("%s: %d kills left damaged or missing files\n", failures == 0 ? "PASS" : "FAIL",
              failures);
  return failures == 0 ? 0 : 1;
}
