#include "core/rules/figure_entry.h"

#include <gtest/gtest.h>

#include "core/rules/box_text.h"
#include "core/rules/masked_box.h"

namespace vrk::rules {
namespace {

// Keys: digits and ".$," as typed; B backspace, D delete, H home, E end, L left, R right,
// X select-all-and-type-over (clear).
void press(FigureEntry& entry, std::string_view keys) {
  for (const char key : keys) {
    switch (key) {
      case 'B': entry.backspace(); break;
      case 'D': entry.deleteForward(); break;
      case 'H': entry.home(); break;
      case 'E': entry.end(); break;
      case 'L': entry.left(); break;
      case 'R': entry.right(); break;
      case 'X': entry.clear(); break;
      default: entry.type(key);
    }
  }
}

}  // namespace

TEST(FigureEntry, TypedFiguresMeanWhatTheySay) {
  struct Case {
    const char* mask;
    const char* keys;
    const char* shown;
    const char* stored;  // as the box's reading rule stores it
  };
  const Case cases[] = {
      {kAmountMask, "1500", "$__,__1,500.__", "00001500.00"},
      {kAmountMask, "H1500", "$__,__1,500.__", "00001500.00"},  // Home first changes nothing
      {kAmountMask, "1,500.50", "$__,__1,500.50", "00001500.50"},
      {kAmountMask, "$99,999,999.99", "$99,999,999.99", "99999999.99"},
      {kAmountMask, "999999999", "$99,999,999.__", "99999999.00"},  // a ninth whole digit has no room
      {kAmountMask, ".5", "$__,___,___.5_", "00000000.50"},
      {kAmountMask, "1.234", "$__,___,__1.23", "00000001.23"},  // a third decimal has no room
      {kAmountMask, "12.5.7", "$__,___,_12.57", "00000012.57"},  // a second point changes nothing
      {kAmountMask, "12.5HR.7", "$__,___,_12.75", "00000012.75"},  // but moves on from the whole digits
      {kAmountMask, "1500B", "$__,___,150.__", "00000150.00"},
      {kAmountMask, "1500HD", "$__,___,500.__", "00000500.00"},
      {kAmountMask, "1500LL9", "$__,_15,900.__", "00015900.00"},
      {kAmountMask, "150X75", "$__,___,_75.__", "00000075.00"},  // typing over a selected box
      {kAmountMask, "12.50LLLB", "$__,___,__1.50", "00000001.50"},
      {kAmountMask, "1a2", "$__,___,_12.__", "00000012.00"},
      {kRateMask, "250", "$__,250.__", "00250.00"},
      {kRateMask, "$1,250.5", "$_1,250.5_", "01250.50"},
      {kHoursMask, "12.5", "___,_12.5", "000012.5"},
      {kHoursMask, "1234567", "123,456._", "123456.0"},
      {kHoursMask, ".55", "___,___.5", "000000.5"},
  };
  for (const auto& c : cases) {
    FigureEntry entry(c.mask);
    press(entry, c.keys);
    EXPECT_EQ(entry.shown(), c.shown) << c.keys;
    const std::string mask = c.mask;
    const auto read = mask == kAmountMask ? readAmountBox : mask == kRateMask ? readRateBox : readHoursBox;
    EXPECT_EQ(read(entry.shown()), c.stored) << c.keys;
  }
}

TEST(FigureEntry, TheCursorFollowsClicksAndShowsWhereTypingGoes) {
  FigureEntry entry(kAmountMask);
  entry.setText("$00,001,250.50");  // a text in the box's form, as a dialog writes it back
  EXPECT_EQ(entry.shown(), "$00,001,250.50");
  EXPECT_EQ(entry.shownCursor(), 14u);
  entry.setText("1500");
  EXPECT_EQ(entry.shownCursor(), 11u);  // at the point
  entry.placeCursor(8);                 // a click on the 5 of "1,500"
  EXPECT_EQ(entry.shownCursor(), 8u);
  entry.type('9');
  EXPECT_EQ(entry.shown(), "$__,_19,500.__");
  entry.placeCursor(2);  // a click left of every digit: before the first
  EXPECT_EQ(entry.cursor(), 0u);
  entry.placeCursor(13);  // a click in the decimals: at the end
  EXPECT_EQ(entry.cursor(), entry.figure().size());
  entry.setText("1.2.3");  // not a figure the box can hold
  EXPECT_EQ(entry.shown(), kUntouchedAmountBox);
}

}  // namespace vrk::rules
