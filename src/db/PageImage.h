#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// Where a document came from.
enum DocumentSource : int16_t {
    kFromDatabase = 0,
    kFromModule = 1,
    kFromNew = 2,
    kFromMCF = 3,
    kFromBIN = 4,
    kFromHEX = 5,
    kFromArchive = 6,
};

// What the page store, the open-module test and the file commands use of a module document:
// its page image, 8 bytes a page, and where it came from.
class CPageImage {
public:
    virtual ~CPageImage() = default;

    static constexpr int kPageSize = 8;
    // The tag (8 characters) by which an image names the program that wrote it.
    static constexpr const char* kToolTag = "Velmar  ";

    // Copies the 8 bytes of `bytes` into page `page`; -1 (nothing changed) for a page outside the image
    // or a byte string that is not 8 bytes long.
    virtual int16_t intWritePage(int page, const QByteArray& bytes) = 0;
    // Copies page `page` into `bytes` (8 bytes); -1 (bytes untouched) for a page outside the image.
    virtual int16_t intReadPage(int page, QByteArray& bytes) const = 0;
    // Number of pages of the image (149 radio, 257 tone remote).
    virtual int pageCount() const = 0;
    // Last page the database keeps.
    virtual int lastStoredPage() const = 0;
    // True for a tone-remote document.
    virtual bool isToneRemote() const = 0;

    // The module's serial number as decimal text; empty in a new document.
    QString strSerial;
    // Where the document came from (DocumentSource).
    int16_t intDocumentFrom = kFromNew;
    // The serial number of the module this document is a copy of: the stored module it was loaded
    // from or last stored as, or the module it was read from; empty for a new document and a file.
    // A store under another serial number replaces a module that is not this one.
    QString strSourceSerial;
};
