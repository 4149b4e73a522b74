#pragma once
// A second, deliberately plain reading of the sectioned settings files, written from the rules
// the game's files were made for rather than from the game's reader, so that a target can tell
// when the reader and its callers go astray: the value of one key, and the number forms.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::fuzz {

// How a read ends: the value, or which of the reader's two boxes it shows.
struct ModelRead {
  enum class Outcome { Value, FileError, KeyMissing } outcome = Outcome::Value;
  std::string value;
};

// Whether the model has a word on `text`: every CR stands right before an LF. (Where a lone CR
// ends a line is a question the rules leave open.)
inline bool ModelReadsLines(std::string_view text) {
  for (std::size_t i = text.find('\r'); i != std::string_view::npos; i = text.find('\r', i + 1))
    if (i + 1 >= text.size() || text[i + 1] != '\n') return false;
  return true;
}

// The bytes of the UTF-8 character starting at `i` of valid UTF-8 text.
inline std::size_t ModelCharBytes(std::string_view text, std::size_t i) {
  const auto b = static_cast<std::uint8_t>(text[i]);
  return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
}

// The value of `key` in `section` of the decoded (UTF-8) text, a character at a time: the section
// search reads a name after each "[" up to "]" and, on an exact match, skips the header's line
// end (two characters, or one lone LF; fewer than that left is a file error); the key search
// then reads names up to "=" through the rest of the file and takes the line after the first
// exact match. A name or line that runs into the end of the text is a missing key.
inline ModelRead ReadModel(std::string_view text, std::string_view section, std::string_view key) {
  std::size_t at = 0;
  bool found = false;
  while (at < text.size() && !found) {
    if (text[at++] != '[') continue;
    const std::size_t close = text.find(']', at);
    const std::string_view name = text.substr(at, close == std::string_view::npos ? text.npos : close - at);
    at = close == std::string_view::npos ? text.size() : close + 1;
    found = name == section;
  }
  if (found) {
    if (at < text.size() && text[at] == '\n') {
      at += 1;
    } else {
      for (int skipped = 0; skipped < 2; ++skipped) {
        if (at >= text.size()) return {ModelRead::Outcome::FileError, ""};
        at += ModelCharBytes(text, at);
      }
    }
  }
  const ModelRead missing{ModelRead::Outcome::KeyMissing, ""};
  for (;;) {
    const std::size_t equals = text.find('=', at);
    if (equals == std::string_view::npos) return missing;
    const std::string_view name = text.substr(at, equals - at);
    at = equals + 1;
    if (at >= text.size()) return missing;
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    if (name == key) {
      std::string_view value = text.substr(at, end - at);
      if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
      return {ModelRead::Outcome::Value, std::string(value)};
    }
    at = end + 1;
  }
}

inline std::string_view ModelTrim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole decimal number with an optional sign, within -32768..32767, blanks around it allowed.
inline std::optional<std::int16_t> ModelInt(std::string_view text) {
  text = ModelTrim(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 32768) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 32767) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

// True or False in any letter case, or a whole number of any length: 0 is false (0), any other
// true (-1).
inline std::optional<std::int16_t> ModelBool(std::string_view text) {
  text = ModelTrim(text);
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (lower == "true") return -1;
  if (lower == "false") return 0;
  std::string_view digits = text;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  return static_cast<std::int16_t>(digits.find_first_not_of('0') == std::string_view::npos ? 0 : -1);
}

}  // namespace pelmora::fuzz
