#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>

#include "widgets/Fonts.h"
#include "app/fSongloomMain.h"
#include "browser/LibraryFolders.h"
#include "tracks/AutosavePath.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Songloom"));
  LoadApplicationFonts();
  const std::string autosave = ChooseAutosavePath(
      QApplication::applicationFilePath().toStdString(),
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  // The library folders are kept in the per-user data folder, where the autosave falls back to.
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const std::string libraryFolders =
      dataFolder.isEmpty()
          ? std::string()
          : (dataFolder + QLatin1Char('/') + QLatin1String(kLibraryFoldersFileName)).toStdString();
  TfrmSongloomMain window(autosave, {}, libraryFolders);
  // Without a window manager (a bare X server) maximizing does nothing, so
  // take the screen's size first.
  if (const QScreen* screen = window.screen()) window.resize(screen->availableGeometry().size());
  window.showMaximized();
  return QApplication::exec();
}
