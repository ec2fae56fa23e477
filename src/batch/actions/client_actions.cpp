// vrk-batch: the client actions and documents.
#include "batch/actions/actions.h"
#include "batch/registry.h"

namespace vrk::batch {

void registerClientActions(Registry& registry) { (void)registry; }

}  // namespace vrk::batch
