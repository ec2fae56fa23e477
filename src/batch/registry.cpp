#include "batch/registry.h"

#include "batch/actions/actions.h"

namespace vrk::batch {

std::string FieldValues::get(const std::string& name) const {
  for (auto it = fields_.rbegin(); it != fields_.rend(); ++it)
    if (it->first == name) return it->second;
  return {};
}

bool FieldValues::has(const std::string& name) const {
  for (const auto& field : fields_)
    if (field.first == name) return true;
  return false;
}

void Registry::add(Action action) { actions_[action.signature.name] = std::move(action); }
void Registry::add(DocumentAction document) { documents_[document.signature.name] = std::move(document); }

const Action* Registry::action(const std::string& name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : &it->second;
}

const DocumentAction* Registry::document(const std::string& name) const {
  const auto it = documents_.find(name);
  return it == documents_.end() ? nullptr : &it->second;
}

const Registry& registry() {
  static const Registry all = [] {
    Registry r;
    registerShellActions(r);
    registerHelpActions(r);
    registerBackupActions(r);
    registerAttorneyActions(r);
    registerClientActions(r);
    registerMatterActions(r);
    return r;
  }();
  return all;
}

void checkFields(const Signature& signature, const Fields& fields) {
  for (const auto& [name, value] : fields) {
    bool known = false;
    for (const auto& allowed : signature.fields) {
      if (!allowed.empty() && allowed.back() == '*') {
        known = known || name.rfind(allowed.substr(0, allowed.size() - 1), 0) == 0;
      } else {
        known = known || name == allowed;
      }
    }
    if (!known) {
      throw UsageError(name.empty() ? signature.name + " takes no word " + value
                                    : signature.name + " has no field " + name);
    }
  }
}

}  // namespace vrk::batch
