#pragma once
// Text encodings of the stored files. Inside the program every string is UTF-8; data.dat holds
// GBK (code page 936), and the settings files are UTF-8 when their bytes are valid UTF-8 and
// GBK otherwise.

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

bool IsValidUtf8(std::string_view bytes);

// Converts GBK bytes to UTF-8. A byte sequence that is not GBK becomes U+FFFD, so damaged
// files still decode.
std::string GbkToUtf8(std::string_view gbk);

// Converts UTF-8 to GBK; nothing when some character has no GBK form.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// Settings-file text as characters: UTF-8 when valid, otherwise GBK.
std::string DecodeSettingsText(std::string_view bytes);

// Whether the settings reader can read the bytes as text at all: they hold no zero byte (text in
// UTF-16 or UTF-32 holds one in every line break) and are valid UTF-8 or valid GBK. A file that
// is not must never be rewritten: the writer's lines would cut through its characters.
bool IsSettingsText(std::string_view bytes);

// The length in bytes of the UTF-8 character that starts at `i`: 1..4, and 1 for an invalid
// byte or a character cut off by the end of the text.
inline std::size_t Utf8CharLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t len =
      lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
  return i + len > text.size() ? 1 : len;
}

// Splits UTF-8 text into its characters (each a string of 1..4 bytes). Invalid bytes come out
// as single-byte pieces.
template <typename Visit>
void ForEachUtf8Char(std::string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = Utf8CharLength(text, i);
    visit(text.substr(i, len));
    i += len;
  }
}

// The number of bytes of the first `chars` characters of `text` (all of it when it is shorter),
// found without looking at the rest.
inline std::size_t Utf8PrefixLength(std::string_view text, std::size_t chars) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < chars && i < text.size(); ++n) i += Utf8CharLength(text, i);
  return i;
}

}  // namespace pelmora
