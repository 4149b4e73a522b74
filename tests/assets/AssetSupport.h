#pragma once
// Helpers of the generated-asset tests: where the game folder is, loading its pictures, and
// the checks of the masking convention.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>

#include "platform/Surface.h"

namespace pelmora::testing {

// The built game folder (the generator ran into it as part of the build).
QString GameDir();
QString GamePathOf(const QString& relative);
QImage LoadGamePicture(const QString& relative);
QByteArray ReadGameFile(const QString& relative);

// A picture as the game holds it: 0x00RRGGBB pixels.
Surface LoadSurface(const QString& relative);

// The largest distance of any channel of any pixel from pure black or pure white.
int MaskNoise(const QImage& mask);
// The largest channel value of the sheet where the mask is white (a mask pixel counts as white
// when the sum of its channels is at least 3 * 128, as the game decides).
int BrightestOutsideFigure(const QImage& sheet, const QImage& mask);
// How many pixels of the mask are figure (black), within the rectangle.
int FigurePixels(const QImage& mask, const QRect& area);

// Mean of the largest channel difference over a rectangle of two pictures.
double MeanDifference(const QImage& a, const QImage& b, const QRect& r);

double Luminance(QRgb c);  // relative luminance 0..1 (sRGB)
double Contrast(QRgb a, QRgb b);  // WCAG contrast ratio 1..21

}  // namespace pelmora::testing
