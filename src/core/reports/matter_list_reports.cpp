#include "core/reports/matter_list_reports.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/clients/client_groups.h"
#include "core/clients/client_record.h"
#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/document/long_document.h"
#include "core/document/page_writer.h"
#include "core/matters/matter_data_document.h"
#include "core/matters/matter_lists.h"
#include "core/rules/input_rules.h"
#include "core/statements/statement_run.h"
#include "core/store/billing_period.h"
#include "core/store/catalogue.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"
#include "core/store/transaction.h"

namespace vrk::reports {
namespace {

using document::LineBuilder;
using document::SinkKind;

// Printed columns (from 1): code, number, description; the page field of a footer.
constexpr int kPrintedCode = 7;
constexpr int kPrintedNumber = 21;
constexpr int kDescriptionColumn = 35;
constexpr int kPrintedPageField = 40;
// Screen columns.
constexpr int kScreenTitle = 28;
constexpr int kScreenCode = 5;
constexpr int kScreenNumber = 20;
constexpr int kScreenPageField = 39;
constexpr int kSeparatorLength = 79;

document::Line text(const std::string& content) { return LineBuilder().text(content).line(); }

int titleBlanks(MatterListKind kind) {
  switch (kind) {
    case MatterListKind::ClientGroup:
      return 30;
    case MatterListKind::AllClients:
      return 34;
    case MatterListKind::Client:
      return 31;
  }
  return 0;
}

class ListWriter {
 public:
  ListWriter(const MatterListHeading& heading, SinkKind sink) : heading_(heading), sink_(sink) {}

  void heading() {
    const bool screen = sink_ == SinkKind::Screen;
    const std::string indent = screen ? "    " : "      ";
    const std::string title = matterListTitle(heading_.kind, heading_.choice);
    page_.addBlank(3);
    page_.add(screen ? LineBuilder().toColumn(kScreenTitle).text(title).line()
                     : LineBuilder().blanks(titleBlanks(heading_.kind)).title(title).line());
    page_.addBlank(3);
    page_.add(text(indent + "Billing Period:  " + store::displayBillingPeriod(heading_.period)));
    page_.addBlank();
    page_.add(text(indent + "Date Of This Report:  " + document::reportDate(heading_.today)));
    page_.addBlank(2);
    if (screen) {
      page_.add(text(indent + "Client         Matter"));
      page_.add(text(indent + "Code           Number         Matter Description"));
    } else {
      page_.add(text(indent + "Client        Matter"));
      page_.add(text(indent + "Code          Number        Matter Description"));
      page_.addBlank();
    }
    page_.setLineCount(kMatterListHeadingLines);
  }

  void matter(const ListedMatter& listed) {
    if (!page_.fits(kMatterListLinesNeeded, kMatterListPageEnd)) nextPage();
    const bool screen = sink_ == SinkKind::Screen;
    page_.addBlank();
    page_.add(LineBuilder()
                  .toColumn(screen ? kScreenCode : kPrintedCode)
                  .text(listed.client)
                  .toColumn(screen ? kScreenNumber : kPrintedNumber)
                  .text(listed.number)
                  .toColumn(kDescriptionColumn)
                  .text(listed.description[0])
                  .line());
    for (std::size_t i = 1; i < listed.description.size(); ++i)
      if (!listed.description[i].empty())
        page_.add(LineBuilder().toColumn(kDescriptionColumn).text(listed.description[i]).line());
  }

  MatterListLayout finish() {
    if (page_.pageNumber() > 1) {
      if (sink_ == SinkKind::Screen) {
        page_.fillTo(kMatterListPageEnd - 3);
        page_.add(screenPageLine());
      } else {
        page_.fillTo(kMatterListPageEnd);
        page_.finish({"", kPrintedPageField});
      }
    }
    const int pages = page_.pageNumber();
    return {page_.release(), pages};
  }

 private:
  document::Line screenPageLine() const {
    return LineBuilder().toColumn(kScreenPageField).text(document::pageField(page_.pageNumber())).line();
  }

  void nextPage() {
    if (sink_ == SinkKind::Screen) {
      page_.addBlank(3);
      page_.add(screenPageLine());
      page_.addBlank(2);
      page_.add(text(" " + std::string(kSeparatorLength, 'x')));
      page_.nextPage();
    } else {
      page_.fillTo(kMatterListPageEnd);
      page_.endPage({"", kPrintedPageField});
    }
    heading();
  }

