#pragma once
// Where everything sits, in pixels at scale 1: the play field's cells, the player and the pieces
// in his hand, the aim guide, the score digits and the main window's controls. This is the one
// home of these numbers; the rules, the drawing, the window, the asset generator and the tests
// all take them from here.
//
// Drawing for a screen with twice the pixels (device scale 2) multiplies every number here by
// the scale and uses pictures drawn at twice the size; at scale 1 nothing changes.

#include <cstdint>

namespace pelmora::layout {

// A rectangle: top-left corner and size.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  constexpr int right() const { return x + w; }   // one past the last column
  constexpr int bottom() const { return y + h; }  // one past the last row
  constexpr Rect Scaled(int scale) const { return {x * scale, y * scale, w * scale, h * scale}; }
  constexpr bool operator==(const Rect&) const = default;
};

// The scale the game draws at on a screen with `devicePixelRatio` screen pixels to one pixel of
// this geometry: 1, or 2 for any ratio above 1. At 1.5 the 2x picture is shrunk smoothly when
// shown, which keeps more detail than the 1x picture magnified.
constexpr int DeviceScale(double devicePixelRatio) { return devicePixelRatio > 1.0 ? 2 : 1; }

// ---- The play field: the drawing area inside the field box's one-pixel border -------------------

constexpr int kCell = 36;           // the square of one piece
constexpr int kFieldOrigin = 8;     // x of column 0 and y of row 0
constexpr int kFieldWidth = 376;
constexpr int kFieldHeight = 480;
constexpr int kRaise = 2;           // the column under the player is drawn this much higher
constexpr int kShownRows = 12;      // rows 0..11 are drawn; the launch rows below never are

constexpr int CellX(int column) { return kFieldOrigin + kCell * column; }
constexpr int CellY(int row) { return kFieldOrigin + kCell * row; }

// The column under a pointer at x on the field: Int((x - 8) / 36), kept within 0..9. Any x that is
// not a number, or too large for the game's 16-bit arithmetic, gives column 0.
std::int16_t PointerColumn(double x);

// The piece sheet of a picture set: one column of cells, kind k (1..8) at y (k - 1) * kCell.
constexpr int PieceSheetY(int kind) { return (kind - 1) * kCell; }

// ---- The player ----------------------------------------------------------------------------------

constexpr int kPlayerSize = 72;     // one frame of the figure, and the arms pictures
constexpr int kPlayerFrames = 4;    // frames side by side in a strip
constexpr int kPlayerTop = CellY(11);  // 404: he stands in the limit row
// The figure reaches 16 px left and 20 px right of its column's cell.
constexpr int PlayerLeft(int column) { return kCell * column - 8; }

// The pieces in his hand, from the left edge of the column's 36-px span (kCell * column): one
// piece centred, two side by side, a third on top of those two.
constexpr int kHandPieceY = 430;
constexpr int kHandTopPieceY = 420;
constexpr int kHandCentreX = 10;
constexpr int kHandSecondX = 20;

// ---- The aim guide -------------------------------------------------------------------------------

constexpr int kDashHeight = 8;      // one dash is kCell x 8
constexpr int kDashPeriod = 18;     // two dashes per row, 18 px apart
constexpr int kDashOffset[2] = {8, 17};  // first dash of a row in phase 1 and in phase 2

// ---- Score digits and the snow strip -------------------------------------------------------------

constexpr int kDigitWidth = 15;
constexpr int kDigitHeight = 25;
constexpr int kScoreDigits = 8;
constexpr int kSnowStoreWidth = 152;  // the flake strip's picture store
constexpr int kSnowStoreHeight = 27;

// ---- The main window's client area ---------------------------------------------------------------

constexpr int kClientWidth = 651;
constexpr int kClientHeight = 551;

constexpr Rect kFieldBox{35, 24, kFieldWidth + 2, kFieldHeight + 2};  // with its 1-px border
constexpr int kFieldBorder = 1;
constexpr Rect kLevelCaption{504, 48, 53, 20};
constexpr Rect kScoreBox{473, 75, 122, 27};
constexpr Rect kNewGameButton{456, 128, 159, 47};
constexpr Rect kExitButton{456, 187, 159, 47};
constexpr Rect kMenuButton{456, 304, 159, 47};
constexpr int kMenuPopUpOffsetX = 40;  // the game menu opens below its button, this far in
constexpr Rect kModeCaption{464, 392, 17, 73};
constexpr Rect kModeSlider{488, 384, 39, 90};
constexpr int kModeLabelX = 536;
constexpr int kModeLabelTop = 384;
constexpr int kModeLabelPitch = 24;
constexpr Rect kMusicSwitch{472, 480, 49, 17};
constexpr Rect kSoundSwitch{552, 480, 49, 17};

// The game cursor: 32 x 32 with its hot spot here.
constexpr int kCursorSize = 32;
constexpr int kCursorHotX = 5;
constexpr int kCursorHotY = 0;

// ---- The leaderboard window and the splash ------------------------------------------------------

constexpr int kBoardWidth = 360;
constexpr int kBoardHeight = 288;
constexpr int kBoardFirstRowY = 72;
constexpr int kBoardRowPitch = 16;
constexpr int kBoardColumnX[4] = {24, 64, 152, 248};  // place, name, score, date
constexpr int kBoardFontPixels = 12;  // one line of text within the row pitch
// A name may fill its 16 bytes with 16 wide letters or 8 Chinese characters, wider than the 88
// pixels up to the score. It ends, cut with an ellipsis, the same 4 pixels before the score
// column that the places leave before the names.
constexpr int kBoardNameWidth = kBoardColumnX[2] - kBoardColumnX[1] - 4;
constexpr Rect kBoardCloseButton{64, 256, 209, 25};
constexpr int kSplashWidth = 279;
constexpr int kSplashHeight = 278;

}  // namespace pelmora::layout
