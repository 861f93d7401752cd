#include "support/PageBytes.h"

#include <gtest/gtest.h>

namespace testsupport {

namespace {
constexpr int kPageSize = CPageImage::kPageSize;
}

QByteArray page7to0(std::initializer_list<int> bytes)
{
    QByteArray page(kPageSize, '\0');
    int byte = kPageSize - 1;
    for (int v : bytes)
        page[byte--] = static_cast<char>(v);
    return page;
}

QByteArray textPage(const QByteArray& text)
{
    QByteArray page(kPageSize, ' ');
    for (int i = 0; i < kPageSize && i < text.size(); ++i)
        page[kPageSize - 1 - i] = text[i];
    return page;
}

QByteArray pageOf(const CPageImage& doc, int page)
{
    QByteArray bytes;
    EXPECT_EQ(doc.intReadPage(page, bytes), 0);
    return bytes;
}

QByteArray documentPages(const CPageImage& doc, int first, int last)
{
    QByteArray out;
    for (int p = first; p <= last; ++p)
        out += pageOf(doc, p);
    return out;
}

QByteArray imagePages(const QByteArray& image, int first, int last)
{
    return image.mid(first * kPageSize, (last - first + 1) * kPageSize);
}

std::vector<int> pageRange(int first, int last)
{
    std::vector<int> pages;
    for (int p = first; p <= last; ++p)
        pages.push_back(p);
    return pages;
}

} // namespace testsupport
