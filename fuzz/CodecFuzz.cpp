// The text codec under every stored file: UTF-8 recognised and split, GBK decoded and encoded,
// and the leaderboard's 16-byte cut of a name.
//
// Input: any bytes, taken as UTF-8, as GBK and as a name.
//
// Oracles:
//  - IsValidUtf8 agrees with a table of the well-formed UTF-8 byte sequences;
//  - the character split covers the text exactly and, in valid UTF-8, splits where the table
//    does; in any text each piece is as long as a table of lead bytes says, or one byte where
//    that length runs past the end; a prefix of n characters is the first n pieces (checked for
//    a few n, so that the check stays linear);
//  - settings text decodes to UTF-8: itself when valid, else its GBK reading;
//  - GBK text decodes to UTF-8, and text that came wholly from GBK encodes back byte for byte;
//    text that is not UTF-8 has no GBK form;
//  - FitPXBText fits 16 GBK bytes, never splits a character, keeps the name's characters in order
//    ("?" for one without a GBK form), holds no NUL, and stops only where the next character
//    would not fit or at a NUL.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "leaderboard/PxbStore.h"
#include "platform/TextCodec.h"

namespace pelmora::fuzz {
namespace {

// The well-formed UTF-8 byte sequences: for each first-byte range, the range of every byte.
struct Form {
  std::array<std::uint8_t, 4> lo, hi;
  std::size_t length;
};
constexpr std::array<Form, 9> kForms = {{
    {{0x00}, {0x7F}, 1},
    {{0xC2, 0x80}, {0xDF, 0xBF}, 2},
    {{0xE0, 0xA0, 0x80}, {0xE0, 0xBF, 0xBF}, 3},
    {{0xE1, 0x80, 0x80}, {0xEC, 0xBF, 0xBF}, 3},
    {{0xED, 0x80, 0x80}, {0xED, 0x9F, 0xBF}, 3},
    {{0xEE, 0x80, 0x80}, {0xEF, 0xBF, 0xBF}, 3},
    {{0xF0, 0x90, 0x80, 0x80}, {0xF0, 0xBF, 0xBF, 0xBF}, 4},
    {{0xF1, 0x80, 0x80, 0x80}, {0xF3, 0xBF, 0xBF, 0xBF}, 4},
    {{0xF4, 0x80, 0x80, 0x80}, {0xF4, 0x8F, 0xBF, 0xBF}, 4},
}};

// The length of the well-formed character at `i`, or 0.
std::size_t WellFormedLength(std::string_view s, std::size_t i) {
  for (const Form& f : kForms) {
    if (i + f.length > s.size()) continue;
    bool fits = true;
    for (std::size_t k = 0; k < f.length && fits; ++k) {
      const auto b = static_cast<std::uint8_t>(s[i + k]);
      fits = b >= f.lo[k] && b <= f.hi[k];
    }
    if (fits) return f.length;
  }
  return 0;
}

bool WellFormed(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = WellFormedLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// The length a lead byte announces: a table of its own, by ranges.
struct Lead {
  std::uint8_t lo, hi;
  std::size_t length;
};
constexpr std::array<Lead, 3> kLeads = {{{0xC0, 0xDF, 2}, {0xE0, 0xEF, 3}, {0xF0, 0xF7, 4}}};

// The piece the split should cut at `i`: the announced length, or one byte.
std::size_t PieceLength(std::string_view s, std::size_t i) {
  const auto b = static_cast<std::uint8_t>(s[i]);
  for (const Lead& l : kLeads)
    if (b >= l.lo && b <= l.hi) return i + l.length <= s.size() ? l.length : 1;
  return 1;
}

std::vector<std::string_view> Pieces(std::string_view s) {
  std::vector<std::string_view> pieces;
  ForEachUtf8Char(s, [&](std::string_view piece) { pieces.push_back(piece); });
  return pieces;
}

void CheckUtf8(std::string_view x) {
  // Every short piece on its own too, so that one odd sequence is judged even when the rest of
  // the input is not UTF-8.
  for (std::size_t i = 0; i < x.size(); ++i)
    for (std::size_t n = 1; n <= 4 && i + n <= x.size(); ++n)
      FUZZ_CHECK(IsValidUtf8(x.substr(i, n)) == WellFormed(x.substr(i, n)),
                 "IsValidUtf8 misjudges " + Quoted(x.substr(i, n)));
  const bool valid = WellFormed(x);
  FUZZ_CHECK(IsValidUtf8(x) == valid,
             Quoted(x) + (valid ? " is UTF-8, IsValidUtf8 says not" : " is not UTF-8, IsValidUtf8 says it is"));
  const std::vector<std::string_view> pieces = Pieces(x);
  std::size_t at = 0;
  for (std::size_t n = 0; n < pieces.size(); ++n) {
    const std::string_view p = pieces[n];
    FUZZ_CHECK(p.data() == x.data() + at && !p.empty() && p.size() <= 4,
               "piece " + std::to_string(n) + " of " + Quoted(x));
    FUZZ_CHECK(Utf8CharLength(x, at) == p.size(), "Utf8CharLength disagrees with the split of " + Quoted(x));
    if (valid) FUZZ_CHECK(p.size() == WellFormedLength(x, at), "a split inside a character of " + Quoted(x));
    FUZZ_CHECK(p.size() == PieceLength(x, at), "piece " + Quoted(p) + " of " + Quoted(x));
    if (n < 3 || n == pieces.size() / 2 || n + 1 == pieces.size())
      FUZZ_CHECK(Utf8PrefixLength(x, n) == at, "Utf8PrefixLength(" + std::to_string(n) + ") of " + Quoted(x));
    at += p.size();
  }
  FUZZ_CHECK(at == x.size(), "the pieces do not cover " + Quoted(x));
  FUZZ_CHECK(Utf8PrefixLength(x, pieces.size()) == x.size() && Utf8PrefixLength(x, pieces.size() + 1) == x.size(),
             "Utf8PrefixLength past the end of " + Quoted(x));

  const std::string settings = DecodeSettingsText(x);
  FUZZ_CHECK(WellFormed(settings), "settings text of " + Quoted(x) + " is not UTF-8");
  FUZZ_CHECK(settings == (valid ? std::string(x) : GbkToUtf8(x)),
             "settings text of " + Quoted(x) + " is neither reading");
  if (!valid) FUZZ_CHECK(!Utf8ToGbk(x).has_value(), Quoted(x) + " is not UTF-8 but has a GBK form");
}

bool IsGbkThroughout(std::string_view text) { return text.find("\xEF\xBF\xBD") == std::string_view::npos; }

void CheckGbkRoundTrip(std::string_view gbk, const std::string& text) {
  const std::optional<std::string> back = Utf8ToGbk(text);
  FUZZ_CHECK(back.has_value(), "GBK " + Quoted(gbk) + " decodes to " + Quoted(text) + ", which has no GBK form");
  FUZZ_CHECK(*back == gbk,
             "GBK " + Quoted(gbk) + " decodes to " + Quoted(text) + " and encodes back as " + Quoted(*back));
}

void CheckGbk(std::string_view x) {
  const std::string text = GbkToUtf8(x);
  FUZZ_CHECK(WellFormed(text), "GBK " + Quoted(x) + " decodes to " + Quoted(text) + ", not UTF-8");
  if (IsGbkThroughout(text)) CheckGbkRoundTrip(x, text);
  // Every two bytes on their own too, gathered into one encoding (GBK keeps no state between
  // characters): one character that does not come back is found whatever surrounds it.
  std::string pairs;
  std::string pairsText;
  for (std::size_t i = 0; i + 2 <= x.size(); ++i) {
    const std::string decoded = GbkToUtf8(x.substr(i, 2));
    if (!IsGbkThroughout(decoded)) continue;
    pairs.append(x.substr(i, 2));
    pairsText += decoded;
  }
  if (Utf8ToGbk(pairsText) == pairs) return;
  for (std::size_t i = 0; i + 2 <= x.size(); ++i) {
    const std::string decoded = GbkToUtf8(x.substr(i, 2));
    if (IsGbkThroughout(decoded)) CheckGbkRoundTrip(x.substr(i, 2), decoded);
  }
  Fail("the GBK pairs of " + Quoted(x) + " do not encode back, though each one does");
}

std::string GbkOf(std::string_view character) { return Utf8ToGbk(character).value_or("?"); }

void CheckFit(std::string_view name) {
  const std::string fit = FitPXBText(name);
  const std::string where = "FitPXBText(" + Quoted(name) + ") = " + Quoted(fit);
  FUZZ_CHECK(WellFormed(fit) && fit.find("\xEF\xBF\xBD") == std::string::npos, where + ": a character split");
  FUZZ_CHECK(fit.find('\0') == std::string::npos, where + ": holds a NUL");
  const std::optional<std::string> gbk = Utf8ToGbk(fit);
  FUZZ_CHECK(gbk.has_value() && gbk->size() <= kPXBTextBytes, where + ": does not fit 16 GBK bytes");

  const std::vector<std::string_view> kept = Pieces(fit);
  const std::vector<std::string_view> given = Pieces(name);
  FUZZ_CHECK(kept.size() <= given.size(), where + ": more characters than the name");
  for (std::size_t k = 0; k < kept.size(); ++k)
    FUZZ_CHECK(GbkOf(kept[k]) == GbkOf(given[k]), where + ": character " + std::to_string(k + 1) + " is another");
  if (kept.size() < given.size() && given[kept.size()] != std::string_view("\0", 1))
    FUZZ_CHECK(gbk->size() + GbkOf(given[kept.size()]).size() > kPXBTextBytes,
               where + ": cut though the next character fits");
}

}  // namespace
}  // namespace pelmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pelmora::fuzz;
  const std::string_view x(reinterpret_cast<const char*>(data), size);
  CheckUtf8(x);
  CheckGbk(x);
  CheckFit(x);
  CheckFit(pelmora::DecodeSettingsText(x));
  return 0;
}
