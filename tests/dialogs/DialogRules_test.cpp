// The Qt-free rules behind the dialogs: numbers typed into edits, the sorted choice lists,
// the font faces offered and the version block.
#include <gtest/gtest.h>

#include "common/DialogNumber.h"
#include "dialogs/FaceNames.h"
#include "dialogs/SortedChoices.h"
#include "dialogs/VersionBlock.h"

using namespace zelto;

TEST(FaceNames, EachFamilyOnceWhicheverFoundriesMakeIt) {
  EXPECT_EQ(FaceWithoutFoundry("Nimbus Sans [URW]"), "Nimbus Sans");
  for (const char* kept : {"Arial", "Odd [name", "[Bracketed]", "Name]"})
    EXPECT_EQ(FaceWithoutFoundry(kept), kept);
  EXPECT_EQ(
      DistinctFaces({"Nimbus Sans [URW]", "Arial", "Nimbus Sans [urw]", "ARIAL", "Nimbus Mono"}),
      (std::vector<std::string>{"Nimbus Sans", "Arial", "Nimbus Mono"}));
}

TEST(LeadingDecimal, ReadsLikeTheEditFieldsAlwaysHave) {
  EXPECT_EQ(LeadingDecimal("12"), 12);
  EXPECT_EQ(LeadingDecimal("  \t+7x"), 7);
  EXPECT_EQ(LeadingDecimal("-3"), -3);
  EXPECT_EQ(LeadingDecimal("3x5"), 3);
  EXPECT_EQ(LeadingDecimal(""), 0);
  EXPECT_EQ(LeadingDecimal("abc"), 0);
  EXPECT_EQ(LeadingDecimal("- 5"), 0);
  // A number too large for any integer stays out of every range instead of wrapping into one.
  EXPECT_GT(LeadingDecimal("99999999999999999999999999"), 1000);
  EXPECT_LT(LeadingDecimal("-4294967301"), 0);
  EXPECT_GT(LeadingDecimal("4294967301"), 50);
  // Only the first 255 characters are read.
  EXPECT_EQ(LeadingDecimal(std::string(255, ' ') + "7"), 0);
  EXPECT_EQ(LeadingDecimal(std::string(254, ' ') + "7"), 7);
}

TEST(SortedChoices, SortsInTextOrderAndFindsByPrefix) {
  SortedChoices choices;
  choices.Add("workshop", 1);
  choices.Add("Home", 2);
  choices.Add("Work", 3);
  ASSERT_EQ(choices.Size(), 3u);
  EXPECT_EQ(choices[0].text, "Home");
  EXPECT_EQ(choices[1].text, "Work");  // a prefix sorts first
  EXPECT_EQ(choices[2].data, 1);
  EXPECT_EQ(choices.FindPrefix("WORK"), 1u);
  EXPECT_EQ(choices.FindPrefix("works"), 2u);
  EXPECT_EQ(choices.FindPrefix("Office"), std::nullopt);
  EXPECT_EQ(choices.FindPrefix(""), std::nullopt);

  SortedChoices onlyLonger;
  onlyLonger.Add("Workshop", 5);
  EXPECT_EQ(onlyLonger.FindPrefix("Work"), 0u);
}

namespace {

const std::vector<std::pair<std::string, std::string>> Entries = {
    {"\\VarFileInfo\\Translation", "0409 04E4"},
    {"\\StringFileInfo\\040904E4\\ProductName", "Brindamor"},
    {"\\StringFileInfo\\040904E4\\ProductVersion", "1.01 2/23/97"},
};

}  // namespace

TEST(VersionBlock, FoundAmongOtherBytesAndQueriedThroughItsTranslation) {
  const std::string file = std::string(
                               "\x7f"
                               "ELF",
                               4) +
                           std::string(1000, '\0') + version_block::Encode(Entries) + "trailing";
  const auto data = VersionData::Find(file);
  ASSERT_TRUE(data);
  const auto info = VersionInfo::From(*data);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Translation(), 0x040904E4u);
  EXPECT_EQ(info->StringPath("ProductName"), "\\StringFileInfo\\040904e4\\ProductName");
  EXPECT_EQ(info->Query("ProductVersion"), "1.01 2/23/97");
  EXPECT_EQ(info->Query("SpecialBuild"), std::nullopt);
}

TEST(VersionBlock, TheCompileTimeBlockMatchesTheRunTimeEncoding) {
  constexpr auto built = version_block::Build("k\0v");
  EXPECT_EQ(std::string(built.data(), built.size()), version_block::Encode({{"k", "v"}}));
}

TEST(VersionBlock, DamagedOrForeignBytesAreNoBlock) {
  const std::string good = version_block::Encode(Entries);
  const std::string marker(version_block::Marker, version_block::MarkerSize);
  EXPECT_FALSE(VersionData::Find("no version here"));
  EXPECT_FALSE(VersionData::Find(marker));                           // the marker alone
  EXPECT_FALSE(VersionData::Find(good.substr(0, good.size() - 1)));  // cut short
  std::string flipped = good;
  flipped[version_block::MarkerSize + 10] ^= 1;  // checksum no longer agrees
  EXPECT_FALSE(VersionData::Find(flipped));
  std::string huge = good;
  huge[version_block::MarkerSize + 3] = '\x7f';  // size far past the end
  EXPECT_FALSE(VersionData::Find(huge));
  // A stray marker in front of the real block (as in the code that searches for it) is
  // passed over.
  const auto data = VersionData::Find(marker + std::string("\x05\0\0\0abc", 7) + good);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->Count(), 3u);
  // An odd number of texts, or a block without a translation list, has no version data.
  constexpr auto odd = version_block::Build("a\0b\0c");
  EXPECT_FALSE(VersionData::Find(std::string_view(odd.data(), odd.size())));
  const auto noTranslation = VersionData::Find(version_block::Encode({Entries[1]}));
  ASSERT_TRUE(noTranslation);
  EXPECT_FALSE(VersionInfo::From(*noTranslation));
  const auto badTranslation = VersionData::Find(
      version_block::Encode({{"\\VarFileInfo\\Translation", "English"}, Entries[1]}));
  ASSERT_TRUE(badTranslation);
  EXPECT_FALSE(VersionInfo::From(*badTranslation));
}
