#include "mainwin/FindAllSearch.h"

#include <chrono>

namespace zelto {
namespace {

using Clock = std::chrono::steady_clock;

// Notes examined between two looks at the stop flag: well under a millisecond of work.
constexpr std::size_t ScanPiece = 2048;
// The first hits go out once a page of them is found or this much time has passed ...
constexpr auto FirstDelivery = std::chrono::milliseconds(20);
constexpr std::size_t FirstPage = 100;
// ... and further hits at this pace, so that the window is not flooded with updates.
constexpr auto LaterDelivery = std::chrono::milliseconds(100);

}  // namespace

FindAllSearch::FindAllSearch(QObject* parent) : QObject(parent) {
  // One scan at a time: a stopped scan ends before the next one starts.
  pool_.setMaxThreadCount(1);
}

FindAllSearch::~FindAllSearch() {
  Cancel();
  Wait();
}

void FindAllSearch::Cancel() {
  if (cancelled_) cancelled_->store(true);
  cancelled_.reset();
  ++generation_;
}

void FindAllSearch::Wait() { pool_.waitForDone(); }

void FindAllSearch::Start(std::shared_ptr<const TabList> tabs, std::string text) {
  Cancel();
  cancelled_ = std::make_shared<std::atomic<bool>>(false);
  const quint64 generation = generation_;
  // The lambda posted back runs on this object's thread, where generation_ lives; hits of a
  // search that was replaced in the meantime are dropped there.
  const auto deliver = [this, generation](std::vector<SearchHit> hits, std::size_t count,
                                          bool done) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, hits = std::move(hits), count, done] {
          if (generation == generation_) emit Found(hits, count, done);
        },
        Qt::QueuedConnection);
  };
  pool_.start([tabs = std::move(tabs), text = std::move(text), cancelled = cancelled_, deliver] {
    FindAllScan scan(*tabs, text);
    std::size_t listed = 0;    // hits already handed over
    std::size_t reported = 0;  // the count last handed over
    Clock::time_point last = Clock::now();
    while (!cancelled->load()) {
      const bool done = scan.Step(ScanPiece);
      const Clock::time_point now = Clock::now();
      const bool firstPage = reported == 0 && scan.Count() >= FirstPage;
      const auto pace = reported == 0 ? FirstDelivery : LaterDelivery;
      if (done || (scan.Count() > reported && (firstPage || now - last >= pace))) {
        const auto& hits = scan.Hits();
        deliver(
            std::vector<SearchHit>(hits.begin() + static_cast<std::ptrdiff_t>(listed), hits.end()),
            scan.Count(), done);
        listed = hits.size();
        reported = scan.Count();
        last = now;
      }
      if (done) break;
    }
  });
}

}  // namespace zelto
