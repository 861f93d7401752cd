#pragma once
// A page image of a given number of pages and nothing else, for the code that works on any kind of
// module document.
#include "db/PageImage.h"

#include <QByteArray>

namespace testsupport {

class PlainPageImage : public CPageImage {
public:
    explicit PlainPageImage(int pages, const QByteArray& bytes = {}, bool toneRemote = false)
        : bytes_(bytes.leftJustified(pages * kPageSize, '\0', true)), toneRemote_(toneRemote)
    {}

    int16_t intWritePage(int page, const QByteArray& bytes) override
    {
        if (page < 0 || page >= pageCount() || bytes.size() != kPageSize)
            return -1;
        bytes_.replace(page * kPageSize, kPageSize, bytes);
        return 0;
    }
    int16_t intReadPage(int page, QByteArray& bytes) const override
    {
        if (page < 0 || page >= pageCount())
            return -1;
        bytes = bytes_.mid(page * kPageSize, kPageSize);
        return 0;
    }
    int pageCount() const override { return static_cast<int>(bytes_.size() / kPageSize); }
    int lastStoredPage() const override { return pageCount() - 1; }
    bool isToneRemote() const override { return toneRemote_; }

    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    bool toneRemote_;
};

} // namespace testsupport
