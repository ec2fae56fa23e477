// What a final run printed, kept in the billing period's folder as a PDF file per client group
// ("Final Statements Group A.pdf"), saved with the run, so that a lost printout can be printed again
// with its invoice numbers.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vrk::statements {

inline constexpr const char* kNoArchivedRuns = "NO FINAL STATEMENTS ARE KEPT\r\nFOR THIS BILLING PERIOD";
inline constexpr const char* kGroupNotArchived =
    "THE FINAL STATEMENTS OF THIS CLIENT GROUP\r\nARE NOT KEPT FOR THIS BILLING PERIOD";

// "Final Statements Group A": how the archive is listed and titled.
std::string archiveTitle(const std::string& group);
// "Final Statements Group A.pdf": its file.
std::string archiveName(const std::string& group);
// The group an archive's file name is of; nothing for any other name.
std::optional<std::string> archivedGroup(const std::string& fileName);

// The groups with an archived final run in the folder, in client group list order (then any other,
// by name). A folder that cannot be listed has none.
std::vector<std::string> archivedGroups(const std::filesystem::path& folder);

// The bytes of the group's archive, read as saved; nothing when the folder keeps none.
// StoreError when it cannot be read.
std::optional<std::string> readArchive(const std::filesystem::path& folder, const std::string& group);

}  // namespace vrk::statements
