#include "core/shell/commands.h"

#include <cctype>

namespace vrk::shell {

const char* tabCaption(Tab tab) {
  switch (tab) {
    case Tab::Clients: return "Clients";
    case Tab::Attorneys: return "Attorneys";
    case Tab::Matters: return "Matters";
    case Tab::BillingRecords: return "Billing Records";
    case Tab::MonthlyStatements: return "Monthly Statements";
    case Tab::Reports: return "Reports";
  }
  return "";
}

const std::vector<Command>& commands() {
  using enum Guard;
  static const std::vector<Command> all = {
      {Tab::Clients, "Add A New Client", {PriorPeriod, FinalStatementsWarning}, "TAddClientForm"},
      {Tab::Clients, "Change Data For A Client", {PriorPeriod, ClientData, FinalStatementsWarning}, "TChangeClientForm"},
      {Tab::Clients, "Delete A Client", {PriorPeriod, ClientData, FinalStatementsWarning}, "TDeleteClientForm"},
      {Tab::Clients, "Display/Print Client Data", {ClientData}, "TDisplayClientForm"},
      {Tab::Clients, "Display/Print A List Of Client Codes In A Client Group", {ClientData}, "TDisplayClientCodesForm"},
      {Tab::Clients, "Delete A Client Group", {PriorPeriod, ClientData, FinalStatementsWarning}, "TDeleteClientGroupForm"},
      {Tab::Clients, "Review/Change Matters For A Client",
       {PriorPeriod, ClientData, FeeScheduleData, MatterData, FinalStatementsWarning}, "TReviewChangeClientMattersForm"},
      {Tab::Clients, "Review/Change Client Time Records",
       {PriorPeriod, ClientData, TimeRecordData, FinalStatementsWarning}, "TReviewChangeClientTimeRecordsForm"},
      {Tab::Clients, "Review/Change Client Cost/Credit Records",
       {PriorPeriod, ClientData, CostCreditRecordData, FinalStatementsWarning},
       "TReviewChangeClientCostCreditRecordsForm"},
      {Tab::Clients, "Review/Change Client Payment Records",
       {PriorPeriod, ClientData, PaymentRecordData, FinalStatementsWarning}, "TReviewChangeClientPaymentRecordsForm"},

      {Tab::Attorneys, "Add A New Attorney", {PriorPeriod, FinalStatementsWarning}, "TAddAttorneyForm"},
      {Tab::Attorneys, "Change Initials For An Attorney", {PriorPeriod, FeeScheduleData, FinalStatementsWarning},
       "TChangeAttorneyForm"},
      {Tab::Attorneys, "Delete An Attorney", {PriorPeriod, FeeScheduleData, FinalStatementsWarning},
       "TDeleteAttorneyForm"},
      {Tab::Attorneys, "Add A New Fee Schedule", {PriorPeriod, FinalStatementsWarning}, "TAddFeeScheduleForm"},
      {Tab::Attorneys, "Change Fee Schedules", {PriorPeriod, FeeScheduleData, FinalStatementsWarning},
       "TChangeFeeSchedulesForm"},
      {Tab::Attorneys, "Delete A Fee Schedule", {PriorPeriod, FeeScheduleData, FinalStatementsWarning},
       "TDeleteFeeScheduleForm"},
      {Tab::Attorneys, "Display/Print Fee Schedules", {FeeScheduleData}, "TDisplayFeeSchedulesForm"},

      {Tab::Matters, "Add A New Matter", {PriorPeriod, ClientData, FeeScheduleData, FinalStatementsWarning},
       "TAddMatterForm"},
      {Tab::Matters, "Change Data For A Matter", {PriorPeriod, MatterData, FinalStatementsWarning}, "TChangeMatterForm"},
      {Tab::Matters, "Delete A Matter", {PriorPeriod, MatterData, FinalStatementsWarning}, "TDeleteMatterForm"},
      {Tab::Matters, "Display/Print Data For A Matter", {MatterData}, "TDisplayMatterForm"},
      {Tab::Matters, "Print All Matter Data For A Client", {MatterData}, "TPrintAllMatterDataForAClientForm"},
      {Tab::Matters, "Review/Change Matters For A Client",
       {PriorPeriod, ClientData, FeeScheduleData, MatterData, FinalStatementsWarning}, "TReviewChangeClientMattersForm"},
      {Tab::Matters, "Display/Print A List Of All Matters For A Client", {ClientData, MatterData},
       "TPrintMattersForClientForm"},
      {Tab::Matters, "Display/Print A List Of All Matters For A Client Group", {ClientData, MatterData},
       "TPrintMattersForClientGroupForm"},
      {Tab::Matters, "Display/Print A List Of All Matters For All Clients", {MatterData},
       "TPrintMattersForAllClientsForm"},

      {Tab::BillingRecords, "Add A Time Record",
       {PriorPeriod, ClientData, FeeScheduleData, MatterData, FinalStatementsWarning}, "TAddTimeRecordForm"},
      {Tab::BillingRecords, "Change A Time Record",
       {ClientData, FeeScheduleData, MatterData, TimeRecordData, FinalStatementsWarning}, "TChangeTimeRecordForm"},
      {Tab::BillingRecords, "Delete A Time Record",
       {PriorPeriod, ClientData, FeeScheduleData, MatterData, TimeRecordData, FinalStatementsWarning},
       "TDeleteTimeRecordForm"},
      {Tab::BillingRecords, "Review/Change Client Time Records",
       {PriorPeriod, ClientData, TimeRecordData, FinalStatementsWarning}, "TReviewChangeClientTimeRecordsForm"},
      {Tab::BillingRecords, "Add A Cost/Credit Record", {PriorPeriod, ClientData, MatterData, FinalStatementsWarning},
       "TAddCostCreditRecordForm"},
      {Tab::BillingRecords, "Change A Cost/Credit Record",
       {ClientData, MatterData, CostCreditRecordData, FinalStatementsWarning}, "TChangeCostCreditRecordForm"},
      {Tab::BillingRecords, "Delete A Cost/Credit Record",
       {PriorPeriod, ClientData, MatterData, CostCreditRecordData, FinalStatementsWarning},
       "TDeleteCostCreditRecordForm"},
      {Tab::BillingRecords, "Review/Change Client Cost/Credit Records",
       {PriorPeriod, ClientData, CostCreditRecordData, FinalStatementsWarning},
       "TReviewChangeClientCostCreditRecordsForm"},
      {Tab::BillingRecords, "Add A Client Payment Record", {PriorPeriod, ClientData, FinalStatementsWarning},
       "TAddClientPaymentForm"},
      {Tab::BillingRecords, "Change A Client Payment Record", {ClientData, PaymentRecordData, FinalStatementsWarning},
       "TChangeClientPaymentForm"},
      {Tab::BillingRecords, "Delete A Client Payment Record",
       {PriorPeriod, ClientData, PaymentRecordData, FinalStatementsWarning}, "TDeleteClientPaymentForm"},
      {Tab::BillingRecords, "Review/Change Client Payment Records",
       {PriorPeriod, ClientData, PaymentRecordData, FinalStatementsWarning}, "TReviewChangeClientPaymentRecordsForm"},

      {Tab::MonthlyStatements, "Display/Print A Draft Statement For A Client",
       {ClientData, FeeScheduleData, MatterData}, "TPrintDraftStatementForAClientForm"},
      {Tab::MonthlyStatements, "Print Draft Statements For A Client Group", {ClientData, FeeScheduleData, MatterData},
       "TPrintDraftStatementsForAClientGroupForm"},
      {Tab::MonthlyStatements, "Print Draft Statements For All Client Groups",
       {ClientData, FeeScheduleData, MatterData}, "TPrintDraftStatementsForAllClientsForm"},
      {Tab::MonthlyStatements, "Print Final Statements For A Client Group", {ClientData, FeeScheduleData, MatterData},
       "TPrintFinalStatementsForAClientGroupForm"},
      {Tab::MonthlyStatements, "Print Final Statements For All Client Groups",
       {ClientData, FeeScheduleData, MatterData}, "TPrintFinalStatementsForAllClientsForm"},
      {Tab::MonthlyStatements, "Print Mailing Labels", {ClientData}, "TPrintMailingLabelsForm"},

      {Tab::Reports, "Display/Print Aged Accounts Report", {ClientData}, "TAgedAccountsReportForm"},
      {Tab::Reports, "Display/Print Billing Activity Report For This Billing Period", {BillingActivityGate},
       "TBillingActivityReportForm"},
      {Tab::Reports, "Display/Print Attorney Activity Report For This Billing Period", {AttorneyActivityGate},
       "TAttorneyActivityReportForm"},
      {Tab::Reports, "Print Cumulative Payments Report For A Client", {ClientData}, "TCumulativePaymentsReportForm"},
      {Tab::Reports, "Print Cumulative Hours And Fees Report For A Matter", {ClientData, MatterData},
       "TCumulativeHoursAndFeesReportForm"},
      {Tab::Reports, "Print Cumulative Costs Report For A Matter", {ClientData, MatterData},
       "TCumulativeCostsReportForm"},
      {Tab::Reports, "Print Cumulative Credits Report For A Matter", {ClientData, MatterData},
       "TCumulativeCreditsReportForm"},
  };
  return all;
}

std::vector<const Command*> commandsOn(Tab tab) {
  std::vector<const Command*> onTab;
  for (const auto& command : commands())
    if (command.tab == tab) onTab.push_back(&command);
  return onTab;
}

std::string commandName(const std::string& label) {
  std::string name;
  bool breakPending = false;
  for (const char c : label) {
    if (c == ' ' || c == '/') {
      breakPending = !name.empty();
      continue;
    }
    if (breakPending) name += '-';
    breakPending = false;
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

const Command* findCommand(const std::string& name) {
  for (const auto& command : commands())
    if (commandName(command.label) == name) return &command;
  return nullptr;
}

}  // namespace vrk::shell
