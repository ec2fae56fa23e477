#include "core/document/long_document.h"

namespace vrk::document {

bool warnsLongDocument(SinkKind sink, int pageNumber, int pageLimit) {
  return sink == SinkKind::Screen && pageNumber >= pageLimit;
}

}  // namespace vrk::document
