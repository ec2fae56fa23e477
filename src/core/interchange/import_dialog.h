// The logic of the Import Records dialog: the preview of a chosen file and the import itself,
// after the guards of the add command of the chosen kind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialog/outcome.h"
#include "core/dialog/prompter.h"
#include "core/interchange/record_import.h"
#include "core/shell/commands.h"

namespace vrk::interchange {

inline constexpr const char* kImportedMessage = " RECORDS WERE IMPORTED";  // after the count
inline constexpr const char* kNotImportedMessage = "THE FILE WAS NOT IMPORTED\r\nEACH ROW WITH A PROBLEM IS LISTED";

// The main-window command whose guards an import of that kind runs first (the add command).
const shell::Command& importCommand(ImportKind kind);

// The first `rows` rows of a CSV file as lines of the preview box (fields joined by " | ", a line
// break inside a field shown as " / "), or the reason the file cannot be read as CSV.
std::vector<std::string> previewLines(std::string_view bytes, std::size_t rows = 10);

// Import pressed: reads the file (a file error raises StoreError naming it), runs the guards, then
// imports. The outcome closes the dialog with OK after an import; `problems` gets each bad row.
dialog::Outcome importFile(const std::string& dataFilesPath, const std::string& period, ImportKind kind,
                           const std::filesystem::path& file, dialog::Prompter& prompter,
                           std::vector<std::string>& problems);

}  // namespace vrk::interchange
