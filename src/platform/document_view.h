// Shows a document in a dialog's text box: "Courier" 13 pixels high, no word wrap, scroll bars.
#pragma once

#include "core/document/document.h"

class QPlainTextEdit;

namespace vrk::platform {

// Gives a text box the look every document box has; showDocument() does it too.
void prepareDocumentBox(QPlainTextEdit& box);

// Empties the box and fills it with the document, one text line per document line, converting
// the stored text. Fonts of the pieces are not shown (the box has one font) and form feeds are
// dropped: the screen forms of the layouts mark their pages with lines of their own. The box
// stays editable, as a text box; nothing typed there goes anywhere.
void showDocument(QPlainTextEdit& box, const document::Document& document);

}  // namespace vrk::platform
