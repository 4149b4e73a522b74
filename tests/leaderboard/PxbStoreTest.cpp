#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/file.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>

#include "leaderboard/PxbStore.h"
#include "platform/FileLock.h"
#include "support/TempFolder.h"
#include "platform/TextCodec.h"

namespace pelmora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
namespace fs = std::filesystem;

// One 18-byte record: the given bytes, then zero filler.
std::string Rec(std::initializer_list<unsigned char> bytes) {
  std::string r(bytes.begin(), bytes.end());
  r.resize(kPXBRecordSize, '\0');
  return r;
}

// A text record from raw bytes given as a string (ASCII or GBK).
std::string TextRec(const std::string& raw) {
  std::string r{static_cast<char>(raw.size() & 0xFF), static_cast<char>(raw.size() >> 8)};
  r += raw;
  r.resize(kPXBRecordSize, '\0');
  return r;
}

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % kPXBRecordSize == 0) out += '\n';
    const auto b = static_cast<unsigned char>(bytes[i]);
    out += digits[b >> 4];
    out += digits[b & 15];
    out += ' ';
  }
  return out;
}

int CharCount(const std::string& utf8) {
  int n = 0;
  ForEachUtf8Char(utf8, [&n](std::string_view) { ++n; });
  return n;
}

PXBList ThreeChineseRows() {
  PXBList list;
  list[0] = {"张三", 1234, "2024/5/3"};
  list[1] = {"李四", 2147483647, "2024/12/31"};
  list[2] = {"Lumo用户", 7, "1/2/24"};
  return list;
}

// ---------------------------------------------------------------------------------------------
// The file layout, byte for byte.

TEST(PxbFormat, ChineseTableEncodesToTheExactFile) {
  std::string expected;
  expected += Rec({0x04, 0x00, 0xD5, 0xC5, 0xC8, 0xFD});               // 张三
  expected += Rec({0xD2, 0x04, 0x00, 0x00});                           // 1234
  expected += TextRec("2024/5/3");
  expected += Rec({0x04, 0x00, 0xC0, 0xEE, 0xCB, 0xC4});               // 李四
  expected += Rec({0xFF, 0xFF, 0xFF, 0x7F});                           // 2147483647
  expected += TextRec("2024/12/31");
  expected += Rec({0x08, 0x00, 'L', 'u', 'm', 'o', 0xD3, 0xC3, 0xBB, 0xA7});  // Lumo用户
  expected += Rec({0x07, 0x00, 0x00, 0x00});
  expected += TextRec("1/2/24");
  for (int k = 4; k <= 10; ++k) expected += Rec({}) + Rec({}) + Rec({});  // empty rows: all zero
  ASSERT_EQ(expected.size(), 540u);

  const std::string file = EncodePXB(ThreeChineseRows());
  ASSERT_EQ(file.size(), 540u);
  EXPECT_EQ(Hex(file), Hex(expected));
}

TEST(PxbFormat, RoundTripKeepsEveryRowOfAFullTable) {
  PXBList list;
  for (int k = 0; k < 10; ++k) {
    list[static_cast<std::size_t>(k)] = {"玩家" + std::to_string(k), 1000 - 10 * k, "2024/1/" + std::to_string(k + 1)};
  }
  list[9].Score = -2;  // signed: a damaged table may hold one
  list[4].Name = "一二三四五六七八";  // exactly 16 bytes: the fullest text record
  const std::string file = EncodePXB(list);
  EXPECT_EQ(file.substr(9 * 18 * 3 + 18, 4), std::string("\xFE\xFF\xFF\xFF"));
  EXPECT_EQ(file.substr(4 * 18 * 3, 2), std::string("\x10\x00", 2));
  EXPECT_EQ(DecodePXB(file), list);
}

