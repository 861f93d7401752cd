// The raw page editor: its page list, what Apply writes or refuses, and the window that shows the
// changed pages at once and saves them.
#include "radioview/ViewFixture.h"

#include "docwindow/DocumentWindowOpen.h"
#include "radioview/ChannelCells.h"
#include "docwindow/frmBits.h"
#include "support/PlainPageImage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace radiolayout;
using WindowRegistry::WindowKind;

namespace {

// A module document that is only a page image (as the tone-remote document's, 257 pages).
struct PlainImage : testsupport::PlainPageImage {
    explicit PlainImage(int pages) : PlainPageImage(pages, {}, true) {}
};

QStringList rowTexts(const QTableWidget* grid, int row)
{
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
    return out;
}

void apply(frmBits& d, const QString& hex, const QString& page)
{
    d.Text1->setText(hex);
    d.Text2->setText(page);
    d.Command1->click();
}

} // namespace

class RawPageEditorTest : public ViewTest {
protected:
    // The Show button on the channel tab.
    static void clickShow(frmOrvView* w)
    {
        w->SSTab1->setCurrentIndex(1);
        ASSERT_TRUE(w->cmdShow->isEnabled());
        w->cmdShow->click();
    }
};

TEST_F(RawPageEditorTest, ListsEveryPageByteSevenFirst)
{
    frmOrvView* w = openNew(kTransmitterModel, 0x0A0B0C, 4);
    QStringList captions;
    QStringList page2;
    int rows = 0;
    onModal<frmBits>([&](frmBits& d) {
        for (int c = 0; c < d.grdBits->columnCount(); ++c)
            captions << d.grdBits->horizontalHeaderItem(c)->text();
        rows = d.grdBits->rowCount();
        page2 = rowTexts(d.grdBits, 2);
        d.cmdClose->click();
    });
    clickShow(w);
    EXPECT_EQ(captions, (QStringList{"Page", "Byte 7", "Byte 6", "Byte 5", "Byte 4", "Byte 3", "Byte 2", "Byte 1", "Byte 0"}));
    EXPECT_EQ(rows, kPageCount);
    // Serial 0A0B0C in bytes 7-5, 4 channels in bytes 4-3, partition 16 in byte 1.
    const QByteArray page = pageOf(w->document(), kIdentityPage);
    EXPECT_EQ(page2.mid(0, 6), (QStringList{"2", "A", "B", "C", "0", "4"}));
    EXPECT_EQ(page2.at(7), "10");
    EXPECT_EQ(page2.at(6), QString::number(static_cast<uint8_t>(page.at(identity::kConfig)), 16).toUpper());
    EXPECT_FALSE(w->document().fModified) << "looking changes nothing";
}

TEST_F(RawPageEditorTest, ApplyWritesTheTypedPageOrRefusesWithAWarning)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 4);
    CLASSOrvDocument& doc = w->document();
    struct Case {
        QString hex;
        QString page;
        int written;          // page number, or -1 when refused
        QByteArray bytes;     // byte 0 first
        QString warning;
    };
    const QString digits = QStringLiteral("Enter the page's 8 bytes as 16 hexadecimal digits");
    const QList<Case> cases = {
        {"0102030405060708", "0A", 10, page7to0({1, 2, 3, 4, 5, 6, 7, 8}), {}},
        {"1234000000000000", "10", 16, page7to0({0x12, 0x34, 0, 0, 0, 0, 0, 0}), {}},
        {"abcdef0000000000", "00", 0, page7to0({0xAB, 0xCD, 0xEF, 0, 0, 0, 0, 0}), {}},
        {"0102030405000000", "11", 17, page7to0({1, 2, 3, 4, 5, 0, 0, 0}), {}},
        // Anything but the whole page: a short entry must not zero the bytes it does not give.
        {"41", "0A", -1, {}, digits},
        {"", "0A", -1, {}, digits},
        {"123456789ABCDEF", "0A", -1, {}, digits},
        {"123456789ABCDEF01", "0A", -1, {}, digits},
        {"GG23456789ABCDEF", "0A", -1, {}, digits},
        {"0123456789ABCDEG", "0A", -1, {}, digits},
        {"1234000000000000", "5", -1, {}, "two hexadecimal digits"},
        {"1234000000000000", "95", -1, {}, "There is no page 95"},
    };
    QList<QStringList> rows;
    onModal<frmBits>([&](frmBits& d) {
        for (const Case& c : cases) {
            SCOPED_TRACE((c.hex + " @ " + c.page).toStdString());
            const QByteArray before = orvview::imageBytes(doc);
            if (!c.warning.isEmpty())
                boxes_.expect(c.warning);
            apply(d, c.hex, c.page);
            if (c.written < 0) {
                EXPECT_EQ(orvview::imageBytes(doc), before) << "a refused entry writes nothing";
                ASSERT_FALSE(boxes_.shown().isEmpty());
                EXPECT_EQ(boxes_.shown().last().icon(), platform::vbExclamation);
                continue;
            }
            EXPECT_EQ(pageOf(doc, c.written), c.bytes);
            rows << rowTexts(d.grdBits, c.written);
        }
        d.cmdClose->click();
    });
    clickShow(w);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(1), (QStringList{"10", "12", "34", "0", "0", "0", "0", "0", "0"})) << "the row shows the page as written";
    EXPECT_TRUE(doc.fModified);
    EXPECT_EQ(w->TextMatrix(2, w->intColReference), "5") << "the grid shows channel 2's new page";
    EXPECT_EQ(w->TextMatrix(2, w->intColDeviation), "4");
}

