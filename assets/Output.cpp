#include "Output.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace pelmora::assets {

Output::Output(QString root) : root_(std::move(root)) {}

QString Output::PathOf(const QString& relative) const { return QDir(root_).filePath(relative); }

bool Output::PrepareFolder(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  if (QDir().mkpath(folder)) return true;
  Fail("cannot create folder " + folder);
  return false;
}

void Output::Fail(const QString& what) {
  if (error_.isEmpty()) error_ = what;
}

void Output::Jpeg(const QString& relative, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // Opaque RGB for pictures, one grey channel for pure masks: the grey JPEG has no colour
  // planes to bleed, so a mask stays black and white.
  const bool grey = image.format() == QImage::Format_Grayscale8;
  const QImage flat = grey ? image : image.convertToFormat(QImage::Format_RGB32);
  if (!flat.save(&buffer, "JPG", 100)) {
    Fail("cannot encode " + relative);
    return;
  }
  Bytes(relative, bytes);
  // The contact sheet shows what the game will load: the decoded file, noise and all.
  pictures_.push_back({relative, QImage::fromData(bytes, "JPG")});
}

void Output::Png(const QString& relative, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    Fail("cannot encode " + relative);
    return;
  }
  Bytes(relative, bytes);
  pictures_.push_back({relative, image});
}

void Output::Bytes(const QString& relative, const QByteArray& data) {
  const QString path = PathOf(relative);
  if (!PrepareFolder(path)) return;
  // QSaveFile replaces the file whole: a build interrupted mid-write leaves the old file.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
    Fail("cannot write " + path);
}

bool Output::Exists(const QString& relative) const { return QFileInfo::exists(PathOf(relative)); }

}  // namespace pelmora::assets
