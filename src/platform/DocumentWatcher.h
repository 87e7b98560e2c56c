#pragma once
// Tells when the open document's file may have changed on disk: it watches the file and its
// folder (a sync service replaces a file by renaming another over it, which only the folder
// sees), through a symbolic link the file it points to as well. A burst of notices (a file
// written in pieces, a save with its backup) is reported once, when the folder has been
// quiet for a moment. What changed is not decided here: the receiver compares the file with
// the version it holds.
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <string>

namespace zelto {

class DocumentWatcher : public QObject {
  Q_OBJECT

 public:
  // How long the file must be quiet before a change is reported.
  static constexpr int QuietMilliseconds = 300;

  explicit DocumentWatcher(QObject* parent = nullptr);
  // Watches the document at `path` (empty: none) instead of the one watched so far.
  void Watch(const std::string& path);

 signals:
  void MayHaveChanged();

 private:
  void Notice();
  void Rewatch();

  QFileSystemWatcher watcher_;
  QTimer quiet_;
  QStringList files_;    // the document's name and, through links, the file it ends in
  QStringList folders_;  // their folders
};

}  // namespace zelto
