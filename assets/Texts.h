#pragma once
// The shipped text files: the help text and the settings file.

#include <QByteArray>

namespace pelmora::assets {

// "Help.txt": how to play, Chinese first, then English; UTF-8, CR LF line ends.
QByteArray HelpText();
// "en/Help.txt": the same help for the English game, naming what its screen shows; UTF-8, CR LF.
QByteArray EnglishHelpText();
// "VornPGame.ini" as shipped: GBK, CR LF line ends, no blank lines. Every key is present,
// because the game's reader has no defaults. Empty when the GBK encoder is not available.
QByteArray ShippedSettings();

}  // namespace pelmora::assets
