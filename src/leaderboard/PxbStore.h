#pragma once
// The leaderboard table and its file data.dat.
//
// The file is 30 records of 18 bytes with no header. Row k (1..10) owns records 3k-2 (name),
// 3k-1 (score) and 3k (date). A text record holds a 16-bit little-endian byte count L and then
// L bytes of GBK text; a score record holds a 32-bit little-endian signed integer. Bytes past
// the data of a record are filler and written as zero. In memory every text is UTF-8.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/AtomicSave.h"

namespace pelmora {

struct PXBEntry {
  std::string Name;  // UTF-8
  std::int32_t Score = 0;
  std::string Date;  // UTF-8, the user's short date format
  bool operator==(const PXBEntry&) const = default;
};

// The ten rows, best first: element 0 is place 1 and element 9 is place 10. An empty row has an
// empty name and date and score 0; empty rows sit at the end because a stored score is > 0.
using PXBList = std::array<PXBEntry, 10>;

constexpr std::size_t kPXBRecordSize = 18;
constexpr std::size_t kPXBTextBytes = kPXBRecordSize - 2;
constexpr std::size_t kPXBFileSize = 30 * kPXBRecordSize;

// The text as data.dat can hold it: every character without a GBK form becomes "?", and the
// text is cut after the last whole character whose GBK bytes still fit the 16 bytes of a
// record (so a name of nine Chinese characters keeps eight), or before a NUL character.
// Storing this form in memory keeps what the window shows equal to what the next start reads
// back.
std::string FitPXBText(std::string_view utf8);

// The complete file image: always kPXBFileSize bytes; texts are stored as FitPXBText makes them.
std::string EncodePXB(const PXBList& list);

// Reads any bytes without reading past a record or past the end:
//  - only the first 540 bytes count; a record wholly beyond the end reads as "" or 0;
//  - a text ends at its first zero byte (GBK text holds none, so it is filler);
//  - a text whose length field claims more bytes than its record has (more than 16, or a file
//    that ends inside the text) keeps the bytes that are there, cut back to a whole GBK
//    character so that half a character never shows;
//  - a score record with fewer than 4 bytes left reads 0;
//  - bytes that are not GBK read as U+FFFD.
PXBList DecodePXB(std::string_view bytes);

// "<game folder>\data.dat", where the game keeps the leaderboard file when it is given no other
// place; the functions below take the file's own path.
std::string PXBPath(const std::string& gameFolder);

// Reads the data.dat at `path`. A missing file reads as ten empty rows and leaves an empty file
// behind (when the folder allows it); a file that cannot be read reads as what could be read.
// Temporary files that saves cut short by a crash left are removed, never read. Holds the file's
// lock (PXBLockPath) meanwhile, so that it never takes another copy's save under way for such a
// leftover.
PXBList LoadPXB(const std::string& path);

// The place 1..10 that `score` earns, or 0 for none: the first row whose score it beats
// strictly, so an equal score goes below the older entry.
int PlaceFor(std::int32_t score, const PXBList& list);

// Puts `entry` in the place PlaceFor gives its score: the rows from there down move one down and
// row 10 is dropped. Without a place the table stays as it was.
void InsertPXBEntry(PXBList& list, const PXBEntry& entry);

// Stores a new record. Another copy of the game may share data.dat and have saved since this one
// read it, so the record goes into the table as the file holds it now, not into `list`: under
// the file's lock, data.dat is read again, the entry inserted (InsertPXBEntry) and the table
// saved (SavePXB). `list` then becomes that table, so the window shows what the file holds. A
// data.dat that exists but cannot be read stands in as `list`. Fails when the table could not be
// written; `list` still holds the entry as inserted, for this run.
[[nodiscard]] SaveResult AddPXBEntry(const std::string& path, const PXBEntry& entry, PXBList& list);

// Replaces data.dat with the table through SaveFileAtomically: the old file stays whole until
// the new one is complete, a read-only data.dat is refused and a writable one keeps its
// permissions. Fails, leaving the old file as it was, when any step fails.
[[nodiscard]] SaveResult SavePXB(const std::string& path, const PXBList& list);

// The lock file (FileLock) of every copy that reads data.dat to change it: "data.dat.lock"
// beside it.
std::string PXBLockPath(const std::string& path);

}  // namespace pelmora
