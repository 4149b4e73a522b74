#pragma once
// What the player reads, as the core hands it out: whole sentences in the game's own language
// (Chinese), which are the source texts of the translation catalogue, with numbered places
// (%1..%9) for what the core knows only at run time (a file, a key, a number). The windows
// translate the sentence into the player's language first and fill the places afterwards, so no
// sentence is ever glued from pieces and every language may put the places where it needs them.

#include <string>
#include <string_view>
#include <vector>

// Marks a sentence for the catalogue: the translation tools find every sentence of the game by
// this name, in the core as in the windows. It leaves the sentence as it is. The definition is
// the toolkit's own, so that both may be seen in one file.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pelmora {

// The catalogue's context of every sentence the core hands out.
inline constexpr char kTextContext[] = "Pelmora";

struct Text {
  Text() = default;                          // no sentence: nothing to tell
  Text(const char* words) : Words(words) {}  // NOLINT: a sentence without places reads as one
  Text(const char* words, std::vector<std::string> fill) : Words(words), Fill(std::move(fill)) {}

  std::string Words;               // UTF-8, as marked with QT_TRANSLATE_NOOP(kTextContext, …)
  std::vector<std::string> Fill;   // Fill[0] goes into %1, Fill[1] into %2, …; shown as they are
};

// `words` with each place %n replaced by fill[n - 1]: the sentence as the player reads it when it
// is not translated. A place without a filling stays as written; a filling whose place the words
// do not have is left out (a language may say less than another).
std::string FillPlaces(std::string_view words, const std::vector<std::string>& fill);

// The untranslated sentence of a Text.
inline std::string Filled(const Text& text) { return FillPlaces(text.Words, text.Fill); }

}  // namespace pelmora
