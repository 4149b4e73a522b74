// Saves one file over and over through the game's own functions, alternating between two
// contents, until it is killed: `pelmora_save_driver pxb|settings <path>`. After every save it
// writes one byte to its standard output, so that the test knows how long a save takes here and
// can kill it anywhere within one.
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "crash/SaveContents.h"
#include "shell/StartupSettings.h"

using namespace pelmora;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s pxb|settings <path>\n", argv[0]);
    return 2;
  }
  const std::string_view kind = argv[1];
  const std::string path = argv[2];
  const SettingsFile settings(path);
  for (long n = 0;; ++n) {
    const bool a = n % 2 == 0;
    const SaveResult failed = kind == "pxb" ? SavePXB(path, a ? testing::SavedListA() : testing::SavedListB())
                                            : WriteUserSettings(settings, a ? testing::SavedUserA() : testing::SavedUserB());
    if (failed) {
      std::fprintf(stderr, "save %ld of %s failed\n", n, path.c_str());
      return 1;
    }
    if (::write(STDOUT_FILENO, "s", 1) != 1) return 1;
  }
}
