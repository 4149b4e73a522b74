#include "platform/qt/QtLanguage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pelmora {

namespace {

struct Installed {
  Language language = Language::Chinese;  // the source texts are Chinese: nothing installed
  QTranslator game;                       // the game's English catalogue
  QTranslator qt;                         // Qt's own Chinese words (the input box's buttons)
  std::string gameFolder;
};

Installed& installed() {
  static Installed state;
  return state;
}

void Swap(QTranslator& translator, bool wanted, const QString& file, const QString& folder) {
  QCoreApplication::removeTranslator(&translator);
  if (wanted && translator.load(file, folder)) QCoreApplication::installTranslator(&translator);
}

}  // namespace

Language DesktopLanguage() {
  const QStringList languages = QLocale::system().uiLanguages();
  return LanguageOfLocale(languages.isEmpty() ? std::string() : languages.front().toStdString());
}

void UseLanguage(Language language) {
  Installed& s = installed();
  s.language = language;
  Swap(s.game, language == Language::English, "pelmora_en", ":/i18n");
  Swap(s.qt, language == Language::Chinese, "qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // The application hears of the change by a posted event and passes it on to every window by
  // another: both are delivered now, so that everything speaks the language on return.
  for (int hop = 0; hop < 2; ++hop) QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language CurrentLanguage() { return installed().language; }

void SetLanguageFolder(const std::string& gameFolder) { installed().gameFolder = gameFolder; }

std::string LocalFile(const std::string& path) {
  const Installed& s = installed();
  if (s.gameFolder.empty()) return path;
  return FileForLanguage(s.gameFolder, path, s.language,
                         [](const std::string& twin) { return QFileInfo(QString::fromStdString(twin)).isFile(); });
}

QString LocalFile(const QString& path) { return QString::fromStdString(LocalFile(path.toStdString())); }

QString Words(const Text& text) {
  const QString words = QCoreApplication::translate(kTextContext, text.Words.c_str());
  return QString::fromStdString(FillPlaces(words.toStdString(), text.Fill));
}

}  // namespace pelmora
