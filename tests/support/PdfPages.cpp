#include "support/PdfPages.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace testsupport {

bool havePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

std::unique_ptr<QPdfWriter> a4PdfWriter(const QString& path)
{
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return writer;
}

QStringList pdfPages(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0);
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\f'));
    EXPECT_TRUE(pages.last().trimmed().isEmpty());
    pages.removeLast();
    return pages;
}

} // namespace testsupport
