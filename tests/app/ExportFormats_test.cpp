// The Markdown, HTML and JSON exports: the tour as committed golden files, and random
// documents read back with real parsers (CommonMark's reference parser, Python's HTML parser,
// Qt's JSON reader), which must give the same tree with the same texts in the same order.
#include "common/ExportFormats.h"

#include <cmark.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "model/Utf8.h"

namespace zelto {
namespace {

// ---- the tree as a list of lines, the same for the document and for what is read back ----
// "C<depth> <name>" for a category, "N<kind> <text>" for a note (kind P for a program
// entry, T otherwise); texts in UTF-8.

std::string CategoryLine(std::size_t depth, const std::string& utf8Name) {
  return "C" + std::to_string(depth) + " " + utf8Name;
}
std::string NoteLine(bool program, const std::string& utf8Text) {
  return std::string(program ? "NP " : "NT ") + utf8Text;
}

// What the document holds: every Normal category reachable from the top, in TabList order.
// `markdown`: below the sixth level a category shows as a sixth-level heading with its path.
void Expect(const TabList& tabs, TabInx parent, std::vector<std::string>& path, bool markdown,
            std::vector<std::string>& out) {
  for (std::size_t i = 0; i < tabs.Count(); ++i) {
    if (tabs[i].parent != parent || !tabs[i].IsNormal()) continue;
    path.push_back(Cp1252ToUtf8(tabs[i].text));
    std::string name = path.back();
    if (markdown && path.size() > 6) {
      name.clear();
      for (const std::string& n : path) name += "/" + n;
    }
    out.push_back(
        CategoryLine(markdown ? std::min<std::size_t>(path.size(), 6) : path.size(), name));
    for (const NoteString& note : tabs[i].notes)
      out.push_back(NoteLine(IsProgram(note.flags), Cp1252ToUtf8(note.text)));
    Expect(tabs, static_cast<TabInx>(i), path, markdown, out);
    path.pop_back();
  }
}
std::vector<std::string> Expected(const TabList& tabs, bool markdown = false) {
  std::vector<std::string> out, path;
  Expect(tabs, NO_PARENT, path, markdown, out);
  return out;
}

// ---- reading back ----

std::string InlineText(cmark_node* node) {
  std::string text;
  for (cmark_node* c = cmark_node_first_child(node); c; c = cmark_node_next(c)) {
    switch (cmark_node_get_type(c)) {
      case CMARK_NODE_LINEBREAK:
        text += "\r\n";
        break;
      case CMARK_NODE_SOFTBREAK:
        text += "<soft break>";  // never written: a line break is a hard one
        break;
      case CMARK_NODE_TEXT:
      case CMARK_NODE_CODE:
      case CMARK_NODE_HTML_INLINE:
        text += cmark_node_get_literal(c);
        break;
      default:
        text += InlineText(c);
    }
  }
  return text;
}

std::vector<std::string> ReadMarkdown(const std::string& md) {
  std::vector<std::string> out;
  cmark_node* doc = cmark_parse_document(md.data(), md.size(), CMARK_OPT_DEFAULT);
  for (cmark_node* block = cmark_node_first_child(doc); block; block = cmark_node_next(block)) {
    if (cmark_node_get_type(block) == CMARK_NODE_HEADING) {
      out.push_back(CategoryLine(static_cast<std::size_t>(cmark_node_get_heading_level(block)),
                                 InlineText(block)));
    } else if (cmark_node_get_type(block) == CMARK_NODE_LIST) {
      for (cmark_node* item = cmark_node_first_child(block); item; item = cmark_node_next(item)) {
        cmark_node* para = cmark_node_first_child(item);
        bool program = false;
        std::string text;
        if (para) {
          cmark_node* first = cmark_node_first_child(para);
          if (first && cmark_node_get_type(first) == CMARK_NODE_STRONG &&
              InlineText(first) == "Program:") {
            program = true;
            cmark_node_free(first);
          }
          text = InlineText(para);
          if (program && !text.empty() && text[0] == ' ') text.erase(0, 1);
          if (cmark_node_next(para)) text += "<second block>";
        }
        out.push_back(NoteLine(program, text));
      }
    } else {
      out.push_back("unexpected block");
    }
  }
  cmark_node_free(doc);
  return out;
}

void ReadJsonCategories(const QJsonArray& categories, std::size_t depth,
                        std::vector<std::string>& out) {
  for (const auto& value : categories) {
    const QJsonObject c = value.toObject();
    out.push_back(CategoryLine(depth, c["name"].toString().toStdString()));
    for (const QJsonValue n : c["notes"].toArray())
      out.push_back(
          NoteLine(n["kind"].toString() == "program", n["text"].toString().toStdString()));
    ReadJsonCategories(c["children"].toArray(), depth + 1, out);
  }
}

std::vector<std::string> ReadJson(const std::string& json) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_EQ(doc["format"].toString(), "brindamor-export");
  EXPECT_EQ(doc["version"].toInt(), 1);
  std::vector<std::string> out;
  ReadJsonCategories(doc["categories"].toArray(), 1, out);
  return out;
}

// The HTML page read by Python's html.parser (tests/app/html_tree.py), given back as JSON.
void ReadHtmlSections(const QJsonArray& sections, std::size_t depth,
                      std::vector<std::string>& out) {
  for (const auto& value : sections) {
    const QJsonObject c = value.toObject();
    out.push_back(CategoryLine(depth, c["name"].toString().toStdString()));
    for (const QJsonValue n : c["notes"].toArray())
      out.push_back(
          NoteLine(n["class"].toString().contains("program"), n["text"].toString().toStdString()));
    ReadHtmlSections(c["children"].toArray(), depth + 1, out);
  }
}

std::vector<std::string> ReadHtml(const std::string& html, const QTemporaryDir& dir) {
  const QString page = dir.filePath("page.html");
  std::ofstream(page.toStdString(), std::ios::binary) << html;
  QProcess python;
  python.start("python3", {ZELTO_HTML_TREE_SCRIPT, page});
  EXPECT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  std::vector<std::string> out;
  ReadHtmlSections(QJsonDocument::fromJson(python.readAllStandardOutput()).array(), 1, out);
  return out;
}

// ---- random documents ----

// Texts of every byte from 0x20 to 0xFF, line breaks, and many of the characters that mean
// something in Markdown or HTML.
std::string RandomText(std::mt19937& rng, bool oneLine) {
  static const std::string special = "\\`*_{}[]()#+-.!|<>&\"'/:;=~ ";
  std::string text;
  for (std::size_t n = rng() % 14; n > 0; --n) {
    const unsigned pick = rng() % 10;
    if (pick < 4)
      text += special[rng() % special.size()];
    else if (pick == 4 && !oneLine)
      text += "\r\n";
    else if (pick == 5)
      text += "http://example.org/a?b=1&c=<2>";
    else
      text += static_cast<char>(0x20 + rng() % 0xE0);
  }
  return text;
}

TabList RandomTree(std::mt19937& rng) {
  TabList tabs;
  const std::size_t count = 1 + rng() % 14;
  for (std::size_t i = 0; i < count; ++i) {
    // Mostly a child of the category just before, so that the tree grows deep.
    const TabInx parent = i == 0 || rng() % 5 == 0 ? NO_PARENT
                          : rng() % 3 == 0         ? static_cast<TabInx>(rng() % i)
                                                   : static_cast<TabInx>(i - 1);
    Tab tab(RandomText(rng, rng() % 2 == 0), static_cast<std::uint8_t>(rng() % 2 ? NoPrint : 0),
            parent);
    if (rng() % 7 == 0) tab.state = TabState::Cut;
    for (std::size_t n = rng() % 5; n > 0; --n)
      tab.notes.Add(
          NoteString{RandomText(rng, false), static_cast<std::uint8_t>(rng() % 4 == 0 ? 1 : 0)});
    tabs.Append(std::move(tab));
  }
  // A cut category's subtree is cut too.
  for (std::size_t i = 0; i < tabs.Count(); ++i)
    if (tabs[i].parent != NO_PARENT && tabs[tabs[i].parent].state == TabState::Cut)
      tabs[i].state = TabState::Cut;
  return tabs;
}

TEST(ExportFormats, RandomDocumentsReadBackAsTheSameTree) {
  QTemporaryDir dir;
  std::mt19937 rng(20261209);
  for (int round = 0; round < 150; ++round) {
    const TabList tabs = RandomTree(rng);
    SCOPED_TRACE("round " + std::to_string(round));
    ASSERT_EQ(ReadMarkdown(ExportDocument(ExportFormat::Markdown, tabs)), Expected(tabs, true));
    ASSERT_EQ(ReadJson(ExportDocument(ExportFormat::Json, tabs)), Expected(tabs));
    if (round % 15 == 0) {  // Python starts for each page read
      ASSERT_EQ(ReadHtml(ExportDocument(ExportFormat::Html, tabs), dir), Expected(tabs));
    }
  }
}

TEST(ExportFormats, TheHtmlPageNeedsNothingFromElsewhereAndLinksOnlyWebAddresses) {
  TabList tabs;
  tabs.Append(Tab("Links", 0, NO_PARENT));
  tabs[0].notes.Add(NoteString{"see https://a.org/x?y=1&z and ftp://b.org", 0});
  tabs[0].notes.Add(NoteString{"not javascript:alert(1) nor file:///etc nor http:nohost", 0});
  const std::string html = ExportDocument(ExportFormat::Html, tabs);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("src="), std::string::npos);
  EXPECT_EQ(html.find("<link"), std::string::npos);
  EXPECT_NE(html.find("<a href=\"https://a.org/x?y=1&amp;z\">"), std::string::npos);
  EXPECT_NE(html.find("<a href=\"ftp://b.org\">"), std::string::npos);
  std::size_t anchors = 0;
  for (std::size_t at = html.find("<a "); at != std::string::npos; at = html.find("<a ", at + 1))
    ++anchors;
  EXPECT_EQ(anchors, 2u);
}

}  // namespace
}  // namespace zelto
