// The channel grid: its two layouts, the rows shown from the channel pages, the default-channel
// frame and the selection.
#include "radioview/frmOrvView.h"

#include "db/CLASSOrvDB.h"
#include "platform/BusyCursor.h"
#include "platform/DoEvents.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioChannelValues.h"
#include "radio/RadioFailure.h"
#include "radioview/ChannelCells.h"
#include "radioview/ViewNumbers.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

using namespace orvview;

namespace {

constexpr int kTwipsPerPixel = 15;     // 1440 twips an inch at 96 pixels an inch
constexpr int kHeaderHeightTwips = 400;

// The tone frequency of a code; false when the table does not list the code (0 is no tone, 0 Hz).
bool toneFrequency(int32_t code, double& hz)
{
    hz = 0;
    return CLASSOrvDB::instance().intCTCSSTone2CTCSSFrequency(hz, code) == 0;
}

// Enables the grid again on every path out of a show.
struct GridDisabled {
    explicit GridDisabled(QTableWidget* g) : grid(g) { grid->setEnabled(false); }
    ~GridDisabled()
    {
        grid->setEnabled(true);
        grid->viewport()->update();
    }
    QTableWidget* grid;
};

} // namespace

QString frmOrvView::TextMatrix(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return {};
    const QTableWidgetItem* item = row == 0 ? grdChannel->horizontalHeaderItem(col) : grdChannel->item(row - 1, col);
    return item ? item->text() : QString();
}

int frmOrvView::Rows() const { return grdChannel->rowCount() + 1; }

int frmOrvView::Cols() const { return grdChannel->columnCount(); }

void frmOrvView::setTextMatrix(int row, int col, const QString& text)
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        radiodoc::fail(radiodoc::kOutOfRange, QStringLiteral("Subscript out of range"));
    if (row == 0) {
        grdChannel->setHorizontalHeaderItem(col, new QTableWidgetItem(text));
        return;
    }
    QTableWidgetItem* item = grdChannel->item(row - 1, col);
    if (!item) {
        item = new QTableWidgetItem;
        if (col == 0) {
            // The Channel column is fixed: it is never part of a selection.
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(grdChannel->palette().button());
        }
        grdChannel->setItem(row - 1, col, item);
    }
    item->setText(text);
}

void frmOrvView::selectCells(int row1, int col1, int row2, int col2)
{
    grdChannel->clearSelection();
    grdChannel->setCurrentCell(row1 - 1, col1);
    grdChannel->setRangeSelected(QTableWidgetSelectionRange(std::min(row1, row2) - 1, std::min(col1, col2),
                                                            std::max(row1, row2) - 1, std::max(col1, col2)),
                                 true);
}

namespace {

// The selected block that holds the current cell (or the current cell alone), in grid numbering.
QTableWidgetSelectionRange currentBlock(const QTableWidget* grid)
{
    const int row = grid->currentRow();
    const int col = grid->currentColumn();
    const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
    for (const QTableWidgetSelectionRange& r : ranges)
        if (row >= r.topRow() && row <= r.bottomRow() && col >= r.leftColumn() && col <= r.rightColumn())
            return r;
    if (row < 0 && !ranges.isEmpty())
        return ranges.first();
    return QTableWidgetSelectionRange(row, col, row, col);
}

} // namespace

int frmOrvView::intSelRowBound(int which) const
{
    const QTableWidgetSelectionRange block = currentBlock(grdChannel);
    if (which == 1)
        return block.topRow() + 1;
    if (which == 2)
        return block.bottomRow() + 1;
    return 0;
}

int frmOrvView::intSelColBound(int which) const
{
    // Column 0 is fixed and never part of a selection.
    const QTableWidgetSelectionRange block = currentBlock(grdChannel);
    if (which == 1)
        return std::max(1, block.leftColumn());
    if (which == 2)
        return std::max(1, block.rightColumn());
    return 0;
}

