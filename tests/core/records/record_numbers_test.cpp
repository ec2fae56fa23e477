#include <gtest/gtest.h>

#include "core/dialog/centred_message.h"
#include "core/records/record_numbers.h"

namespace vrk::records {
namespace {

// "x" marks a refused text; otherwise "stored|shown".
template <typename Read>
std::string outcome(Read read) {
  const auto figure = read();
  return figure ? figure->stored + "|" + figure->shown : "x";
}

TEST(RecordNumbers, RateTimeAndAmountBoxes) {
  struct Case {
    const char* box;
    const char* typed;
    const char* add;     // the add dialog (amounts: every dialog)
    const char* change;  // the change dialog
  };
  const Case cases[] = {
      {"rate", "$1,250.00", "1250.00|$1,250.00", "1250.00|$1,250.00"},
      {"rate", "none", "|none", "|none"},
      {"rate", "", "|", "|"},
      {"rate", "$", "|$", "|$ (kept)"},
      {"rate", "0", "0|$0.00", "0|$0.00"},
      {"rate", "99999.99", "99999.99|$99,999.99", "99999.99|$99,999.99"},
      {"rate", "100000", "x", "x"},
      {"rate", ",,", "x", "x"},  // only commas: no value
      {"rate", "1 5", "105|$105.00", "105|$105.00"},
      {"rate", "-5", "x", "x"},
      {"rate", "0000250.5", "000250.5|$250.50", "000250.5|$250.50"},  // surplus zeros go, not digits
      {"rate", "250.12345", "250.12|$250.12", "250.12|$250.12"},      // too long: two decimals
      {"time", "1.25", "1.3|1.3", "1.25|1.3"},
      {"time", "0.1", "0.1|0.1", "0.1|0.1"},
      {"time", "999.9", "999.9|999.9", "999.9|999.9"},
      {"time", "0.05", "x", "x"},
      {"time", "1000", "x", "x"},
      {"time", "", "x", "x"},
      {"time", ",", "x", "x"},
      {"time", "$2", "x", "x"},
      {"time", "_2", "2.0|2.0", "02|2.0"},
      {"time", "0001.5", "1.5|1.5", "001.5|1.5"},
      {"amount", "$1,234.50", "1234.50|$1,234.50", ""},
      {"amount", "0.01", "0.01|$0.01", ""},
      {"amount", "99,999,999.99", "99999999.99|$99,999,999.99", ""},
      {"amount", "100000000", "x", ""},
      {"amount", "0", "x", ""},
      {"amount", "$", "x", ""},
      {"amount", "", "x", ""},
      {"amount", "1 0", "100|$100.00", ""},
      {"payment", "$1,500.00", "1500.00|$1,500.00", ""},
      {"payment", "1 0", "x", ""},  // blanks stay blanks in a payment
      {"payment", "$", "x", ""},
      {"payment", "0", "x", ""},
  };
  for (const auto& c : cases) {
    const std::string box = c.box;
    for (const Entry entry : {Entry::Add, Entry::Change}) {
      const char* expected = entry == Entry::Add ? c.add : c.change;
      std::string got;
      if (box == "rate") {
        const auto rate = readRate(c.typed, entry);
        got = rate ? rate->figure.stored + "|" + rate->figure.shown + (rate->unchanged ? " (kept)" : "") : "x";
      } else if (box == "time") {
        got = outcome([&] { return readTime(c.typed, entry); });
      } else if (entry == Entry::Add) {
        got = box == "amount" ? outcome([&] { return readCostCreditAmount(c.typed); })
                              : outcome([&] { return readPaymentAmount(c.typed); });
      } else {
        continue;
      }
      EXPECT_EQ(got, expected) << box << " '" << c.typed << "' " << (entry == Entry::Add ? "add" : "change");
    }
  }
}

TEST(RecordNumbers, StoredFieldsAsDisplayShowsThem) {
  EXPECT_EQ(shownRate(""), "none");
  EXPECT_EQ(shownRate("300"), "$300.00");
  EXPECT_EQ(shownAmount("1234.5"), "$1,234.50");
}

TEST(CentredMessage, TheShorterLineIsCentredByItsWeight) {
  EXPECT_EQ(dialog::centredMessage("INVALID TIME ENTRY", "ENTER A NUMBER FROM 0.1 TO 999.9"),
            "              INVALID TIME ENTRY\r\nENTER A NUMBER FROM 0.1 TO 999.9");
  EXPECT_EQ(dialog::centredMessage("A Time Record Must Be Displayed", "Before It Can Be Deleted"),
            "A Time Record Must Be Displayed\r\n       Before It Can Be Deleted");
  EXPECT_EQ(dialog::centredMessage("SAME", "SAME"), "SAME\r\nSAME");
}

}  // namespace
}  // namespace vrk::records
