#pragma once
// Runs the Find all scan off the window's thread, one search at a time: a new search stops
// the one before it. Hits come back on the window's thread a batch at a time, the first
// batch soon after the search starts.
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/FindAll.h"

namespace zelto {

class FindAllSearch : public QObject {
  Q_OBJECT

 public:
  explicit FindAllSearch(QObject* parent = nullptr);
  // Stops the running search and waits until its thread has let go of the document copy.
  ~FindAllSearch() override;

  // Searches `tabs`, a copy that nobody changes, for `text`; the search running before is
  // stopped and its hits that are still under way never arrive.
  void Start(std::shared_ptr<const TabList> tabs, std::string text);
  // Stops the running search.
  void Cancel();
  // Waits until no scan runs any longer (for tests and shutdown).
  void Wait();
  // The searches started so far; each Found signal names the one it belongs to.
  quint64 Generation() const { return generation_; }

 signals:
  // New hits of the current search: `hits` follow those already delivered, `count` is every
  // hit so far (also beyond the listed ones), `done` says the document is searched.
  void Found(const std::vector<zelto::SearchHit>& hits, qulonglong count, bool done);

 private:
  QThreadPool pool_;
  quint64 generation_ = 0;
  std::shared_ptr<std::atomic<bool>> cancelled_;
};

}  // namespace zelto
