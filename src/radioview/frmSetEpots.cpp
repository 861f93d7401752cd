#include "radioview/frmSetEpots.h"

#include "link/TransferGuard.h"
#include "db/ModuleSession.h"
#include "platform/BusyCursor.h"
#include "platform/MsgBox.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"
#include "platform/ui/ButtonRow.h"
#include "radioview/ViewNumbers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kHighestPot = 255;

} // namespace

using platform::buttonRow;
using platform::named;

frmSetEpots::frmSetEpots(QWidget* parent) : QDialog(parent), buffer_(radiolayout::kPageSize, '\0')
{
    setObjectName(QStringLiteral("frmSetEpots"));
    setWindowTitle(QStringLiteral(" Current Channel"));
    setModal(true);
    buildControls();
    platform::centreOnScreen(*this);
}

void frmSetEpots::buildControls()
{
    auto bar = [&](const QString& name) {
        auto* b = named(new QScrollBar(Qt::Horizontal, fraDeviation), name);
        b->setRange(0, kHighestPot);
        b->setMinimumWidth(260);
        return b;
    };
    auto box = [&](const QString& name) {
        auto* b = named(new QLineEdit(fraDeviation), name);
        b->setMaxLength(4);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        b->setText(QStringLiteral("0"));
        return b;
    };

    auto* outer = new QVBoxLayout(this);
    fraDeviation = named(new QGroupBox(this), QStringLiteral("fraDeviation"));
    auto* grid = new QGridLayout(fraDeviation);
    lblReference = named(new QLabel(QStringLiteral("Reference:"), fraDeviation), QStringLiteral("lblReference"));
    txtReference = box(QStringLiteral("txtReference"));
    vsbReference = bar(QStringLiteral("vsbReference"));
    lblDeviation = named(new QLabel(QStringLiteral("Deviation:"), fraDeviation), QStringLiteral("lblDeviation"));
    txtDeviation = box(QStringLiteral("txtDeviation"));
    vsbDeviation = bar(QStringLiteral("vsbDeviation"));
    lblReference->setEnabled(false);
    lblDeviation->setEnabled(false);
    grid->addWidget(lblReference, 0, 0);
    grid->addWidget(txtReference, 0, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(vsbReference, 1, 0, 1, 3);
    grid->addWidget(lblDeviation, 2, 0);
    grid->addWidget(txtDeviation, 2, 1);
    grid->addWidget(vsbDeviation, 3, 0, 1, 3);
    outer->addWidget(fraDeviation);

    cmdOK = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cmdCancel"));
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    buttonRow(outer, {cmdOK, cmdCancel});

    connect(cmdOK, &QPushButton::clicked, this, &frmSetEpots::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetEpots::cmdCancel_Click);
    // Tracking is on: a dragged thumb changes the value at every position it reaches.
    connect(vsbReference, &QScrollBar::valueChanged, this, &frmSetEpots::vsbReference_Change);
    connect(vsbDeviation, &QScrollBar::valueChanged, this, &frmSetEpots::vsbDeviation_Change);
    platform::onLostFocus(txtReference, this, [this] { txtReference_LostFocus(); });
    platform::onLostFocus(txtDeviation, this, [this] { txtDeviation_LostFocus(); });
    // Enter in a box takes its value as leaving it would.
    connect(txtReference, &QLineEdit::returnPressed, this, &frmSetEpots::txtReference_LostFocus);
    connect(txtDeviation, &QLineEdit::returnPressed, this, &frmSetEpots::txtDeviation_LostFocus);
}

void frmSetEpots::ShowForm(CLASSOrvDocument& docOrv, int16_t iReference, int16_t iDeviation)
{
    {
        platform::BusyCursor busy;
        linkFailed_ = false;
        savedReference_ = iReference;
        savedDeviation_ = iDeviation;
        lblReference->setEnabled(true);
        lblDeviation->setEnabled(true);
        doc_ = &docOrv;
        txtReference->setText(QString::number(iReference));
        txtDeviation->setText(QString::number(iDeviation));
        // A value that differs from the bar's goes to the module at once, the reference first.
        vsbReference->setValue(iReference);
        vsbDeviation->setValue(iDeviation);
    }
    if (linkFailed_) {
        Cancelled = true;
        notLinked();
        return;
    }
    Cancelled = false;
    shown_ = true;
    exec();
    shown_ = false;
}

void frmSetEpots::notLinked()
{
    TransferGuard::message(QStringLiteral("The module is not linked, please check connections"),
                           platform::vbExclamation, QStringLiteral("Error"));
}

void frmSetEpots::barChanged(QScrollBar* bar, QLineEdit* box, int byte)
{
    box->setText(QString::number(bar->value()));
    buffer_[byte] = static_cast<char>(bar->value());
    pending_ = true;
    if (!shown_) {
        writePending();
        return;
    }
    if (writeScheduled_)
        return;
    writeScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            writeScheduled_ = false;
            writePending();
        },
        Qt::QueuedConnection);
}

