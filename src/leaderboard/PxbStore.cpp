#include "leaderboard/PxbStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/FileLock.h"
#include "platform/Paths.h"
#include "platform/AtomicSave.h"
#include "platform/NativeFile.h"
#include "platform/TextCodec.h"
#include "game/GameFiles.h"

namespace pelmora {

std::string PXBPath(const std::string& gameFolder) { return GamePath(gameFolder, files::kLeaderboard); }

namespace {

// GBK lead bytes; the byte after one is the second half of the same character.
bool IsGbkLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The GBK bytes of `utf8` that fit one text record, cut at a character boundary and before a
// zero, which the reader takes for filler.
std::string FittedGbk(std::string_view utf8) {
  std::string out;
  bool full = false;
  ForEachUtf8Char(utf8, [&](std::string_view ch) {
    if (ch == std::string_view("\0", 1)) full = true;
    if (full) return;
    const std::string gbk = Utf8ToGbk(ch).value_or("?");
    if (out.size() + gbk.size() > kPXBTextBytes) {
      full = true;
      return;
    }
    out += gbk;
  });
  return out;
}

// Drops a lead byte left alone at the end, the first half of a character whose second half
// was cut off.
std::string_view CutAtGbkBoundary(std::string_view gbk) {
  std::size_t i = 0;
  while (i < gbk.size()) {
    if (!IsGbkLead(static_cast<unsigned char>(gbk[i]))) {
      ++i;
    } else if (i + 1 < gbk.size()) {
      i += 2;
    } else {
      return gbk.substr(0, i);
    }
  }
  return gbk;
}

// Record `index` (from 0) as far as it exists; shorter than 18 bytes at the end of the data.
std::string_view Record(std::string_view bytes, std::size_t index) {
  const std::size_t start = index * kPXBRecordSize;
  if (start >= bytes.size()) return {};
  return bytes.substr(start, kPXBRecordSize);
}

// GBK text never holds a zero byte, so a zero is filler: a length field that reaches into the
// filler must not bring it back as part of a name, which the next save would then store.
std::string_view UpToFiller(std::string_view gbk) { return gbk.substr(0, gbk.find('\0')); }

std::string ReadText(std::string_view record) {
  if (record.size() < 2) return {};
  const std::size_t length =
      static_cast<unsigned char>(record[0]) | static_cast<std::size_t>(static_cast<unsigned char>(record[1])) << 8;
  const std::string_view present = record.substr(2);
  if (length <= present.size()) return GbkToUtf8(UpToFiller(present.substr(0, length)));
  return GbkToUtf8(CutAtGbkBoundary(UpToFiller(present)));
}

std::int32_t ReadScore(std::string_view record) {
  if (record.size() < 4) return 0;
  std::uint32_t value = 0;
  for (int b = 3; b >= 0; --b) value = value << 8 | static_cast<unsigned char>(record[static_cast<std::size_t>(b)]);
  return static_cast<std::int32_t>(value);
}

void PutText(std::string& file, std::size_t index, std::string_view utf8) {
  const std::string gbk = FittedGbk(utf8);
  const std::size_t at = index * kPXBRecordSize;
  file[at] = static_cast<char>(gbk.size() & 0xFF);
  file[at + 1] = static_cast<char>(gbk.size() >> 8);
  file.replace(at + 2, gbk.size(), gbk);
}

void PutScore(std::string& file, std::size_t index, std::int32_t score) {
  const auto value = static_cast<std::uint32_t>(score);
  const std::size_t at = index * kPXBRecordSize;
  for (std::size_t b = 0; b < 4; ++b) file[at + b] = static_cast<char>(value >> (8 * b) & 0xFF);
}

// Reads at most `limit` bytes, so that a huge or endless file costs nothing; stops at an error
// with what it has.
std::string ReadUpTo(int fd, std::size_t limit) {
  std::string bytes(limit, '\0');
  std::size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::read(fd, bytes.data() + got, limit - got);
    if (n > 0) {
      got += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace

std::string FitPXBText(std::string_view utf8) { return GbkToUtf8(FittedGbk(utf8)); }

std::string EncodePXB(const PXBList& list) {
  std::string file(kPXBFileSize, '\0');
  for (std::size_t k = 0; k < list.size(); ++k) {
    PutText(file, 3 * k, list[k].Name);
    PutScore(file, 3 * k + 1, list[k].Score);
    PutText(file, 3 * k + 2, list[k].Date);
  }
  return file;
}

PXBList DecodePXB(std::string_view bytes) {
  bytes = bytes.substr(0, std::min(bytes.size(), kPXBFileSize));
  PXBList list;
  for (std::size_t k = 0; k < list.size(); ++k) {
    list[k].Name = ReadText(Record(bytes, 3 * k));
    list[k].Score = ReadScore(Record(bytes, 3 * k + 1));
    list[k].Date = ReadText(Record(bytes, 3 * k + 2));
  }
  return list;
}

namespace {

// The bytes of data.dat: "" for a missing file, which is then created empty (when the folder
// allows it); nothing when it exists but cannot be opened or is no file (a folder, a pipe).
std::optional<std::string> ReadPXBBytes(const std::string& path) {
  // O_NONBLOCK: a pipe or device put in the file's place must not hang the start (Windows has
  // no such files in a folder).
#ifdef O_NONBLOCK
  const int fd = OpenFile(path, O_RDONLY | O_NONBLOCK);
#else
  const int fd = OpenFile(path, O_RDONLY);
#endif
  if (fd < 0) {
    if (errno != ENOENT) return std::nullopt;
    // O_EXCL: never truncate a file that appeared meanwhile or could not be opened for reading.
    const int created = OpenFile(path, O_WRONLY | O_CREAT | O_EXCL);
    if (created >= 0) ::close(created);
    return std::string();
  }
  struct stat st {};
  std::optional<std::string> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) bytes = ReadUpTo(fd, kPXBFileSize);
  ::close(fd);
  return bytes;
}

}  // namespace

PXBList LoadPXB(const std::string& path) {
  const FileLock lock(PXBLockPath(path));
  RemoveLeftoverTempFiles(path);
  return DecodePXB(ReadPXBBytes(path).value_or(""));
}

int PlaceFor(std::int32_t score, const PXBList& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (score > list[i].Score) return static_cast<int>(i) + 1;
  }
  return 0;
}

void InsertPXBEntry(PXBList& list, const PXBEntry& entry) {
  const int place = PlaceFor(entry.Score, list);
  if (place == 0) return;
  const auto row = static_cast<std::size_t>(place - 1);
  for (std::size_t j = list.size() - 1; j > row; --j) list[j] = list[j - 1];
  list[row] = entry;
}

SaveResult AddPXBEntry(const std::string& path, const PXBEntry& entry, PXBList& list) {
  const FileLock lock(PXBLockPath(path));
  if (const std::optional<std::string> bytes = ReadPXBBytes(path)) list = DecodePXB(*bytes);
  InsertPXBEntry(list, entry);
  return SavePXB(path, list);
}

std::string PXBLockPath(const std::string& path) { return path + ".lock"; }

SaveResult SavePXB(const std::string& path, const PXBList& list) {
  return SaveFileAtomically(path, EncodePXB(list));
}

}  // namespace pelmora
