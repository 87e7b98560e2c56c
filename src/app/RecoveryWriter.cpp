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
      unnamedIdentity_(UnnamedIdentity(RunTag())) {
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
  const std::string identity = IdentityFor(fileName_);
  if (writtenRevision_ == doc_.modified.Revision() && writtenIdentity_ == identity) return;
  copyIdentity_ = identity;
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
  worker_ = std::thread([this, tabs = snapshot_.Take(), identity = copyIdentity_,
                         revision = copyRevision_, generation = generation_]() mutable {
    std::string reason = files_.Write(tabs, identity);
    tabs = TabList();  // a large copy is freed here, not on the window thread
    QMetaObject::invokeMethod(
        this,
        [this, generation, revision, identity = std::move(identity),
         reason = std::move(reason)]() mutable {
          WorkerFinished(generation, revision, std::move(identity), reason);
        },
        Qt::QueuedConnection);
  });
}

void RecoveryWriter::WorkerFinished(std::uint64_t generation, std::uint64_t revision,
                                    std::string identity, const std::string& reason) {
  // A report of an earlier generation comes from a worker that Settle has joined already.
  if (generation != generation_) return;
  if (worker_.joinable()) worker_.join();  // it has nothing left to do but end
  if (reason.empty()) {
    writtenRevision_ = revision;
    writtenIdentity_ = std::move(identity);
  }
  emit CopyFinished(QString::fromStdString(reason));
}

void RecoveryWriter::Settle() {
  copying_ = false;
  stepTimer_.stop();
  if (worker_.joinable()) worker_.join();
  ++generation_;
}

std::string RecoveryWriter::IdentityFor(const std::string& fileName) {
  return fileName.empty() ? unnamedIdentity_ : files_.IdentityOf(fileName);
}

RecoveryOffer RecoveryWriter::OfferCopy(DocumentEnv& env, const std::string& documentPath) {
  return OfferRecoveryCopy(env, files_, documentPath);
}

bool RecoveryWriter::HasCopy(const std::string& documentPath) {
  return files_.Files().Exists(files_.CopyPathOf(files_.IdentityOf(documentPath)));
}

RecoveryOffer RecoveryWriter::OfferUnnamedCopy(DocumentEnv& env) {
  return OfferUnnamedRecoveryCopy(env, files_, unnamedIdentity_);
}

void RecoveryWriter::DiscardCopy(const std::string& documentPath) {
  Settle();
  writtenRevision_.reset();
  files_.Remove(IdentityFor(documentPath));
}

std::string RecoveryWriter::WriteCopyNow(const std::string& documentPath) {
  Settle();
  const std::string identity = IdentityFor(documentPath);
  std::string reason = files_.Write(doc_.tabs, identity);
  if (reason.empty()) {
    writtenRevision_ = doc_.modified.Revision();
    writtenIdentity_ = identity;
  }
  return reason;
}

std::optional<std::string> RecoveryWriter::SetAsideCopy(const std::string& documentPath) {
  Settle();
  writtenRevision_.reset();
  return files_.SetAside(files_.CopyPathOf(files_.IdentityOf(documentPath)));
}

}  // namespace zelto
