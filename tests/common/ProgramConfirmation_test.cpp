#include "common/ProgramConfirmation.h"

#include <gtest/gtest.h>

#include <map>

namespace zelto {
namespace {

TEST(ProgramConfirmation, TheQuestionShowsTheCommandAsItWillBeStarted) {
  const ProgramFinder finder = [](const std::string& word) -> std::optional<std::string> {
    if (word == "/usr/bin/touch" || word == "viewer") return word;
    return std::nullopt;
  };
  struct Case {
    const char* entry;
    const char* shown;
  };
  const Case cases[] = {
      {"Holiday photos\r\n/usr/bin/touch marker.txt",
       "Program: /usr/bin/touch\nArgument 1: marker.txt"},
      {"Two\r\nviewer 'a b' \"c\\\"d\" ''",
       "Program: viewer\nArgument 1: a b\nArgument 2: c\"d\n"
       "Argument 3: "},
      {"Bare\r\nviewer", "Program: viewer\n(no arguments)"},
      {"Site\r\nhttps://example.org/x?y=1", "Address to open: https://example.org/x?y=1"},
      {"Mail\r\nmailto:me@example.org", "Address to open: mailto:me@example.org"},
      {"Doc\r\n/home/me/my notes.txt", "File to open: /home/me/my notes.txt"},
      {"Drive\r\nC:notes.txt", "File to open: C:notes.txt"},
  };
  for (const Case& c : cases) {
    const std::string question = RunQuestion(PlanProgramLaunch(c.entry, finder));
    const std::string shown = question.substr(question.find("\n\n") + 2);
    EXPECT_EQ(shown, c.shown) << c.entry;
  }
}

TEST(ProgramConfirmation, WhatIsAllowedBelongsToOneDocumentAndOneCommand) {
  std::map<std::string, int> settings;
  std::string document = "/docs/a.zlt";
  ProgramPermissions permissions({[&](const std::string& key) { return settings.contains(key); },
                                  [&](const std::string& key) { ++settings[key]; }},
                                 [&] { return document; });
  EXPECT_FALSE(permissions.IsAllowed("run x"));
  permissions.Allow("run x");
  EXPECT_EQ(settings.count(AllowedProgramKey("/docs/a.zlt", "run x")), 1u);
  permissions.DocumentReplaced();
  EXPECT_TRUE(permissions.IsAllowed("run x"));    // remembered
  EXPECT_FALSE(permissions.IsAllowed("run x "));  // another command
  document = "/docs/b.zlt";
  EXPECT_FALSE(permissions.IsAllowed("run x"));  // another document

  // Without a file the allowance lasts while the document is open; a save names it.
  document.clear();
  permissions.Allow("typed");
  EXPECT_TRUE(permissions.IsAllowed("typed"));
  document = "/docs/new.zlt";
  permissions.DocumentSaved();
  permissions.DocumentReplaced();
  EXPECT_TRUE(permissions.IsAllowed("typed"));

  EXPECT_NE(AllowedProgramKey("/docs/a", "b"), AllowedProgramKey("/docs/", "ab"));
  EXPECT_EQ(AllowedProgramKey("/docs/a", "b").rfind("AllowedPrograms/", 0), 0u);
}

}  // namespace
}  // namespace zelto