TEST_F(RawPageEditorTest, SystemPageShowsInTheSettingsTabAndIsSaved)
{
    frmOrvView* w = openNew(kTransmitterModel, 2222, 4);
    onModal<frmBits>([&](frmBits& d) {
        apply(d, "48696C6C20746F70", "08");  // "Hill top"
        d.cmdClose->click();
    });
    clickShow(w);
    EXPECT_EQ(w->txtUserRemark->text().trimmed(), "Hill top");
    EXPECT_TRUE(w->document().fModified);

    ASSERT_EQ(w->intCommandSave(), 0);
    EXPECT_EQ(pageOf(w->document(), kRemarkPage), testsupport::textPage("Hill top"));
    frmOrvView* stored = nullptr;
    ASSERT_EQ(openInNewDocumentWindow(WindowKind::Radio,
                                      [&](IDocumentWindow& win) {
                                          stored = dynamic_cast<frmOrvView*>(&win);
                                          return win.intInitFromDB(QStringLiteral("2222"));
                                      }),
              0);
    settle();
    EXPECT_EQ(stored->txtUserRemark->text().trimmed(), "Hill top");
}

TEST_F(RawPageEditorTest, ATypedSettingIsKeptWhenAPageIsApplied)
{
    frmOrvView* w = openNew(kTransmitterModel, 2224, 4);
    w->txtUserRemark->setText("Typed remark");
    onModal<frmBits>([&](frmBits& d) {
        apply(d, "0102030405060708", "00");
        d.cmdClose->click();
    });
    clickShow(w);
    EXPECT_EQ(pageOf(w->document(), kBlankPage), testsupport::page7to0({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(w->txtUserRemark->text().trimmed(), "Typed remark");
    EXPECT_EQ(w->document().strUserRemark.trimmed(), "Typed remark");
    EXPECT_TRUE(w->document().fModified);
}

TEST_F(RawPageEditorTest, PageTheWindowCannotDecodeIsPutBack)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 4);
    const QByteArray before = pageOf(w->document(), kIdentityPage);
    // The same page with the channel count 0x0200, typed byte 7 first.
    QByteArray typed = before;
    typed[identity::kChannelsHigh] = 2;
    typed[identity::kChannelsLow] = 0;
    std::reverse(typed.begin(), typed.end());
    onModal<frmBits>([&](frmBits& d) {
        boxes_.expect("512 channels").expect("Page 2 was left as it was");
        apply(d, QString::fromLatin1(typed.toHex()), "02");
        d.cmdClose->click();
    });
    clickShow(w);
    EXPECT_EQ(pageOf(w->document(), kIdentityPage), before);
    EXPECT_EQ(w->document().intMaxchannel, 4);
    EXPECT_EQ(w->Rows(), 6);
}

TEST_F(RawPageEditorTest, AnyPageImageThroughShowForm1)
{
    PlainImage image(257);
    int rows = 0;
    QString last;
    onModal<frmBits>([&](frmBits& d) {
        rows = d.grdBits->rowCount();
        last = d.grdBits->item(rows - 1, 0)->text();
        apply(d, "A1B2000000000000", "20");
        d.cmdClose->click();
    });
    frmBits dialog;
    dialog.ShowForm1(image);
    EXPECT_EQ(rows, 257);
    EXPECT_EQ(last, "100");
    EXPECT_EQ(pageOf(image, 0x20), page7to0({0xA1, 0xB2, 0, 0, 0, 0, 0, 0}));

    int16_t value = 7;
    EXPECT_EQ(frmBits::StringToValue("fF9", value), 0);
    EXPECT_EQ(value, 255);
    EXPECT_EQ(frmBits::StringToValue("F", value), 1);
    EXPECT_EQ(frmBits::StringToValue("0x", value), 1);
    EXPECT_EQ(value, 255) << "a refused text leaves the value";
}
