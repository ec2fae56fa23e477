#include "core/interchange/csv.h"

#include "core/text/cp1252.h"

namespace vrk::interchange {
namespace {

class Reader {
 public:
  explicit Reader(std::string text) : text_(std::move(text)) {}

  CsvFile read() {
    CsvFile file;
    while (at_ < text_.size()) {
      CsvRow row;
      row.line = line_;
      if (!readRow(row.fields)) {
        file.rows.clear();
        file.error = error_;
        return file;
      }
      const bool blank = row.fields.size() == 1 && row.fields.front().empty() && !quotedRow_;
      if (!blank) file.rows.push_back(std::move(row));
    }
    return file;
  }

 private:
  // Reads one row up to and past its line end; false with error_ set on a malformed quote.
  bool readRow(std::vector<std::string>& fields) {
    quotedRow_ = false;
    for (;;) {
      std::string field;
      if (at_ < text_.size() && text_[at_] == '"') {
        quotedRow_ = true;
        if (!readQuoted(field)) return false;
      } else {
        while (at_ < text_.size() && text_[at_] != ',' && !atLineEnd()) field += text_[at_++];
      }
      fields.push_back(std::move(field));
      if (at_ >= text_.size()) return true;
      if (text_[at_] == ',') {
        ++at_;
        continue;
      }
      skipLineEnd();
      return true;
    }
  }

  bool readQuoted(std::string& field) {
    const int startLine = line_;
    ++at_;  // the opening quote
    for (;;) {
      if (at_ >= text_.size()) {
        error_ = "line " + std::to_string(startLine) + ": a quoted field has no closing quote";
        return false;
      }
      const char c = text_[at_];
      if (c == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          field += '"';
          at_ += 2;
          continue;
        }
        ++at_;
        if (at_ < text_.size() && text_[at_] != ',' && !atLineEnd()) {
          error_ = "line " + std::to_string(line_) + ": a quoted field goes on after its closing quote";
          return false;
        }
        return true;
      }
      if (atLineEnd()) {
        skipLineEnd();
        field += '\n';
        continue;
      }
      field += c;
      ++at_;
    }
  }

  bool atLineEnd() const { return text_[at_] == '\n' || text_[at_] == '\r'; }

  // CRLF, LF or a lone CR.
  void skipLineEnd() {
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
  }

  std::string text_;
  std::size_t at_ = 0;
  int line_ = 1;
  bool quotedRow_ = false;
  std::string error_;
};

}  // namespace

std::string storedText(std::string_view bytes) {
  if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    return text::cp1252FromUtf8(bytes.substr(kUtf8ByteOrderMark.size()));
  return text::isUtf8(bytes) ? text::cp1252FromUtf8(bytes) : std::string(bytes);
}

CsvFile readCsv(std::string_view bytes) { return Reader(storedText(bytes)).read(); }

std::string csvLine(const std::vector<std::string>& storedFields) {
  if (storedFields.size() == 1 && storedFields.front().empty()) return "\"\"\r\n";  // not a blank line
  std::string line;
  for (std::size_t i = 0; i < storedFields.size(); ++i) {
    const std::string& field = storedFields[i];
    if (i > 0) line += ',';
    const bool quoted = field.find_first_of(",\"\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    std::string text;
    for (const char c : field) {
      if (c == '"') text += "\"\"";
      else if (c == '\n') text += "\r\n";
      else text += c;
    }
    line += quoted ? "\"" + text + "\"" : text;
  }
  return text::utf8FromCp1252(line) + "\r\n";
}

}  // namespace vrk::interchange
