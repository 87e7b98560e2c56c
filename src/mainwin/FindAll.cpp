#include "mainwin/FindAll.h"

#include <algorithm>

#include "common/TextSearch.h"
#include "model/TreeOps.h"

namespace zelto {

FindAllScan::FindAllScan(const TabList& tabs, std::string text)
    : tabs_(tabs), text_(std::move(text)) {}

bool FindAllScan::Step(std::size_t budget) {
  while (!done_ && budget > 0) {
    const ScanStep step = ScanNotes(tabs_, text_, next_, budget);
    budget -= step.examined;
    if (step.kind == ScanStep::Kind::End) {
      done_ = true;
    } else if (step.kind == ScanStep::Kind::Paused) {
      next_ = step.at;
    } else {
      if (hits_.size() < ListLimit) hits_.push_back({step.at.category, step.at.note});
      ++count_;
      next_ = {step.at.category, step.at.note + 1};  // on after the hit, as Next goes on
    }
  }
  return done_;
}

namespace {

constexpr std::string_view LineBreakMark = " \xB6 ";
constexpr std::string_view Ellipsis = "...";

}  // namespace

HitRow MakeHitRow(const TabList& tabs, const SearchHit& hit, std::string_view text,
                  std::size_t maxLength) {
  HitRow row;
  row.path = CategoryPath(tabs, hit.category);
  row.cut = tabs.Valid(hit.category) && tabs[hit.category].state == TabState::Cut;
  if (!tabs.Valid(hit.category) || hit.note >= tabs[hit.category].notes.Count()) return row;
  const std::string& note = tabs[hit.category].notes[hit.note].text;

  std::size_t at = FindTextIgnoringCase(note, text);
  if (at == std::string_view::npos) at = 0;
  const std::size_t length = std::min(text.size(), note.size() - at);
  // Some text before the match stays in view; the cut-down piece ends after maxLength.
  std::size_t from = 0;
  const std::size_t lead = maxLength / 3;
  if (at > lead && note.size() > maxLength) from = std::min(at - lead, note.size() - maxLength);
  const std::size_t to = std::max(std::min(note.size(), from + maxLength), at + length);

  if (from > 0) row.excerpt.append(Ellipsis);
  for (std::size_t i = from; i < to; ++i) {
    if (i == at) row.matchStart = row.excerpt.size();
    if (i == at + length) row.matchLength = row.excerpt.size() - row.matchStart;
    const char c = note[i];
    if (c == '\r' && i + 1 < to && note[i + 1] == '\n') continue;  // the LF shows the break
    if (c == '\r' || c == '\n')
      row.excerpt.append(LineBreakMark);
    else
      row.excerpt.push_back(c);
  }
  if (at == to) row.matchStart = row.excerpt.size();
  if (at + length == to) row.matchLength = row.excerpt.size() - row.matchStart;
  if (to < note.size()) row.excerpt.append(Ellipsis);
  return row;
}

}  // namespace zelto
