#include "app/RecoveryWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <atomic>
#include <chrono>
#include <utility>

#include "model/RecoveryCopy.h"

namespace zelto {

namespace {

// How long one step of copying may hold up the window thread.
constexpr std::chrono::milliseconds StepTime(8);

// Tells this writer's unnamed document from those of other runs and other writers.
std::string RunTag() {
  static std::atomic<int> writers{0};
  return std::to_string(QCoreApplication::applicationPid()) + "-" +
         std::to_string(QDateTime::currentMSecsSinceEpoch()) + "-" + std::to_string(++writers);
}

}  // namespace

RecoveryWriter::RecoveryWriter(const Document& doc, const std::string& fileName, FileStore& files,
                               std::string folder, std::uint32_t seconds, QObject* parent)
    : QObject(parent),
      doc_(doc),
      fileName_(fileName),
      files_(files, std::move(folder)),
      runTag_(RunTag()),
      unnamedIdentity_(UnnamedIdentity(runTag_)) {
  stepTimer_.setSingleShot(true);
  stepTimer_.setInterval(0);
  connect(&stepTimer_, &QTimer::timeout, this, &RecoveryWriter::Step);
  if (seconds > 0) {
    timer_.setInterval(std::chrono::seconds(seconds));
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::WriteChanges);
    timer_.start();
  }
}

RecoveryWriter::~RecoveryWriter() { Settle(); }

void RecoveryWriter::WriteChanges() {
  if (Busy() || !doc_.modified) return;
  CopyTarget target = TargetFor(fileName_);
  if (writtenRevision_ == doc_.modified.Revision() && writtenPath_ == target.path) return;
  copyTarget_ = std::move(target);
  copyRevision_ = doc_.modified.Revision();
  snapshot_.Restart();
  copying_ = true;
  Step();
}

void RecoveryWriter::Step() {
  if (!copying_) return;
  if (!doc_.modified) {  // saved or replaced in the meantime: nothing to keep
    copying_ = false;
    return;
  }
  if (doc_.modified.Revision() != copyRevision_) {
    copyRevision_ = doc_.modified.Revision();
    snapshot_.Restart();
  }
  const auto deadline = std::chrono::steady_clock::now() + StepTime;
  if (!snapshot_.Step(doc_.tabs,
                      [deadline] { return std::chrono::steady_clock::now() >= deadline; })) {
    stepTimer_.start();
    return;
  }
  copying_ = false;
  worker_ = std::thread([this, tabs = snapshot_.Take(), target = copyTarget_,
                         revision = copyRevision_, generation = generation_]() mutable {
    std::string reason = files_.Write(tabs, target.identity, target.path);
    tabs = TabList();  // a large copy is freed here, not on the window thread
    QMetaObject::invokeMethod(
        this,
        [this, generation, revision, path = std::move(target.path),
         reason = std::move(reason)]() mutable {
          WorkerFinished(generation, revision, std::move(path), reason);
        },
        Qt::QueuedConnection);
  });
}

void RecoveryWriter::WorkerFinished(std::uint64_t generation, std::uint64_t revision,
                                    std::string path, const std::string& reason) {
  // A report of an earlier generation comes from a worker that Settle has joined already.
  if (generation != generation_) return;
  if (worker_.joinable()) worker_.join();  // it has nothing left to do but end
  if (reason.empty()) {
    writtenRevision_ = revision;
    writtenPath_ = std::move(path);
  }
  emit CopyFinished(QString::fromStdString(reason));
}

void RecoveryWriter::Settle() {
  copying_ = false;
  stepTimer_.stop();
  if (worker_.joinable()) worker_.join();
  ++generation_;
}

RecoveryWriter::CopyTarget RecoveryWriter::TargetFor(const std::string& fileName) {
  if (fileName.empty()) return {unnamedIdentity_, files_.CopyPathOf(unnamedIdentity_)};
  std::string identity = files_.IdentityOf(fileName);
  std::string path = identity == heldElsewhere_ ? files_.SharedCopyPathOf(identity, runTag_)
                                                : files_.CopyPathOf(identity);
  return {std::move(identity), std::move(path)};
}

void RecoveryWriter::SetHeldElsewhere(const std::string& documentPath) {
  heldElsewhere_ = documentPath.empty() ? std::string() : files_.IdentityOf(documentPath);
}

RecoveryOffer RecoveryWriter::OfferCopy(DocumentEnv& env, const std::string& documentPath) {
  return OfferRecoveryCopy(env, files_, documentPath);
}

bool RecoveryWriter::HasCopy(const std::string& documentPath) {
  const std::string identity = files_.IdentityOf(documentPath);
  return files_.Files().Exists(files_.CopyPathOf(identity)) ||
         !files_.SharedCopiesOf(identity).empty();
}

RecoveryOffer RecoveryWriter::OfferUnnamedCopy(DocumentEnv& env) {
  return OfferUnnamedRecoveryCopy(env, files_, unnamedIdentity_);
}

void RecoveryWriter::DiscardCopy(const std::string& documentPath) {
  Settle();
  writtenRevision_.reset();
  files_.Files().Remove(TargetFor(documentPath).path);
}

std::string RecoveryWriter::WriteCopyNow(const std::string& documentPath) {
  Settle();
  CopyTarget target = TargetFor(documentPath);
  std::string reason = files_.Write(doc_.tabs, target.identity, target.path);
  if (reason.empty()) {
    writtenRevision_ = doc_.modified.Revision();
    writtenPath_ = std::move(target.path);
  }
  return reason;
}

std::optional<std::string> RecoveryWriter::SetAsideCopy(const std::string& documentPath) {
  Settle();
  writtenRevision_.reset();
  return files_.SetAside(TargetFor(documentPath).path);
}

}  // namespace zelto
