// data.dat, the leaderboard file, as any copy from another machine may bring it.
//
// Input: the file's bytes.
//
// Oracles:
//  - loading the file reads what decoding its bytes gives, and a temporary file left beside it
//    is removed, never read;
//  - no name or date holds a NUL, and every text is UTF-8;
//  - a save writes 540 bytes, the encoding of the table, and leaves no temporary file;
//  - load-save-load gives the table with its texts as data.dat can hold them (FitPXBText), and a
//    second save writes the very same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "leaderboard/PxbStore.h"
#include "platform/TextCodec.h"

namespace pelmora::fuzz {
namespace {

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
  return image;
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

  const std::string image = Save(path, loaded, "first save");
  const PXBList reloaded = LoadPXB(path);
  FUZZ_CHECK(reloaded == Fitted(loaded), "load-save-load changed the table beyond fitting its texts");
  CheckTexts(reloaded, "reloaded");
  FUZZ_CHECK(Save(path, reloaded, "second save") == image, "the second round trip wrote other bytes");
  FUZZ_CHECK(LoadPXB(path) == reloaded, "the second round trip read another table");
  return 0;
}