void frmSetEpots::writePending()
{
    if (!pending_)
        return;
    pending_ = false;
    if (intCommit() != 0) {
        Cancelled = true;
        linkFailed_ = true;
    }
}

void frmSetEpots::vsbReference_Change() { barChanged(vsbReference, txtReference, radiolayout::channel::kReference); }

void frmSetEpots::vsbDeviation_Change() { barChanged(vsbDeviation, txtDeviation, radiolayout::channel::kDeviation); }

int frmSetEpots::potValue(QLineEdit* box)
{
    // The number the text begins with (0 when it begins with none), to the nearest whole number.
    static const QRegularExpression leading(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch m = leading.match(box->text());
    const double value = m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
    const int pot = static_cast<int>(std::clamp<int64_t>(orvview::roundHalfEven(std::clamp(value, -1.0, 256.0)), 0, kHighestPot));
    box->setText(QString::number(pot));
    return pot;
}

void frmSetEpots::txtReference_LostFocus() { vsbReference->setValue(potValue(txtReference)); }

void frmSetEpots::txtDeviation_LostFocus() { vsbDeviation->setValue(potValue(txtDeviation)); }

int16_t frmSetEpots::intCommit()
{
    return radiodoc::trapped([&]() -> int16_t {
        pending_ = false;
        if (!doc_)
            return -1;
        const int page = doc_->intPartition + doc_->intCurrentchannel;
        QByteArray current;
        if (doc_->intReadPage(page, current) != 0)
            return -1;
        for (const int byte : {0, 1, 2, 5, 6, 7})
            buffer_[byte] = current[byte];
        if (doc_->intWritePage(page, buffer_) != 0)
            return -1;
        if (buffer_ != current)
            doc_->fModified = true;

        ++exchanges_;
        ModuleSession session;
        if (!session.acquired() || session.attach(doc_->strSerial) != 0 || !session.writePages(*doc_, {page})
            || !session.endAccepted())
            return -1;
        return 0;
    });
}

int16_t frmSetEpots::LinkModule()
{
    ModuleSession session;
    if (!session.acquired() || !doc_)
        return -1;
    return session.open(doc_->strSerial);
}

void frmSetEpots::cmdOK_Click()
{
    savedDeviation_ = static_cast<uint8_t>(buffer_[radiolayout::channel::kDeviation]);
    savedReference_ = static_cast<uint8_t>(buffer_[radiolayout::channel::kReference]);
    if (intCommit() != 0) {
        // The module may not hold what the dialog shows: the dialog stays for another try or Cancel.
        notLinked();
        return;
    }
    Cancelled = false;
    hide();
}

void frmSetEpots::cmdCancel_Click()
{
    Cancelled = true;
    buffer_[radiolayout::channel::kReference] = static_cast<char>(savedReference_);
    buffer_[radiolayout::channel::kDeviation] = static_cast<char>(savedDeviation_);
    // A restore that fails leaves the module with the tuned values: the user must know.
    if (intCommit() != 0)
        notLinked();
    hide();
}

void frmSetEpots::reject()
{
    writePending();
    hide();
}
