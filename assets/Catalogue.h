#pragma once
// Every file of the game folder that the generator writes, by folder.

#include "Output.h"

namespace pelmora::assets {

void WriteFixedPictures(Output& out);   // images/: the 23 sprite pictures and Long.JPG
void WritePictureSets(Output& out);     // pics/gems/, pics/garden/, pics/winter/ (with snow)
void WriteWindowPictures(Output& out);  // ui/: window, buttons, slider, score, icons, cursor, leaderboard, pause
void WriteSounds(Output& out);          // sound/: the six cues
void WriteMusic(Output& out);           // media/: the background tracks
// Help.txt and VornPGame.ini; with keepSettings an existing VornPGame.ini is left alone.
void WriteTexts(Output& out, bool keepSettings);

}  // namespace pelmora::assets
