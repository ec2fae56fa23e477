// One save across two billing-period folders, as a month-end final run makes: the next month's
// folder and the current one change together or not at all.
#pragma once

#include "core/store/transaction.h"

namespace vrk::store {

// Commits two transactions on two different folders side by side (in the same data directory)
// as one save: after a failure, or a crash at any point, both folders hold their new files or
// both hold their old ones. Either transaction may have no changes (then it is the ordinary
// commit of the other). The journals of the two folders link to each other; sealing the first
// folder's journal decides that the save stands, and recoverFolder() then completes both folders,
// whichever is opened first. A failure raises StoreError as commit() does, naming the folder or
// file that failed; also for two transactions on one folder, or on folders not side by side.
void commitTogether(Transaction& first, Transaction& second);

}  // namespace vrk::store
