#pragma once
// The sectioned settings files: the player's "VornPGame.ini" and a picture set's "Snow.ini".
// Lines are `name=value`, section headers `[name]`, lines end in CR LF; there are no comments,
// quotes or escapes. The reader and the writer follow the game's historic rules, quirks included,
// because shipped and user-edited files were written against them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/AtomicSave.h"
#include "platform/Dialogs.h"

namespace pelmora {

// The value text of `key` in `section`: everything after the key's first "=" up to the end of its
// line (CR LF or a lone LF), untrimmed, as UTF-8. The file is decoded first (UTF-8 when valid,
// otherwise GBK) and searched character by character from its start:
//  - section search: every "[" starts a name read up to "]"; the first exact match ends it and
//    the next two characters (the header's CR LF; a lone LF counts as the whole line end) are
//    skipped. Without a match the key search runs at the end of the file and fails there.
//  - key search: names are read up to "=" and compared exactly; it does not stop at the end of
//    the section, and a line without "=" (a header, a blank line) merges into the name after it.
// Failures are told through `dialogs` and return "":
//  - file cannot be read, or the matching header is not followed by two characters:
//    "文件出错" (the file its filling), OK, no icon, caption kAppTitle.
//  - key not found: "在文件中没有找到所要查找的字段" (the key and the file its fillings), caption
//    "错误信息", Abort/Retry/Ignore, no
//    icon. Retry and Ignore repeat the failing read, which fails again, so the box returns until
//    the player picks Abort; any other answer (a box closed some other way) counts as Abort.
std::string GetIniValue(const std::string& path, std::string_view section, std::string_view key,
                        Dialogs& dialogs);

// Replaces the line of `key` in `section` with `key=valueText`, or appends that line at the very
// end of the file when the section has none. A header is any line whose space-trimmed text holds
// "[" and the section name as substrings; after it, the first line whose trimmed text holds the key
// name as a substring is the key's line (so "UserSet2" counts as "UserSet", and a value containing
// the key name counts as the key). No matching header: "[section]" and the key line are appended
// at the end of the file, so that the value is stored where the reader finds it. Every line is
// written back ending in CR LF; lines not replaced keep their bytes. `valueText` is UTF-8 and is
// stored in the file's own encoding (GBK when the file is not valid UTF-8). A GBK file that the
// rewrite would turn into valid UTF-8 while it holds other non-ASCII text gets one more line,
// "TextEncoding=简体中文(GBK)" in GBK, at its end, so that every other line still reads as GBK.
//
// The new text replaces the file with SaveFileAtomically, so a crash or a full disk never leaves
// a half-written settings file. Fails, with `path` untouched and no temporary file left, when
// `path` cannot be read (a missing file is not created: Unreadable), when it is no text the
// reader can read (IsSettingsText: a file in UTF-16, say; NotText), which stays as it is, when
// the key line has no GBK form for a GBK file (NotEncodable), or when SaveFileAtomically refuses
// or fails (a read-only file or folder, a link to nothing, a write error). Shows nothing: the
// caller decides what to
// tell the player.
[[nodiscard]] SaveResult SetIniValue(const std::string& path, std::string_view section, std::string_view key,
                                     std::string_view valueText);

struct IniSetting {
  std::string Key;
  std::string Value;  // UTF-8 value text
};

// The same edits as one SetIniValue per setting, in their order, made in memory and stored with
// a single replacement: the file is afterwards wholly old or wholly new, never half of each.
// Fails, with the file untouched, when any edit or the replacement fails.
[[nodiscard]] SaveResult SetIniValues(const std::string& path, std::string_view section,
                                      std::span<const IniSetting> settings);

// The stored forms of values: booleans as "True"/"False", integers in decimal.
std::string IniText(bool value);
std::string IniText(std::int16_t value);
// A boolean held the game's way (-1 true, 0 false; any non-zero counts as true).
std::string IniBoolText(std::int16_t value);

// A boolean value text: True/False in any letter case, or a whole decimal number (0 false, any
// other true), surrounding spaces and tabs allowed. Gives -1 or 0; nothing for any other text.
std::optional<std::int16_t> ParseIniBool(std::string_view text);

// A whole decimal number within 16 bits (optional sign), surrounding spaces and tabs allowed;
// nothing for any other text or a number out of range.
std::optional<std::int16_t> ParseIniInt(std::string_view text);

}  // namespace pelmora
