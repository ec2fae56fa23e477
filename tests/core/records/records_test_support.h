// Test support for the billing record logic: the sample office's July 2001 folder and its tables.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#include "core/records/billing_table.h"
#include "core/records/record_boxes.h"
#include "core/store/binary_codec.h"
#include "core/store/dates.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::records {

// The sample office: clients ACME, BETA1, ZED; attorneys AB, JD, MKL; matters ACME 1, ACME 012,
// BETA1 3. Time records: ACME/0 7/02 @4, ACME/1 7/03 (with a time of day) @0, ACME/1 7/03 @2,
// ACME/012 7/10 @1, BETA1/3 7/05 @5, slot 3 free. Cost/credit: ACME/1 7/03 @0, ACME/1 7/09 @1,
// BETA1/3 7/06 @2. Payments: ACME 7/15 500.00, BETA1 7/20 1500.00 (BETA1's total 1500.00).
class RecordFolderTest : public ::testing::Test {
 protected:
  // Table contents as "CLIENT/MATTER 07/03@slot" in position order (payments: "CLIENT 07/15 500.00").
  std::vector<std::string> entries(RecordKind kind) const {
    store::Transaction tx(folder);
    const store::RecordTable table(tableLayout(kind), tx);
    std::vector<std::string> out;
    for (std::size_t p = 0; p < table.size(); ++p) {
      const RecordKey key = keyAt(table, p);
      out.push_back(key.client + "/" + key.matter + " " + day(key.date) + "@" + std::to_string(table.dataSlotAt(p)));
    }
    return out;
  }
  std::vector<std::string> payments() const {
    store::Transaction tx(folder);
    const store::RecordTable table(store::paymentRecordTable(), tx);
    std::vector<std::string> out;
    for (std::size_t p = 0; p < table.size(); ++p)
      out.push_back(table.texts(0)[p] + " " + day(table.dates(1)[p]) + " " + table.texts(2)[p]);
    return out;
  }
  static std::string day(double stored) {
    const auto date = store::fromStoredDate(stored);
    char text[8];
    std::snprintf(text, sizeof text, "%02d/%02d", date.month % 100, date.day % 100);
    return text;
  }
  std::vector<std::int32_t> ints(const std::string& file) const {
    const std::string bytes = test::readFile(folder / file);
    return store::decodeInt32s(bytes, bytes.size() / 4);
  }
  std::string bytesAt(const std::string& file, std::size_t offset, std::size_t length) const {
    return test::readFile(folder / file).substr(offset, length);
  }
  bool exists(const std::string& file) const { return std::filesystem::exists(folder / file); }

  test::TempFolder temp;
  std::filesystem::path folder = test::copySampleOffice(temp.path());
};

}  // namespace vrk::records
