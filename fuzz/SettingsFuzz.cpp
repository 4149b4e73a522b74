// The player's settings file, VornPGame.ini, as any hand may have edited it.
//
// Input: one byte choosing the key to write, one byte giving the length (0..63) of the value's
// bytes, the value (read as settings text: UTF-8 when valid, else GBK; without CR and LF, as the
// game never writes a value of more than one line), and the file.
//
// Oracles:
//  - every read shows at most one box, and gives UTF-8 text ("" after a box); in a file whose
//    lines all end in CR LF or LF it gives what a plain model of the reader (IniModel.h) gives;
//  - start-up's reading of the file stays within its documented bounds and agrees with the
//    single reads it is made of, taken as numbers by the model's own number forms; of a file that
//    is no text (see IsText) it reads nothing, asks nothing and gives the shipped values;
//  - writing a key into a copy keeps every line it does not replace byte for byte, and reading
//    the same (the file keeps its encoding); each line ends in CR LF; it fails only for a value
//    that a GBK file cannot hold or for a file that is no text, and then leaves the file as it
//    was; no temporary file stays;
//  - in a plainly laid-out file (see Plain) the written value reads back and every other key
//    reads as before, for one key and for the six that shutdown writes.
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "IniModel.h"
#include "platform/IniFile.h"
#include "platform/TextCodec.h"
#include "shell/StartupSettings.h"

namespace pelmora::fuzz {
namespace {

struct Probe {
  std::string_view section;
  std::string_view key;
};

// The keys the game reads from the settings file (the first picture sets'); any of them may be
// the one written.
constexpr std::array<Probe, 13> kProbes = {{{"UserSet", "MediaON"},
                                            {"UserSet", "MediaMax"},
                                            {"UserSet", "SoundON"},
                                            {"UserSet", "SoundMax"},
                                            {"UserSet", "GameMode"},
                                            {"UserSet", "GameMain"},
                                            {"GameMenu", "Menu"},
                                            {"GameMenu", "MenuName1"},
                                            {"GameMenu", "MenuPath1"},
                                            {"GameMenu", "MenuName2"},
                                            {"GameMenu", "MenuPath2"},
                                            {"GameMenu", "MenuName3"},
                                            {"GameMenu", "MenuPath3"}}};
enum ProbeIndex { kMediaON, kMediaMax, kSoundON, kSoundMax, kGameMode, kGameMain, kMenu, kMenuName1, kMenuPath1 };

// The line the writer adds to keep a GBK file GBK: "TextEncoding=简体中文(GBK)" in GBK.
constexpr std::string_view kGbkMarkLine = "TextEncoding=\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4(GBK)";

struct Read {
  std::string value;
  int boxes = 0;
  int fileErrors = 0;  // of the boxes, those that say the file is at fault
  bool operator==(const Read&) const = default;
};

// Well-formed UTF-8 as the Unicode standard tables it: no overlong form, no surrogate, nothing
// beyond U+10FFFF, no character cut off by the end.
bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<std::uint8_t>(bytes[i]);
    const std::size_t n = b < 0x80 ? 1 : b < 0xC2 ? 0 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 0;
    if (n == 0 || i + n > bytes.size()) return false;
    // Only the second byte's range depends on the first.
    const int low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
    const int high = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
    for (std::size_t k = 1; k < n; ++k) {
      const auto t = static_cast<std::uint8_t>(bytes[i + k]);
      if (t < (k == 1 ? low : 0x80) || t > (k == 1 ? high : 0xBF)) return false;
    }
    i += n;
  }
  return true;
}

