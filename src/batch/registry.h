// The actions and documents vrk-batch knows, each with its field names and the core call it makes.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "batch/command_line.h"
#include "batch/context.h"
#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"
#include "core/document/document.h"

namespace vrk::shell {
struct Command;
}

namespace vrk::batch {

// The fields given for one action or document, texts already in the stored character set.
class FieldValues {
 public:
  explicit FieldValues(Fields fields) : fields_(std::move(fields)) {}
  // The value of a field (the last one given), or "" when it was not given: an untouched box.
  std::string get(const std::string& name) const;
  bool has(const std::string& name) const;
  const Fields& all() const { return fields_; }

 private:
  Fields fields_;
};

struct Signature {
  std::string name;
  std::string summary;
  // Field names; one ending in "*" stands for every name with that prefix (rate-*); the name
  // "" stands for a bare word after the document name (print help PAGE).
  std::vector<std::string> fields;
  // The main-window button whose guards run first, as they do before its dialog opens (the
  // prior-period guard, the data checks, the final-statements question); "" for none.
  std::string command = {};
};

// The main-window command of a signature, or nullptr when it names none.
const shell::Command* guardedCommand(const Signature& signature);

struct ActionResult {
  dialog::Outcome outcome;
  std::vector<std::string> report;  // lines printed after the messages (a resulting state)
  // What the action printed (final statements): to --out FILE, else after the OK line.
  std::optional<document::Document> document = {};
};

struct Action {
  Signature signature;
  std::function<ActionResult(Context&, const FieldValues&, dialog::Prompter&)> run;
};

// Thrown by a document's build when the checks of its dialog refuse the boxes: vrk-batch prints the
// message boxes, then REFUSED, and exits 1, as a refused action does.
struct DocumentRefused {
  dialog::Outcome outcome;
};

struct DocumentAction {
  Signature signature;
  std::function<document::Document(Context&, const FieldValues&, document::SinkKind)> build;
};

class Registry {
 public:
  void add(Action action);
  void add(DocumentAction document);
  const Action* action(const std::string& name) const;
  const DocumentAction* document(const std::string& name) const;
  const std::map<std::string, Action>& actions() const { return actions_; }
  const std::map<std::string, DocumentAction>& documents() const { return documents_; }

 private:
  std::map<std::string, Action> actions_;
  std::map<std::string, DocumentAction> documents_;
};

// Every action and document, registered once by each subsystem's file in batch/actions/.
const Registry& registry();

// Refuses a field the signature does not name (UsageError).
void checkFields(const Signature& signature, const Fields& fields);

}  // namespace vrk::batch
