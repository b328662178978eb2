#include "widgets/Fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

namespace {

const char* const kWineFontFolder = "/usr/share/wine/fonts";

QFont MakeFont(const QString& family, int pointSize, bool bold, bool italic) {
  QFont font(family, pointSize);
  font.setFamilies({family, QStringLiteral("DejaVu Sans")});
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace

void LoadApplicationFonts() {
  const QDir folder(QString::fromLatin1(kWineFontFolder));
  for (const char* name : {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"}) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    // A regular file only: reading a FIFO of that name would wait for ever.
    if (QFileInfo(path).isFile()) QFontDatabase::addApplicationFont(path);
  }
}

QFont TahomaFont(int pointSize, bool bold) {
  return MakeFont(QStringLiteral("Tahoma"), pointSize, bold, false);
}

QFont SansSerifFont(int pointSize, bool bold, bool italic) {
  // The free MS Sans Serif is a bitmap font of three sizes without bold or
  // italic; Tahoma, its scalable sibling, serves every other use.
  const bool bitmapServes = pointSize == 8 && !bold && !italic;
  return MakeFont(bitmapServes ? QStringLiteral("MS Sans Serif") : QStringLiteral("Tahoma"),
                  pointSize, bold, italic);
}