// Whether the system's GBK decoder takes every byte, asked about the whole file in one strict
// conversion. Which pairs of bytes GBK assigns a character is the system's table (the user-defined
// areas are not), not a rule a model could restate.
bool IsGbk(std::string_view bytes) {
  static const iconv_t cd = iconv_open("UTF-8", "GBK");
  FUZZ_CHECK(cd != reinterpret_cast<iconv_t>(-1), "the system has no GBK decoder");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  std::size_t left = bytes.size();
  while (left > 0) {
    char out[1024];
    char* to = out;
    std::size_t room = sizeof out;
    if (iconv(cd, &in, &left, &to, &room) == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
  }
  return true;
}

// Text a settings file may hold: no zero byte (UTF-16 holds one in every line break), and UTF-8
// or GBK throughout. Any other file is neither read at start-up nor ever rewritten.
bool IsText(std::string_view bytes) {
  return bytes.find('\0') == std::string_view::npos && (IsUtf8(bytes) || IsGbk(bytes));
}

std::string Describe(const Probe& p) { return "[" + std::string(p.section) + "] " + std::string(p.key); }

// What the model says the read of `probe` in the decoded `text` gives.
Read Modelled(std::string_view text, const Probe& probe) {
  const ModelRead m = ReadModel(text, probe.section, probe.key);
  switch (m.outcome) {
    case ModelRead::Outcome::Value: return {m.value, 0, 0};
    case ModelRead::Outcome::FileError: return {"", 1, 1};
    case ModelRead::Outcome::KeyMissing: break;
  }
  return {"", 1, 0};
}

// Reads `probe` from the file at `path`, whose decoded text is `text`, and checks the read.
Read ReadKey(const std::string& path, const std::string& text, const Probe& probe) {
  QuietDialogs dialogs;
  Read read{GetIniValue(path, probe.section, probe.key, dialogs), dialogs.Boxes(), dialogs.fileErrors};
  FUZZ_CHECK(read.boxes <= 1, Describe(probe) + ": more than one box for one read");
  FUZZ_CHECK(read.boxes == 0 || read.value.empty(), Describe(probe) + ": a value after a box");
  FUZZ_CHECK(IsValidUtf8(read.value), Describe(probe) + ": the value is not UTF-8: " + Quoted(read.value));
  if (ModelReadsLines(text)) {
    const Read model = Modelled(text, probe);
    FUZZ_CHECK(read == model, Describe(probe) + " reads " + Quoted(read.value) + " with " +
                                  std::to_string(read.boxes) + " boxes, the model " + Quoted(model.value) + " with " +
                                  std::to_string(model.boxes) + " (file errors " + std::to_string(read.fileErrors) +
                                  " and " + std::to_string(model.fileErrors) + ")");
  }
  return read;
}

std::vector<Read> ReadAll(const std::string& path, std::string_view bytes) {
  std::vector<Read> reads;
  const std::string text = DecodeSettingsText(bytes);
  for (const Probe& p : kProbes) reads.push_back(ReadKey(path, text, p));
  return reads;
}

// Lines split on LF, each without one trailing CR; a final LF opens no line.
std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// A line's text in its file's encoding.
std::string Decoded(std::string_view line, bool utf8File) { return utf8File ? std::string(line) : GbkToUtf8(line); }

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

struct KeyLine {
  std::string_view key;
  std::string bytes;  // "key=value" in the file's encoding
};

// The writer's promises for any file: the lines of `before` come back in order, each either as
// it was (and read the same in the new file's encoding) or replaced by the line of a key it
// holds; what follows them is the section's header, key lines and the GBK mark line; every line
// ends in CR LF.
void CheckRewrite(std::string_view before, std::string_view after, std::string_view section,
                  const std::vector<KeyLine>& written) {
  FUZZ_CHECK(after.size() >= 2 && after.substr(after.size() - 2) == "\r\n", "the written file does not end in CR LF");
  const bool utf8Before = IsValidUtf8(before);
  const bool utf8After = IsValidUtf8(after);
  const std::vector<std::string_view> in = Lines(before);
  const std::vector<std::string_view> out = Lines(after);
  std::string joined;
  for (const std::string_view line : out) joined.append(line).append("\r\n");
  FUZZ_CHECK(joined == after, "a written line does not end in CR LF");

  auto keyLineFor = [&](std::string_view line) -> const KeyLine* {
    for (const KeyLine& k : written)
      if (line == k.bytes) return &k;
    return nullptr;
  };
  std::size_t j = 0;
  for (std::size_t i = 0; i < in.size(); ++i, ++j) {
    FUZZ_CHECK(j < out.size(), "line " + std::to_string(i + 1) + " was lost");
    if (out[j] == in[i]) {
      FUZZ_CHECK(Decoded(in[i], utf8Before) == Decoded(out[j], utf8After),
                 "line " + std::to_string(i + 1) + " " + Quoted(in[i]) + " reads as " +
                     Quoted(Decoded(in[i], utf8Before)) + " before and as " + Quoted(Decoded(out[j], utf8After)) +
                     " after the write");
      continue;
    }
    const KeyLine* k = keyLineFor(out[j]);
    FUZZ_CHECK(k != nullptr, "line " + std::to_string(i + 1) + " " + Quoted(in[i]) + " became " + Quoted(out[j]));
    FUZZ_CHECK(Decoded(in[i], utf8Before).find(k->key) != std::string::npos,
               "line " + std::to_string(i + 1) + " " + Quoted(in[i]) + " was replaced though it does not hold " +
                   std::string(k->key));
  }
  const std::string header = "[" + std::string(section) + "]";
  for (; j < out.size(); ++j)
    FUZZ_CHECK(out[j] == header || out[j] == kGbkMarkLine || keyLineFor(out[j]) != nullptr,
               "an added line " + Quoted(out[j]));
}

std::vector<std::string> DecodedLines(std::string_view bytes) {
  const bool utf8 = IsValidUtf8(bytes);
  std::vector<std::string> lines;
  for (const std::string_view line : Lines(bytes)) lines.push_back(Decoded(line, utf8));
  return lines;
}

// A plainly laid-out file, in which reader and writer agree on where `section`'s `keys` live:
// every line is a header "[name]" or holds "=", and only headers hold brackets; no line is blank
// or holds a CR; the only lines holding a key are that key's own lines; the only headers holding
// the section's name are "[section]", and no header follows the first of them (the reader goes
// on past the end of a section, and a header merges into the name of the line after it); the
// file does not end right after a "=" (the reader finds no value there, as the historic line
// read did, and the writer ends every line it keeps).
bool Plain(std::string_view bytes, std::string_view section, const std::vector<std::string_view>& keys) {
  if (!bytes.empty() && bytes.back() == '=') return false;
  const std::string header = "[" + std::string(section) + "]";
  bool sectionSeen = false;
  for (const std::string& line : DecodedLines(bytes)) {
    if (line.empty() || line.find('\r') != std::string::npos) return false;
    const bool isHeader = line.front() == '[';
    if (isHeader) {
      if (line.back() != ']' || line.find_first_of("[]", 1) != line.size() - 1) return false;
      if (sectionSeen) return false;
      if (line.find(section) != std::string::npos) {
        if (line != header) return false;
        sectionSeen = true;
      }
    } else if (line.find('=') == std::string::npos || line.find_first_of("[]") != std::string::npos) {
      return false;
    }
    for (const std::string_view key : keys)
      if (line.find(key) != std::string::npos && (isHeader || line.substr(0, line.find('=')) != key)) return false;
  }
  return true;
}

// A value that leaves the layout plain: without brackets.
bool PlainValue(std::string_view value) { return value.find_first_of("[]") == std::string_view::npos; }

std::size_t CharCount(std::string_view utf8) {
  std::size_t n = 0;
  ForEachUtf8Char(utf8, [&](std::string_view) { ++n; });
  return n;
}

bool Same(const UserSettings& a, const UserSettings& b) {
  return a.MediaON == b.MediaON && a.MediaMax == b.MediaMax && a.SoundON == b.SoundON && a.SoundMax == b.SoundMax &&
         a.GameMode == b.GameMode && a.GameMain == b.GameMain;
}

bool Same(const std::vector<PictureSet>& a, const std::vector<PictureSet>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const PictureSet& x, const PictureSet& y) { return x.Name == y.Name && x.Path == y.Path; });
}

