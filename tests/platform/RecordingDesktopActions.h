#pragma once
// A DesktopActions that starts and opens nothing: it records every request and answers
// with what the test set up.
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

#include "platform/DesktopActions.h"

namespace zelto {

class RecordingDesktopActions : public DesktopActions {
 public:
  struct Started {
    QString program;
    QStringList arguments;
  };
  struct Dialled {
    QString dialString;
    QString calledParty;
  };

  QSet<QString> programs;  // words that count as programs
  ActionOutcome answer;    // what every request returns
  std::vector<Started> started;
  QStringList openedFiles;
  std::vector<QUrl> openedUrls;
  std::vector<Dialled> dialled;

  bool IsProgram(const QString& word) const override { return programs.contains(word); }
  ActionOutcome StartDetached(const QString& program, const QStringList& arguments) override {
    started.push_back({program, arguments});
    return answer;
  }
  ActionOutcome OpenFile(const QString& path) override {
    openedFiles << path;
    return answer;
  }
  ActionOutcome OpenUrl(const QUrl& url) override {
    openedUrls.push_back(url);
    return answer;
  }
  ActionOutcome Dial(const QString& dialString, const QString& calledParty) override {
    dialled.push_back({dialString, calledParty});
    return answer;
  }
  std::size_t Requests() const {
    return started.size() + static_cast<std::size_t>(openedFiles.size()) + openedUrls.size() +
           dialled.size();
  }
};

}  // namespace zelto
