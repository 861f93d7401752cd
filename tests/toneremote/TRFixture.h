#pragma once
// What the tone-remote document's tests share: images in and out of a document, one byte at a time.
#include "rackemu/PageImage.h"
#include "support/PageBytes.h"
#include "toneremote/COrvDocTR.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace trtest {

constexpr int kPages = trlayout::kPageCount;

// The whole image of a document, page 0 first, byte 0 of each page first.
inline QByteArray imageOf(const COrvDocTR& doc) { return testsupport::documentPages(doc, 0, kPages - 1); }

inline void loadImage(COrvDocTR& doc, const QByteArray& image)
{
    for (int p = 0; p < kPages; ++p)
        ASSERT_EQ(doc.intWritePage(p, image.mid(p * 8, 8)), 0);
}

inline uint8_t byteAt(const COrvDocTR& doc, int page, int byte)
{
    return static_cast<uint8_t>(testsupport::pageOf(doc, page).at(byte));
}

inline void setByte(COrvDocTR& doc, int page, int byte, uint8_t value)
{
    QByteArray bytes = testsupport::pageOf(doc, page);
    bytes[byte] = static_cast<char>(value);
    ASSERT_EQ(doc.intWritePage(page, bytes), 0);
}

// A 16-bit word of a page, high byte in `hiByte`.
inline uint16_t wordAt(const COrvDocTR& doc, int page, int hiByte)
{
    return static_cast<uint16_t>(byteAt(doc, page, hiByte) << 8 | byteAt(doc, page, hiByte - 1));
}

// The pages in which two images differ.
inline QList<int> differingPages(const QByteArray& a, const QByteArray& b)
{
    QList<int> pages;
    for (int p = 0; p < kPages; ++p)
        if (a.mid(p * 8, 8) != b.mid(p * 8, 8))
            pages << p;
    return pages;
}

// A freshly programmed module as the emulated rack has it.
inline QByteArray defaultImage() { return rackemu::defaultImage(rackemu::Kind::ToneRemote, 4711); }

// An image of random bytes.
inline QByteArray randomImage(quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray image(kPages * 8, '\0');
    for (auto& b : image)
        b = static_cast<char>(gen.bounded(256));
    return image;
}

} // namespace trtest
