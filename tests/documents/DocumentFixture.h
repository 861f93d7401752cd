#pragma once
// The common document suite's test bed, run once for every kind of document: a database in a
// temporary program folder, and the suite's module of the kind in an emulated rack on serial port 1.
#include "DocumentKind.h"

#include "rackemu/Rack.h"
#include "support/RackOnPort.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

class DocumentSuite : public ::testing::TestWithParam<DocumentKind> {
protected:
    static constexpr uint32_t kSerial = 0x012345;

    void SetUp() override;
    void TearDown() override;

    const DocumentKind& kind() const { return GetParam(); }
    static QString serialText() { return QString::number(kSerial); }
    // A document of the kind holding the module's memory, decoded.
    std::unique_ptr<CPageImage> loadedDocument() const;
    // The module's memory as the rack holds it now, as a page image.
    std::unique_ptr<CPageImage> modulePages() const;
    // A module's row in the database.
    int32_t storedModuleID(const QString& serial) const;
    // Lets deleted windows go and pending events run.
    static void settle();

    QByteArray image_; // the module's memory before the test
    testsupport::ProgramFolder folder_;
    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
    testsupport::ScriptedMsgBox boxes_;
};

// Every page of `doc`, one after the other.
QByteArray allPages(const CPageImage& doc);