int16_t frmOrvView::intInitGrid()
{
    radiodoc::trapped([&]() -> int16_t {
        Form_Load();
        const CLASSOrvDocument& doc = document();
        binHex_ = false;
        const int w = std::max(100, grdChannel->viewport()->width() * kTwipsPerPixel);
        auto width = [w](int divisor) { return w / divisor / kTwipsPerPixel; };
        const bool receiver = doc.intRxTxEx == 0;

        grdChannel->clear();
        grdChannel->setRowCount(doc.intMaxchannel + 1);  // one row per channel and the spare row
        struct Column {
            const char* header;
            int divisor;
            int16_t* member;
        };
        QList<Column> columns = {
            {"Channel", 12, &intColChannel},
            {"Frequency (MHz)", receiver ? 6 : 9, &intColFrequency},
            {"CTCSS (Hz)", receiver ? 9 : 15, &intColCTCSS},
        };
        if (!receiver)
            columns += {{"Deviation", 11, &intColDeviation}, {"Reference Modulation", 10, &intColReference}};
        columns += {{"Pin 8", 19, &intColPin8}, {"Pin 7", 19, &intColPin7}, {"Pin 6", 19, &intColPin6},
                    {"Pin 5", 19, &intColPin5}, {"Pin 4", 19, &intColPin4}, {"Pin 3", 19, &intColPin3},
                    {"Pin 2", 19, &intColPin2}, {"Pin 1", 19, &intColPin1}, {"Switch Setting", 11, &intColSwitch}};
        intColDeviation = intColReference = -1;
        grdChannel->setColumnCount(static_cast<int>(columns.size()));
        grdChannel->horizontalHeader()->setFixedHeight(kHeaderHeightTwips / kTwipsPerPixel);
        grdChannel->verticalHeader()->hide();
        for (int c = 0; c < columns.size(); ++c) {
            setTextMatrix(0, c, QString::fromLatin1(columns[c].header));
            *columns[c].member = static_cast<int16_t>(c);
            grdChannel->setColumnWidth(c, width(columns[c].divisor));
        }
        for (int r = 1; r <= doc.intMaxchannel; ++r)
            setTextMatrix(r, intColChannel, QString::number(r));
        return 0;
    });
    return 0;
}

int16_t frmOrvView::InitBinHexGrid()
{
    const int16_t status = radiodoc::trapped([&]() -> int16_t {
        Form_Load();
        cmdEpots->hide();
        const CLASSOrvDocument& doc = document();
        binHex_ = true;
        const int w = std::max(100, grdChannel->viewport()->width() * kTwipsPerPixel);
        grdChannel->clear();
        grdChannel->setRowCount(doc.intMaxchannel);
        grdChannel->setColumnCount(3);
        grdChannel->horizontalHeader()->setFixedHeight(kHeaderHeightTwips / kTwipsPerPixel);
        grdChannel->verticalHeader()->hide();
        for (int r = 1; r <= doc.intMaxchannel; ++r)
            setTextMatrix(r, 0, QString::number(r));
        intColChannel = 0;
        intColFrequency = 1;
        intColCTCSS = 2;
        intColDeviation = intColReference = intColPin8 = intColPin7 = intColPin6 = intColPin5 = intColPin4 =
            intColPin3 = intColPin2 = intColPin1 = intColSwitch = -1;
        const int divisors[3] = {14, 9, 14};
        const char* headers[3] = {"Channel", "Frequency (MHz)", "CTCSS (Hz)"};
        for (int c = 0; c < 3; ++c) {
            setTextMatrix(0, c, QString::fromLatin1(headers[c]));
            grdChannel->setColumnWidth(c, w / divisors[c] / kTwipsPerPixel);
        }
        return 0;
    });
    return status == 0 ? 0 : 1;
}

int16_t frmOrvView::intShowChannel(int16_t intSChannel, int16_t intEChannel)
{
    return showRows(intSChannel, intEChannel, false);
}

int16_t frmOrvView::ShowBinHexChannel(int16_t intSChannel, int16_t intEChannel)
{
    return showRows(intSChannel, intEChannel, true);
}