TEST(PxbFormat, NineChineseCharactersKeepEightAndLeaveTheOtherRecordsAlone) {
  PXBList list = ThreeChineseRows();
  list[0].Name = "一二三四五六七八九";
  const std::string file = EncodePXB(list);
  // The name record is full: length 16 and the GBK of the first eight characters.
  EXPECT_EQ(Hex(file.substr(0, 18)),
            Hex(Rec({0x10, 0x00, 0xD2, 0xBB, 0xB6, 0xFE, 0xC8, 0xFD, 0xCB, 0xC4, 0xCE, 0xE5, 0xC1, 0xF9, 0xC6,
                     0xDF, 0xB0, 0xCB})));
  // Everything after it is what it was.
  EXPECT_EQ(file.substr(18), EncodePXB(ThreeChineseRows()).substr(18));
  const PXBList back = DecodePXB(file);
  EXPECT_EQ(back[0].Name, "一二三四五六七八");
  EXPECT_EQ(back[0].Score, 1234);
  EXPECT_EQ(back[1], list[1]);
}

TEST(PxbFormat, LongTextsAreCutAtACharacterBoundary) {
  // "A" + eight Chinese characters is 17 bytes: the eighth character no longer fits whole.
  EXPECT_EQ(FitPXBText("A一二三四五六七八"), "A一二三四五六七");
  EXPECT_EQ(FitPXBText("abcdefghijklmnopq"), "abcdefghijklmnop");
  EXPECT_EQ(FitPXBText("一二三四五六七八"), "一二三四五六七八");
  EXPECT_EQ(FitPXBText(""), "");
}

TEST(PxbFormat, CharactersWithoutGbkFormBecomeQuestionMarks) {
  EXPECT_EQ(FitPXBText("A😀B"), "A?B");
  EXPECT_EQ(FitPXBText("\xFF张"), "?张");  // a stray byte that is not UTF-8
  PXBList list;
  list[0] = {"😀😀", 5, ""};
  EXPECT_EQ(Hex(EncodePXB(list).substr(0, 18)), Hex(TextRec("??")));
}

// ---------------------------------------------------------------------------------------------
// Short and damaged files.

TEST(PxbDamage, FileEndingAfterTheLastTextReadsTheRowsItHas) {
  std::string full = EncodePXB(ThreeChineseRows());
  // Two rows, ending right after the text "2024/12/31" of the second row's date.
  const std::string shortFile = full.substr(0, 5 * 18 + 2 + 10);
  const PXBList list = DecodePXB(shortFile);
  EXPECT_EQ(list[0], ThreeChineseRows()[0]);
  EXPECT_EQ(list[1], ThreeChineseRows()[1]);
  for (std::size_t k = 2; k < 10; ++k) EXPECT_EQ(list[k], PXBEntry{}) << "row " << k + 1;
}

TEST(PxbDamage, FileCutInsideATextKeepsTheWholeCharactersBeforeTheCut) {
  PXBList rows;
  rows[0] = {"A张三", 5, "x"};
  const std::string file = EncodePXB(rows);
  // Cut after "A" and the first byte of 张: the half character is dropped.
  EXPECT_EQ(DecodePXB(file.substr(0, 2 + 2)).at(0).Name, "A");
  EXPECT_EQ(DecodePXB(file.substr(0, 2 + 3)).at(0).Name, "A张");
  EXPECT_EQ(DecodePXB(file.substr(0, 2 + 4)).at(0).Name, "A张");  // 三 lost its second byte
  EXPECT_EQ(DecodePXB(file.substr(0, 1)).at(0).Name, "");  // half a length field
}

TEST(PxbDamage, ScoreRecordCutShortReadsZero) {
  const std::string file = EncodePXB(ThreeChineseRows());
  EXPECT_EQ(DecodePXB(file.substr(0, 18 + 3)).at(0).Score, 0);
  EXPECT_EQ(DecodePXB(file.substr(0, 18 + 4)).at(0).Score, 1234);
}

