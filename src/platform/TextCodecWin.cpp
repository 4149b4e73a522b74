// GBK on Windows: the system's code page 936, which agrees with GBK on every character outside
// the user-defined areas, so data.dat and the settings files read and write the same bytes as
// on Linux.
#include <windows.h>

#include "platform/TextCodec.h"

namespace pelmora {

namespace {

constexpr UINT kGbk = 936;
constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// The UTF-16 text of `bytes` in `codePage`; nothing when some bytes are no character there.
std::optional<std::wstring> Widen(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int n = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), n);
  return wide;
}

// `wide` in `codePage`; nothing when some character has no form there.
std::optional<std::string> Narrow(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  // UTF-8 takes no "default character" flag; code page 936 reports one it had to use.
  BOOL usedDefault = FALSE;
  BOOL* asked = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int n = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, asked);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), n, nullptr, asked);
  return out;
}

// The UTF-8 of exactly these GBK bytes, or nothing.
std::optional<std::string> DecodeExactly(std::string_view gbk) {
  const auto wide = Widen(kGbk, gbk);
  return wide ? Narrow(CP_UTF8, *wide) : std::nullopt;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  if (auto whole = DecodeExactly(gbk)) return *whole;
  // Damaged text: character by character, a byte that starts none becoming U+FFFD.
  std::string out;
  for (std::size_t i = 0; i < gbk.size();) {
    std::optional<std::string> c;
    std::size_t used = 1;
    for (; used <= 2 && i + used <= gbk.size() && !c; ++used) c = DecodeExactly(gbk.substr(i, used));
    if (c) {
      out += *c;
      i += used - 1;
    } else {
      out += kReplacement;
      i += 1;
    }
  }
  return out;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  const auto wide = Widen(CP_UTF8, utf8);
  return wide ? Narrow(kGbk, *wide) : std::nullopt;
}

}  // namespace pelmora
