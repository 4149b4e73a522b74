#include "platform/qt/QtDesktop.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/QtLanguage.h"

namespace pelmora {

void QtShellOpener::Open(const std::string& pathOrUrl) {
  const QString text = QString::fromStdString(pathOrUrl);
  const QUrl url = text.contains("://") ? QUrl(text) : QUrl::fromLocalFile(LocalFile(text));
  QDesktopServices::openUrl(url);  // the result is not examined: with no program, nothing happens
}

}  // namespace pelmora
