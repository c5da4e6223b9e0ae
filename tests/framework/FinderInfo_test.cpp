#include "framework/FinderInfo.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "framework/FolderItem.h"
#include "framework/MacRoman.h"
#include "support/TestSupport.h"

namespace {

std::string Block(std::string first) {
  first.resize(FinderInfo::kSize, '\0');
  return first;
}

// 01 02 03 ... 20: every byte distinct, so a byte that moves or changes shows.
std::string NumberedBlock() {
  std::string bytes;
  for (std::size_t i = 1; i <= FinderInfo::kSize; ++i) bytes += static_cast<char>(i);
  return bytes;
}

std::string BytesOf(const FinderInfo& info) { return std::string(info.bytes().begin(), info.bytes().end()); }

// ---- MacRoman ----

TEST(MacRoman, ConvertsBothWays) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"v\xC3\xB8lk", "\x76\xBF\x6C\x6B"},  // vølk
      {"!Rch", "!Rch"},
      {"pref", "pref"},
      {"TEXT", "TEXT"},
      {"\xC3\x84", "\x80"},      // Ä
      {"\xC3\xA9", "\x8E"},      // é
      {"\xE2\x80\xA0", "\xA0"},  // †
      {"\xCE\xA9", "\xBD"},      // Ω
      {"\xC2\xA0", "\xCA"},      // no-break space
      {"\xE2\x82\xAC", "\xDB"},  // €
      {"\xEF\xAC\x81", "\xDE"},  // ﬁ
      {"\xEF\xA3\xBF", "\xF0"},  // the Apple logo, in the private use area
      {"\xCB\x87", "\xFF"},      // ˇ
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [utf8, macRoman] : cases) {
    SCOPED_TRACE(testing::PrintToString(utf8));
    EXPECT_EQ(MacRomanFromUtf8(utf8), macRoman);
    EXPECT_EQ(Utf8FromMacRoman(macRoman), utf8);
  }
}

TEST(MacRoman, EveryUpperHalfByteRoundTripsThroughItsOwnCharacter) {
  std::set<std::string> characters;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    SCOPED_TRACE(byte);
    const std::string macRoman(1, static_cast<char>(byte));
    const std::string utf8 = Utf8FromMacRoman(macRoman);
    EXPECT_GE(utf8.size(), 2u);
    EXPECT_EQ(MacRomanFromUtf8(utf8), macRoman);
    characters.insert(utf8);
  }
  EXPECT_EQ(characters.size(), 128u);
}

TEST(MacRoman, CharactersWithoutAMacRomanFormBecomeQuestionMarks) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\xC5\x82", "?"},          // ł
      {"\xE6\x97\xA5", "?"},      // 日
      {"\xF0\x9F\x98\x80", "?"},  // an emoji, four bytes
      {"a\xFF"
       "b",
       "a?b"},                  // not UTF-8
      {"\xC3", "?"},            // cut short
      {"\xC0\xAF", "??"},       // overlong "/"
      {"\xED\xA0\x80", "???"},  // a surrogate
      {"\xC2\xA4", "\xDB"},     // the currency sign that byte once was
  };
  for (const auto& [utf8, macRoman] : cases) {
    SCOPED_TRACE(testing::PrintToString(utf8));
    EXPECT_EQ(MacRomanFromUtf8(utf8), macRoman);
  }
}

// ---- the block ----

TEST(FinderInfoBlock, LaysOutTypeCreatorAndFlags) {
  FinderInfo info;
  info.SetFileType("TEXT");
  info.SetCreator("v\xC3\xB8lk");
  info.SetFlags(FinderInfo::kInvisibleFlag);
  EXPECT_EQ(BytesOf(info), Block("TEXT\x76\xBF\x6C\x6B\x40"));
  EXPECT_EQ(info.FileType(), "TEXT");
  EXPECT_EQ(info.Creator(), "v\xC3\xB8lk");
  EXPECT_EQ(info.Flags(), 0x4000);
}

