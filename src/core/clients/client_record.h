// The client record of ClientData.Dat (396 bytes) and the amount fields it holds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vrk::clients {

inline constexpr std::size_t kAddressLines = 6;
inline constexpr std::size_t kAddressWidth = 40;
inline constexpr std::size_t kAmountWidth = 11;  // characters of an amount text
inline constexpr int kCategoryCount = 5;

// The ten amounts in the order of their boxes (the order in which the change dialog tests them).
enum Amount : std::size_t {
  kMonthlyRetainer,
  kFeesOnLastStatement,
  kCostsOnLastStatement,
  kCreditsOnLastStatement,
  kTrustAccountBalance,
  kBalanceDue,
  kBalanceDue30Days,
  kBalanceDue60Days,
  kBalanceDue90Days,
  kPaymentsSinceLastStatement,
  kAmountCount
};

// One client's record. The client code is not part of it: it is found through the code list.
struct ClientRecord {
  std::string group;                               // one character, A to Z or 0 to 9
  std::array<std::string, kAddressLines> address;  // each at most 40 characters
  std::int32_t category = 0;                       // 0 to 4
  bool lateCharges = false;
  double lastStatementDate = 0;                   // days since 30 December 1899
  std::string reserved;                           // carried unchanged by every writer but Add
  std::array<std::string, kAmountCount> amounts;  // amount texts as stored ("00001250.00", "1250.50")

  bool operator==(const ClientRecord&) const = default;
};

// Offset of an amount's 12-byte field in the record (the reserved field sits after the retainer).
std::size_t amountOffset(Amount amount);
inline constexpr std::size_t kReservedOffset = 276;

// 396 bytes: filler bytes and bytes past a text's length are zero; texts longer than their field
// are cut.
std::string encodeClientRecord(const ClientRecord& record);
// Reads a record of at least 396 bytes.
ClientRecord decodeClientRecord(std::string_view bytes);

// The captions of the "Billing Category" radio group and the wording of the print-out.
const char* categoryCaption(int category);
const char* categoryPrintWording(int category);

}  // namespace vrk::clients
