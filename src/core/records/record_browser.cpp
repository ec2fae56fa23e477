#include "core/records/record_browser.h"

namespace vrk::records {

std::optional<std::size_t> RecordBrowser::step(Direction direction, const std::string& client, Run run,
                                               dialog::Outcome& outcome) {
  if (run.empty()) {
    outcome.information(texts_.noneForClient);
    return std::nullopt;
  }
  const auto count = static_cast<long>(run.count);
  if (client != client_) {
    client_ = client;
    index_ = direction == Direction::Next ? -1 : count;
  }
  last_ = direction;
  if (direction == Direction::Next) {
    index_ = (index_ == count || atBeginning_) ? 0 : index_ + 1;
  } else {
    index_ = index_ == -1 ? count - 1 : index_ - 1;
  }
  if (index_ >= 0 && index_ < count) {
    atBeginning_ = false;
    return run.first + static_cast<std::size_t>(index_);
  }
  if (direction == Direction::Next) {
    outcome.information("\r\n" + texts_.endOf + " " + client + "\r\n");
    index_ = -1;
  } else {
    outcome.information("\r\n" + texts_.beginningOf + " " + client + "\r\n");
    index_ = count;
    atBeginning_ = true;
  }
  return std::nullopt;
}

void RecordBrowser::moved(std::size_t from, std::size_t to) {
  if (to > from && last_ == Direction::Next) --index_;
  if (to < from && last_ == Direction::Back) ++index_;
}

}  // namespace vrk::records
