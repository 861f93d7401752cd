#include "modules/frmModuleManagement.h"

#include "db/CBROWSER.h"
#include "db/CLASSOrvDB.h"
#include "db/PageImage.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/OpenModules.h"
#include "platform/ui/DialogPlacement.h"
#include "modules/KeyDown.h"
#include "modules/ModuleOpening.h"
#include "platform/BusyCursor.h"
#include "platform/MsgBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/ButtonRow.h"
#include "shell/DateCodecs.h"
#include "shell/FailureTrap.h"
#include "shell/ModuleType.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using platform::MsgBox;

namespace {

constexpr int kColumns = 6;

// A stored date as the platform writes it: the short date, and the time of day when it is not
// midnight. Nothing for a module without a date.
QString dateText(double date)
{
    if (date == 0)
        return QString();
    const QDateTime when = basVelmar::dateTimeFromDte(date);
    const QLocale locale;
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() != QTime(0, 0)) {
        // The long time form without the time zone the locale may add to it.
        QString format = locale.timeFormat(QLocale::LongFormat);
        format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
        text += QLatin1Char(' ') + locale.toString(when.time(), format.trimmed());
    }
    return text;
}

} // namespace

frmModuleManagement::frmModuleManagement(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmModuleManagement"));
    setWindowTitle(QStringLiteral("Module Management"));

    Frame1 = new QGroupBox(QStringLiteral("Modules in Database"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    grdModule = new QTableWidget(Frame1);
    grdModule->setObjectName(QStringLiteral("grdModule"));
    grdModule->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdModule->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grdModule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdModule->setWordWrap(false);
    grdModule->verticalHeader()->hide();
    grdModule->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdModule->verticalHeader()->setDefaultSectionSize(grdModule->fontMetrics().height() + 6);
    grdModule->horizontalHeader()->setHighlightSections(false);
    grdModule->horizontalHeader()->setStretchLastSection(true);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(grdModule);

    cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdShow = new QPushButton(QStringLiteral("&Show"), this);
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    cmdQuit = new QPushButton(QStringLiteral("&Close"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    // Enter does nothing in the grid: deleting or opening needs its own button or key.
    for (QPushButton* b : {cmdDelete, cmdShow, cmdQuit})
        b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    platform::buttonRow(layout, {cmdDelete, cmdShow, cmdQuit});

    connect(cmdShow, &QPushButton::clicked, this, &frmModuleManagement::cmdShow_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmModuleManagement::cmdDelete_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmModuleManagement::cmdQuit_Click);
    moduledialogs::onKeyDown(grdModule, [this](int keyCode) { return grdModule_KeyDown(keyCode); });
    Form_Load();
}

void frmModuleManagement::Form_Load()
{
    layOutGrid();
    intShow();
    // The grid shows every column whole and up to about fifteen rows.
    int width = 2 * grdModule->frameWidth() + grdModule->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kColumns; ++c)
        width += grdModule->columnWidth(c);
    grdModule->setMinimumWidth(width);
    grdModule->setMinimumHeight(grdModule->horizontalHeader()->sizeHint().height()
                                + 15 * grdModule->verticalHeader()->defaultSectionSize() + 2 * grdModule->frameWidth());
    platform::centreOnScreen(*this);
}

void frmModuleManagement::layOutGrid()
{
    const struct {
        int* index;
        const char* caption;
        int twips;
    } columns[kColumns] = {
        {&colSerial_, "Serial Number", 1150}, {&colType_, "Type", 900},          {&colCustom_, "Custom", 1000},
        {&colFactory_, "Factory", 1000},      {&colCreated_, "Date Created", 1600}, {&colUpdated_, "Date Updated", 1600},
    };
    grdModule->setColumnCount(kColumns);
    grdModule->setRowCount(0);
    for (int c = 0; c < kColumns; ++c) {
        *columns[c].index = c;
        grdModule->setHorizontalHeaderItem(c, new QTableWidgetItem(QLatin1String(columns[c].caption)));
        // No column narrower than its caption.
        grdModule->setColumnWidth(c, std::max(platform::twipsToPixels(columns[c].twips), grdModule->horizontalHeader()->sectionSizeHint(c)));
    }
}

int frmModuleManagement::Rows() const { return grdModule->rowCount() + 1; }

QString frmModuleManagement::cellText(int row, int col) const
{
    if (row == 0) {
        const QTableWidgetItem* caption = grdModule->horizontalHeaderItem(col);
        return caption ? caption->text() : QString();
    }
    const QTableWidgetItem* cell = grdModule->item(row - 1, col);
    return cell ? cell->text() : QString();
}

int frmModuleManagement::GetSelectedRows(int which) const
{
    const QList<QTableWidgetSelectionRange> ranges = grdModule->selectedRanges();
    if (ranges.isEmpty() || (which != 1 && which != 2))
        return 0;
    int top = ranges.first().topRow();
    int bottom = ranges.first().bottomRow();
    for (const QTableWidgetSelectionRange& r : ranges) {
        top = std::min(top, r.topRow());
        bottom = std::max(bottom, r.bottomRow());
    }
    // The grid's rows count the caption row.
    return (which == 1 ? top : bottom) + 1;
}

int16_t frmModuleManagement::intShow()
{
    return basVelmar::trapped([this]() -> int16_t {
        CBROWSER& browser = CBROWSER::instance();
        // The collection reports its own failures; the grid then stays as it was.
        if (browser.intUpdateCollectRadioDB() != 0)
            return 0;
        grdModule->setUpdatesEnabled(false);
        grdModule->clearSelection();
        grdModule->setRowCount(static_cast<int>(browser.radioDB.size()));
        int row = 0;
        for (const std::shared_ptr<CRADIO>& record : browser.radioDB) {
            const auto cell = [&](int col, const QString& text) { grdModule->setItem(row, col, new QTableWidgetItem(text)); };
            cell(colSerial_, record->strSerial);
            cell(colType_, basVelmar::strModuleTypeText(record->intRxTxEx).left(11));
            cell(colCustom_, record->strCustomType);
            cell(colFactory_, record->strModuleType);
            cell(colCreated_, dateText(record->datCreated));
            cell(colUpdated_, dateText(record->datUpdated));
            ++row;
        }
        // Columns widen to texts longer than their set width.
        for (int c = 0; c < kColumns; ++c) {
            const int set = grdModule->columnWidth(c);
            grdModule->resizeColumnToContents(c);
            grdModule->setColumnWidth(c, std::max(set, grdModule->columnWidth(c)));
        }
        if (row > 0)
            grdModule->selectRow(0);
        grdModule->setUpdatesEnabled(true);
        return 0;
    });
}

int16_t frmModuleManagement::intModuleShow()
{
    return basVelmar::trapped([this]() -> int16_t {
        const int top = GetSelectedRows(1);
        if (top <= 0)
            return 0;
        const QString serial = cellText(top, colSerial_).trimmed();
        const QString type = cellText(top, colType_).trimmed();
        // A stored module already open from the database is not opened a second time.
        if (const std::optional<long> value = moduleopen::serialValue(serial)) {
            if (IDocumentWindow* open = basVelmar::openModuleWindow(*value, kFromDatabase)) {
                basVelmar::activateDocumentWindow(*open);
                return 0;
            }
        }
        moduleopen::UnlinkOnViewCloseOff unlinkOff;
        // A type without a name opens in the radio-module window.
        const int16_t typeCode = basVelmar::intModuleTypeFromText(type);
        return moduleopen::intOpenInWindow(typeCode, [&](IDocumentWindow& w) { return w.intInitFromDB(serial); });
    });
}

int16_t frmModuleManagement::intDeleteSelect()
{
    QStringList serials;
    const int16_t status = basVelmar::trapped([&]() -> int16_t {
        const int bottom = GetSelectedRows(2);
        for (int row = std::max(GetSelectedRows(1), 1); row <= bottom; ++row)
            serials << cellText(row, colSerial_).trimmed();
        if (serials.isEmpty())
            return 0;
        const QString what = serials.size() == 1 ? QStringLiteral("module ") + serials.first()
                                                 : QString::number(serials.size()) + QStringLiteral(" modules");
        if (MsgBox(QStringLiteral("Delete %1 from the database?").arg(what),
                   platform::vbOKCancel | platform::vbQuestion | platform::vbDefaultButton2)
            != platform::vbOK) {
            serials.clear();
            return 0;
        }
        platform::BusyCursor busy;
        int deleted = 0;
        CLASSOrvDB& db = CLASSOrvDB::instance();
        for (const QString& serial : serials)
            if (db.intDeleteModule(serial) == 0)
                ++deleted;
        if (deleted > 0)
            MsgBox(QString::number(deleted) + QStringLiteral(" modules deleted from database"), platform::vbOKOnly);
        return 0;
    });
    // Every delete may have removed rows, also one that was not counted or that failed part-way.
    if (!serials.isEmpty() && intShow() != 0)
        return -1;
    return status;
}

void frmModuleManagement::cmdShow_Click()
{
    intModuleShow();
    accept();
}

void frmModuleManagement::cmdDelete_Click() { intDeleteSelect(); }

bool frmModuleManagement::grdModule_KeyDown(int KeyCode)
{
    if (KeyCode != Qt::Key_Delete)
        return false;
    intDeleteSelect();
    return true;
}

void frmModuleManagement::cmdQuit_Click() { reject(); }
