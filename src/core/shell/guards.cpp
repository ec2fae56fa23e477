#include "core/shell/guards.h"

#include "core/store/billing_period.h"
#include "core/store/catalogue.h"
#include "core/store/file_io.h"
#include "core/store/text_list.h"

namespace vrk::shell {
namespace {

using dialog::Message;
using dialog::MessageKind;

bool fileExists(const std::filesystem::path& path) { return store::io::fileSize(path).has_value(); }

std::size_t lineCount(const std::filesystem::path& path) {
  return store::parseTextList(store::io::readWhole(path)).size();
}

std::size_t sortedCount(const std::filesystem::path& path) {
  auto lines = store::parseTextList(store::io::readWhole(path));
  store::sortTextList(lines);
  return lines.size();
}

store::PresenceCheck presenceCheckOf(Guard guard) {
  switch (guard) {
    case Guard::FeeScheduleData: return store::PresenceCheck::FeeScheduleData;
    case Guard::MatterData: return store::PresenceCheck::MatterData;
    case Guard::TimeRecordData: return store::PresenceCheck::TimeRecordData;
    case Guard::CostCreditRecordData: return store::PresenceCheck::CostCreditRecordData;
    case Guard::PaymentRecordData: return store::PresenceCheck::PaymentRecordData;
    default: return store::PresenceCheck::ClientData;
  }
}

}  // namespace

std::optional<Message> priorPeriodGuard(const std::string& dataFilesPath, const std::string& period) {
  const auto prior = store::billingPeriodFolder(dataFilesPath, store::priorBillingPeriod(period));
  std::error_code ec;
  if (!std::filesystem::is_directory(prior, ec)) return std::nullopt;
  if (!fileExists(prior / store::files::kClientGroups)) return std::nullopt;
  const auto finished = prior / store::files::kClientGroupsWithFinalStatements;
  if (fileExists(finished) && lineCount(finished) == lineCount(prior / store::files::kClientGroups)) return std::nullopt;
  return Message{MessageKind::Information, kPriorPeriodMessage};
}

bool finalStatementsWarning(const std::filesystem::path& folder, dialog::Prompter& prompter,
                            dialog::Outcome& outcome) {
  const auto finished = folder / store::files::kClientGroupsWithFinalStatements;
  if (!fileExists(finished)) return true;
  const auto groups = folder / store::files::kClientGroups;
  const std::size_t groupCount = fileExists(groups) ? sortedCount(groups) : 0;
  if (lineCount(finished) != groupCount) return true;
  return dialog::ask(outcome, prompter, kFinalStatementsQuestion, MessageKind::Warning);
}

std::optional<Message> activityReportGate(const std::filesystem::path& folder, const std::string& reportFile) {
  const auto finished = folder / store::files::kClientGroupsWithFinalStatements;
  if (!fileExists(folder / reportFile) || !fileExists(finished))
    return Message{MessageKind::Information, kNoFinalStatementsMessage};
  const auto groups = folder / store::files::kClientGroups;
  const std::size_t groupCount = fileExists(groups) ? sortedCount(groups) : 0;
  if (groupCount == sortedCount(finished)) return std::nullopt;
  return Message{MessageKind::Information, kNotAllFinalStatementsMessage};
}

dialog::Outcome runGuards(const Command& command, const std::string& dataFilesPath, const std::string& period,
                          dialog::Prompter& prompter) {
  dialog::Outcome outcome;
  outcome.closing = dialog::Closing::Cancel;
  const auto folder = store::billingPeriodFolder(dataFilesPath, period);
  for (const Guard guard : command.guards) {
    std::optional<Message> refusal;
    switch (guard) {
      case Guard::PriorPeriod: refusal = priorPeriodGuard(dataFilesPath, period); break;
      case Guard::FinalStatementsWarning:
        if (!finalStatementsWarning(folder, prompter, outcome)) return outcome;
        break;
      case Guard::BillingActivityGate:
        refusal = activityReportGate(folder, store::files::kBillingActivityReport);
        break;
      case Guard::AttorneyActivityGate:
        refusal = activityReportGate(folder, store::files::kAttorneyActivityReport);
        break;
      default:
        if (store::firstMissingFile(folder, presenceCheckOf(guard)))
          refusal = Message{MessageKind::Error, store::presenceCheckMessage(presenceCheckOf(guard))};
    }
    if (refusal) {
      outcome.messages.push_back(*refusal);
      return outcome;
    }
  }
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

}  // namespace vrk::shell
