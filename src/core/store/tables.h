// The record tables of a billing period: their files, count slots and position orders.
#pragma once

#include <string_view>

#include "core/store/record_table.h"

namespace vrk::store {

inline constexpr std::size_t kClientRecordSize = 396;
inline constexpr std::size_t kMatterRecordSize = 228;
inline constexpr std::size_t kTimeRecordSize = 265;
inline constexpr std::size_t kCostCreditRecordSize = 180;
inline constexpr std::size_t kClientCodeWidth = 7;
inline constexpr std::size_t kMatterNumberWidth = 5;
inline constexpr std::size_t kPaymentAmountWidth = 11;

// Compares matter numbers by value ("7" equals "007"); the text may be of any length.
int compareMatterNumbers(std::string_view a, std::string_view b);
// Client codes in key files compare byte by byte (shorter first on a common prefix).
int compareBytes(std::string_view a, std::string_view b);

// Clients: the sorted client code list (ignoring case); N, F in slots 0 and 1.
TableLayout clientTable();
// Matters: client code by bytes, then matter number by value; slots 3 and 4.
TableLayout matterTable();
// Time and cost/credit records: client code, matter number by value, then whole day;
// equal keys keep the order they were added in. Slots 5, 6 and 7, 8.
TableLayout timeRecordTable();
TableLayout costCreditRecordTable();
// Payments: three parallel files (client code, date, amount), by client code then whole day;
// no data file and no free list. N in slot 9.
TableLayout paymentRecordTable();

}  // namespace vrk::store
