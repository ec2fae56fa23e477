#include "batch/registry.h"

#include <stdexcept>

#include "batch/actions/actions.h"
#include "core/shell/commands.h"

namespace vrk::batch {
namespace {

// A signature's command must name a main-window button: a misspelt one would skip its guards.
const Signature& checked(const Signature& signature) {
  if (!signature.command.empty() && !guardedCommand(signature))
    throw std::logic_error("vrk-batch " + signature.name + " names no main-window command " +
                           signature.command);
  return signature;
}

}  // namespace

const shell::Command* guardedCommand(const Signature& signature) {
  return signature.command.empty() ? nullptr : shell::findCommand(shell::commandName(signature.command));
}

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

void Registry::add(Action action) { actions_[checked(action.signature).name] = std::move(action); }
void Registry::add(DocumentAction document) {
  documents_[checked(document.signature).name] = std::move(document);
}

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
    registerRecordActions(r);
    registerReviewActions(r);
    registerActivityActions(r);
    registerStatementActions(r);
    registerSampleActions(r);
    registerMatterListActions(r);
    registerAgedAccountsActions(r);
    registerMailingLabelActions(r);
    registerCumulativeActions(r);
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
