#include <gtest/gtest.h>

#include "core/document/output_file_name.h"

namespace vrk::document {
namespace {

TEST(OutputFileName, TitleFromCaptionAndSafeName) {
  struct Case {
    const char* caption;
    const char* file;
  };
  const Case cases[] = {
      {"Display Fee Schedules", "Fee Schedules 2026-03-07.pdf"},
      {"Display/Print Data For A Matter", "Data For A Matter 2026-03-07.pdf"},
      {"Print Draft Statement For A Client", "Draft Statement For A Client 2026-03-07.pdf"},
      {"Data Entry", "Data Entry 2026-03-07.pdf"},
      {"Print", "Print 2026-03-07.pdf"},  // only a prefix followed by a word is dropped
      {"A/B: \"x\" <y>|z?*\\", "A-B- -x- -y--z--- 2026-03-07.pdf"},
      {"  Tabs\there  ", "Tabs-here 2026-03-07.pdf"},
      {"", "Document 2026-03-07.pdf"},
      {"Display    ", "Document 2026-03-07.pdf"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(pdfFileName(titleFromCaption(c.caption), {2026, 3, 7}), c.file) << c.caption;
}

}  // namespace
}  // namespace vrk::document
