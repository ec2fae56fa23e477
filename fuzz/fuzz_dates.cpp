// Dates and figures as typed or stored: any text is read as a date, a rate, an amount or hours,
// or refused, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/document/date_text.h"
#include "core/rules/masked_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  using namespace vrk;
  (void)document::parseRecordDate(text, document::DateForm::Exact);
  (void)document::parseRecordDate(text, document::DateForm::Loose);
  (void)rules::readRateBox(text);
  (void)rules::readAmountBox(text);
  (void)rules::readHoursBox(text);
  return 0;
}
