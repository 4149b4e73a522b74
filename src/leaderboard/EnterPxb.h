#pragma once
// The new-record dialogue: when a finished game earns a place, offer it, ask for a name, store
// the row, save data.dat and show the leaderboard.

#include <cstdint>
#include <string>

#include "leaderboard/PxbStore.h"
#include "platform/Dialogs.h"

namespace pelmora {

// What the dialogue needs from the rest of the program. The Qt side implements it with the
// locale's date, data.dat in the game folder and the leaderboard window.
class LeaderboardHost {
 public:
  virtual ~LeaderboardHost() = default;
  // Today's date, date only, in the user's short date format (UTF-8).
  virtual std::string Today() = 0;
  // Adds the new row to data.dat as the file holds it now and makes `list` the table that results
  // (AddPXBEntry); why it could not be written, when it could not.
  [[nodiscard]] virtual SaveResult Store(const PXBEntry& entry, PXBList& list) = 0;
  // Shows the leaderboard window modally; returns when it has been closed.
  virtual void ShowLeaderboard(const PXBList& list) = 0;
};

// The longest name the prompt accepts, in characters.
constexpr int kMaxNameChars = 16;
// The name stored when the player gives none.
inline constexpr char kDefaultPlayerName[] = "Lumo用户";

// Runs the whole dialogue for a finished game's score. Returns at once (asking nothing) when the
// score is not positive or earns no place, and without changing anything when the player
// declines. Otherwise the new row, with today's date, the name (as FitPXBText stores it) and the
// score, is stored through the host, which places it into the table as data.dat holds it by now
// (another copy of the game may have added rows since), and the leaderboard is shown. When saving
// fails the player is told why first (SaveFailed); the leaderboard is still shown, so the new row
// is seen this run.
void EnterPXB(std::int32_t score, PXBList& list, Dialogs& dialogs, LeaderboardHost& host);

}  // namespace pelmora
