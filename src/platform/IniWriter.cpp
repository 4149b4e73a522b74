// The settings writer: the historic rewrite of one key's line, done in memory once per key, and
// a single replacement of the file.
#include <string>
#include <vector>

#include "platform/AtomicSave.h"
#include "platform/FileBytes.h"
#include "platform/IniFile.h"
#include "platform/TextCodec.h"

namespace pelmora {

namespace {

constexpr char kCrLf[] = "\r\n";

// Keeps a GBK file GBK. The encoding is guessed from the whole file, so a GBK file whose only
// bytes that are not UTF-8 sat on the line just rewritten would turn into valid UTF-8, and every
// other Chinese line would then read as something else (GBK 楼 reads as "¥"). Appended only then,
// this line keeps the file recognisably GBK without changing how anything else reads:
//  - its value begins with the byte 0xBC (GBK 简), which UTF-8 never allows after an ASCII byte;
//  - it holds "=", so it is a key line of its own, and it is the last line, so it cannot merge
//    into the name of a line after it;
//  - it holds no "[", so the section search never stops in it;
//  - its name is no key the game reads, and holds none of the keys it writes, so the writer
//    never takes it for one of them.
constexpr char kGbkMarkLine[] = "TextEncoding=\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4(GBK)";  // 简体中文

// Raw lines split on LF, each without one trailing CR. A final LF does not open another line.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The file's text in one encoding, as the reader guesses it: UTF-8 when its bytes are valid
// UTF-8, otherwise GBK. Matching looks at characters, so that GBK bytes never pose as ASCII;
// written text goes into the same encoding.
class FileText {
 public:
  explicit FileText(std::string_view bytes) : utf8_(IsValidUtf8(bytes)) {}
  bool IsUtf8() const { return utf8_; }
  bool Holds(std::string_view raw, std::string_view part) const {
    const std::string text = utf8_ ? std::string(raw) : GbkToUtf8(raw);
    return TrimSpaces(text).find(part) != std::string_view::npos;
  }
  bool IsHeaderOf(std::string_view raw, std::string_view section) const {
    return Holds(raw, "[") && Holds(raw, section);
  }
  // `utf8` in the file's encoding; nothing when GBK has no form for some character.
  std::optional<std::string> Encode(const std::string& utf8) const {
    if (utf8_) return utf8;
    return Utf8ToGbk(utf8);
  }

 private:
  bool utf8_;
};

struct Rewrite {
  std::string text;
  bool sectionFound = false;
};

// Every line written back with CR LF, and after each matching header the first line holding the
// key replaced by `keyLine` (or `keyLine` added at the very end when none does).
Rewrite RewriteLines(std::string_view bytes, const FileText& file, std::string_view section, std::string_view key,
                     std::string_view keyLine) {
  const std::vector<std::string_view> lines = SplitLines(bytes);
  Rewrite out;
  out.text.reserve(bytes.size() + lines.size() + keyLine.size() + 2);
  std::size_t i = 0;
  while (i < lines.size()) {
    const std::string_view line = lines[i++];
    out.text.append(line).append(kCrLf);
    if (!file.IsHeaderOf(line, section)) continue;
    out.sectionFound = true;
    while (i < lines.size()) {
      const std::string_view inner = lines[i++];
      if (file.Holds(inner, key)) break;
      out.text.append(inner).append(kCrLf);
    }
    out.text.append(keyLine).append(kCrLf);
  }
  return out;
}

// The file after one SetIniValue, or nothing when the key line has no form in its encoding.
std::optional<std::string> EditText(std::string_view bytes, std::string_view section, const IniSetting& setting) {
  const FileText file(bytes);
  const std::optional<std::string> keyLine = file.Encode(setting.Key + "=" + setting.Value);
  const std::optional<std::string> header = file.Encode("[" + std::string(section) + "]");
  if (!keyLine || !header) return std::nullopt;
  Rewrite rewrite = RewriteLines(bytes, file, section, setting.Key, *keyLine);
  // Without its section the key would be stored nowhere the reader looks.
  if (!rewrite.sectionFound) rewrite.text.append(*header).append(kCrLf).append(*keyLine).append(kCrLf);
  if (!file.IsUtf8() && !IsAscii(rewrite.text) && IsValidUtf8(rewrite.text))
    rewrite.text.append(kGbkMarkLine).append(kCrLf);
  return std::move(rewrite.text);
}

}  // namespace

SaveResult SetIniValues(const std::string& path, std::string_view section, std::span<const IniSetting> settings) {
  // A missing settings file is not created: a save must not invent a file without the rest of
  // the settings.
  std::optional<std::string> text = ReadFileBytes(path);
  if (!text) return SaveError{SaveProblem::Unreadable, path};
  // Lines split at a byte would cut through the characters of such a file.
  if (!IsSettingsText(*text)) return SaveError{SaveProblem::NotText, path};
  for (const IniSetting& setting : settings) {
    if (text) text = EditText(*text, section, setting);
  }
  if (!text) return SaveError{SaveProblem::NotEncodable, path};
  return SaveFileAtomically(path, *text);
}

SaveResult SetIniValue(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view valueText) {
  const IniSetting setting{std::string(key), std::string(valueText)};
  return SetIniValues(path, section, {&setting, 1});
}

}  // namespace pelmora
