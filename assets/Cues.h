#pragma once
// The six sound cues of "sound/": short, soft-edged (faded in and out, so no clicks) and
// peaking at about -6 dBFS, 44100 Hz mono 16-bit.

#include <QByteArray>

namespace pelmora::assets {

constexpr int kCueRate = 44100;
constexpr double kCuePeak = 0.5;  // -6 dBFS

QByteArray GameStartCue();  // gamstar.wav: a bright rising arpeggio
QByteArray GrabCue();       // down.wav: a soft pull, played for every piece reaching the hand
QByteArray ThrowCue();      // up.wav: a lift, played for every thrown piece coming to rest
QByteArray RefusedCue();    // nodown.wav: a dull double knock
QByteArray VanishCue();     // xiao.wav: a short sparkle, restarted for every vanishing piece
QByteArray GameOverCue();   // gameover.wav: a gentle falling phrase

}  // namespace pelmora::assets
