#pragma once
// Reports printed into a PDF and read back with pdftotext (poppler-utils).
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <memory>

namespace testsupport {

// True when pdftotext can be run.
bool havePdfToText();
// A PDF writer of A4 sheets without margins at `path`.
std::unique_ptr<QPdfWriter> a4PdfWriter(const QString& path);
// The text of each page of the PDF, laid out as on the sheet; a failing tool fails the test.
QStringList pdfPages(const QString& path);

} // namespace testsupport
