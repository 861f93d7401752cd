#pragma once
// Pages of 8 bytes as the tests write and compare them.
#include "db/PageImage.h"

#include <QByteArray>
#include <initializer_list>
#include <vector>

namespace testsupport {

// A page from its bytes listed from byte 7 down to byte 0, as the tables of the page layout read;
// the result holds byte 0 first, as intWritePage takes it.
QByteArray page7to0(std::initializer_list<int> bytes);
// A page holding up to 8 characters, the first in byte 7, padded with blanks.
QByteArray textPage(const QByteArray& text);
// Page `page` of a document (byte 0 first); a page the document does not give fails the test.
QByteArray pageOf(const CPageImage& doc, int page);
// The document's pages first..last, one after the other.
QByteArray documentPages(const CPageImage& doc, int first, int last);
// Pages first..last of an image of 8-byte pages (a module's memory as the emulated rack holds it).
QByteArray imagePages(const QByteArray& image, int first, int last);
// The page numbers first..last.
std::vector<int> pageRange(int first, int last);

} // namespace testsupport