// Start-up's reading: the documented corrections of the single reads, and nothing out of bounds.
StartupSettings CheckStartup(const std::string& path, bool isText, const std::string& gameFolder,
                             const std::vector<Read>& reads) {
  QuietDialogs dialogs;
  const StartupSettings s = ReadStartupSettings(SettingsFile(path), gameFolder, dialogs);
  if (!isText) {
    FUZZ_CHECK(!s.FileIsText && dialogs.Boxes() == 0, "start-up read a file that is no text");
    FUZZ_CHECK(Same(s.User, ShippedUserSettings()) && Same(s.Sets, ShippedPictureSets(gameFolder)),
               "start-up's settings of a file that is no text are not the shipped ones");
    return s;
  }
  FUZZ_CHECK(s.FileIsText, "start-up took a text file for no text");
  // Six user settings, the count, and the first set missing: each shows at most one box.
  FUZZ_CHECK(dialogs.Boxes() <= 8, "start-up showed " + std::to_string(dialogs.Boxes()) + " boxes");

  const std::size_t count = s.Sets.size();
  FUZZ_CHECK(count >= 1 && count <= static_cast<std::size_t>(kMaxPictureSets),
             "picture sets: " + std::to_string(count));
  for (const PictureSet& set : s.Sets) {
    FUZZ_CHECK(IsValidUtf8(set.Name) && !IsBlank(set.Name), "a set's name " + Quoted(set.Name));
    const std::size_t chars = CharCount(set.Name);
    const bool cut = chars == kMaxSetNameChars + 1 && set.Name.ends_with("…");
    FUZZ_CHECK(chars <= kMaxSetNameChars || cut, "a set's name of " + std::to_string(chars) + " characters");
    FUZZ_CHECK(set.Path.starts_with(gameFolder) && !IsBlank(set.Path.substr(gameFolder.size())),
               "a set's folder " + Quoted(set.Path));
  }

  UserSettings expected = ShippedUserSettings();
  expected.MediaON = ModelBool(reads[kMediaON].value).value_or(expected.MediaON);
  expected.MediaMax = std::clamp<std::int16_t>(ModelInt(reads[kMediaMax].value).value_or(expected.MediaMax), 0, 100);
  expected.SoundON = ModelBool(reads[kSoundON].value).value_or(expected.SoundON);
  expected.SoundMax = ModelInt(reads[kSoundMax].value).value_or(expected.SoundMax);
  expected.GameMode = ModelInt(reads[kGameMode].value).value_or(expected.GameMode);
  if (expected.GameMode < 1 || expected.GameMode > 4) expected.GameMode = 1;
  expected.GameMain = ModelInt(reads[kGameMain].value).value_or(expected.GameMain);
  if (expected.GameMain < 1 || expected.GameMain > static_cast<int>(count)) expected.GameMain = 1;
  FUZZ_CHECK(Same(s.User, expected), "start-up's user settings differ from the single reads");

  const std::optional<std::int16_t> menu = ModelInt(reads[kMenu].value);
  if (menu && *menu > 0 && !IsBlank(reads[kMenuName1].value) && !IsBlank(reads[kMenuPath1].value)) {
    FUZZ_CHECK(s.Sets[0].Path == gameFolder + reads[kMenuPath1].value,
               "the first set's folder " + Quoted(s.Sets[0].Path));
    const std::string& name = reads[kMenuName1].value;
    const std::string shown =
        CharCount(name) <= kMaxSetNameChars ? name : name.substr(0, Utf8PrefixLength(name, kMaxSetNameChars)) + "…";
    FUZZ_CHECK(s.Sets[0].Name == shown, "the first set's name " + Quoted(s.Sets[0].Name) + " for " + Quoted(name));
  }
  return s;
}

