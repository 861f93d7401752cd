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
#include "radioview/GridColumnWidths.h"
#include "radioview/ViewNumbers.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <QStyle>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace orvview;

namespace {

constexpr int kTwipsPerPixel = 15;     // 1440 twips an inch at 96 pixels an inch
constexpr int kHeaderHeightTwips = 400;

// A column of the grid: its header, the divisor of the grid's width that gives its share (for a
// receiver, and for a transmitter or exciter; 0: the column is not there), the member that keeps
// its number, and the widest text its cells show.
struct GridColumn {
    const char* header;
    int receiverDivisor;
    int transmitterDivisor;
    int16_t frmOrvView::*member;
    const char* widest;
};

constexpr GridColumn kFullLayout[] = {
    {"Channel", 12, 12, &frmOrvView::intColChannel, "127 DC"},
    {"Frequency (MHz)", 6, 9, &frmOrvView::intColFrequency, "999.999999"},
    {"CTCSS (Hz)", 9, 15, &frmOrvView::intColCTCSS, "254.1"},
    {"Deviation", 0, 11, &frmOrvView::intColDeviation, "255"},
    {"Reference Modulation", 0, 10, &frmOrvView::intColReference, "255"},
    {"Pin 8", 19, 19, &frmOrvView::intColPin8, "High"},
    {"Pin 7", 19, 19, &frmOrvView::intColPin7, "High"},
    {"Pin 6", 19, 19, &frmOrvView::intColPin6, "High"},
    {"Pin 5", 19, 19, &frmOrvView::intColPin5, "High"},
    {"Pin 4", 19, 19, &frmOrvView::intColPin4, "High"},
    {"Pin 3", 19, 19, &frmOrvView::intColPin3, "High"},
    {"Pin 2", 19, 19, &frmOrvView::intColPin2, "High"},
    {"Pin 1", 19, 19, &frmOrvView::intColPin1, "High"},
    {"Switch Setting", 11, 11, &frmOrvView::intColSwitch, "11111111"},
};

// The three-column layout of a document from an EPROM image.
constexpr GridColumn kImageLayout[] = {
    {"Channel", 14, 14, &frmOrvView::intColChannel, "127 DC"},
    {"Frequency (MHz)", 9, 9, &frmOrvView::intColFrequency, "999.999999"},
    {"CTCSS (Hz)", 14, 14, &frmOrvView::intColCTCSS, "254.1"},
};

// Fits the grid's columns to its width when it is shown and whenever its viewport changes size.
class ColumnFitter : public QObject {
public:
    ColumnFitter(QTableWidget* grid, std::function<void()> fit) : QObject(grid), fit_(std::move(fit))
    {
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize)
            fit_();
        return false;
    }

private:
    std::function<void()> fit_;
};

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
        const bool receiver = doc.intRxTxEx == 0;

        grdChannel->clear();
        grdChannel->setRowCount(doc.intMaxchannel + 1);  // one row per channel and the spare row
        QList<const GridColumn*> columns;
        for (const GridColumn& column : kFullLayout)
            if ((receiver ? column.receiverDivisor : column.transmitterDivisor) > 0)
                columns << &column;
        intColDeviation = intColReference = -1;
        grdChannel->setColumnCount(static_cast<int>(columns.size()));
        grdChannel->horizontalHeader()->setFixedHeight(kHeaderHeightTwips / kTwipsPerPixel);
        grdChannel->verticalHeader()->hide();
        columnDivisors_.clear();
        columnWidest_.clear();
        for (int c = 0; c < columns.size(); ++c) {
            setTextMatrix(0, c, QString::fromLatin1(columns[c]->header));
            this->*(columns[c]->member) = static_cast<int16_t>(c);
            columnDivisors_ << (receiver ? columns[c]->receiverDivisor : columns[c]->transmitterDivisor);
            columnWidest_ << QString::fromLatin1(columns[c]->widest);
        }
        fitGridColumns();
        for (int r = 1; r <= doc.intMaxchannel; ++r)
            setTextMatrix(r, intColChannel, QString::number(r));
        return 0;
    });
    return 0;
}

void frmOrvView::watchGridWidth()
{
    new ColumnFitter(grdChannel, [this] { fitGridColumns(); });
}

int frmOrvView::columnNeed(int column, const QString& widest) const
{
    // What the header asks for its text (it counts its margins, and the bold face of a highlighted
    // header), what the cells ask for theirs, and the widest text a cell of the column shows, with
    // the cell's text margin on both sides, its grid line and a pixel against rounding.
    const int cellMargin = grdChannel->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grdChannel) + 1;
    const int widestNeed = QFontMetrics(grdChannel->font()).horizontalAdvance(widest) + 2 * cellMargin + 2;
    const int headerNeed = grdChannel->horizontalHeader()->sectionSizeHint(column);
    const int cellsNeed = static_cast<const QAbstractItemView*>(grdChannel)->sizeHintForColumn(column);
    return std::max({widestNeed, headerNeed, cellsNeed});
}

void frmOrvView::fitGridColumns()
{
    // Setting widths may show or hide a scroll bar, which resizes the viewport again.
    if (fittingColumns_ || columnDivisors_.size() != grdChannel->columnCount())
        return;
    fittingColumns_ = true;
    QList<int> needs;
    for (int c = 0; c < grdChannel->columnCount(); ++c)
        needs << columnNeed(c, columnWidest_.value(c));
    const QList<int> widths = gridColumnWidths(grdChannel->viewport()->width(), columnDivisors_, needs);
    for (int c = 0; c < widths.size(); ++c)
        grdChannel->setColumnWidth(c, widths[c]);
    fittingColumns_ = false;
}

int frmOrvView::widestGridNeed()
{
    // Measured on the grid itself, its header holding the transmitter's columns for the moment,
    // so the header's own margins and fonts count; the set-up makes the real columns later.
    const int count = static_cast<int>(std::size(kFullLayout));
    grdChannel->setColumnCount(count);
    for (int c = 0; c < count; ++c)
        grdChannel->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromLatin1(kFullLayout[c].header)));
    int total = 0;
    for (int c = 0; c < count; ++c)
        total += columnNeed(c, QString::fromLatin1(kFullLayout[c].widest));
    grdChannel->clear();
    grdChannel->setColumnCount(0);
    return total;
}

int16_t frmOrvView::InitBinHexGrid()
{
    const int16_t status = radiodoc::trapped([&]() -> int16_t {
        Form_Load();
        cmdEpots->hide();
        const CLASSOrvDocument& doc = document();
        binHex_ = true;
        grdChannel->clear();
        grdChannel->setRowCount(doc.intMaxchannel);
        grdChannel->setColumnCount(3);
        grdChannel->horizontalHeader()->setFixedHeight(kHeaderHeightTwips / kTwipsPerPixel);
        grdChannel->verticalHeader()->hide();
        for (int r = 1; r <= doc.intMaxchannel; ++r)
            setTextMatrix(r, 0, QString::number(r));
        intColDeviation = intColReference = intColPin8 = intColPin7 = intColPin6 = intColPin5 = intColPin4 =
            intColPin3 = intColPin2 = intColPin1 = intColSwitch = -1;
        columnDivisors_.clear();
        columnWidest_.clear();
        for (int c = 0; c < 3; ++c) {
            setTextMatrix(0, c, QString::fromLatin1(kImageLayout[c].header));
            this->*(kImageLayout[c].member) = static_cast<int16_t>(c);
            columnDivisors_ << kImageLayout[c].transmitterDivisor;
            columnWidest_ << QString::fromLatin1(kImageLayout[c].widest);
        }
        fitGridColumns();
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
