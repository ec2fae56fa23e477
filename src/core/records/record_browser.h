// Stepping through one client's records with Next and Back, as the review-and-change editors do.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/dialog/outcome.h"
#include "core/records/billing_table.h"

namespace vrk::records {

enum class Direction { Next, Back };

// The messages of one table's editor.
struct BrowseTexts {
  std::string noneForClient;  // "NO TIME RECORDS ARE PRESENT FOR THIS CLIENT"
  std::string endOf;          // "END OF TIME RECORDS FOR CLIENT"
  std::string beginningOf;    // "BEGINNING OF TIME RECORDS FOR CLIENT"
};

// The browsing state: the browsed client, the step index (an offset from the client's first
// position; -1 before the first), the at-beginning flag and the last direction.
//
// Next from the last record shows the end message and starts again at the first; Back from the
// first shows the beginning message, after which Next shows the first record and Back the last.
// Another client starts at its first record with Next and at its last with Back.
class RecordBrowser {
 public:
  explicit RecordBrowser(BrowseTexts texts) : texts_(std::move(texts)) {}

  // One step over the client's run of positions (found in the freshly loaded table): the
  // position to show, or nothing with the message in `outcome`.
  std::optional<std::size_t> step(Direction direction, const std::string& client, Run run, dialog::Outcome& outcome);

  // After a save moved the shown record from `from` to `to`: the next step goes on from the
  // records around its old place.
  void moved(std::size_t from, std::size_t to);

  long index() const { return index_; }

 private:
  BrowseTexts texts_;
  std::string client_;
  long index_ = 0;
  bool atBeginning_ = false;
  std::optional<Direction> last_;
};

}  // namespace vrk::records
