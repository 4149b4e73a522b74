#include "platform/TextCodec.h"

#ifndef _WIN32
#include <iconv.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pelmora {

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    // Runs of ASCII, the bulk of a settings file, are passed eight bytes at a time.
    std::uint64_t eight;
    while (i + 8 <= s.size() && (std::memcpy(&eight, s.data() + i, 8), (eight & 0x8080808080808080u) == 0)) i += 8;
    if (i >= s.size()) break;
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len;
    std::uint32_t cp;
    if (c < 0x80) { ++i; continue; }
    if ((c >> 5) == 0x6) { len = 2; cp = c & 0x1F; }
    else if ((c >> 4) == 0xE) { len = 3; cp = c & 0x0F; }
    else if ((c >> 3) == 0x1E) { len = 4; cp = c & 0x07; }
    else return false;
    if (i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t >> 6) != 0x2) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
        (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
      return false;
    i += len;
  }
  return true;
}

#ifndef _WIN32  // Windows converts with its own code page 936 (TextCodecWin.cpp)

namespace {

// An iconv converter kept open: opening one costs far more than converting a name, and names
// are fitted to data.dat a character at a time.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Open()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // The converter back in its initial state, as a new one would be.
  iconv_t Fresh() const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

// One iconv conversion of a whole string; nothing when some input has no form in the
// converter's target.
std::optional<std::string> Convert(const Converter& converter, std::string_view in) {
  if (!converter.Open()) return std::nullopt;
  const iconv_t cd = converter.Fresh();
  std::string out;
  // A fixed piece at a time: a buffer sized for the whole input would be four times its size.
  std::vector<char> buffer(std::min<std::size_t>(in.size() * 4 + 16, 1 << 16));
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  if (!ok) return std::nullopt;
  return out;
}

// The system's GBK decoder asked once about every byte and every two-byte sequence. Decoding a
// big file by table look-ups is many times faster than through iconv, and gives the very same
// text, because the table holds iconv's own answers.
class GbkTable {
 public:
  GbkTable() : singles_(256), pairs_(256 * 256) {
    const iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;
    for (int b = 0; b < 256; ++b) {
      const char one[] = {static_cast<char>(b)};
      singles_[static_cast<std::size_t>(b)] = Ask(cd, {one, 1});
      if (singles_[static_cast<std::size_t>(b)].size != 0) continue;
      for (int t = 0; t < 256; ++t) {
        const char two[] = {static_cast<char>(b), static_cast<char>(t)};
        pairs_[static_cast<std::size_t>(b << 8 | t)] = Ask(cd, {two, 2});
      }
    }
    iconv_close(cd);
    ready_ = true;
  }

  // As iconv decodes it, except that a byte iconv refuses (a lone lead byte, a sequence GBK does
  // not have) becomes U+FFFD and decoding goes on with the next byte.
  std::optional<std::string> Decode(std::string_view gbk) const {
    if (!ready_) return std::nullopt;
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);  // Chinese text grows by half
    // Characters go to a small buffer by fixed four-byte copies and the buffer to `out` a piece
    // at a time: appending every character on its own costs more than the look-up.
    char piece[4096 + 4];
    std::size_t filled = 0;
    for (std::size_t i = 0; i < gbk.size();) {
      const auto b = static_cast<unsigned char>(gbk[i]);
      const Char* c = &singles_[b];
      std::size_t used = 1;
      if (c->size == 0 && i + 1 < gbk.size()) {
        c = &pairs_[static_cast<std::size_t>(b << 8 | static_cast<unsigned char>(gbk[i + 1]))];
        used = 2;
      }
      if (c->size == 0) {
        c = &replacement_;
        used = 1;
      }
      std::memcpy(piece + filled, c->utf8, 4);
      filled += c->size;
      i += used;
      if (filled >= 4096) {
        out.append(piece, filled);
        filled = 0;
      }
    }
    out.append(piece, filled);
    return out;
  }

 private:
  struct Char {
    char utf8[4] = {};
    std::uint8_t size = 0;  // 0: no character
  };

  // iconv's character for exactly the bytes of `in`, or none.
  static Char Ask(iconv_t cd, std::string_view in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char out[8];
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const auto size = static_cast<std::size_t>(outPtr - out);
    Char c;
    if (r == static_cast<std::size_t>(-1) || inLeft != 0 || size == 0 || size > sizeof c.utf8) return c;
    std::memcpy(c.utf8, out, size);
    c.size = static_cast<std::uint8_t>(size);
    return c;
  }

  const Char replacement_{{'\xEF', '\xBF', '\xBD'}, 3};  // U+FFFD
  std::vector<Char> singles_;
  std::vector<Char> pairs_;  // at lead * 256 + trail, for lead bytes that are no character alone
  bool ready_ = false;
};

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  static const GbkTable table;
  return table.Decode(gbk).value_or(std::string());
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  // One converter for each thread: an iconv converter holds state while it converts.
  thread_local const Converter converter("GBK", "UTF-8");
  return Convert(converter, utf8);
}

#endif

std::string DecodeSettingsText(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : GbkToUtf8(bytes);
}

bool IsSettingsText(std::string_view bytes) {
  if (bytes.find('\0') != std::string_view::npos) return false;
  // GBK has no U+FFFD of its own, so one in the decoded text marks bytes that are not GBK.
  return IsValidUtf8(bytes) || GbkToUtf8(bytes).find("\xEF\xBF\xBD") == std::string::npos;
}

}  // namespace pelmora