// One key written into a copy of the file.
void CheckOneWrite(const std::string& before, bool isText, const std::vector<Read>& reads, std::size_t which,
                   const std::string& value) {
  const Scratch& scratch = Scratch::Get();
  const std::string copy = scratch.File("copy.ini");
  WriteFile(copy, before);
  const Probe& p = kProbes[which];
  const std::string line = std::string(p.key) + "=" + value;
  const std::optional<std::string> lineBytes = IsValidUtf8(before) ? line : Utf8ToGbk(line);

  const bool written = !SetIniValue(copy, p.section, p.key, value);
  FUZZ_CHECK(!TempFileBeside(copy), "the temporary file stayed after a write");
  const std::string after = ReadFile(copy);
  if (!isText) {
    FUZZ_CHECK(!written && after == before, "a file that is no text was rewritten");
    return;
  }
  if (!lineBytes) {
    FUZZ_CHECK(!written && after == before, "a value that a GBK file cannot hold was written");
    return;
  }
  FUZZ_CHECK(written, "writing " + Describe(p) + " failed");
  CheckRewrite(before, after, p.section, {{p.key, *lineBytes}});

  if (!PlainValue(value) || !Plain(before, p.section, {p.key})) return;
  const std::string text = DecodeSettingsText(after);
  for (std::size_t i = 0; i < kProbes.size(); ++i) {
    const Read now = ReadKey(copy, text, kProbes[i]);
    if (i == which) {
      FUZZ_CHECK((now == Read{value, 0, 0}), "written " + Describe(p) + "=" + Quoted(value) + ", read back " +
                                              Quoted(now.value) + " with " + std::to_string(now.boxes) + " boxes");
    } else {
      // Which box a read that fails shows may change: a header at the very end of the file is a
      // file error, and once the write has added a line after it, a missing key.
      FUZZ_CHECK(now.value == reads[i].value && now.boxes == reads[i].boxes,
                 "writing " + Describe(p) + " changed " + Describe(kProbes[i]) + " from " + Quoted(reads[i].value) +
                     " to " + Quoted(now.value));
    }
  }
}

