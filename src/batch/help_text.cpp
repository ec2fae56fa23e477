#include "batch/help_text.h"

#include <sstream>

#include "batch/registry.h"

namespace vrk::batch {
namespace {

const char* const kGuardsNote =
    "An action or document of a main-window command first runs that command's guards, as\n"
    "the main window does; --yes / --no also answers the final-statements question.\n";

const char* const kImportNote =
    "import reads a CSV file with a header row naming its columns (time: client, matter, date,\n"
    "attorney, hours, rate, description; cost-credit: client, matter, date, kind, amount,\n"
    "description; payment: client, date, amount) and saves every row as the add dialog would,\n"
    "all in one save; a file with any bad row saves nothing and each is listed as line N: MESSAGE.\n"
    "export writes a table in the same columns (clients and matters: the add actions' field\n"
    "names), so that an export imports back unchanged. export ledes writes the draft statement\n"
    "of client=CODE, or of every client of group=G, as LEDES 1998B invoices, one per matter,\n"
    "numbered DRAFT; do final-statements --ledes DIR saves the numbered invoices of a final run.\n"
    "FILE - is standard output.\n"
    "check-ledes lists every problem of a LEDES 1998B file with its line number.\n"
    "print final-statements copies the PDF file a final run of the group kept of what it printed.\n"
    "verify checks a closed billing period (the current one, --period MMYYYY, or with --all every\n"
    "sealed one) against the seal its last final run wrote, listing each changed, missing or added\n"
    "data file; exit status 0 when every seal holds, 1 otherwise.\n";

void printSignature(std::ostream& out, const Signature& signature) {
  out << "  " << signature.name;
  for (const auto& field : signature.fields) out << (field.empty() ? " WORD" : " " + field + "=…");
  out << "\n      " << signature.summary << "\n";
}

// Text for a troff line: backslashes escaped, "..." for the one non-ASCII character the summaries
// use, hyphens as hyphens, and a leading dot or quote kept from being read as a request.
std::string troff(const std::string& text) {
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (text.compare(k, 3, "…") == 0) {
      out += "...";
      k += 2;
    } else if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

void manualEntry(std::ostream& out, const Signature& signature) {
  out << ".TP\n\\fB" << troff(signature.name) << "\\fR";
  for (const auto& field : signature.fields)
    out << (field.empty() ? " \\fIWORD\\fR" : " " + troff(field) + "=\\fIvalue\\fR");
  out << "\n" << troff(signature.summary) << "\n";
}

}  // namespace

const char* const kUsage =
    "usage: vrk-batch [--data-dir DIR] [--settings FILE] [--period MMYYYY] [--today MM/DD/YYYY]\n"
    "                 do ACTION [name=value ...] [--yes | --no] [--out FILE] [--ledes DIR]\n"
    "                 print DOCUMENT [name=value ...] [--screen] [--out FILE]\n"
    "                 print final-statements group=G --out FILE\n"
    "                 import time|cost-credit|payment FILE.csv\n"
    "                 export time|cost-credit|payment|clients|matters FILE.csv\n"
    "                 export ledes client=CODE | group=G [statement-date=MM/DD/YYYY] FILE\n"
    "                 check-ledes FILE\n"
    "                 verify [--period MMYYYY | --all]\n"
    "                 help\n";

void printHelp(std::ostream& out) {
  out << kUsage << "\nactions (do):\n";
  for (const auto& [name, action] : registry().actions()) printSignature(out, action.signature);
  out << "\ndocuments (print):\n";
  for (const auto& [name, document] : registry().documents()) printSignature(out, document.signature);
  out << "\n" << kImportNote << "\n" << kGuardsNote << "Exit status: 0 OK, 1 REFUSED, 2 usage error, 3 file error.\n";
}

std::string manualPage(const std::string& version) {
  std::ostringstream out;
  out << ".TH VRK\\-BATCH 1 \"December 2026\" \"vrk " << troff(version) << "\" \"User Commands\"\n"
      << ".SH NAME\n"
      << "vrk\\-batch \\- run the actions and print the documents of VRK from the command line\n"
      << ".SH SYNOPSIS\n"
      << ".nf\n";
  std::istringstream usage(kUsage);
  for (std::string line; std::getline(usage, line);)
    out << troff(line.starts_with("usage: ") ? line.substr(7) : line.substr(std::min<std::size_t>(7, line.size())))
        << "\n";
  out << ".fi\n"
      << ".SH DESCRIPTION\n"
      << "\\fBvrk\\-batch\\fR works on the same data directory as the desktop program \\fBvrk\\fR and "
         "through the same logic as its dialogs: \\fBdo\\fR fills an action's boxes with the fields "
         "given as \\fIname\\fR=\\fIvalue\\fR and presses its button; \\fBprint\\fR makes a document "
         "as the dialog would print it, as text, or as PDF with \\fB\\-\\-out\\fR \\fIFILE\\fR.pdf. "
         "A message box is printed as its kind in brackets and its text; the last line says OK or "
         "REFUSED.\n"
      << ".PP\n"
      << troff(kImportNote) << "\n"
      << ".PP\n"
      << troff(kGuardsNote) << "\n"
      << ".SH OPTIONS\n"
      << ".TP\n\\fB\\-\\-data\\-dir\\fR \\fIDIR\\fR\nThe data directory (default: the one in the settings).\n"
      << ".TP\n\\fB\\-\\-settings\\fR \\fIFILE\\fR\nAn INI settings file instead of the user's settings.\n"
      << ".TP\n\\fB\\-\\-period\\fR \\fIMMYYYY\\fR\nThe billing period (default: the month of today).\n"
      << ".TP\n\\fB\\-\\-today\\fR \\fIMM/DD/YYYY\\fR\nThe date to take as today.\n"
      << ".TP\n\\fB\\-\\-yes\\fR, \\fB\\-\\-no\\fR\nThe answer to every question a dialog asks.\n"
      << ".TP\n\\fB\\-\\-screen\\fR\nThe document's screen form instead of its printed form.\n"
      << ".TP\n\\fB\\-\\-out\\fR \\fIFILE\\fR\nWrite the document to \\fIFILE\\fR: PDF when it ends in "
         ".pdf, else text.\n"
      << ".SH ACTIONS\n";
  for (const auto& [name, action] : registry().actions()) manualEntry(out, action.signature);
  out << ".SH DOCUMENTS\n";
  for (const auto& [name, document] : registry().documents()) manualEntry(out, document.signature);
  out << ".SH EXIT STATUS\n"
      << ".TP\n0\nOK: the action was done or the document printed.\n"
      << ".TP\n1\nREFUSED: the dialog's checks refused the boxes; nothing was written.\n"
      << ".TP\n2\nA usage error: an unknown action, document or field.\n"
      << ".TP\n3\nA file error: a data file is missing or damaged; nothing was written.\n"
      << ".SH SEE ALSO\n"
      << ".BR vrk (1)\n";
  return out.str();
}

}  // namespace vrk::batch
