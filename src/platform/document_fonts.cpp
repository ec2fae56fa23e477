#include "platform/document_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <initializer_list>

namespace vrk::platform {
namespace {

QFont fixedPitch(QFont font) {
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setKerning(false);
  if (QFontInfo(font).fixedPitch()) return font;
  QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (font.pixelSize() > 0) {
    fallback.setPixelSize(font.pixelSize());
  } else {
    fallback.setPointSizeF(font.pointSizeF());
  }
  fallback.setKerning(false);
  return fallback;
}

// The first of the families that is really installed (aliases do not count), else the last.
QString installedFamily(std::initializer_list<QString> families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families)
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  return *(families.end() - 1);
}

// A real fixed-pitch Courier: Courier New where it exists, else its metric twin Liberation Mono,
// so the choice does not depend on which other fonts a machine happens to alias to "Courier".
QString courierFamily() {
  static const QString family = installedFamily(
      {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Courier")});
  return family;
}

QString arialFamily() {
  static const QString family = installedFamily({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  return family;
}

}  // namespace

QFont courierFont(int pointSize) {
  QFont font(courierFamily());
  font.setPointSize(pointSize);
  return fixedPitch(font);
}

QFont courierFontInPixels(int pixelSize) {
  QFont font(courierFamily());
  font.setPixelSize(pixelSize);
  return fixedPitch(font);
}

QFont arialFont(int pointSize) {
  QFont font(arialFamily());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace vrk::platform
