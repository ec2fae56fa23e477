// vrk-batch: the attorney actions and documents.
#include "batch/actions/actions.h"
#include "batch/registry.h"

namespace vrk::batch {

void registerAttorneyActions(Registry& registry) { (void)registry; }

}  // namespace vrk::batch
