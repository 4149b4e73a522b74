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

// Splits UTF-8 text into its characters (each a string of 1..4 bytes). Invalid bytes come out
// as single-byte pieces.
template <typename Visit>
void ForEachUtf8Char(std::string_view text, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t len = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (i + len > text.size()) len = 1;
    visit(text.substr(i, len));
    i += len;
  }
}

}  // namespace pelmora
