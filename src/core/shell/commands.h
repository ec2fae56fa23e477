// The main window's commands: their tab, button label, dialog and the guards run before it.
#pragma once

#include <string>
#include <vector>

namespace vrk::shell {

enum class Tab { Clients, Attorneys, Matters, BillingRecords, MonthlyStatements, Reports };
inline constexpr Tab kAllTabs[] = {Tab::Clients,        Tab::Attorneys,         Tab::Matters,
                                   Tab::BillingRecords, Tab::MonthlyStatements, Tab::Reports};
const char* tabCaption(Tab tab);  // "Clients", "Attorneys", ..., "Billing Records", ...

enum class Guard {
  PriorPeriod,              // final statements printed for every group of the prior period
  ClientData,               // the data-file presence checks
  FeeScheduleData,
  MatterData,
  TimeRecordData,
  CostCreditRecordData,
  PaymentRecordData,
  FinalStatementsWarning,   // the current period is finished: continue only on Yes
  BillingActivityGate,      // the activity reports: every group's final statements printed
  AttorneyActivityGate,
};

struct Command {
  Tab tab;
  std::string label;   // the button's text
  std::vector<Guard> guards;  // run in this order; the first that fails stops the command
  std::string dialog;  // the dialog it opens, e.g. TAddClientForm
};

// Every command, tab by tab, in the order of the buttons.
const std::vector<Command>& commands();
std::vector<const Command*> commandsOn(Tab tab);

// A label in lower-case words joined by hyphens, "/" read as a word break:
// "Display/Print Client Data" -> "display-print-client-data".
std::string commandName(const std::string& label);
// The command with that name, or nullptr.
const Command* findCommand(const std::string& name);

}  // namespace vrk::shell
