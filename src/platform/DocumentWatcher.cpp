#include "platform/DocumentWatcher.h"

#include <QFileInfo>

#include "model/LinkResolution.h"
#include "platform/QtFileStore.h"

namespace zelto {

DocumentWatcher::DocumentWatcher(QObject* parent) : QObject(parent) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(QuietMilliseconds);
  connect(&quiet_, &QTimer::timeout, this, [this] {
    Rewatch();
    emit MayHaveChanged();
  });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DocumentWatcher::Notice);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DocumentWatcher::Notice);
}

void DocumentWatcher::Watch(const std::string& path) {
  quiet_.stop();
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  files_.clear();
  folders_.clear();
  if (path.empty()) return;
  QtFileStore store;
  for (const std::string& name : {store.AbsolutePath(path), DocumentIdentity(store, path)}) {
    const QString file = QString::fromStdString(name);
    if (files_.contains(file)) continue;
    files_ << file;
    const QString folder = QFileInfo(file).absolutePath();
    if (!folders_.contains(folder)) folders_ << folder;
  }
  Rewatch();
}

void DocumentWatcher::Notice() { quiet_.start(); }

void DocumentWatcher::Rewatch() {
  // A file replaced by a rename is a new file: the watch of the old one has ended with it.
  const QStringList watchedFiles = watcher_.files();
  if (!watchedFiles.isEmpty()) watcher_.removePaths(watchedFiles);
  for (const QString& file : files_)
    if (QFileInfo::exists(file)) watcher_.addPath(file);
  for (const QString& folder : folders_)
    if (!watcher_.directories().contains(folder) && QFileInfo::exists(folder))
      watcher_.addPath(folder);
}

}  // namespace zelto
