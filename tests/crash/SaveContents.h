#pragma once
// The two contents the save driver alternates between, shared by the driver and the test that
// kills it. They differ in every value and in length, so that a file mixing them or cut short
// matches neither.

#include "game/GameState.h"
#include "leaderboard/PxbStore.h"

namespace pelmora::testing {

inline PXBList SavedListA() {
  PXBList list{};
  list[0] = {"张三", 412, "2026/1/2"};
  list[1] = {"Li", 97, "2026/1/3"};
  return list;
}

inline PXBList SavedListB() {
  PXBList list{};
  for (int k = 0; k < 10; ++k)
    list[static_cast<std::size_t>(k)] = {"冬雪玩家" + std::to_string(k), 90000 - k * 1000, "2026/12/31"};
  return list;
}

inline UserSettings SavedUserA() { return {kTrue, 5, kFalse, 0, 1, 1}; }
inline UserSettings SavedUserB() { return {kFalse, 100, kTrue, 80, 4, 3}; }

// The settings file before the first save: every key the writer replaces, a picture-set list,
// and Chinese text in GBK, as the game ships it.
inline constexpr char kSettingsBeforeGbk[] =
    "[UserSet]\r\nMediaON=True\r\nMediaMax=60\r\nSoundON=True\r\nSoundMax=80\r\nGameMode=1\r\nGameMain=1\r\n"
    "[GameMenu]\r\nMenu=3\r\nMenuName1=\xB1\xA6\xCA\xAF\r\nMenuPath1=\\pics\\gems\\\r\n"
    "MenuName2=\xBB\xA8\xD4\xB0\r\nMenuPath2=\\pics\\garden\\\r\nMenuName3=\xB6\xAC\xD1\xA9\r\n"
    "MenuPath3=\\pics\\winter\\\r\n";

}  // namespace pelmora::testing
