#include "core/reports/mailing_labels.h"

#include <algorithm>

#include "core/clients/client_book.h"
#include "core/document/line_builder.h"
#include "core/matters/matter_messages.h"
#include "core/rules/decimal_value.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"
#include "core/store/text_list.h"

namespace vrk::reports {
namespace {

using document::Document;
using document::Line;

// The amounts that count as billing activity; the aged balances do not.
constexpr clients::Amount kActivityAmounts[] = {
    clients::kMonthlyRetainer,
    clients::kFeesOnLastStatement,
    clients::kCostsOnLastStatement,
    clients::kCreditsOnLastStatement,
    clients::kTrustAccountBalance,
    clients::kBalanceDue,
    clients::kPaymentsSinceLastStatement,
};
constexpr double kActivityThreshold = 0.001;

void emptyLines(Document& document, int count) {
  for (int k = 0; k < count; ++k) document.lines.push_back(Line{});
}

// One line of a label row: the left label's line in column 3, the right one's in column 47.
Line rowLine(const std::string& left, const std::string* right) {
  document::LineBuilder line;
  line.text(std::string(kLabelIndent, ' ')).text(left);
  if (right) {
    const int pad = std::max(0, kLeftLabelWidth - static_cast<int>(left.size()));
    line.text(std::string(static_cast<std::size_t>(pad), ' ')).text(*right);
  }
  return line.line();
}

// Adds labels row by row to a sheet document.
class LabelSheets {
 public:
  LabelSheets() {
    document_.pointSize = kLabelPointSize;
    emptyLines(document_, kSheetTopLines);
  }

  void row(const LabelAddress& left, const LabelAddress* right) {
    if (onSheet_ == kLabelsPerSheet) {
      document_.lines.back().formFeed = true;
      emptyLines(document_, kSheetTopLines);
      onSheet_ = 0;
    }
    for (std::size_t k = 0; k < left.size(); ++k)
      document_.lines.push_back(rowLine(left[k], right ? &(*right)[k] : nullptr));
    onSheet_ += right ? 2 : 1;
    if (onSheet_ < kLabelsPerSheet) emptyLines(document_, kLinesBetweenRows);
  }

  Document take() { return std::move(document_); }

 private:
  Document document_;
  int onSheet_ = 0;
};

// The addresses two by two as label rows.
Document sheetsOf(const std::vector<LabelAddress>& addresses) {
  LabelSheets sheets;
  for (std::size_t k = 0; k < addresses.size(); k += 2)
    sheets.row(addresses[k], k + 1 < addresses.size() ? &addresses[k + 1] : nullptr);
  return sheets.take();
}

void report(const LabelProgress& progress, std::size_t done, std::size_t total) {
  if (progress) progress(static_cast<int>(done), static_cast<int>(total));
}

}  // namespace

Document layoutMailingLabels(const std::vector<LabelAddress>& addresses) { return sheetsOf(addresses); }

bool hasBillingActivity(const clients::ClientRecord& record) {
  return std::any_of(std::begin(kActivityAmounts), std::end(kActivityAmounts), [&](clients::Amount amount) {
    return rules::storedDecimalValue(record.amounts[amount]) > kActivityThreshold;
  });
}

Document mailingLabels(const std::filesystem::path& folder, LabelChoice choice,
                       const LabelProgress& progress) {
  store::Transaction tx(folder);
  store::RecordTable clients(store::clientTable(), tx);
  clients.keepRecordsInMemory();
  const std::size_t total = clients.size();
  report(progress, 0, total);
  std::vector<LabelAddress> addresses;
  for (std::size_t position = 0; position < total; ++position) {
    const auto record = clients::decodeClientRecord(clients.readRecord(position));
    if (choice == LabelChoice::AllClients || hasBillingActivity(record)) addresses.push_back(record.address);
    report(progress, position + 1, total);
  }
  return sheetsOf(addresses);
}

SelectedClientLabels::SelectedClientLabels(std::filesystem::path folder) : folder_(std::move(folder)) {
  store::Transaction tx(folder_);
  const store::RecordTable clients(store::clientTable(), tx);
  codes_ = clients.texts(0);
}

int SelectedClientLabels::gridRows() const {
  const auto standing = static_cast<int>(codes_.size()) / kSelectionGridColumns + 1;
  const auto needed =
      (static_cast<int>(selection_.size()) + kSelectionGridColumns - 1) / kSelectionGridColumns;
  return std::max(standing, needed);
}

dialog::Outcome SelectedClientLabels::select(const std::string& typed) {
  dialog::Outcome outcome;
  const auto listed = std::find_if(codes_.begin(), codes_.end(), [&](const std::string& code) {
    return store::compareTextIgnoringCase(code, typed) == 0;
  });
  if (listed == codes_.end()) {
    outcome.error(matters::message::kClientNotPresent);
  } else {
    selection_.push_back(*listed);
  }
  return outcome;
}

Document SelectedClientLabels::print(const LabelProgress& progress) const {
  if (selection_.empty()) return {};
  store::Transaction tx(folder_);
  store::RecordTable clients(store::clientTable(), tx);
  clients.keepRecordsInMemory();
  std::vector<LabelAddress> addresses;
  report(progress, 0, selection_.size());
  for (std::size_t k = 0; k < selection_.size(); ++k) {
    // A client another program deleted since the dialog opened has no record: no label.
    if (const auto record = clients::findClient(clients, selection_[k])) addresses.push_back(record->address);
    report(progress, k + 1, selection_.size());
  }
  return sheetsOf(addresses);
}

}  // namespace vrk::reports
