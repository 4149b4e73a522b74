// data.dat, the leaderboard file, as any copy from another machine may bring it.
//
// Input: the file's bytes.
//
// Oracles:
//  - loading the file reads what decoding its bytes gives, and a temporary file left beside it
//    is removed, never read;
//  - every field whose record is all there reads as a decoder of its own (ModelRow) reads it:
//    record n at byte (n - 1) * 18, a 16-bit little-endian length and that many GBK bytes, a
//    32-bit little-endian score; a field wholly past the end reads as "" or 0;
//  - no name or date holds a NUL, and every text is UTF-8;
//  - a save writes 540 bytes, the encoding of the table, which that decoder reads back as the
//    table, and leaves no temporary file;
//  - load-save-load gives the table with its texts as data.dat can hold them (FitPXBText), and a
//    second save writes the very same bytes;
//  - a record added by a copy whose table is out of date goes into the table the file holds, in
//    the place of the first row whose score it beats (ModelAdded), and the file then holds that.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "leaderboard/PxbStore.h"
#include "platform/TextCodec.h"

namespace pelmora::fuzz {
namespace {

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < width; ++k) value |= std::uint32_t{static_cast<std::uint8_t>(bytes[at + k])} << (8 * k);
  return value;
}

// A text record as it reads: nothing when the file leaves its meaning open (a length beyond the
// record or the file, a NUL inside the text).
std::optional<std::string> ModelText(std::string_view bytes, std::size_t record) {
  const std::size_t at = (record - 1) * kPXBRecordSize;
  if (at >= bytes.size()) return "";
  if (at + 2 > bytes.size()) return std::nullopt;
  const std::size_t length = Little(bytes, at, 2);
  if (length > kPXBRecordSize - 2 || at + 2 + length > bytes.size()) return std::nullopt;
  const std::string_view text = bytes.substr(at + 2, length);
  if (text.find('\0') != std::string_view::npos) return std::nullopt;
  return GbkToUtf8(text);
}

std::optional<std::int32_t> ModelScore(std::string_view bytes, std::size_t record) {
  const std::size_t at = (record - 1) * kPXBRecordSize;
  if (at >= bytes.size()) return 0;
  if (at + 4 > bytes.size()) return std::nullopt;
  return static_cast<std::int32_t>(Little(bytes, at, 4));
}

// Row k (1..10) against the model: records 3k-2 (name), 3k-1 (score) and 3k (date).
void CheckModelRow(std::string_view bytes, const PXBEntry& row, std::size_t k, const char* when) {
  const std::string where = std::string(when) + ": row " + std::to_string(k) + " ";
  const std::optional<std::string> name = ModelText(bytes, 3 * k - 2);
  const std::optional<std::int32_t> score = ModelScore(bytes, 3 * k - 1);
  const std::optional<std::string> date = ModelText(bytes, 3 * k);
  FUZZ_CHECK(!name || row.Name == *name, where + "name " + Quoted(row.Name) + ", the model's " + Quoted(*name));
  FUZZ_CHECK(!score || row.Score == *score,
             where + "score " + std::to_string(row.Score) + ", the model's " + std::to_string(*score));
  FUZZ_CHECK(!date || row.Date == *date, where + "date " + Quoted(row.Date) + ", the model's " + Quoted(*date));
}

void CheckModel(std::string_view bytes, const PXBList& list, const char* when) {
  for (std::size_t k = 1; k <= list.size(); ++k) CheckModelRow(bytes, list[k - 1], k, when);
}

void CheckTexts(const PXBList& list, const char* when) {
  for (std::size_t k = 0; k < list.size(); ++k) {
    for (const std::string* text : {&list[k].Name, &list[k].Date}) {
      FUZZ_CHECK(text->find('\0') == std::string::npos,
                 std::string(when) + ": row " + std::to_string(k + 1) + " holds a NUL: " + Quoted(*text));
      FUZZ_CHECK(IsValidUtf8(*text), std::string(when) + ": row " + std::to_string(k + 1) + " is not UTF-8");
    }
  }
}

PXBList Fitted(PXBList list) {
  for (PXBEntry& e : list) {
    e.Name = FitPXBText(e.Name);
    e.Date = FitPXBText(e.Date);
  }
  return list;
}

// Saves `list` and returns the file's bytes, checked.
std::string Save(const std::string& path, const PXBList& list, const char* when) {
  FUZZ_CHECK(!SavePXB(path, list), std::string(when) + ": the save failed");
  FUZZ_CHECK(!TempFileBeside(path), std::string(when) + ": the save left its temporary file");
  const std::string image = ReadFile(path);
  FUZZ_CHECK(image.size() == kPXBFileSize,
             std::string(when) + ": the saved file has " + std::to_string(image.size()) + " bytes");
  FUZZ_CHECK(image == EncodePXB(list), std::string(when) + ": the saved file is not the table's encoding");
  CheckModel(image, Fitted(list), when);
  return image;
}

// The table after a record: it takes the place of the first row whose score it beats, an equal
// score going below; the rows from there move one down and the last drops out.
PXBList ModelAdded(PXBList list, const PXBEntry& record) {
  const auto beaten =
      std::find_if(list.begin(), list.end(), [&](const PXBEntry& row) { return record.Score > row.Score; });
  if (beaten != list.end()) {
    std::move_backward(beaten, list.end() - 1, list.end());
    *beaten = record;
  }
  return list;
}

// Adds a record to the file, which holds `table`, from a copy that still shows an empty table. Its
// score is one below, equal to or one above a row's that `h` picks, so that ties are tried too.
void CheckAdd(const std::string& path, const PXBList& table, std::uint64_t h) {
  const std::int32_t near = table[h % table.size()].Score;
  const auto score = static_cast<std::int32_t>(static_cast<std::uint32_t>(near) + (h / 16 % 3) - 1);
  const PXBEntry record{"Fuzz", score, "2026-12-08"};
  PXBList shown{};
  FUZZ_CHECK(!AddPXBEntry(path, record, shown), "adding a record failed");
  FUZZ_CHECK(!TempFileBeside(path), "adding a record left the temporary file");
  const PXBList expected = ModelAdded(table, record);
  FUZZ_CHECK(shown == expected, "the record of score " + std::to_string(score) + " is not where it belongs");
  CheckModel(ReadFile(path), expected, "record added");
}

}  // namespace
}  // namespace pelmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelmora;
  using namespace pelmora::fuzz;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = Scratch::Get().File("data.dat");
  WriteFile(path, bytes);
  // What a save cut short by a crash leaves: another table, which must not be read.
  WriteFile(path + ".0123456789abcdef.tmp", std::string(bytes.rbegin(), bytes.rend()) + "leftover");

  const PXBList decoded = DecodePXB(bytes);
  const PXBList loaded = LoadPXB(path);
  FUZZ_CHECK(loaded == decoded, "loading the file differs from decoding its bytes");
  FUZZ_CHECK(!TempFileBeside(path), "loading left the temporary file");
  CheckTexts(loaded, "loaded");
  CheckModel(std::string_view(bytes).substr(0, kPXBFileSize), loaded, "loaded");

  const std::string image = Save(path, loaded, "first save");
  const PXBList reloaded = LoadPXB(path);
  FUZZ_CHECK(reloaded == Fitted(loaded), "load-save-load changed the table beyond fitting its texts");
  CheckTexts(reloaded, "reloaded");
  FUZZ_CHECK(Save(path, reloaded, "second save") == image, "the second round trip wrote other bytes");
  FUZZ_CHECK(LoadPXB(path) == reloaded, "the second round trip read another table");
  CheckAdd(path, reloaded, Hash(data, size));
  return 0;
}
