#pragma once
// What every fuzz target shares: a loud stop when an oracle fails, a private folder for the
// files the game's functions read and write, and a quiet stand-in for the message boxes.

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Dialogs.h"

namespace pelmora::fuzz {

// Stops the run with the oracle's complaint on stderr; libFuzzer then keeps the input.
[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "\n==== ORACLE FAILURE: %s\n", what.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

// Stops the run when `holds` is false; `what` is only worked out then, so that a check inside
// a loop costs no more than its condition.
#define FUZZ_CHECK(holds, what)                \
  do {                                         \
    if (!(holds)) ::pelmora::fuzz::Fail(what); \
  } while (false)

// The text as a C string literal, so that a complaint shows control and non-ASCII bytes.
inline std::string Quoted(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\') {
      out += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out + "\"";
}

// A folder of this process's own, made at the first call and removed when the process ends
// normally. Shared memory when the system has it: the savers sync every file they write.
class Scratch {
 public:
  static const Scratch& Get() {
    static const Scratch scratch;
    return scratch;
  }
  std::string File(const std::string& name) const { return (folder_ / name).string(); }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  Scratch() {
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    const std::filesystem::path base =
        std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
    std::string pattern = (base / "pelmora-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) Fail("cannot make a scratch folder under " + base.string());
    folder_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path folder_;
};

inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) Fail("cannot write " + path);
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// Whether a file named "<path's name>.….tmp" lies beside `path`: a temporary file of its saves
// (the lock file beside data.dat is no leftover).
inline bool TempFileBeside(const std::string& path) {
  const std::filesystem::path file(path);
  const std::string prefix = file.filename().string() + ".";
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(prefix) && name.ends_with(".tmp")) return true;
  }
  return false;
}

// The message boxes of the settings reader, answered as a player who gives up at once: Abort to
// "key not found", OK to "file error". Counts them, and stops the run at any other box, or at an
// input box, which no reader of a file may show.
class QuietDialogs final : public Dialogs {
 public:
  int fileErrors = 0;
  int keysMissing = 0;
  int Boxes() const { return fileErrors + keysMissing; }

  Answer Message(const Text& said, const Text& titled, Buttons buttons, Icon icon) override {
    const std::string text = Filled(said);
    const std::string caption = Filled(titled);
    if (text == "在文件中没有找到所要查找的字段" && caption == "错误信息" && buttons == Buttons::AbortRetryIgnore &&
        icon == Icon::None) {
      ++keysMissing;
      return Answer::Abort;
    }
    if (text == "文件出错" && buttons == Buttons::Ok && icon == Icon::None) {
      ++fileErrors;
      return Answer::Ok;
    }
    Fail("unexpected message box " + Quoted(caption) + ": " + Quoted(text));
  }
  std::optional<std::string> Input(const Text& prompt, const Text&, const std::string&, int) override {
    Fail("unexpected input box " + Quoted(Filled(prompt)));
  }
  void SaveFailed(StoredFile, const SaveError& why) override { Fail("unexpected save failure " + Quoted(why.Path)); }
};

// FNV-1a: one number from the input, to derive what the input does not spell out.
inline std::uint64_t Hash(const std::uint8_t* data, std::size_t size) {
  std::uint64_t h = 14695981039346656037ull;
  for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
  return h;
}

}  // namespace pelmora::fuzz
