#pragma once
// Every file of the game folder that the generator writes, by folder.

#include "Output.h"

namespace pelmora::assets {

// The pictures at a scale: 1, or 2 for the "@2x" pictures beside them (twice the size, drawn
// with twice the detail, for screens with twice the pixels). Every picture with words has an
// English twin of the same name, size and layout in the folder "en/".
void WriteFixedPictures(Output& out, int scale);   // images/: the 23 sprite pictures and Long.JPG
void WritePictureSets(Output& out, int scale);     // pics/gems/, pics/garden/, pics/winter/ (with snow)
void WriteWindowPictures(Output& out, int scale);  // ui/: window, buttons, slider, score, cursor, leaderboard, pause, game over
void WriteIcons(Output& out);                      // ui/: the icon, in several sizes of its own
void WriteSounds(Output& out);                     // sound/: the six cues
void WriteMusic(Output& out);                      // media/: the background tracks
// Help.txt and en/Help.txt, Snow.ini and VornPGame.ini; with keepSettings an existing VornPGame.ini is left alone.
void WriteTexts(Output& out, bool keepSettings);

}  // namespace pelmora::assets