// Shutdown's six settings written into a copy of the file, in one replacement.
void CheckShutdownWrite(const std::string& before, bool isText, const StartupSettings& read, const std::string& gameFolder) {
  const Scratch& scratch = Scratch::Get();
  const SettingsFile file(scratch.File("VornPGame.ini"));
  WriteFile(file.Path, before);
  // Other values than those read, each within what start-up accepts.
  const int sets = static_cast<int>(read.Sets.size());
  UserSettings user;
  user.MediaON = read.User.MediaON == kTrue ? kFalse : kTrue;
  user.MediaMax = static_cast<std::int16_t>((read.User.MediaMax + 37) % 101);
  user.SoundON = read.User.SoundON == kTrue ? kFalse : kTrue;
  user.SoundMax = static_cast<std::int16_t>(read.User.SoundMax == INT16_MIN ? 0 : -read.User.SoundMax);
  user.GameMode = static_cast<std::int16_t>(read.User.GameMode % 4 + 1);
  user.GameMain = static_cast<std::int16_t>(read.User.GameMain % sets + 1);

  const bool written = !WriteUserSettings(file, user);
  FUZZ_CHECK(!TempFileBeside(file.Path), "the temporary file stayed after shutdown's write");
  const std::string after = ReadFile(file.Path);
  if (!isText) {
    FUZZ_CHECK(!written && after == before, "shutdown rewrote a file that is no text");
    return;
  }
  FUZZ_CHECK(written, "shutdown's write failed");
  const auto line = [](std::string_view key, const std::string& value) {
    return KeyLine{key, std::string(key) + "=" + value};
  };
  CheckRewrite(before, after, "UserSet",
               {line("MediaON", IniBoolText(user.MediaON)), line("MediaMax", IniText(user.MediaMax)),
                line("SoundON", IniBoolText(user.SoundON)), line("SoundMax", IniText(user.SoundMax)),
                line("GameMode", IniText(user.GameMode)), line("GameMain", IniText(user.GameMain))});

  if (!Plain(before, "UserSet", {"MediaON", "MediaMax", "SoundON", "SoundMax", "GameMode", "GameMain"})) return;
  QuietDialogs dialogs;
  const StartupSettings again = ReadStartupSettings(file, gameFolder, dialogs);
  FUZZ_CHECK(Same(again.User, user), "shutdown's settings do not read back");
  FUZZ_CHECK(Same(again.Sets, read.Sets), "shutdown's write changed the picture sets");
}

}  // namespace
}  // namespace pelmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelmora;
  using namespace pelmora::fuzz;
  if (size < 2) return 0;
  const std::size_t which = data[0] % kProbes.size();
  const std::size_t valueBytes = std::min<std::size_t>(data[1] % 64, size - 2);
  std::string value = DecodeSettingsText({reinterpret_cast<const char*>(data) + 2, valueBytes});
  std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
  const std::string before(reinterpret_cast<const char*>(data) + 2 + valueBytes, size - 2 - valueBytes);

  const Scratch& scratch = Scratch::Get();
  const std::string gameFolder = scratch.Folder().string();
  const std::string path = scratch.File("VornPGame.ini");
  WriteFile(path, before);
  const std::vector<Read> reads = ReadAll(path, before);
  const bool isText = IsText(before);
  const StartupSettings read = CheckStartup(path, isText, gameFolder, reads);
  CheckOneWrite(before, isText, reads, which, value);
  CheckShutdownWrite(before, isText, read, gameFolder);
  return 0;
}