TEST(PxbDamage, LengthFieldOfThreeHundredReadsOnlyItsOwnRecord) {
  std::string file = EncodePXB(ThreeChineseRows());
  // Row 1's name claims 300 bytes (0x012C); its record holds "A" and seven and a half
  // Chinese characters.
  const std::string record = Rec({0x2C, 0x01, 'A', 0xD2, 0xBB, 0xB6, 0xFE, 0xC8, 0xFD, 0xCB, 0xC4, 0xCE, 0xE5,
                                  0xC1, 0xF9, 0xC6, 0xDF, 0xB0});
  file.replace(0, 18, record);
  const PXBList list = DecodePXB(file);
  EXPECT_EQ(list[0].Name, "A一二三四五六七");
  EXPECT_EQ(list[0].Score, 1234);      // the next record is read as a score, not as text
  EXPECT_EQ(list[0].Date, "2024/5/3");
  EXPECT_EQ(list[1], ThreeChineseRows()[1]);
}

TEST(PxbDamage, LengthFieldOfThreeHundredInTheLastRecordStopsAtTheEnd) {
  std::string file(540, '\0');
  file[539 - 17] = 0x2C;
  file[539 - 16] = 0x01;
  for (std::size_t i = 540 - 16; i < 540; ++i) file[i] = 'z';
  file += std::string(100, 'q');  // bytes beyond 540 never count
  EXPECT_EQ(DecodePXB(file).at(9).Date, std::string(16, 'z'));
}

TEST(PxbDamage, ZeroFillerIsNoPartOfATextAndIsNotSavedBack) {
  PXBList rows;
  rows[0] = {"Bob", 5, "2024/5/3"};
  std::string file = EncodePXB(rows);
  file[0] = 17;   // the name's length field reaches into the zero filler
  file[36] = 10;  // the date's too, within its record
  const PXBList list = DecodePXB(file);
  EXPECT_EQ(list[0], rows[0]);
  EXPECT_EQ(Hex(EncodePXB(list)), Hex(EncodePXB(rows)));
}

TEST(PxbDamage, RandomBytesOfManySizesNeverBreakTheReader) {
  std::mt19937 random(20240503);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t size : {0u, 1u, 2u, 17u, 18u, 19u, 53u, 100u, 539u, 540u, 541u, 1000u, 70000u}) {
    for (int round = 0; round < 20; ++round) {
      std::string bytes(size, '\0');
      for (char& b : bytes) b = static_cast<char>(byte(random));
      const PXBList list = DecodePXB(bytes);
      for (const PXBEntry& row : list) {
        EXPECT_TRUE(IsValidUtf8(row.Name)) << size;
        EXPECT_TRUE(IsValidUtf8(row.Date)) << size;
        EXPECT_LE(CharCount(row.Name), 16) << size;
        EXPECT_LE(CharCount(row.Date), 16) << size;
      }
      if (size > 540) {
        EXPECT_EQ(list, DecodePXB(bytes.substr(0, 540)));
      }
      // Whatever was read can be stored again and reads back the same.
      const PXBList again = DecodePXB(EncodePXB(list));
      EXPECT_EQ(DecodePXB(EncodePXB(again)), again);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The file on disk.

TEST(PxbFile, MissingFileReadsTenEmptyRowsAndLeavesAnEmptyFile) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  EXPECT_EQ(LoadPXB(path), PXBList{});
  ASSERT_TRUE(fs::is_regular_file(path));
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(PxbFile, ATemporaryFileLeftByACrashIsRemovedAtLoadAndNeverRead) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  const std::string leftover = folder.File("data.dat.0000000000c0ffee.tmp");
  WriteBytes(leftover, EncodePXB(ThreeChineseRows()));  // a save cut short before its rename
  EXPECT_EQ(LoadPXB(path), PXBList{});
  EXPECT_FALSE(fs::exists(leftover));
}

TEST(PxbFile, MissingFolderReadsTenEmptyRows) {
  TempFolder folder;
  const std::string path = folder.File("gone/data.dat");
  EXPECT_EQ(LoadPXB(path), PXBList{});
  EXPECT_FALSE(fs::exists(path));
}

TEST(PxbFile, DirectoryInThePlaceOfTheFileReadsTenEmptyRows) {
  TempFolder folder;
  fs::create_directory(folder.File("data.dat"));
  EXPECT_EQ(LoadPXB(folder.File("data.dat")), PXBList{});
  EXPECT_TRUE(fs::is_directory(folder.File("data.dat")));
}

TEST(PxbFile, HugeFileReadsItsFirstRecords) {
  TempFolder folder;
  std::string bytes = EncodePXB(ThreeChineseRows());
  bytes += std::string(4 << 20, '\x7F');
  WriteBytes(folder.File("data.dat"), bytes);
  EXPECT_EQ(LoadPXB(folder.File("data.dat")), ThreeChineseRows());
}

// How a save refuses or fails, whatever the file, is the atomic save's (AtomicSaveTest).
TEST(PxbFile, SaveWritesTheExactFileAndTheNextLoadReadsItBack) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  ASSERT_EQ(SavePXB(path, ThreeChineseRows()), std::nullopt);
  EXPECT_EQ(ReadBytes(path), EncodePXB(ThreeChineseRows()));
  EXPECT_EQ(LoadPXB(path), ThreeChineseRows());
  // Beside it only the lock file that every change of data.dat takes: no temporary file.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
  EXPECT_TRUE(fs::exists(path + ".lock"));
}

