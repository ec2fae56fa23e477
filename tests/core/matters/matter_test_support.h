// Test support for the matter logic: the sample office's July 2001 folder and readers of its tables.
#pragma once

#include <gtest/gtest.h>

#include "core/matters/matter_boxes.h"
#include "core/store/binary_codec.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::matters {

// The sample office: clients ACME, BETA1, ZED; attorneys AB, JD, MKL; 3 fee schedules; matters
// ACME 1 (slot 1), ACME 012 (slot 2), BETA1 3 (slot 0).
class MatterFolderTest : public ::testing::Test {
 protected:
  // What a user fills into the add dialog for a valid matter.
  static MatterBoxes addBoxes(const std::string& client, const std::string& number) {
    MatterBoxes boxes;
    boxes.client = client;
    boxes.number = number;
    boxes.description = {"Contract review"};
    boxes.dateCreated = {2001, 7, 9};
    boxes.attorney = "JD";
    boxes.feeSchedule = "2";
    boxes.hours = "___,___._";
    boxes.fees = boxes.costs = boxes.credits = "$__,___,___.__";
    return boxes;
  }

  // Table contents as "CLIENT/NUMBER@slot", in position order.
  std::vector<std::string> entries(const store::TableLayout& layout) const {
    store::Transaction tx(folder);
    const store::RecordTable table(layout, tx);
    std::vector<std::string> out;
    for (std::size_t p = 0; p < table.size(); ++p)
      out.push_back(table.texts(0)[p] + "/" + table.texts(1)[p] + "@" + std::to_string(table.dataSlotAt(p)));
    return out;
  }
  std::vector<std::string> matters() const { return entries(store::matterTable()); }

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

}  // namespace vrk::matters
