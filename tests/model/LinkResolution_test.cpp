#include "model/LinkResolution.h"

#include <gtest/gtest.h>

#include <map>

namespace zelto {
namespace {

// A small tree of links, as a link stores them.
const std::map<std::string, std::string> Links = {
    {"/home/me/notes.zlt", "real.zlt"},                  // beside itself
    {"/home/me/chain.zlt", "notes.zlt"},                 // a link to a link
    {"/home/me/away.zlt", "../../data/work.zlt"},        // into another folder, relatively
    {"/home/me/abs.zlt", "/data/work.zlt"},              // absolutely
    {"/home/me/sync", "/mnt/cloud/me"},                  // a linked folder
    {"/mnt/cloud/me/inner.zlt", "../shared/inner.zlt"},  // a link inside it
    {"/home/me/gone.zlt", "missing/gone.zlt"},           // whatever is (not) there
    {"/home/me/loop1", "loop2"},
    {"/home/me/loop2", "loop1"},
    {"rel.zlt", "sub/../other.zlt"},
};

ResolvedPath Resolve(const std::string& path) {
  return ResolveLinks(path, [](const std::string& p) -> std::optional<std::string> {
    const auto it = Links.find(p);
    if (it == Links.end()) return std::nullopt;
    return it->second;
  });
}

TEST(ResolveLinks, FollowsEveryLinkOfThePath) {
  struct Case {
    const char* path;
    const char* resolved;
    bool endsInLink;
  };
  const Case cases[] = {
      {"/home/me/notes.zlt", "/home/me/real.zlt", true},
      {"/home/me/chain.zlt", "/home/me/real.zlt", true},
      {"/home/me/away.zlt", "/data/work.zlt", true},
      {"/home/me/abs.zlt", "/data/work.zlt", true},
      {"/home/me/sync/new.zlt", "/mnt/cloud/me/new.zlt", false},
      {"/home/me/sync/inner.zlt", "/mnt/cloud/shared/inner.zlt", true},
      // ".." after a linked folder is the parent of where the link points.
      {"/home/me/./sync/../notes.zlt", "/mnt/cloud/notes.zlt", false},
      {"/home/me/gone.zlt", "/home/me/missing/gone.zlt", true},
      {"rel.zlt", "other.zlt", true},
  };
  for (const Case& c : cases) {
    const ResolvedPath r = Resolve(c.path);
    EXPECT_EQ(r.path, c.resolved) << c.path;
    EXPECT_TRUE(r.linkFollowed) << c.path;
    EXPECT_EQ(r.endsInLink, c.endsInLink) << c.path;
    EXPECT_EQ(r.error, "") << c.path;
  }
}

TEST(ResolveLinks, APathWithoutLinksStaysAsGiven) {
  for (const char* path : {"/home/me/plain.zlt", "default.zlt", "./a/../b.zlt", ""}) {
    const ResolvedPath r = Resolve(path);
    EXPECT_EQ(r.path, path);
    EXPECT_FALSE(r.linkFollowed);
    EXPECT_FALSE(r.endsInLink);
  }
}

TEST(ResolveLinks, ALoopIsAnError) {
  const ResolvedPath r = Resolve("/home/me/loop1");
  EXPECT_EQ(r.error, "Too many levels of symbolic links");
  EXPECT_EQ(r.path, "/home/me/loop1");
}

}  // namespace
}  // namespace zelto
