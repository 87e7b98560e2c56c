#include "platform/DesktopActions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/RecordingDesktopActions.h"

namespace zelto {
namespace {

TEST(RunProgramEntry, StartsProgramsAndOpensEverythingElse) {
  RecordingDesktopActions desktop;
  desktop.programs = {QStringLiteral("gimp")};
  EXPECT_EQ(RunProgramEntry("Paint\r\ngimp 'caf\xE9 photo.png' -n", desktop).status,
            ActionOutcome::Status::Done);
  ASSERT_EQ(desktop.started.size(), 1u);
  EXPECT_EQ(desktop.started[0].program, QStringLiteral("gimp"));
  EXPECT_EQ(desktop.started[0].arguments,
            (QStringList{QStringLiteral(u"caf\u00e9 photo.png"), QStringLiteral("-n")}));

  EXPECT_EQ(RunProgramEntry("Doc\r\n/home/me/My Notes.txt", desktop).status,
            ActionOutcome::Status::Done);
  EXPECT_EQ(desktop.openedFiles, QStringList{QStringLiteral("/home/me/My Notes.txt")});
  EXPECT_TRUE(desktop.openedUrls.empty());
}

TEST(RunProgramEntry, AddressesOpenWithTheDesktopsHandler) {
  RecordingDesktopActions desktop;
  for (const char* entry : {"Web\r\nhttp://example.org", "Mail\r\nmailto:x@example.org"})
    EXPECT_EQ(RunProgramEntry(entry, desktop).status, ActionOutcome::Status::Done);
  ASSERT_EQ(desktop.openedUrls.size(), 2u);
  EXPECT_EQ(desktop.openedUrls[0], QUrl(QStringLiteral("http://example.org")));
  EXPECT_EQ(desktop.openedUrls[1].scheme(), QStringLiteral("mailto"));
  EXPECT_TRUE(desktop.openedFiles.isEmpty());
  EXPECT_TRUE(desktop.started.empty());
}

TEST(RunProgramEntry, NothingRefusalsAndFailuresAreTold) {
  RecordingDesktopActions desktop;
  EXPECT_EQ(RunProgramEntry("no line feed", desktop).status, ActionOutcome::Status::Nothing);
  const ActionOutcome open = RunProgramEntry("x\r\nprog \"unclosed", desktop);
  EXPECT_TRUE(open.IsFailure());
  EXPECT_FALSE(open.reason.isEmpty());
  EXPECT_EQ(desktop.Requests(), 0u);

  desktop.programs = {QStringLiteral("prog")};
  desktop.answer = ActionOutcome::Failed(QStringLiteral("no such program"));
  const ActionOutcome failed = RunProgramEntry("x\r\nprog", desktop);
  EXPECT_TRUE(failed.IsFailure());
  EXPECT_EQ(failed.reason, QStringLiteral("no such program"));
}

TEST(OpenWebLink, OnlyWebAddressesReachTheDesktop) {
  RecordingDesktopActions desktop;
  EXPECT_EQ(OpenWebLink("http://example.org/a?b=1&c=2", desktop).status,
            ActionOutcome::Status::Done);
  EXPECT_EQ(OpenWebLink("FTP://ftp.example.org/pub", desktop).status, ActionOutcome::Status::Done);
  EXPECT_EQ(OpenWebLink(" http://example.org/caf\xE9 ", desktop).status,
            ActionOutcome::Status::Done);
  ASSERT_EQ(desktop.openedUrls.size(), 3u);
  EXPECT_EQ(desktop.openedUrls[2].toEncoded(), QByteArray("http://example.org/caf%C3%A9"));
  EXPECT_EQ(desktop.openedUrls[0].host(), QStringLiteral("example.org"));
  EXPECT_EQ(desktop.openedUrls[0].query(), QStringLiteral("b=1&c=2"));
  EXPECT_EQ(desktop.openedUrls[1].scheme(), QStringLiteral("ftp"));

  for (const char* notWeb : {"http:abc", "ftphone", "file:///etc/passwd", "/usr/bin/xterm",
                             "http://", "http://bad host", "   "}) {
    const ActionOutcome outcome = OpenWebLink(notWeb, desktop);
    EXPECT_TRUE(outcome.IsFailure()) << notWeb;
    EXPECT_TRUE(outcome.reason.contains(QStringLiteral("is not a web address"))) << notWeb;
  }
  EXPECT_EQ(desktop.openedUrls.size(), 3u);
  EXPECT_TRUE(desktop.started.empty());
  EXPECT_TRUE(desktop.openedFiles.isEmpty());
}

TEST(DialNumber, HandsOverTheDialStringAndCalledParty) {
  RecordingDesktopActions desktop;
  EXPECT_EQ(DialNumber("18005551212", "Plumber ...", desktop).status, ActionOutcome::Status::Done);
  ASSERT_EQ(desktop.dialled.size(), 1u);
  EXPECT_EQ(desktop.dialled[0].dialString, QStringLiteral("18005551212"));
  EXPECT_EQ(desktop.dialled[0].calledParty, QStringLiteral("Plumber ..."));
  EXPECT_TRUE(DialNumber("", "x", desktop).IsFailure());
  EXPECT_EQ(desktop.dialled.size(), 1u);
}

TEST(SystemDesktopActions, NothingIsHandedOverToADesktopWithoutAProgramForTheScheme) {
  std::vector<std::string> asked;
  SystemDesktopActions desktop([&asked](const std::string& type) {
    asked.push_back(type);
    return std::optional<std::string>(std::string());
  });
  const ActionOutcome dial = DialNumber("5551234", "Plumber ...", desktop);
  ASSERT_TRUE(dial.IsFailure());
  EXPECT_TRUE(dial.reason.contains(QStringLiteral("5551234"))) << dial.reason.toStdString();
  const ActionOutcome open = OpenWebLink("https://example.org/a", desktop);
  ASSERT_TRUE(open.IsFailure());
  EXPECT_TRUE(open.reason.contains(QStringLiteral("https://example.org/a")))
      << open.reason.toStdString();
  EXPECT_EQ(asked, (std::vector<std::string>{"x-scheme-handler/tel", "x-scheme-handler/https",
                                             "x-scheme-handler/http"}));
}

TEST(SystemDesktopActions, FindsProgramsAndReportsWhatCannotStart) {
  SystemDesktopActions desktop;
  EXPECT_TRUE(desktop.IsProgram(QStringLiteral("sh")));
  EXPECT_TRUE(desktop.IsProgram(QStringLiteral("/bin/sh")));
  EXPECT_FALSE(desktop.IsProgram(QStringLiteral("no-such-program-anywhere")));
  EXPECT_FALSE(desktop.IsProgram(QString()));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString plain = dir.filePath(QStringLiteral("notes.txt"));
  QFile file(plain);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_FALSE(desktop.IsProgram(plain));  // exists, but is not executable
  EXPECT_FALSE(desktop.IsProgram(dir.path()));

  const ActionOutcome missing = desktop.OpenFile(dir.filePath(QStringLiteral("gone.txt")));
  EXPECT_TRUE(missing.IsFailure());
  EXPECT_TRUE(missing.reason.contains(QStringLiteral("gone.txt")));

  const ActionOutcome notStarted =
      desktop.StartDetached(dir.filePath(QStringLiteral("no-program")), {});
  EXPECT_TRUE(notStarted.IsFailure());
  EXPECT_TRUE(notStarted.reason.contains(QStringLiteral("no-program")));

  EXPECT_EQ(desktop.StartDetached(QStringLiteral("true"), {}).status, ActionOutcome::Status::Done);
}

}  // namespace
}  // namespace zelto
