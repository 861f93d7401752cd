// The tone-remote document's row: a module as the emulated rack programs it.
#include "DocumentKind.h"

#include "support/PageBytes.h"
#include "toneremote/COrvDocTR.h"

#include <gtest/gtest.h>

using namespace trlayout;

namespace {

constexpr int kEditedPair = fntones::pairIndex(2, 3);
constexpr int kEditedAction = 12;

COrvDocTR& toneRemote(CPageImage& doc) { return dynamic_cast<COrvDocTR&>(doc); }

} // namespace

DocumentKind toneRemoteDocumentKind()
{
    DocumentKind k{};
    k.name = "ToneRemote";
    k.window = WindowRegistry::WindowKind::ToneRemote;
    k.rackKind = rackemu::Kind::ToneRemote;
    k.newModel = "Vr71-05-0000";
    k.moduleImage = [](uint32_t serial) { return rackemu::defaultImage(rackemu::Kind::ToneRemote, serial); };
    k.make = [] { return std::make_unique<COrvDocTR>(); };
    k.load = [](CPageImage& doc, const QByteArray& image) {
        for (int p = 0; p < kPageCount; ++p)
            doc.intWritePage(p, testsupport::imagePages(image, p, p));
        ASSERT_EQ(toneRemote(doc).intInitSystemInfo(), 0);
        doc.intDocumentFrom = kFromModule;
    };
    k.edit = [](CPageImage& doc) {
        COrvDocTR& d = toneRemote(doc);
        d.strUserRemark = QStringLiteral("Edited remark");
        ASSERT_EQ(d.intSetFnToneAction(kEditedPair, kEditedAction), 0);
        d.fModified = true;
    };
    k.expectEdited = [](const CPageImage& pages) {
        using testsupport::pageOf;
        EXPECT_EQ(pageOf(pages, kRemarkPage) + pageOf(pages, kRemarkPage + 1),
                  testsupport::textPage("Edited r") + testsupport::textPage("emark   "));
        const int page = fntones::kActionPages + kEditedPair / kPageSize;
        EXPECT_EQ(static_cast<uint8_t>(pageOf(pages, page).at(kPageSize - 1 - kEditedPair % kPageSize)), kEditedAction);
        if (const auto* doc = dynamic_cast<const COrvDocTR*>(&pages)) {
            EXPECT_EQ(doc->strUserRemark, QStringLiteral("Edited remark"));
        }
    };
    k.expectDecoded = [](const CPageImage& doc) {
        const COrvDocTR& d = dynamic_cast<const COrvDocTR&>(doc);
        EXPECT_TRUE(d.OrvTest());
        EXPECT_EQ(d.intRxTxEx, 3);
        EXPECT_EQ(d.strFirmwareVersion, QStringLiteral("V01.01"));
        EXPECT_EQ(d.strModuleType, QStringLiteral("Vr41-10-0000"));
        EXPECT_EQ(d.intTxDelay, 1200);
        EXPECT_EQ(d.VotingLevel, 10338);
    };
    k.modified = [](CPageImage& doc) -> bool& { return toneRemote(doc).fModified; };

    // The window decodes what a read brought: so do the suite's reads.
    k.fromModule = [](CPageImage& doc, const QString& serial) -> int16_t {
        COrvDocTR& d = toneRemote(doc);
        return d.intModule2Document(serial) != 0 ? -1 : d.intInitSystemInfo();
    };
    k.toModule = [](CPageImage& doc) { return toneRemote(doc).intDocument2Module(); };
    k.toDatabase = [](CPageImage& doc) { return toneRemote(doc).intDocument2DB(); };
    k.fromDatabase = [](CPageImage& doc, int32_t id) { return toneRemote(doc).intDB2Document(id); };
    k.toArchive = [](CPageImage& doc, const QString& path) { return toneRemote(doc).intDocument2Archive(path); };
    k.fromArchive = [](CPageImage& doc, const QString& path) { return toneRemote(doc).intArchive2Document(path); };

    // Pages 0 to 255 in order; the module stays linked for the window, which unlinks it.
    k.pagesRead = testsupport::pageRange(0, kModulePages - 1);
    k.unlinksAfterRead = false;
    k.pagesReadBeforeWrite = {kIdentityPage};
    // Page 1, then pages 5 to 255: pages 0, 2, 3 and 4 stay the module's own, page 256 is not its.
    k.pagesWritten = [](const CPageImage&) {
        std::vector<int> pages = testsupport::pageRange(kTimerPage, kModulePages - 1);
        pages.insert(pages.begin(), kStatePage);
        return pages;
    };
    k.writeEnd = {rackemu::Command::Restart};
    k.pagesAWriteStamps = {kLastWritePage};
    k.windowReadFailureMessages = {QStringLiteral("No response from module.")};
    return k;
}
