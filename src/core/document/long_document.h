// The warning shown when a document displayed on screen grows long.
#pragma once

#include "core/document/document.h"

namespace vrk::document {

inline constexpr const char* kLongDocumentMessage =
    "YOU MAY NOT HAVE ENOUGH COMPUTER RESOURCES\r\n         TO DISPLAY THIS ENTIRE DOCUMENT";

// The statement and most reports warn when they reach a fifth page.
inline constexpr int kDefaultPageLimit = 5;

// Whether the information box is shown: only on screen, when the document's page number has reached
// the limit. The whole document is still shown; printed documents have no limit.
bool warnsLongDocument(SinkKind sink, int pageNumber, int pageLimit = kDefaultPageLimit);

}  // namespace vrk::document
