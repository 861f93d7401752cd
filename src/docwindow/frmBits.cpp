#include "docwindow/frmBits.h"

#include "db/ModuleKind.h"
#include "db/PageFields.h"
#include "db/PageImage.h"
#include "docwindow/DocumentWindow.h"
#include "platform/MsgBox.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "radio/CLASSOrvDocument.h"
#include "platform/ui/ButtonRow.h"

#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumns = 1 + CPageImage::kPageSize;
constexpr int kGridRowsShown = 20;

QString hex(int value) { return QString::number(value, 16).toUpper(); }

// Data column of page byte `byte`: byte 7 in the first, byte 0 in the last.
int columnOf(int byte) { return CPageImage::kPageSize - byte; }

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

void warn(const QString& text, QLineEdit* box)
{
    platform::MsgBox(text, platform::vbOKOnly | platform::vbExclamation);
    box->setFocus();
    box->selectAll();
}

} // namespace

using platform::buttonRow;
using platform::named;

frmBits::frmBits(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBits"));
    setWindowTitle(QStringLiteral("Bits"));
    setModal(true);
    buildControls();
    platform::centreOnScreen(*this);
}

void frmBits::buildControls()
{
    auto* outer = new QVBoxLayout(this);

    grdBits = named(new QTableWidget(0, kColumns, this), QStringLiteral("grdBits"));
    QStringList captions{QStringLiteral("Page")};
    for (int byte = CPageImage::kPageSize - 1; byte >= 0; --byte)
        captions << QStringLiteral("Byte %1").arg(byte);
    grdBits->setHorizontalHeaderLabels(captions);
    grdBits->verticalHeader()->hide();
    grdBits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBits->setSelectionMode(QAbstractItemView::SingleSelection);
    grdBits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdBits->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = grdBits->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Fixed);
    // Every column as wide as its widest caption, so that the whole page fits without scrolling.
    int width = 0;
    for (const QString& caption : captions)
        width = std::max(width, header->fontMetrics().horizontalAdvance(caption));
    width += 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    header->setDefaultSectionSize(width);
    grdBits->verticalHeader()->setDefaultSectionSize(grdBits->fontMetrics().height() + 4);
    grdBits->setMinimumSize(
        kColumns * width + grdBits->verticalScrollBar()->sizeHint().width() + 2 * grdBits->frameWidth(),
        header->sizeHint().height() + kGridRowsShown * grdBits->verticalHeader()->defaultSectionSize());
    outer->addWidget(grdBits, 1);

    Frame1 = named(new QGroupBox(QStringLiteral("Modify Manually Data"), this), QStringLiteral("Frame1"));
    auto* fields = new QGridLayout(Frame1);
    Label1 = named(new QLabel(QStringLiteral("Enter Hex String - 8 Bytes"), Frame1), QStringLiteral("Label1"));
    Text1 = named(new QLineEdit(Frame1), QStringLiteral("Text1"));
    Text1->setMinimumWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("DDDDDDDDDDDDDDDD")) + 16);
    Label2 = named(new QLabel(QStringLiteral("Enter Page Number Hex Value "), Frame1), QStringLiteral("Label2"));
    Text2 = named(new QLineEdit(Frame1), QStringLiteral("Text2"));
    Text2->setMaxLength(2);
    Text2->setFixedWidth(Text2->fontMetrics().horizontalAdvance(QStringLiteral("DDDD")) + 16);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Text1, 0, 1, Qt::AlignLeft);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(Text2, 1, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    outer->addWidget(Frame1);

    Command1 = named(new QPushButton(QStringLiteral("Apply"), this), QStringLiteral("Command1"));
    cmdClose = named(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("cmdClose"));
    Command1->setDefault(true);
    cmdClose->setAutoDefault(false);
    buttonRow(outer, {Command1, cmdClose});

    connect(Command1, &QPushButton::clicked, this, &frmBits::Command1_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmBits::cmdClose_Click);
}

void frmBits::ShowForm(CLASSOrvDocument& document, IDocumentWindow* owner) { open(document, owner); }