int16_t frmOrvView::showRows(int16_t first, int16_t last, bool binHex)
{
    CLASSOrvDocument& doc = document();
    const int lastRow = binHex ? doc.intMaxchannel : doc.intMaxchannel + 1;
    if (first < 1 || first > lastRow || last < 1 || last > lastRow || first > last || last >= Rows())
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        const int shownDefault = binHex ? doc.intCurrentchannel + 1 : doc.intCurrentchannel;
        frameChannel->setTitle(QStringLiteral("Channel information  Default: [") + QString::number(shownDefault)
                               + QStringLiteral("]"));
        GridDisabled disabled(grdChannel);
        platform::BusyCursor busy;
        QByteArray page;
        for (int r = first; r <= last; ++r) {
            if (doc.intReadPage(doc.intPartition + r - 1, page) != 0)
                radiodoc::fail(radiodoc::kOutOfRange, QStringLiteral("Subscript out of range"));
            const int shown = r - 1;
            setTextMatrix(r, intColChannel,
                          shown == doc.intCurrentchannel ? QString::number(shown) + QStringLiteral(" DC")
                                                         : QString::number(shown));
            setTextMatrix(r, intColFrequency, formatFixed(channelFrequency(page, doc.lngIntFreq) / 1e6, 6));
            double hz = 0;
            if (!toneFrequency(channelToneCode(page), hz)) {
                // A tone the table does not list is no tone.
                if (!binHex)
                    doc.intEditCTCSS(static_cast<int16_t>(r), 0);
                hz = 0;
            }
            setTextMatrix(r, intColCTCSS, formatFixed(hz, 1));
            if (binHex)
                continue;
            if (intColDeviation >= 0) {
                const bool flagged = channelFlagged(page);
                setTextMatrix(r, intColDeviation,
                              flagged ? QStringLiteral("0") : QString::number(pageByte(page, radiolayout::channel::kDeviation)));
                setTextMatrix(r, intColReference,
                              flagged ? QStringLiteral("0") : QString::number(pageByte(page, radiolayout::channel::kReference)));
            }
            const int16_t pinColumns[8] = {intColPin1, intColPin2, intColPin3, intColPin4,
                                           intColPin5, intColPin6, intColPin7, intColPin8};
            const uint8_t pins = pageByte(page, radiolayout::channel::kPins);
            for (int bit = 0; bit < 8; ++bit)
                setTextMatrix(r, pinColumns[bit], (pins >> bit) & 1 ? QStringLiteral("High") : QStringLiteral("Low"));
            setTextMatrix(r, intColSwitch, radiochannel::switchSetting(shown));
        }
        intShowChannelDefault();
        return 0;
    });
}

int16_t frmOrvView::intShowChannelDefault()
{
    return radiodoc::trapped([&]() -> int16_t {
        const CLASSOrvDocument& doc = document();
        QByteArray page;
        if (doc.intReadPage(doc.intPartition + doc.intCurrentchannel, page) != 0)
            radiodoc::fail(radiodoc::kOutOfRange, QStringLiteral("Subscript out of range"));
        txtDFChannel->setText(QString::number(doc.intCurrentchannel));
        txtDFFrequency->setText(formatFixed(channelFrequency(page, doc.lngIntFreq) / 1e6, 6, false));
        double hz = 0;
        if (!toneFrequency(channelToneCode(page), hz))
            hz = 0;
        txtDFCTCSS->setText(formatFixed(hz, 1, false));
        const bool transmitter = doc.intRxTxEx != 0;
        lblDFDeviation->setVisible(transmitter);
        txtDFDeviation->setVisible(transmitter);
        txtDFReference->setVisible(transmitter);
        if (transmitter) {
            lblDFDeviation->setEnabled(true);
            txtDFDeviation->setText(QString::number(pageByte(page, radiolayout::channel::kDeviation)));
            txtDFReference->setText(QString::number(pageByte(page, radiolayout::channel::kReference)));
        }
        txtDFPIN->setText(radiochannel::bitString(pageByte(page, radiolayout::channel::kPins)));
        txtDFSetting->setText(radiochannel::switchSetting(doc.intCurrentchannel));
        return 0;
    });
}

int16_t frmOrvView::intShowDocument()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::DoEvents();
        intShowSystem();
        intShowChannel(1, document().intMaxchannel);
        document().fModified = false;
        platform::DoEvents();
        return 0;
    });
}

int16_t frmOrvView::ShowBinHexDocument()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::DoEvents();
        intShowSystem();
        ShowBinHexChannel(1, document().intMaxchannel);
        document().fModified = false;
        platform::DoEvents();
        return 0;
    });
}

int16_t frmOrvView::reshowRows(int first, int last)
{
    return binHexLayout() ? ShowBinHexChannel(static_cast<int16_t>(first), static_cast<int16_t>(last))
                          : intShowChannel(static_cast<int16_t>(first), static_cast<int16_t>(last));
}
