#pragma once
// The edge between the game's paths and the system. Inside the game every path is a UTF-8
// string; Windows reads a narrow path in the ANSI code page, so a Chinese user or file name
// would fail there. These turn the UTF-8 string into the system's own form just before use.

#include <cstdio>
#include <filesystem>
#include <string>

namespace pelmora {

// The path of the UTF-8 string `path` (wide on Windows, the same bytes elsewhere).
std::filesystem::path FsPath(const std::string& path);

// A path back as a UTF-8 string, with "/" between its parts (as NativePath writes them).
std::string Utf8Path(const std::filesystem::path& path);

// open() of the UTF-8 `path` with `flags`, in binary mode and not inherited by child processes;
// a file it creates gets mode 0666 less the umask (on Windows: a writable file).
int OpenFile(const std::string& path, int flags);

// fopen() of the UTF-8 `path`; `mode` must ask for binary ("rb").
std::FILE* OpenStdFile(const std::string& path, const char* mode);

}  // namespace pelmora
