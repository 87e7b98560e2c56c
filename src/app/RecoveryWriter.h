#pragma once
// Crash recovery while the program runs. Every AutoSaveSeconds, when the document has
// changes that are neither saved nor in a recovery copy yet, a copy is written. The window
// thread copies the document in short steps between its other work (starting again when
// the document changes in between); a worker thread encodes and writes the copy, so that
// the window keeps responding however large the document is.
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "app/RecoveryHooks.h"
#include "model/Document.h"
#include "model/DocumentSnapshot.h"
#include "model/RecoveryFiles.h"

namespace zelto {

class RecoveryWriter : public QObject, public RecoveryHooks {
  Q_OBJECT

 public:
  // `fileName`: the document's file name as the document commands keep it (empty: no name
  // yet; such a document has a copy of its own for this run). `seconds` between copies; 0
  // writes copies only when asked.
  RecoveryWriter(const Document& doc, const std::string& fileName, FileStore& files,
                 std::string folder, std::uint32_t seconds, QObject* parent = nullptr);
  // Waits for a copy under way to be on disk.
  ~RecoveryWriter() override;

  // What the timer does: starts a copy when the document has changes that no copy holds.
  void WriteChanges();
  // A copy is being taken or written.
  bool Busy() const { return copying_ || worker_.joinable(); }
  const std::string& Folder() const { return files_.Folder(); }

  RecoveryOffer OfferCopy(DocumentEnv& env, const std::string& documentPath) override;
  bool HasCopy(const std::string& documentPath) override;
  RecoveryOffer OfferUnnamedCopy(DocumentEnv& env) override;
  void DiscardCopy(const std::string& documentPath) override;
  std::string WriteCopyNow(const std::string& documentPath) override;
  std::optional<std::string> SetAsideCopy(const std::string& documentPath) override;
  void SetHeldElsewhere(const std::string& documentPath) override;

 signals:
  // A copy written in the background is on disk (`reason` empty) or failed.
  void CopyFinished(const QString& reason);

 private:
  // Whose copy the document `fileName` has, and where this program keeps it.
  struct CopyTarget {
    std::string identity;
    std::string path;
  };
  CopyTarget TargetFor(const std::string& fileName);
  void Step();
  void WorkerFinished(std::uint64_t generation, std::uint64_t revision, std::string path,
                      const std::string& reason);
  // Stops a copy in its steps and waits for one being written; what it would report is
  // dropped.
  void Settle();

  const Document& doc_;
  const std::string& fileName_;
  RecoveryFiles files_;
  const std::string runTag_;           // tells this run's copies from those of other runs
  const std::string unnamedIdentity_;  // the copy's identity while the document has no file
  std::string heldElsewhere_;          // the identity of the document another program holds, if any
  QTimer timer_;
  QTimer stepTimer_;

  DocumentSnapshot snapshot_;
  bool copying_ = false;
  std::uint64_t copyRevision_ = 0;  // the revision the snapshot is taken of
  CopyTarget copyTarget_;
  std::thread worker_;
  std::uint64_t generation_ = 0;  // a worker's report counts only for its own generation
  // The revision the last copy holds, and where it is.
  std::optional<std::uint64_t> writtenRevision_;
  std::string writtenPath_;
};

}  // namespace zelto
