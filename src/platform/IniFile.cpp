// The settings files' reader, and the value forms stored in them.
#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "platform/AppInfo.h"
#include "platform/FileBytes.h"
#include "platform/TextCodec.h"

namespace pelmora {

namespace {

// The file, and the key with its file, go along as fillings (%1, %2) for a language that names them.
constexpr char kFileError[] = QT_TRANSLATE_NOOP("Pelmora", "文件出错");
constexpr char kKeyMissing[] = QT_TRANSLATE_NOOP("Pelmora", "在文件中没有找到所要查找的字段");
constexpr char kKeyMissingCaption[] = QT_TRANSLATE_NOOP("Pelmora", "错误信息");

// ---- reader ----------------------------------------------------------------------------------

// Decoded text (always valid UTF-8) read from front to back without copying it. The reader works
// on characters, never on bytes (in a GBK file the second byte of a Chinese character can equal
// "[" or "]"); after decoding, every character it looks for ("[", "]", "=", LF) is ASCII, and in
// UTF-8 an ASCII byte is always a whole character, so a byte search finds exactly those
// characters. Names and values are views into the text; only a found value is copied.
class TextCursor {
 public:
  explicit TextCursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  bool NextIs(char c) const { return !AtEnd() && text_[pos_] == c; }

  // Moves past one whole character; false at the end of the text.
  bool SkipChar() {
    if (AtEnd()) return false;
    const auto lead = static_cast<unsigned char>(text_[pos_]);
    const std::size_t len = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
    pos_ = std::min(pos_ + len, text_.size());
    return true;
  }
  // Moves to the next `c`, or to the end of the text.
  void SkipTo(char c) { pos_ = std::min(text_.find(c, pos_), text_.size()); }

  // The characters up to the next `stop`, which is consumed and not returned; the rest of the
  // text when there is none.
  std::string_view ReadUntil(char stop) {
    const std::size_t end = std::min(text_.find(stop, pos_), text_.size());
    const std::string_view read = text_.substr(pos_, end - pos_);
    pos_ = std::min(end + 1, text_.size());
    return read;
  }
  // The rest of the current line without its line end (LF, or CR LF), which is consumed. Reading
  // a line at the end of the text fails, as the historic line read did.
  std::optional<std::string_view> RestOfLine() {
    if (AtEnd()) return std::nullopt;
    std::string_view line = ReadUntil('\n');
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::string FileError(const std::string& path, Dialogs& dialogs) {
  dialogs.Message(Text(kFileError, {path}), kAppTitle, Buttons::Ok, Icon::None);
  return {};
}

// The failing read sits at the end of the file, so Retry and Ignore can only fail again: the box
// comes back until the player gives up.
std::string KeyNotFound(const std::string& path, std::string_view key, Dialogs& dialogs) {
  const Text text(kKeyMissing, {std::string(key), path});
  for (;;) {
    const Answer a = dialogs.Message(text, kKeyMissingCaption, Buttons::AbortRetryIgnore, Icon::None);
    if (a != Answer::Retry && a != Answer::Ignore) return {};
  }
}

// Skips the header's line end: two characters (CR LF), or a lone LF. False when the text ends
// before them.
bool SkipHeaderLineEnd(TextCursor& in) {
  if (in.NextIs('\n')) return in.SkipChar();
  return in.SkipChar() && in.SkipChar();
}

// Moves `in` to just after the header line of `section`, or to the end of the text when there is
// none. False only when a matching header is not followed by its line end. The name is compared
// after every character; a character other than "[" leaves it empty, which only an empty
// section name matches, so for any other name the search may jump from "[" to "[".
bool FindSection(TextCursor& in, std::string_view section) {
  while (!in.AtEnd()) {
    if (!section.empty()) in.SkipTo('[');
    std::string_view name;
    if (in.NextIs('[')) {
      in.SkipChar();
      name = in.ReadUntil(']');
    } else if (!in.SkipChar()) {
      break;
    }
    if (name == section) return SkipHeaderLineEnd(in);
  }
  return true;
}

std::string FindKey(TextCursor& in, const std::string& path, std::string_view key, Dialogs& dialogs) {
  for (;;) {
    const std::string_view name = in.ReadUntil('=');
    const std::optional<std::string_view> rest = in.RestOfLine();
    if (!rest) return KeyNotFound(path, key, dialogs);
    if (name == key) return std::string(*rest);
  }
}

// ---- value forms -----------------------------------------------------------------------------

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

struct WholeNumber {
  bool negative = false;
  std::string_view digits;  // one or more decimal digits
};

std::optional<WholeNumber> SplitWholeNumber(std::string_view text) {
  WholeNumber n;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    n.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  n.digits = text;
  return n;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string GetIniValue(const std::string& path, std::string_view section, std::string_view key,
                        Dialogs& dialogs) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return FileError(path, dialogs);
  // A UTF-8 file is its own text; only a GBK one is decoded into a second string.
  if (!IsValidUtf8(*bytes)) *bytes = GbkToUtf8(*bytes);
  TextCursor in(*bytes);
  if (!FindSection(in, section)) return FileError(path, dialogs);
  return FindKey(in, path, key, dialogs);
}

std::string IniText(bool value) { return value ? "True" : "False"; }

std::string IniText(std::int16_t value) { return std::to_string(value); }

std::string IniBoolText(std::int16_t value) { return IniText(value != 0); }

std::optional<std::int16_t> ParseIniBool(std::string_view text) {
  text = TrimBlanks(text);
  if (EqualsIgnoringCase(text, "True")) return std::int16_t{-1};
  if (EqualsIgnoringCase(text, "False")) return std::int16_t{0};
  const std::optional<WholeNumber> n = SplitWholeNumber(text);
  if (!n) return std::nullopt;
  // Any size of number will do: only whether it is zero matters.
  const bool zero = n->digits.find_first_not_of('0') == std::string_view::npos;
  return static_cast<std::int16_t>(zero ? 0 : -1);
}

std::optional<std::int16_t> ParseIniInt(std::string_view text) {
  const std::optional<WholeNumber> n = SplitWholeNumber(TrimBlanks(text));
  if (!n) return std::nullopt;
  std::int32_t magnitude = 0;
  const auto [end, ec] = std::from_chars(n->digits.data(), n->digits.data() + n->digits.size(), magnitude);
  if (ec != std::errc() || end != n->digits.data() + n->digits.size()) return std::nullopt;
  const std::int32_t value = n->negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

}  // namespace pelmora
