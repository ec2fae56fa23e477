// vrk-batch: the matter actions and documents.
#include "batch/actions/actions.h"
#include "batch/registry.h"

namespace vrk::batch {

void registerMatterActions(Registry& registry) { (void)registry; }

}  // namespace vrk::batch
