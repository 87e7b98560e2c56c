// The question whether the desktop has a program for a scheme, asked of a recorder.
#include "platform/SchemeHandler.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace zelto {
namespace {

// Answers the desktop's default-application query from a table and records every question.
struct RecordingQuery {
  std::map<std::string, std::string> defaults;  // type -> application; missing: none
  bool reachable = true;                        // false: the desktop cannot be asked
  std::vector<std::string> asked;

  DefaultApplicationQuery Query() {
    return [this](const std::string& type) -> std::optional<std::string> {
      asked.push_back(type);
      if (!reachable) return std::nullopt;
      const auto it = defaults.find(type);
      return it == defaults.end() ? std::string() : it->second;
    };
  }
};

TEST(FindSchemeHandler, AsksForTheSchemesDefaultApplication) {
  RecordingQuery desktop;
  EXPECT_EQ(FindSchemeHandler("tel", desktop.Query()), SchemeHandler::Missing);
  desktop.defaults["x-scheme-handler/tel"] = "org.gnome.Calls.desktop";
  EXPECT_EQ(FindSchemeHandler("TEL", desktop.Query()), SchemeHandler::Found);
  EXPECT_EQ(desktop.asked,
            (std::vector<std::string>{"x-scheme-handler/tel", "x-scheme-handler/tel"}));

  // An answer of blanks and line breaks names no program.
  desktop.defaults["x-scheme-handler/tel"] = " \n";
  EXPECT_EQ(FindSchemeHandler("tel", desktop.Query()), SchemeHandler::Missing);

  // Without an answer the address is handed over all the same.
  desktop.reachable = false;
  EXPECT_EQ(FindSchemeHandler("tel", desktop.Query()), SchemeHandler::Unknown);
}

TEST(FindSchemeHandler, WebAddressesFallBackToTheBrowserButNumbersDoNot) {
  RecordingQuery desktop;
  desktop.defaults["x-scheme-handler/http"] = "firefox-esr.desktop";
  EXPECT_EQ(FindSchemeHandler("https", desktop.Query()), SchemeHandler::Found);
  EXPECT_EQ(FindSchemeHandler("FTP", desktop.Query()), SchemeHandler::Found);
  EXPECT_EQ(desktop.asked,
            (std::vector<std::string>{"x-scheme-handler/https", "x-scheme-handler/http",
                                      "x-scheme-handler/ftp", "x-scheme-handler/http"}));
  desktop.asked.clear();
  EXPECT_EQ(FindSchemeHandler("tel", desktop.Query()), SchemeHandler::Missing);
  EXPECT_EQ(desktop.asked, std::vector<std::string>{"x-scheme-handler/tel"});

  desktop.defaults.clear();
  EXPECT_EQ(FindSchemeHandler("https", desktop.Query()), SchemeHandler::Missing);
}

}  // namespace
}  // namespace zelto
