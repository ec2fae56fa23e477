#include "platform/document_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

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

}  // namespace

QFont courierFont(int pointSize) {
  QFont font(QStringLiteral("Courier"));
  font.setPointSize(pointSize);
  return fixedPitch(font);
}

QFont courierFontInPixels(int pixelSize) {
  QFont font(QStringLiteral("Courier"));
  font.setPixelSize(pixelSize);
  return fixedPitch(font);
}

QFont arialFont(int pointSize) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace vrk::platform
