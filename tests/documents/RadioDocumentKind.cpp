// The radio document's row: a receiver of 128 channels.
#include "DocumentKind.h"

#include "radio/CLASSOrvDocument.h"
#include "support/PageBytes.h"
#include "support/RadioModuleImage.h"

#include <gtest/gtest.h>

using namespace radiolayout;

namespace {

constexpr int kChannels = 128;
constexpr int kDeletedChannel = 5;

CLASSOrvDocument& radio(CPageImage& doc) { return dynamic_cast<CLASSOrvDocument&>(doc); }
const CLASSOrvDocument& radio(const CPageImage& doc) { return dynamic_cast<const CLASSOrvDocument&>(doc); }

} // namespace

DocumentKind radioDocumentKind()
{
    DocumentKind k{};
    k.name = "Radio";
    k.window = WindowRegistry::WindowKind::Radio;
    k.rackKind = rackemu::Kind::Receiver;
    k.newModel = "Vr31-05-0000";
    k.moduleImage = [](uint32_t serial) {
        return testsupport::radioModuleImage(rackemu::Kind::Receiver, serial, kChannels);
    };
    k.make = [] { return std::make_unique<CLASSOrvDocument>(); };
    k.load = [](CPageImage& doc, const QByteArray& image) {
        for (int p = 0; p < kPageCount; ++p)
            doc.intWritePage(p, testsupport::imagePages(image, p, p));
        ASSERT_EQ(radio(doc).intInitSystemInfo(), 0);
        ASSERT_EQ(radio(doc).intReadModData(), 0);
        doc.intDocumentFrom = kFromModule;
    };
    k.edit = [](CPageImage& doc) {
        CLASSOrvDocument& d = radio(doc);
        d.strUserRemark = QStringLiteral("Edited remark");
        ASSERT_EQ(d.DeleteChannel(kDeletedChannel), 0);
        d.fModified = true;
    };
    k.expectEdited = [](const CPageImage& pages) {
        using testsupport::pageOf;
        EXPECT_EQ(pageOf(pages, kRemarkPage) + pageOf(pages, kRemarkPage + 1),
                  testsupport::textPage("Edited r") + testsupport::textPage("emark   "));
        EXPECT_EQ(pageOf(pages, kPartition + kDeletedChannel - 1), testsupport::page7to0({0, 0, 0, 0, 0, 0, 0, 255}));
        if (const auto* doc = dynamic_cast<const CLASSOrvDocument*>(&pages)) {
            EXPECT_EQ(doc->strUserRemark, QStringLiteral("Edited remark"));
        }
    };
    k.expectDecoded = [](const CPageImage& doc) {
        const CLASSOrvDocument& d = radio(doc);
        EXPECT_EQ(d.intMaxchannel, kChannels);
        EXPECT_EQ(d.intRxTxEx, 0);
        EXPECT_EQ(d.strModuleType, QStringLiteral("Vr31-05-0000"));
        EXPECT_EQ(d.lngLowerFreql, 148000000) << "the catalogue's data of the model";
        EXPECT_EQ(d.lngIntFreq, 21400000);
    };
    k.modified = [](CPageImage& doc) -> bool& { return radio(doc).fModified; };

    k.fromModule = [](CPageImage& doc, const QString& serial) { return radio(doc).intModule2Document(serial); };
    k.toModule = [](CPageImage& doc) { return radio(doc).intDocument2Module(); };
    k.toDatabase = [](CPageImage& doc) { return radio(doc).intDocument2DB(); };
    k.fromDatabase = [](CPageImage& doc, int32_t id) { return radio(doc).intDB2Document(id); };
    k.toArchive = [](CPageImage& doc, const QString& path) { return radio(doc).intDocument2Archive(path); };
    k.fromArchive = [](CPageImage& doc, const QString& path) { return radio(doc).intArchive2Document(path); };

    // The identity page first, then pages 0 to one past the last channel page.
    k.pagesRead = testsupport::pageRange(0, kChannels + kPartition + 1);
    k.pagesRead.insert(k.pagesRead.begin(), kIdentityPage);
    k.unlinksAfterRead = true;
    k.noModuleMessage = QStringLiteral("No response from module");
    k.pagesReadBeforeWrite = {kIdentityPage, kModelCodePage};
    // Page 1, then page 5 to the last channel page: pages 0, 2, 3 and 4 stay the module's own.
    k.pagesWritten = [](const CPageImage& doc) {
        std::vector<int> pages =
            testsupport::pageRange(kOptionPage, radio(doc).intMaxchannel + radio(doc).intPartition);
        pages.insert(pages.begin(), kStatePage);
        return pages;
    };
    k.writeEnd = {rackemu::Command::End, rackemu::Command::Restart};
    k.pagesAWriteStamps = {kLastWritePage};
    k.windowReadFailureMessages = {QStringLiteral("No response from module"),
                                   QStringLiteral("Cannot read from module.")};
    return k;
}