TEST(PxbFile, SaveReplacesTheFileInsteadOfRewritingItInPlace) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  const std::string old = EncodePXB(PXBList{});
  WriteBytes(path, old);
  // A second name for the old file: writing in place would change it too.
  fs::create_hard_link(path, folder.File("old.dat"));
  ASSERT_EQ(SavePXB(path, ThreeChineseRows()), std::nullopt);
  EXPECT_EQ(ReadBytes(path), EncodePXB(ThreeChineseRows()));
  EXPECT_EQ(ReadBytes(folder.File("old.dat")), old);
}

TEST(PxbFile, SaveIntoAMissingFolderFails) {
  TempFolder folder;
  const std::string path = folder.File("gone/data.dat");
  EXPECT_EQ(SavePXB(path, ThreeChineseRows()), (SaveError{SaveProblem::CannotCreate, folder.File("gone")}));
}

// Two copies of the game on one folder read the same rows at their start, then each enters a
// record: the file ends with both (the earlier of equal scores above), and each table follows it.
TEST(PxbTwoCopies, EachRecordGoesIntoTheFileAsItIsNowUnderALockBesideIt) {
  TempFolder folder;
  const std::string path = folder.File("data.dat");
  const PXBList two{{{"甲", 300, "d1"}, {"丙", 100, "d3"}}};
  WriteBytes(path, EncodePXB(two));
  PXBList a = LoadPXB(path), b = LoadPXB(path);
  ASSERT_EQ(AddPXBEntry(path, {"Alpha", 150, "d"}, a), std::nullopt);
  ASSERT_EQ(AddPXBEntry(path, {"Bravo", 150, "d"}, b), std::nullopt);
  const PXBList want{{two[0], {"Alpha", 150, "d"}, {"Bravo", 150, "d"}, two[1]}};
  EXPECT_EQ(Hex(ReadBytes(path)), Hex(EncodePXB(want)));
  EXPECT_EQ(b, want);
#ifndef _WIN32  // the lock as another process sees it: flock is POSIX's
  {
    const FileLock held(folder.File("data.dat.lock"));
    const int other = ::open(folder.File("data.dat.lock").c_str(), O_RDONLY);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0) << "a second open of the lock file took it too";
    ::close(other);
  }
#endif
  fs::remove(path);
  fs::create_directory(path);  // no table to merge into: the copy's own rows stand in
  EXPECT_NE(AddPXBEntry(path, {"Charlie", 999, "d"}, b), std::nullopt);
  EXPECT_EQ(b[2].Name, "Alpha");
}

}  // namespace
}  // namespace pelmora