void frmBits::ShowForm1(CPageImage& document, IDocumentWindow* owner) { open(document, owner); }

void frmBits::open(CPageImage& document, IDocumentWindow* owner)
{
    fillPages(document, owner);
    exec();
}

void frmBits::fillPages(CPageImage& document, IDocumentWindow* owner)
{
    doc_ = &document;
    owner_ = owner;
    grdBits->setRowCount(0);
    QByteArray bytes;
    for (int page = 0; document.intReadPage(page, bytes) == 0; ++page) {
        grdBits->insertRow(page);
        showPage(page);
    }
}

void frmBits::showPage(int page)
{
    QByteArray bytes;
    if (!doc_ || page >= grdBits->rowCount() || doc_->intReadPage(page, bytes) != 0)
        return;
    auto cell = [&](int col, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdBits->setItem(page, col, item);
    };
    cell(0, hex(page));
    for (int byte = 0; byte < CPageImage::kPageSize; ++byte)
        cell(columnOf(byte), hex(static_cast<uint8_t>(bytes.at(byte))));
}

int16_t frmBits::StringToValue(const QString& sTemp, int16_t& iVal)
{
    if (sTemp.size() < 2)
        return 1;
    const int high = hexDigit(sTemp.at(0));
    const int low = hexDigit(sTemp.at(1));
    if (high < 0 || low < 0)
        return 1;
    iVal = static_cast<int16_t>(high * 16 + low);
    return 0;
}

bool frmBits::typedPage(QByteArray& page) const
{
    // The whole page, two digits a byte, byte 7 first: a shorter or longer entry would leave bytes
    // to chance.
    const QString text = Text1->text();
    if (text.size() != 2 * CPageImage::kPageSize)
        return false;
    QByteArray typed(CPageImage::kPageSize, '\0');
    for (int i = 0; i < CPageImage::kPageSize; ++i) {
        int16_t value = 0;
        if (StringToValue(text.mid(2 * i, 2), value) != 0)
            return false;
        typed[i] = static_cast<char>(value);
    }
    page = pagefields::reversed(typed);
    return true;
}

void frmBits::Command1_Click()
{
    if (!doc_)
        return;
    QByteArray bytes;
    if (!typedPage(bytes)) {
        warn(QStringLiteral("Enter the page's 8 bytes as 16 hexadecimal digits (0 to 9, A to F), byte 7 first."),
             Text1);
        return;
    }
    int16_t page = 0;
    if (StringToValue(Text2->text(), page) != 0) {
        warn(QStringLiteral("Enter the page number as two hexadecimal digits, for example 0A."), Text2);
        return;
    }
    QByteArray before;
    if (doc_->intReadPage(page, before) != 0) {
        warn(QStringLiteral("There is no page %1 in this document: its pages are 0 to %2.")
                 .arg(hex(page), hex(doc_->pageCount() - 1)),
             Text2);
        return;
    }
    // The configuration byte of page 2 decides which window and which files the module belongs to.
    const uint8_t configuration = static_cast<uint8_t>(bytes.at(pagefields::kConfiguration));
    if (page == pagefields::kIdentityPage && !modulekind::keepsKind(*doc_, configuration)) {
        warn(QStringLiteral("Byte 2 of page 2 gives the module's kind: %1 would make this module no longer %2. "
                            "Page 2 was left as it was.")
                 .arg(modulekind::configurationText(configuration), QLatin1String(modulekind::of(*doc_).modules)),
             Text1);
        return;
    }
    if (doc_->intWritePage(page, bytes) != 0 || bytes == before)
        return;
    // The window decodes its document again; a page it cannot take is put back.
    if (owner_ && owner_->pagesChanged() != 0) {
        doc_->intWritePage(page, before);
        owner_->pagesChanged();
        warn(QStringLiteral("Page %1 was left as it was.").arg(hex(page)), Text1);
    }
    showPage(page);
}

void frmBits::cmdClose_Click() { close(); }