TEST(FinderInfoBlock, CodesArePaddedWithSpacesAndTheEmptyCodeIsZero) {
  struct Case {
    std::string code;
    std::string stored;
    std::string read;
  };
  const std::vector<Case> cases = {
      {"ab", "ab  ", "ab  "},
      {"TEXTS", "TEXT", "TEXT"},
      {"", std::string(4, '\0'), ""},
      {"\xC3\xA9t\xC3\xA9", "\x8Et\x8E ", "\xC3\xA9t\xC3\xA9 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    FinderInfo info;
    info.SetCreator(c.code);
    EXPECT_EQ(BytesOf(info).substr(4, 4), c.stored);
    EXPECT_EQ(info.Creator(), c.read);
  }
}

TEST(FinderInfoBlock, ReadingTrimsTrailingZerosOnly) {
  FinderInfo::Bytes bytes{};
  const std::string stored(
      "ab\0\0"
      " b\0c",
      8);
  std::copy(stored.begin(), stored.end(), bytes.begin());
  const FinderInfo info(bytes);
  EXPECT_EQ(info.FileType(), "ab");
  EXPECT_EQ(info.Creator(), std::string(" b\0c", 4));
}

// ---- on files ----

using FinderInfoFileTest = AttributeFolderTest;

TEST_F(FinderInfoFileTest, TypeAndCreatorReadBack) {
  const FolderItem file(temp_ / "file");
  WriteFileBytes(file.Path(), "");
  EXPECT_EQ(file.MacType(), "");
  EXPECT_EQ(file.MacCreator(), "");
  for (const std::string code : {"pref", "TEXT", "v\xC3\xB8lk", "!Rch"}) {
    SCOPED_TRACE(code);
    file.SetMacType(code);
    file.SetMacCreator(code);
    EXPECT_EQ(file.LastErrorCode(), 0);
    EXPECT_EQ(file.MacType(), code);
    EXPECT_EQ(file.MacCreator(), code);
  }
  EXPECT_EQ(StoredFinderInfo(file.Path()), Block("!Rch!Rch"));
}

TEST_F(FinderInfoFileTest, StoresMacRomanBytes) {
  const FolderItem file(temp_ / "file");
  WriteFileBytes(file.Path(), "");
  file.SetMacType("TEXT");
  file.SetMacCreator("v\xC3\xB8lk");
  EXPECT_EQ(StoredFinderInfo(file.Path()), Block("TEXT\x76\xBF\x6C\x6B"));
}

TEST_F(FinderInfoFileTest, SettingOneFieldKeepsTheOtherBytes) {
  const FolderItem file(temp_ / "file");
  WriteFileBytes(file.Path(), "");
  StoreFinderInfo(file.Path(), NumberedBlock());

  file.SetMacType("TEXT");
  std::string expected = NumberedBlock().replace(0, 4, "TEXT");
  EXPECT_EQ(StoredFinderInfo(file.Path()), expected);

  file.SetMacCreator("v\xC3\xB8lk");
  expected.replace(4, 4, "\x76\xBF\x6C\x6B");
  EXPECT_EQ(StoredFinderInfo(file.Path()), expected);

  file.SetMacType("");
  expected.replace(0, 4, std::string(4, '\0'));
  EXPECT_EQ(StoredFinderInfo(file.Path()), expected);
  EXPECT_EQ(file.MacType(), "");
}

TEST_F(FinderInfoFileTest, InvisibleFlagHidesAndSetVisibleChangesOnlyThatBit) {
  const FolderItem file(temp_ / "file");
  WriteFileBytes(file.Path(), "");
  StoreFinderInfo(file.Path(), NumberedBlock());  // flags 09 0A: not invisible
  EXPECT_TRUE(file.Visible());

  file.SetVisible(false);
  std::string expected = NumberedBlock();
  expected[8] = '\x49';
  EXPECT_EQ(StoredFinderInfo(file.Path()), expected);
  EXPECT_FALSE(file.Visible());

  file.SetVisible(true);
  EXPECT_EQ(StoredFinderInfo(file.Path()), NumberedBlock());
  EXPECT_TRUE(file.Visible());
}

TEST_F(FinderInfoFileTest, FoldersCarryFinderInfoToo) {
  const FolderItem folder(temp_ / "folder");
  ASSERT_TRUE(folder.CreateAsFolder());
  folder.SetVisible(false);
  EXPECT_FALSE(folder.Visible());
  EXPECT_EQ(StoredFinderInfo(folder.Path()), Block(std::string(8, '\0') + "\x40"));
}

TEST_F(FinderInfoFileTest, SettingOnAMissingItemFailsWithoutCreatingIt) {
  const FolderItem missing(temp_ / "missing");
  missing.SetMacType("TEXT");
  EXPECT_EQ(missing.LastErrorCode(), ENOENT);
  missing.SetVisible(false);
  EXPECT_EQ(missing.LastErrorCode(), ENOENT);
  EXPECT_FALSE(missing.Exists());
  EXPECT_EQ(missing.MacType(), "");
}

// Codes set on a link are never written to what it points to.
TEST_F(FinderInfoFileTest, SettingOnALinkLeavesItsTargetAlone) {
  WriteFileBytes(temp_ / "file", "");
  std::filesystem::create_symlink(temp_ / "file", temp_ / "link");
  const FolderItem link(temp_ / "link");
  link.SetMacCreator("v\xC3\xB8lk");
  EXPECT_NE(link.LastErrorCode(), 0);
  link.SetVisible(false);
  EXPECT_EQ(StoredFinderInfo(temp_ / "file"), "");
}

TEST_F(FinderInfoFileTest, ACopyKeepsTypeAndCreator) {
  const FolderItem file(temp_ / "file");
  WriteFileBytes(file.Path(), "text");
  file.SetMacType("TEXT");
  file.SetMacCreator("v\xC3\xB8lk");
  const FolderItem copy(temp_ / "copy");
  ASSERT_TRUE(file.CopyFileTo(copy));
  EXPECT_EQ(copy.MacType(), "TEXT");
  EXPECT_EQ(copy.MacCreator(), "v\xC3\xB8lk");
}

}  // namespace