  const MatterListHeading& heading_;
  SinkKind sink_;
  document::PageWriter page_;
};

std::vector<std::string> clientCodeList(const store::Transaction& tx) {
  if (!tx.exists(store::files::kClientCodes)) return {};
  return store::parseTextList(tx.read(store::files::kClientCodes));
}

bool contains(const std::vector<std::string>& list, const std::string& entry) {
  return std::find(list.begin(), list.end(), entry) != list.end();
}

// The client code rule, then the client code list; the refusal, or nothing when the code passes.
std::optional<std::string> clientRefusal(const store::Transaction& tx, const std::string& client) {
  if (!rules::isClientCode(client)) return statements::kRunInvalidClientCode;
  if (!contains(clientCodeList(tx), client)) return statements::kRunNoClientData;
  return std::nullopt;
}

// Each client's group, by client code.
std::map<std::string, std::string> clientGroups(store::Transaction& tx) {
  std::map<std::string, std::string> groups;
  if (!tx.exists(store::files::kClientCodes)) return groups;
  store::RecordTable clients(store::clientTable(), tx);
  clients.keepRecordsInMemory();
  for (std::size_t p = 0; p < clients.size(); ++p)
    groups[clients.texts(0)[p]] = clients::decodeClientRecord(clients.readRecord(p)).group;
  return groups;
}

void report(const MatterListRun& run, int done, int total) {
  if (run.progress) run.progress(done, total);
}

}  // namespace

std::string matterListTitle(MatterListKind kind, const std::string& choice) {
  switch (kind) {
    case MatterListKind::ClientGroup:
      return "Matters For Client Group \"" + choice + "\"";
    case MatterListKind::AllClients:
      return "Matter List";
    case MatterListKind::Client:
      return "Matters For Client " + choice;
  }
  return {};
}

MatterListLayout layoutMatterList(const std::vector<ListedMatter>& matters, const MatterListHeading& heading,
                                  SinkKind sink) {
  ListWriter writer(heading, sink);
  writer.heading();
  for (const auto& listed : matters) writer.matter(listed);
  return writer.finish();
}

MatterListDialogLists loadMatterListDialogLists(const std::filesystem::path& folder) {
  store::Transaction tx(folder);
  MatterListDialogLists lists;
  lists.codes = clientCodeList(tx);
  lists.groups = clients::loadGroupList(tx);
  lists.matterCount = static_cast<int>(store::RecordTable(store::matterTable(), tx).size());
  return lists;
}

MatterListResult runMatterList(const std::filesystem::path& folder, MatterListKind kind,
                               const std::string& choice, const MatterListRun& run) {
  MatterListResult result;
  store::Transaction tx(folder);
  if (kind == MatterListKind::ClientGroup) {
    if (!rules::isClientGroup(choice)) {
      result.outcome.error(kMatterListInvalidGroup);
      return result;
    }
    if (!contains(clients::loadGroupList(tx), choice)) {
      result.outcome.information(kMatterListNoClientsInGroup);
      return result;
    }
  } else if (kind == MatterListKind::Client) {
    if (const auto refusal = clientRefusal(tx, choice)) {
      result.outcome.error(*refusal);
      return result;
    }
  }

  const std::map<std::string, std::string> groups =
      kind == MatterListKind::ClientGroup ? clientGroups(tx) : std::map<std::string, std::string>{};
  store::RecordTable matterTable(store::matterTable(), tx);
  matterTable.keepRecordsInMemory();
  const int total = static_cast<int>(matterTable.size());
  std::vector<ListedMatter> listed;
  for (std::size_t p = 0; p < matterTable.size(); ++p) {
    const matters::MatterKey key = matters::matterKeyAt(matterTable, p);
    bool wanted = true;
    if (kind == MatterListKind::ClientGroup) {
      const auto group = groups.find(key.client);
      wanted = group != groups.end() && group->second == choice;
    } else if (kind == MatterListKind::Client) {
      wanted = key.client == choice;
    }
    if (wanted)
      listed.push_back(
          {key.client, key.number, matters::decodeMatterRecord(matterTable.readRecord(p)).description});
    report(run, static_cast<int>(p) + 1, total);
  }

  MatterListLayout layout = layoutMatterList(
      listed, {kind, kind == MatterListKind::AllClients ? "" : choice, run.period, run.today}, run.sink);
  result.document = std::move(layout.document);
  result.pages = layout.pages;
  if (kind == MatterListKind::Client && listed.empty()) result.outcome.information(kNoMattersForClient);
  if (document::warnsLongDocument(run.sink, layout.pages))
    result.outcome.information(document::kLongDocumentMessage);
  if (run.sink == SinkKind::Printer) result.outcome.closing = dialog::Closing::Ok;
  return result;
}

MatterListResult printAllMatterData(const std::filesystem::path& folder, const std::string& client,
                                    const MatterListRun& run) {
  MatterListResult result;
  store::Transaction tx(folder);
  if (const auto refusal = clientRefusal(tx, client)) {
    result.outcome.error(*refusal);
    return result;
  }
  const store::RecordTable matterTable(store::matterTable(), tx);
  std::vector<std::size_t> positions;
  for (std::size_t p = 0; p < matterTable.size(); ++p)
    if (matterTable.texts(0)[p] == client) positions.push_back(p);
  const int total = static_cast<int>(positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) {
    report(run, static_cast<int>(i) + 1, total);
    const matters::DisplayedMatter matter{matters::matterKeyAt(matterTable, positions[i]),
                                          matters::decodeMatterRecord(matterTable.readRecord(positions[i]))};
    document::Document page = matters::matterDataDocument(matter, run.period, run.today);
    if (!result.document.lines.empty()) result.document.lines.back().formFeed = true;
    result.document.lines.insert(result.document.lines.end(), std::make_move_iterator(page.lines.begin()),
                                 std::make_move_iterator(page.lines.end()));
    ++result.pages;
  }
  if (positions.empty()) result.outcome.information(kNoMattersForClient);
  result.outcome.closing = dialog::Closing::Ok;
  return result;
}

}  // namespace vrk::reports
