// Mailing labels: the clients' billing addresses on sheets of 1-1/3 by 4 inch labels, two across
// and seven rows down, printed in Courier 11 as a text device would print them.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/clients/client_record.h"
#include "core/dialog/outcome.h"
#include "core/document/document.h"

namespace vrk::reports {

inline constexpr int kLabelPointSize = 11;
inline constexpr int kLabelsPerSheet = 14;   // seven rows of two
inline constexpr int kSheetTopLines = 7;     // empty lines that start every sheet
inline constexpr int kLinesBetweenRows = 3;  // empty lines after a row, unless the sheet is full
inline constexpr int kLabelIndent = 2;       // the left label starts in column 3
inline constexpr int kLeftLabelWidth = 44;   // the right label starts in column 47
inline constexpr int kSelectionGridColumns = 10;

using LabelAddress = std::array<std::string, clients::kAddressLines>;

// The label sheets of `addresses` in order: each sheet starts with 7 empty lines; each row holds
// two labels of six lines (the address lines, empty ones included), the left one in column 3 and
// the right one in column 47; 3 empty lines follow a row unless the sheet now holds 14 labels, and
// the next row then starts a new sheet. A last single address makes a row with only a left label.
// Without addresses the document is the 7 empty lines of the first sheet. Set in 11 points.
document::Document layoutMailingLabels(const std::vector<LabelAddress>& addresses);

// A client has billing activity when the retainer, the fees, costs or credits on the last
// statement, the trust balance, the balance due or the payments since the last statement exceed
// 0.001; the 30, 60 and 90-day balances are not looked at.
bool hasBillingActivity(const clients::ClientRecord& record);

// The choices of the main labels dialog that print at once.
enum class LabelChoice { AllClients, ClientsWithBillingActivity };

// Called as labels are made: clients (or selected labels) done so far and how many there are.
using LabelProgress = std::function<void(int done, int total)>;

// The labels of every client, or of those with billing activity, in client code list order. A
// damaged or missing client file raises StoreError.
document::Document mailingLabels(const std::filesystem::path& folder, LabelChoice choice,
                                 const LabelProgress& progress = {});

// The logic of the dialog that prints the labels of clients chosen one by one. The selection
// starts empty with each opening (each object) and may name a client more than once.
class SelectedClientLabels {
 public:
  // Loads the client code list (StoreError when the client files are damaged or missing).
  explicit SelectedClientLabels(std::filesystem::path folder);

  const std::vector<std::string>& codes() const { return codes_; }  // the combo box's list
  const std::vector<std::string>& selection() const { return selection_; }

  // Rows of the selection grid of ten columns: one per ten clients plus one, and one more each
  // time the selection outgrows the cells.
  int gridRows() const;

  // Select (or Enter in the code box): the client joins the selection as the code list spells it
  // (the list is compared ignoring case) and the dialog stays open; a code not in the list is
  // refused with "INVALID CLIENT CODE / NO DATA IS PRESENT FOR THIS CLIENT".
  dialog::Outcome select(const std::string& typed);

  // Print: the selected clients' labels in the order of selection, each record read again
  // through the client table; an empty selection gives an empty document (nothing to print).
  document::Document print(const LabelProgress& progress = {}) const;

 private:
  std::filesystem::path folder_;
  std::vector<std::string> codes_;
  std::vector<std::string> selection_;
};

}  // namespace vrk::reports
