// vrk-batch: sample-office, a generated office of any size in the current billing period.
#include <cstdint>
#include <filesystem>
#include <limits>

#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/sample/sample_office.h"
#include "core/store/billing_period.h"
#include "core/store/catalogue.h"

namespace vrk::batch {
namespace {

// A field holding a whole number up to `most`, or `fallback` when the field is not given.
std::uint64_t wholeNumber(const FieldValues& fields, const std::string& name, std::uint64_t fallback,
                          std::uint64_t most) {
  if (!fields.has(name)) return fallback;
  const std::string text = fields.get(name);
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos ||
      std::stoull(text) > most)
    throw UsageError(name + " needs a whole number from 0 to " + std::to_string(most) + ", not " + text);
  return std::stoull(text);
}

int count(const FieldValues& fields, const std::string& name, int fallback) {
  return static_cast<int>(wholeNumber(fields, name, static_cast<std::uint64_t>(fallback),
                                      static_cast<std::uint64_t>(std::numeric_limits<int>::max())));
}

ActionResult sampleOffice(Context& context, const FieldValues& fields, dialog::Prompter&) {
  sample::SampleOfficeSize size;
  size.clients = count(fields, "clients", size.clients);
  size.matters = count(fields, "matters", size.matters);
  size.time = count(fields, "time", size.time);
  size.costs = count(fields, "costs", size.costs);
  size.payments = count(fields, "payments", size.payments);
  size.seed = static_cast<std::uint32_t>(
      wholeNumber(fields, "seed", size.seed, std::numeric_limits<std::uint32_t>::max()));
  if (const std::string problem = sample::sizeProblem(size); !problem.empty()) throw UsageError(problem);

  const auto folder = context.folder();
  const std::string period = store::displayBillingPeriod(context.period);
  // As opening the period does: the folder is created, or an interrupted save finished.
  ActionResult result;
  if (const std::string problem = store::ensureBillingPeriodFolder(folder); !problem.empty()) {
    result.outcome.error(problem);
    return result;
  }
  std::error_code ignored;
  if (std::filesystem::exists(folder / store::files::kClientCodes, ignored))
    throw UsageError("billing period " + period + " already holds clients");
  if (const auto file = sample::existingDataFile(folder))
    throw UsageError("billing period " + period + " already holds data files (" + *file + ")");
  sample::writeSampleOffice(folder, size);
  result.outcome.closing = dialog::Closing::Ok;
  result.report.push_back(
      "Sample office written to billing period " + period + ": " + std::to_string(size.clients) +
      " clients, " + std::to_string(size.matters) + " matters, " + std::to_string(size.time) +
      " time records, " + std::to_string(size.costs) + " cost/credit records, " +
      std::to_string(size.payments) + " payment records (seed " + std::to_string(size.seed) + ")");
  return result;
}

}  // namespace

void registerSampleActions(Registry& registry) {
  registry.add(
      Action{{"sample-office",
              "A generated office of that size (defaults 50, 150, 2000, 500, 100, seed 1) in the billing "
              "period's folder, which must hold no data files yet",
              {"clients", "matters", "time", "costs", "payments", "seed"}},
             sampleOffice});
}

}  // namespace vrk::batch
