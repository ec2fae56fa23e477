// vrk-batch: add-matter, change-matter, delete-matter and the matter-data print-out.
#include "batch/actions/actions.h"
#include "batch/actions/edit_fields.h"
#include "batch/registry.h"
#include "core/document/date_text.h"
#include "core/matters/add_matter.h"
#include "core/matters/change_matter.h"
#include "core/matters/delete_matter.h"
#include "core/matters/display_matter.h"
#include "core/rules/box_text.h"
#include "core/rules/input_rules.h"

namespace vrk::batch {
namespace {

const std::vector<std::string> kRecordFields = {
    "description-1", "description-2", "description-3", "description-4", "date-created",   "attorney",
    "fee-schedule",  "hours-to-date", "fees-to-date",  "costs-to-date", "credits-to-date"};

std::vector<std::string> fieldNames(std::vector<std::string> first,
                                    const std::vector<std::string>& more = kRecordFields) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

using rules::capitals;

std::string maskedField(const FieldValues& fields, const std::string& name, bool hours) {
  const auto text = hours ? rules::hoursBoxText(fields.get(name))
                          : rules::amountBoxText(fields.get(name), rules::ExtraDecimals::ZerosDropped);
  if (!text)
    throw UsageError(name + (hours ? " needs hours from 0 to 999,999.9 with at most one decimal"
                                   : " needs an amount from 0 to 99,999,999.99 with at most two decimals"));
  return *text;
}

ActionResult addMatter(Context& context, const FieldValues& fields, dialog::Prompter&) {
  matters::AddMatter logic(context.folder());
  matters::MatterBoxes boxes;
  boxes.client = capitals(fields.get("client"));
  boxes.number = fields.get("matter");
  boxes.dateCreated = context.today;
  if (logic.lists().scheduleCount > 0) boxes.feeSchedule = "1";  // the first number is preselected
  applyMatterEdits(fields, boxes);
  boxes.hours = maskedField(fields, "hours-to-date", true);
  boxes.fees = maskedField(fields, "fees-to-date", false);
  boxes.costs = maskedField(fields, "costs-to-date", false);
  boxes.credits = maskedField(fields, "credits-to-date", false);
  return {logic.save(boxes), {}};
}

// Display with the selection fields; the outcome is empty when a matter was displayed.
dialog::Outcome displaySelection(matters::MatterSelection& selection, const FieldValues& fields) {
  return selection.display(capitals(fields.get("client")), fields.get("matter"));
}

ActionResult changeMatter(Context& context, const FieldValues& fields, dialog::Prompter&) {
  matters::ChangeMatter logic(context.folder());
  dialog::Outcome shown = displaySelection(logic.selection(), fields);
  if (!logic.selection().displayed()) return {shown, {}};
  matters::MatterBoxes boxes = logic.selection().displayedBoxes();
  applyMatterEdits(fields, boxes);
  return {logic.save(boxes), {}};
}

ActionResult deleteMatter(Context& context, const FieldValues& fields, dialog::Prompter&) {
  matters::DeleteMatter logic(context.folder());
  dialog::Outcome shown = displaySelection(logic.selection(), fields);
  if (!logic.selection().displayed()) return {shown, {}};
  return {logic.remove(), {}};
}

document::Document matterData(Context& context, const FieldValues& fields, document::SinkKind) {
  matters::DisplayMatter logic(context.folder());
  const dialog::Outcome shown = displaySelection(logic.selection(), fields);
  if (!logic.selection().displayed())
    throw UsageError("no matter to print: " + dialog::plainLineBreaks(shown.messages.front().text));
  return *logic.print(context.period, context.today).printed;
}

}  // namespace

void registerMatterActions(Registry& registry) {
  registry.add(Action{{"add-matter", "Add A New Matter (hours and amounts plain, as 1250.50 or $1,250.50)",
                       fieldNames({"client", "matter"}), "Add A New Matter"},
                      addMatter});
  registry.add(
      Action{{"change-matter",
              "Change Data For A Matter: displays client/matter, then saves the fields given "
              "(new-client, new-matter: a new key)",
              fieldNames({"client", "matter", "new-client", "new-matter"}), "Change Data For A Matter"},
             changeMatter});
  registry.add(Action{{"delete-matter",
                       "Delete A Matter: displays client/matter, then deletes it",
                       {"client", "matter"},
                       "Delete A Matter"},
                      deleteMatter});
  registry.add(DocumentAction{{"matter-data",
                               "Display/Print Data For A Matter: the client/matter data print-out",
                               {"client", "matter"},
                               "Display/Print Data For A Matter"},
                              matterData});
}

}  // namespace vrk::batch
