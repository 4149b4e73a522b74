// Saves one file over and over through the game's own functions, alternating between two
// contents, until it is killed: `pelmora_save_driver pxb|settings <path>`. Once the first save is
// complete it writes one byte to its standard output, so that a kill always lands in the loop.
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
    const bool saved = kind == "pxb" ? SavePXB(path, a ? testing::SavedListA() : testing::SavedListB())
                                     : WriteUserSettings(settings, a ? testing::SavedUserA() : testing::SavedUserB());
    if (!saved) {
      std::fprintf(stderr, "save %ld of %s failed\n", n, path.c_str());
      return 1;
    }
    if (n == 0 && ::write(STDOUT_FILENO, "r", 1) != 1) return 1;
  }
}
