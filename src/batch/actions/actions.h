// Each subsystem's registration of its vrk-batch actions and documents.
#pragma once

namespace vrk::batch {

class Registry;

void registerShellActions(Registry& registry);  // billing period, data-file checks

}  // namespace vrk::batch
