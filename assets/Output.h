#pragma once
// The game folder being written. Every file goes through here, so that a failed write stops
// the generator (and with it the build) instead of leaving a half-filled game folder, and so
// that every picture is remembered for the contact sheet.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace pelmora::assets {

struct NamedPicture {
  QString name;  // relative path, e.g. "images/RStar.JPG"
  QImage image;
};

class Output {
 public:
  explicit Output(QString root);

  // JPEG at quality 100: masks must survive the AND/OR drawing without a visible fringe.
  void Jpeg(const QString& relative, const QImage& image);
  void Png(const QString& relative, const QImage& image);
  void Bytes(const QString& relative, const QByteArray& data);

  bool Exists(const QString& relative) const;
  // Records a failure of the caller's own (the first one is kept).
  void Fail(const QString& what);
  // False once any write has failed; the first failure is in Error().
  bool Ok() const { return error_.isEmpty(); }
  const QString& Error() const { return error_; }
  const std::vector<NamedPicture>& Pictures() const { return pictures_; }

 private:
  QString PathOf(const QString& relative) const;
  bool PrepareFolder(const QString& path);

  QString root_;
  QString error_;
  std::vector<NamedPicture> pictures_;
};

}  // namespace pelmora::assets
