#include "core/help/help_layout.h"

#include <algorithm>

namespace vrk::help {
namespace {

std::string_view trimRight(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t'))
    line.remove_suffix(1);
  return line;
}

std::string_view trimLeft(std::string_view line) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  return line;
}

bool isHeading(std::string_view line) { return line.size() > 3 && line.ends_with(" --"); }

document::Line textLine(std::string text) {
  document::Line line;
  if (!text.empty()) line.pieces.push_back({std::move(text), document::Font::Courier});
  return line;
}

std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

struct Indents {
  int heading = 0;
  int text = 0;
  int itemHang = 0;  // further lines of a list item stand this much to the right of its "- "
  int width = 0;     // of the text, without the indentation
};

// One paragraph as lines, without the empty line that separates it from the next.
std::vector<std::string> paragraphLines(const HelpParagraph& paragraph, const Indents& indents) {
  std::vector<std::string> lines;
  if (!paragraph.heading.empty()) lines.push_back(blanks(indents.heading) + paragraph.heading);
  for (const auto& run : paragraph.runs) {
    const int hang = run.starts_with("- ") ? indents.itemHang : 0;
    const auto broken = breakIntoLines(run, indents.width - hang);
    for (std::size_t i = 0; i < broken.size(); ++i)
      lines.push_back(blanks(indents.text + (i > 0 ? hang : 0)) + broken[i]);
  }
  return lines;
}

document::Document screenForm(const std::vector<HelpParagraph>& paragraphs) {
  document::Document document;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) document.lines.push_back(textLine({}));
    for (auto& line : paragraphLines(paragraphs[i], {0, 0, kScreenItemHang, kScreenLineWidth}))
      document.lines.push_back(textLine(line));
  }
  return document;
}

document::Document printedForm(const std::vector<HelpParagraph>& paragraphs) {
  document::Document document;
  int lineCount = 0;
  const auto startPage = [&] {
    for (int i = 0; i < kPrintedTopLines; ++i) document.lines.push_back(textLine({}));
    lineCount = kPrintedTopLines;
  };
  const auto add = [&](std::string text) {
    document.lines.push_back(textLine(std::move(text)));
    ++lineCount;
  };
  const auto newPage = [&] {
    document.lines.back().formFeed = true;
    startPage();
  };

  startPage();
  for (const auto& paragraph : paragraphs) {
    const auto lines =
        paragraphLines(paragraph, {kPrintedHeadingIndent, kPrintedTextIndent, 0, kPrintedTextWidth});
    if (lines.empty()) continue;
    const bool topOfPage = lineCount == kPrintedTopLines;
    // A heading with at least two lines of its text (a paragraph with at least two of its lines)
    // must fit below the separating empty line, else the paragraph starts the next page.
    const int kept = std::min(static_cast<int>(lines.size()), paragraph.heading.empty() ? 2 : 3);
    if (!topOfPage && lineCount + 1 + kept > kPrintedPageLines) {
      newPage();
    } else if (!topOfPage) {
      add({});
    }
    for (const auto& line : lines) {
      if (lineCount >= kPrintedPageLines) newPage();
      add(line);
    }
  }
  return document;
}

}  // namespace

std::vector<HelpParagraph> parseHelpText(std::string_view text) {
  std::vector<HelpParagraph> paragraphs;
  bool inParagraph = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trimRight(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

    if (trimLeft(line).empty()) {
      inParagraph = false;
      continue;
    }
    if (!inParagraph) {
      paragraphs.emplace_back();
      inParagraph = true;
      if (isHeading(line)) {
        paragraphs.back().heading = std::string(line);
        continue;
      }
      paragraphs.back().runs.emplace_back(line);  // its leading blanks stay
      continue;
    }
    auto& runs = paragraphs.back().runs;
    const std::string_view words = trimLeft(line);
    // An indented line continues a list item; a line at the margin after an item starts a new run.
    const bool endsItem = !runs.empty() && runs.back().starts_with("- ") && line.front() != ' ';
    if (runs.empty() || words.starts_with("- ") || endsItem) {
      runs.emplace_back(words);
    } else {
      runs.back() += ' ';
      runs.back() += words;
    }
  }
  return paragraphs;
}

std::vector<std::string> breakIntoLines(std::string_view run, int width) {
  std::vector<std::string> lines;
  std::string line(run.size() - trimLeft(run).size(), ' ');
  bool lineHasWord = false;
  std::string_view rest = trimLeft(run);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest = trimLeft(rest.substr(end));
    if (lineHasWord && static_cast<int>(line.size() + 1 + word.size()) > width) {
      lines.push_back(std::move(line));
      line.clear();
      lineHasWord = false;
    }
    if (lineHasWord) line += ' ';
    line += word;
    lineHasWord = true;
  }
  if (lineHasWord) lines.push_back(std::move(line));
  return lines;
}

document::Document layoutHelpText(std::string_view text, document::SinkKind sink) {
  const auto paragraphs = parseHelpText(text);
  return sink == document::SinkKind::Screen ? screenForm(paragraphs) : printedForm(paragraphs);
}

}  // namespace vrk::help
