#pragma once
// One kind of module document as the common document suite sees it: how a document of the kind is
// made, filled and moved between the database, an archive file and a module of the emulated rack,
// what the transfers send, and what the kind decodes from its pages. Each kind is one row.
#include "db/PageImage.h"
#include "docwindow/WindowRegistry.h"
#include "rackemu/PageImage.h"
#include "rackemu/Protocol.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

struct DocumentKind {
    const char* name;
    WindowRegistry::WindowKind window;
    rackemu::Kind rackKind;
    // A model of the catalogue that the New Module dialog offers for the kind.
    const char* newModel;

    // The module of the rack the suite works with: its memory, whole.
    std::function<QByteArray(uint32_t serial)> moduleImage;
    // A new, empty document of the kind.
    std::function<std::unique_ptr<CPageImage>()> make;
    // Fills a document with a module's memory and decodes it, as a loader leaves it.
    std::function<void(CPageImage& doc, const QByteArray& image)> load;
    // Changes the document as a user would (a text and a page), marking it changed; and checks
    // that pages (of a document, a stored copy or a module) carry that change.
    std::function<void(CPageImage& doc)> edit;
    std::function<void(const CPageImage& pages)> expectEdited;
    // Checks what the kind decodes from the suite's module (counts, model, model data).
    std::function<void(const CPageImage& doc)> expectDecoded;
    // The document's changed flag.
    std::function<bool&(CPageImage& doc)> modified;

    // The document's members that move it.
    std::function<int16_t(CPageImage& doc, const QString& serial)> fromModule;
    std::function<int16_t(CPageImage& doc)> toModule;
    std::function<int16_t(CPageImage& doc)> toDatabase;
    std::function<int16_t(CPageImage& doc, int32_t moduleID)> fromDatabase;
    std::function<int16_t(CPageImage& doc, const QString& path)> toArchive;
    std::function<int16_t(CPageImage& doc, const QString& path)> fromArchive;

    // What a read of the suite's module sends: the pages it reads in order, and whether it lets
    // the module go at the end. The message a read that finds no module shows (empty: none).
    std::vector<int> pagesRead;
    bool unlinksAfterRead;
    QString noModuleMessage;
    // What a write sends: the pages it reads first, the pages it writes, the commands after them.
    std::vector<int> pagesReadBeforeWrite;
    std::function<std::vector<int>(const CPageImage& doc)> pagesWritten;
    std::vector<rackemu::Command> writeEnd;
    // Pages a write changes in the document also when it fails (the date stamp).
    QList<int> pagesAWriteStamps;
    // Messages the document window adds when it cannot read a module.
    QStringList windowReadFailureMessages;
};

// A row is named by its kind in the test's parameter.
inline void PrintTo(const DocumentKind& kind, std::ostream* os) { *os << kind.name; }

// Every kind of document, one row each.
std::vector<DocumentKind> documentKinds();
// The kind of document the radio window holds.
DocumentKind radioDocumentKind();
// The kind of document the tone-remote window holds.
DocumentKind toneRemoteDocumentKind();
