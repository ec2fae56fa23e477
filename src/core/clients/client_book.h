// Store operations on clients shared by the client dialogs: find, delete, carry a new code along.
#pragma once

#include <optional>
#include <string>

#include "core/clients/client_record.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"
#include "core/store/record_table.h"

namespace vrk::clients {

// Position of a client code in the client table, or nothing.
std::optional<std::size_t> clientPosition(const store::RecordTable& clients, const std::string& code);
// The record of a client, or nothing when the code is not in the list.
std::optional<ClientRecord> findClient(const store::RecordTable& clients, const std::string& code);

// Deletes the client at `position` as the delete dialogs do: asks "Delete All Matters For Client
// CODE?" (recorded in the outcome); Yes removes the client's run of matters from the matter table.
// The client is removed in either case; the last client takes every client file with it.
// Billing records stay.
void deleteClient(store::Transaction& tx, store::RecordTable& clients, std::size_t position,
                  dialog::Outcome& outcome, dialog::Prompter& prompter);

// Whether a matter of `oldCode` has a number that `newCode` already uses in the matter table
// (matters left behind by a deleted client), so that carrying the matters along would give one
// client two matters of the same number.
bool matterNumbersClash(store::Transaction& tx, const std::string& oldCode, const std::string& newCode);

// Moves the matters and the time, cost/credit and payment records of `oldCode` to `newCode`,
// each keeping its data slot, each table kept sorted.
void carryClientCode(store::Transaction& tx, const std::string& oldCode, const std::string& newCode);

}  // namespace vrk::clients
