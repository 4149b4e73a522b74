#pragma once
// Drawing helpers shared by every picture: canvases, colours, fonts, and the split of a
// drawing with alpha into the game's sheet + mask pair.
//
// The game draws a sprite as "mask AND, then sheet OR": in the mask white is transparent and
// black is figure; in the sheet everything outside the figure must be black. We draw each
// figure once with antialiasing on a transparent canvas and split it: a pixel at least half
// covered belongs to the figure. Its sheet colour is the premultiplied colour, i.e. the edge
// blends towards black, which reads as a soft dark rim against any background.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <initializer_list>
#include <utility>

#include "Dice.h"

namespace pelmora::assets {

struct SpritePair {
  QImage sheet;  // RGB32, black outside the figure
  QImage mask;   // Grayscale8, 0 on the figure, 255 elsewhere
};

// Every picture is drawn for a scale: 1 for ordinary screens, 2 for the "@2x" pictures of
// screens with twice the pixels. A canvas of w x h game pixels at scale s has s * w x s * h
// pixels and the device pixel ratio s, so a painter on it still draws in game pixels: the
// same drawing, with s times the detail.

// A transparent ARGB32_Premultiplied canvas.
QImage Canvas(int w, int h, int scale = 1);
// An opaque RGB32 canvas filled with one colour.
QImage Opaque(int w, int h, QColor fill, int scale = 1);

SpritePair Split(const QImage& art);

// A painter with antialiasing for shapes and text.
void Smooth(QPainter& p);

QColor Mix(QColor a, QColor b, double t);  // t = 0 gives a, 1 gives b
QColor Darker(QColor c, double amount);     // towards black by amount 0..1
QColor Lighter(QColor c, double amount);    // towards white by amount 0..1
QColor WithAlpha(QColor c, int alpha);

// Every picture with words is drawn once per language: Chinese, the game's own, into the
// game folder, and its English twin under the same name in "en/".
enum class Language { Chinese, English };

// The words of a picture in its language (both given as UTF-8).
QString Say(Language language, const char* chinese, const char* english);

// The CJK font of every Chinese text in the art ("WenQuanYi Micro Hei"), sized in pixels.
QFont UiFont(double pixels, int weight = QFont::Bold);
// The font of a language's texts: UiFont for Chinese, the Latin font "Lato" for English
// (its real Bold and Black cuts; the CJK font's Latin letters are thin beside them).
QFont TextFont(Language language, double pixels, int weight = QFont::Bold);
// The missing fonts' Debian packages, empty when both fonts are there: without them the
// texts would come out as boxes or in some other font.
QString MissingFonts();
// TextFont at the given size, or smaller if needed for the widest line of text to be at most
// maxWidth wide: English words are longer than Chinese ones and must still fit their place.
QFont FittedFont(Language language, const QString& text, double pixels, int weight, double maxWidth);

// Text as a path, centred on (cx, cy) by its visual bounds: paths can be outlined, filled
// with gradients and given shadows, which plain drawText cannot do. Lines joined by '\n' are
// each centred, 1.2 times the font size apart.
QPainterPath TextPath(const QString& text, const QFont& font, double cx, double cy);

// Fills a path with a bold outline behind it (the outline is stroked first, twice as wide,
// so the fill keeps its full size).
void OutlinedFill(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline, double width);

// A soft round glow: a radial gradient from colour to transparent.
void Glow(QPainter& p, QPointF centre, double radius, QColor colour);

// Fills r with a top-to-bottom gradient through the given stops (position 0..1, colour).
void VerticalGradient(QPainter& p, const QRectF& r, std::initializer_list<std::pair<double, QColor>> stops);

// The cream card with a shadow and a copper rim that the window's panel and the pause are set on.
void CreamPanel(QPainter& p, const QRectF& panel, double radius);

// Scatters count dots (or sparkles) of radius rMin..rMax over area, their alpha varied.
void Scatter(QPainter& p, Dice& dice, int count, QRectF area, double rMin, double rMax, QColor colour, bool sparkles);

// A four-pointed sparkle, the little shine of gems, snow and titles.
void Sparkle(QPainter& p, QPointF centre, double radius, QColor colour);

}  // namespace pelmora::assets
