#include "platform/qt/QtDesktop.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "platform/TextCodec.h"

#include "platform/qt/QtLanguage.h"

namespace pelmora {

namespace {

constexpr int kReadingFontPixels = 14;

// A window of the game's own over `owner`, in the owner's font: modal like the game's other
// dialogues, so that the frames wait while it is open, and gone when it is closed.
QDialog* OwnWindow(QWidget* owner, const QString& title) {
  auto* window = new QDialog(owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowModality(Qt::ApplicationModal);
  window->setWindowTitle(title);
  if (owner != nullptr) {
    QFont font = owner->font();
    font.setPixelSize(kReadingFontPixels);
    window->setFont(font);
  }
  new QVBoxLayout(window);
  return window;
}

void AddCloseButton(QDialog* window, QDialogButtonBox::StandardButton button) {
  auto* buttons = new QDialogButtonBox(button, window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, window, &QDialog::accept);
  window->layout()->addWidget(buttons);
}

// A text file of the game, UTF-8 or (from an older copy) GBK.
QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromStdString(DecodeSettingsText(file.readAll().toStdString())).replace("\r\n", "\n");
}

}  // namespace

// xdg-open tells by its exit status whether a program took the file; Qt's own opening only
// says that xdg-open started. Without xdg-open (another system, or none installed) Qt's answer
// is the desktop's.
void QtShellOpener::LaunchWithDesktop(const QUrl& url, std::function<void(bool)> done) {
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (xdgOpen.isEmpty()) {
    done(QDesktopServices::openUrl(url));
    return;
  }
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process, [process, done](int code, QProcess::ExitStatus status) {
    done(status == QProcess::NormalExit && code == 0);
    process->deleteLater();
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [process, done](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;  // the others end in finished()
    done(false);
    process->deleteLater();
  });
  process->start(xdgOpen, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
}

void QtShellOpener::Open(const std::string& pathOrUrl) {
  const QString text = QString::fromStdString(pathOrUrl);
  const QUrl url = text.contains("://") ? QUrl(text) : QUrl::fromLocalFile(LocalFile(text));
  launch_(url, [this, url](bool opened) {
    if (!opened) ShowInstead(url);
  });
}

void QtShellOpener::ShowInstead(const QUrl& url) {
  if (url.isLocalFile()) {
    QDialog* window = OwnWindow(owner_, tr("游戏帮助"));
    auto* text = new QPlainTextEdit(ReadText(url.toLocalFile()), window);
    text->setReadOnly(true);
    window->layout()->addWidget(text);
    AddCloseButton(window, QDialogButtonBox::Close);
    window->resize(600, 480);
    window->show();
    return;
  }
  QDialog* window = OwnWindow(owner_, tr("最新游戏资讯"));
  window->layout()->addWidget(new QLabel(tr("没有找到能打开网页的程序。请复制下面的网址，在浏览器中打开："), window));
  auto* address = new QLineEdit(url.toString(), window);
  address->setReadOnly(true);
  address->selectAll();
  window->layout()->addWidget(address);
  AddCloseButton(window, QDialogButtonBox::Ok);
  window->show();
}

}  // namespace pelmora
