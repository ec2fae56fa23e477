#include "platform/document_view.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "platform/document_fonts.h"
#include "platform/text_codec.h"

namespace vrk::platform {

namespace {
constexpr int kCharacterHeightPixels = 13;
}

void prepareDocumentBox(QPlainTextEdit& box) {
  box.setFont(courierFontInPixels(kCharacterHeightPixels));
  box.setLineWrapMode(QPlainTextEdit::NoWrap);
  box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void showDocument(QPlainTextEdit& box, const document::Document& document) {
  prepareDocumentBox(box);
  QString text;
  for (std::size_t i = 0; i < document.lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    for (const auto& piece : document.lines[i].pieces) text += fromStored(piece.text);
  }
  box.setPlainText(text);  // replaces what the box held
  box.moveCursor(QTextCursor::Start);
}

}  // namespace vrk::platform
