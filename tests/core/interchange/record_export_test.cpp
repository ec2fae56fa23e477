#include "core/interchange/record_export.h"

#include <gtest/gtest.h>

#include "core/interchange/record_import.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"
#include "support/temp_folder.h"

namespace vrk::interchange {
namespace {

TEST(RecordExport, WritesPlainDatesAmountsAndDescriptionLines) {
  test::TempFolder temp;
  const auto folder = test::copySampleOffice(temp.path());
  const std::string bom = "\xEF\xBB\xBF";
  EXPECT_EQ(exportRecords(folder, ExportKind::Payment),
            bom + "client,date,amount\r\nACME,07/15/2001,500.00\r\nBETA1,07/20/2001,1500.00\r\n");
  const std::string time = exportRecords(folder, ExportKind::Time);
  EXPECT_NE(time.find("\r\nACME,1,07/03/2001,JD,2.5,,\"Drafted annual report\r\nand board minutes\"\r\n"
                      "ACME,1,07/03/2001,AB,0.3,0,Telephone call - no charge\r\n"),
            std::string::npos)
      << time;
  EXPECT_NE(exportRecords(folder, ExportKind::Matters).find("\r\nACME,012,Lease dispute,Harbor Road premises,,,"
                                                            "02/14/2001,AB,2,10.0,1750.00,0.00,25.00\r\n"),
            std::string::npos);
  EXPECT_NE(exportRecords(folder, ExportKind::Clients).find("\r\nBETA1,A,Beta One LLC,9 Elm Street,\"Dover, DE 19901\""),
            std::string::npos);
}

// An export imported into the same office without those records, exported again, is the same file.
TEST(RecordExport, ImportsBackUnchanged) {
  const std::pair<ExportKind, ImportKind> kinds[] = {{ExportKind::Time, ImportKind::Time},
                                                     {ExportKind::CostCredit, ImportKind::CostCredit},
                                                     {ExportKind::Payment, ImportKind::Payment}};
  for (const auto& [exported, imported] : kinds) {
    test::TempFolder temp;
    const auto folder = test::copySampleOffice(temp.path());
    const std::string file = exportRecords(folder, exported);
    {
      store::Transaction tx(folder);
      store::RecordTable table(exported == ExportKind::Time         ? store::timeRecordTable()
                               : exported == ExportKind::CostCredit ? store::costCreditRecordTable()
                                                                    : store::paymentRecordTable(),
                               tx);
      table.removeRun(0, table.size());
      tx.commit();
    }
    const ImportResult result = importRecords(folder, imported, file);
    EXPECT_EQ(result.problems, std::vector<std::string>{});
    // The sample holds one time of 1.25 hours, finer than the time box takes: the import, as the
    // add dialog, keeps one decimal.
    std::string expected = file;
    if (const auto at = expected.find(",AB,1.25,"); at != std::string::npos) expected.replace(at, 9, ",AB,1.3,");
    EXPECT_EQ(exportRecords(folder, exported), expected);
  }
}

}  // namespace
}  // namespace vrk::interchange
