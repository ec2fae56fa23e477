// Test support for printed documents: whether a file is a PDF, and its text as pdftotext lays it out.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <filesystem>

#include "support/temp_folder.h"

namespace vrk::test {

inline bool isPdf(const std::filesystem::path& file) {
  return std::filesystem::exists(file) && readFile(file).starts_with("%PDF");
}

// The PDF's text laid out as printed, or nothing when pdftotext is not installed.
inline QString pdfText(const std::filesystem::path& pdf) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return {};
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

}  // namespace vrk::test
