// The fields that change a shown record's boxes, shared by the change actions and the review
// editors' save: each field given replaces what the box shows, the others keep it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/registry.h"
#include "core/matters/matter_boxes.h"
#include "core/records/record_boxes.h"

namespace vrk::batch {

// A date field typed as MM/DD/YYYY (or 7/5/2001); nothing when it was not given or empty.
std::optional<store::CalendarDate> optionalDate(const FieldValues& fields, const std::string& name);

// "cost" or "credit"; `shown` when not given.
std::int32_t kindField(const FieldValues& fields, std::int32_t shown);

// description-1 .. description-N given replace the lines shown.
void applyDescription(const FieldValues& fields, std::vector<std::string>& lines, std::size_t count);
std::vector<std::string> descriptionNames(std::size_t count);

// The boxes of a record shown for change: new-client, new-matter, new-date, then each kind's own.
void applyTimeEdits(const FieldValues& fields, records::TimeBoxes& boxes);
void applyCostCreditEdits(const FieldValues& fields, records::CostCreditBoxes& boxes);
void applyPaymentEdits(const FieldValues& fields, records::PaymentBoxes& boxes);
void applyMatterEdits(const FieldValues& fields, matters::MatterBoxes& boxes);

// Their field names, in the order help lists them.
std::vector<std::string> timeEditNames();
std::vector<std::string> costCreditEditNames();
std::vector<std::string> paymentEditNames();
std::vector<std::string> matterEditNames();

}  // namespace vrk::batch
