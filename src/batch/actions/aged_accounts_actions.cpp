// vrk-batch's aged accounts report: print aged-accounts, after the same checks the Reports tab runs
// before its dialog.
#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/reports/aged_accounts.h"
#include "core/store/transaction.h"

namespace vrk::batch {

void registerAgedAccountsActions(Registry& registry) {
  registry.add(DocumentAction{
      {"aged-accounts",
       "Display/Print Aged Accounts Report: every client's balances by age, payments since the last "
       "statement and balance due now, with totals",
       {},
       "Display/Print Aged Accounts Report"},
      [](Context& context, const FieldValues&, document::SinkKind sink) {
        store::Transaction tx(context.folder());
        return reports::agedAccountsReport(tx, {context.period, context.today}, sink);
      }});
}

}  // namespace vrk::batch
