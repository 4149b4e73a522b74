#include <cstdint>
#include <random>

#include "platform/AtomicSaveParts.h"
#include "platform/NativeFile.h"

namespace pelmora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRandomDigits = 16;
constexpr std::string_view kTempEnding = ".tmp";

bool IsTempNameOf(const std::string& fileName, const std::string& candidate) {
  if (candidate.size() != fileName.size() + 1 + kRandomDigits + kTempEnding.size()) return false;
  if (!candidate.starts_with(fileName + ".") || !candidate.ends_with(kTempEnding)) return false;
  const std::string_view digits = std::string_view(candidate).substr(fileName.size() + 1, kRandomDigits);
  return digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace

namespace atomic_save {

std::variant<fs::path, SaveError> SaveTarget(const std::string& path) {
  const fs::path p = FsPath(path);
  std::error_code ec;
  if (!fs::is_symlink(p, ec)) return p;
  fs::path target = fs::canonical(p, ec);
  if (!ec) return target;
  const fs::path pointsTo = (p.parent_path() / fs::read_symlink(p, ec)).lexically_normal();
  return SaveError{SaveProblem::DanglingLink, Utf8Path(pointsTo)};
}

fs::path NewTempPath(const fs::path& file) {
  // Seeded once per thread from the system; the names only need to differ, not to be secret.
  thread_local std::mt19937_64 random{std::random_device{}()};
  static constexpr char kHex[] = "0123456789abcdef";
  std::string digits(kRandomDigits, '0');
  std::uint64_t bits = random();
  for (char& d : digits) {
    d = kHex[bits & 0xF];
    bits >>= 4;
  }
  return FolderOf(file) / FsPath(Utf8Path(file.filename()) + "." + digits + std::string(kTempEnding));
}

fs::path FolderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

}  // namespace atomic_save

void RemoveLeftoverTempFiles(const std::string& path) {
  const auto target = atomic_save::SaveTarget(path);
  const fs::path* file = std::get_if<fs::path>(&target);
  if (file == nullptr) return;
  const std::string name = Utf8Path(file->filename());
  std::error_code ec;
  for (fs::directory_iterator it(atomic_save::FolderOf(*file), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code entryError;
    if (IsTempNameOf(name, Utf8Path(it->path().filename())) && it->is_regular_file(entryError) &&
        !it->is_symlink(entryError))
      fs::remove(it->path(), entryError);
  }
}

}  // namespace pelmora
