#pragma once
// The one catalogue of the game folder's files and folders. Names are written as the game has
// always written them: relative to the game folder, beginning with a backslash (folders also end
// with one), so that they join directly onto a folder and GamePath turns them into this system's
// path. Every reader and writer takes its names from here.

#include <string_view>

namespace pelmora::files {

// Folders of the game folder.
inline constexpr char kImages[] = "\\images\\";  // the fixed sprites and the splash picture
inline constexpr char kUi[] = "\\ui\\";          // the window's own pictures, the icon, the cursor
inline constexpr char kSound[] = "\\sound\\";    // the sound cues
inline constexpr char kMedia[] = "\\media\\";    // the music

// Files of the game folder.
inline constexpr char kSettings[] = "\\VornPGame.ini";
inline constexpr char kLeaderboard[] = "\\data.dat";
inline constexpr char kHelp[] = "\\Help.txt";
inline constexpr char kSplash[] = "\\images\\Long.JPG";
inline constexpr char kLeaderboardBack[] = "\\ui\\PxbBack.png";

// The picture sets the game ships, as the settings file stores their folders.
inline constexpr char kGemsSet[] = "\\pics\\gems\\";
inline constexpr char kGardenSet[] = "\\pics\\garden\\";
inline constexpr char kWinterSet[] = "\\pics\\winter\\";

// A picture set's snow: its settings, inside the set's folder.
inline constexpr char kSnowSettings[] = "Snow.ini";

}  // namespace pelmora::files

namespace pelmora::cue {

// The sound cues, named as files below the game folder.
inline constexpr std::string_view kGameStart = "\\sound\\gamstar.wav";
inline constexpr std::string_view kDown = "\\sound\\down.wav";
inline constexpr std::string_view kUp = "\\sound\\up.wav";
inline constexpr std::string_view kNoDown = "\\sound\\nodown.wav";
inline constexpr std::string_view kVanish = "\\sound\\xiao.wav";
inline constexpr std::string_view kGameOver = "\\sound\\gameover.wav";

}  // namespace pelmora::cue
