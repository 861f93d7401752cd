#include "modules/frmNewModule.h"

#include "db/CBROWSER.h"
#include "db/CLASSOrvDB.h"
#include "db/CModule.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentWindowOpen.h"
#include "docwindow/OpenModules.h"
#include "docwindow/WindowRegistry.h"
#include "platform/ui/DialogPlacement.h"
#include "modules/KeyDown.h"
#include "modules/ModelListLine.h"
#include "modules/ModuleListFont.h"
#include "modules/ModuleOpening.h"
#include "platform/BusyCursor.h"
#include "platform/MsgBox.h"
#include "platform/ui/Named.h"
#include "platform/ui/ControlEvents.h"
#include "shell/FailureTrap.h"
#include "shell/LocaleNumbers.h"
#include "shell/ModuleType.h"
#include "db/PageFields.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

using platform::MsgBox;
using platform::named;

namespace {

// The highest serial number a new module may get.
constexpr qint64 kHighestNewSerial = pagefields::kHighestEnteredSerial;
// The serial number box takes at most this many characters, and OK no longer a text.
constexpr int kSerialLength = pagefields::kSerialDigits;
// A value beyond every serial number, for a text of more digits than any serial has.
constexpr qint64 kBeyondAnySerial = 999999999999;

// The value of a whole number: blanks around, an optional sign, then digits only. Nothing for any
// other text, the empty one included.
std::optional<qint64> wholeNumber(const QString& text)
{
    QString digits = text.trimmed();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative || digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const qint64 value = digits.size() > 12 ? kBeyondAnySerial : digits.toLongLong();
    return negative ? -value : value;
}

void refuseSerial(const QString& message)
{
    MsgBox(message, platform::vbCritical, QStringLiteral("Wrong Serial Number"));
}

// "136.000 - 174.000 (MHZ)": the band edges in MHz in the user's locale.
QString bandText(const CModule& model)
{
    return basVelmar::formatFixed(model.lngLowerFreql / 1e6, 3, false) + QStringLiteral(" - ")
           + basVelmar::formatFixed(model.lngUpperFreql / 1e6, 3, false) + QStringLiteral(" (MHZ)");
}

QString referenceText(int32_t hz) { return hz > 0 ? QString::number(hz) : QString(); }

} // namespace

frmNewModule::frmNewModule(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNewModule"));
    setWindowTitle(QStringLiteral("New"));
    buildControls();
    Form_Load();
}

QWidget* frmNewModule::buildModelTab(QListWidget*& list, QLineEdit*& band, QLineEdit*& ref1, QLineEdit*& ref2,
                                     const QString& kind)
{
    auto* page = new QWidget;
    list = named(new QListWidget(page), QStringLiteral("lst") + kind);
    band = named(new QLineEdit(page), QStringLiteral("txtFrequency") + kind);
    ref1 = named(new QLineEdit(page), QStringLiteral("txtRef1") + kind);
    ref2 = named(new QLineEdit(page), QStringLiteral("txtRef2") + kind);
    for (QLineEdit* box : {band, ref1, ref2})
        box->setReadOnly(true);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Frequency Band:"), page), 0, 0);
    fields->addWidget(band, 0, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Reference Frequency:"), page), 1, 0);
    fields->addWidget(ref1, 1, 1);
    fields->addWidget(ref2, 1, 2);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(list, 1);
    layout->addLayout(fields);
    return page;
}

frmNewModule::ModelTab frmNewModule::modelTab(int kind) const
{
    switch (kind) {
    case basVelmar::kReceiver: return {lstRx, txtFrequencyRx, txtRef1Rx, txtRef2Rx};
    case basVelmar::kTransmitter: return {lstTx, txtFrequencyTx, txtRef1Tx, txtRef2Tx};
    default: return {lstEx, txtFrequencyEx, txtRef1Ex, txtRef2Ex};
    }
}

void frmNewModule::buildControls()
{
    tabModuleType = named(new QTabWidget(this), QStringLiteral("tabModuleType"));
    tabModuleType->addTab(buildModelTab(lstRx, txtFrequencyRx, txtRef1Rx, txtRef2Rx, QStringLiteral("Rx")),
                          QStringLiteral("Receiver"));
    tabModuleType->addTab(buildModelTab(lstTx, txtFrequencyTx, txtRef1Tx, txtRef2Tx, QStringLiteral("Tx")),
                          QStringLiteral("Transmitter"));
    tabModuleType->addTab(buildModelTab(lstEx, txtFrequencyEx, txtRef1Ex, txtRef2Ex, QStringLiteral("Ex")),
                          QStringLiteral("Exciter"));
    auto* tonePage = new QWidget;
    lstToneRemote = named(new QListWidget(tonePage), QStringLiteral("lstToneRemote"));
    auto* toneLayout = new QVBoxLayout(tonePage);
    toneLayout->addWidget(lstToneRemote);
    tabModuleType->addTab(tonePage, QStringLiteral("Tone Remote"));

    for (int kind = basVelmar::kReceiver; kind <= basVelmar::kToneRemote; ++kind) {
        QListWidget* list = modelList(kind);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        modellist::setUpModelList(*list);
        list->setMinimumHeight(list->fontMetrics().height() * 10);
        connect(list, &QListWidget::itemDoubleClicked, this, &frmNewModule::lstModel_DblClick);
        if (kind == basVelmar::kToneRemote)
            continue;  // a tone-remote model has no band or references to show
        connect(list, &QListWidget::itemSelectionChanged, this, [this, kind] { lstModel_Click(kind); });
        moduledialogs::onKeyDown(list, [this](int keyCode) { return lstModel_KeyDown(keyCode); });
    }

    Label2 = named(new QLabel(QStringLiteral("Module Serial Number:"), this), QStringLiteral("Label2"));
    txtSerial = named(new QLineEdit(this), QStringLiteral("txtSerial"));
    txtSerial->setMaxLength(kSerialLength);
    moduledialogs::setListFont(*txtSerial);
    txtSerial->setMinimumWidth(txtSerial->fontMetrics().horizontalAdvance(QString(kSerialLength + 2, QLatin1Char('0'))));
    platform::onValidate(txtSerial, this, [this] { return txtSerial_LostFocus(); });

    cmdOK = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cmdCancel"));
    // Enter opens a model only from the radio-module lists, not wherever the focus is.
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmNewModule::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewModule::cmdCancel_Click);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label2);
    bottom->addWidget(txtSerial);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    bottom->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabModuleType, 1);
    layout->addLayout(bottom);
}

QListWidget* frmNewModule::modelList(int kind) const
{
    return kind == basVelmar::kToneRemote ? lstToneRemote : modelTab(kind).list;
}

void frmNewModule::Form_Load()
{
    platform::BusyCursor busy;
    basVelmar::trapped([this]() -> int16_t {
        CBROWSER& browser = CBROWSER::instance();
        // The collection reports its own failures; the lists then show what it holds.
        browser.intUpdateCollectModuleDB();
        for (const std::shared_ptr<CModule>& model : browser.moduleDB) {
            if (!model || model->intRxTxEx < basVelmar::kReceiver || model->intRxTxEx > basVelmar::kToneRemote)
                continue;
            QListWidget* list = modelList(model->intRxTxEx);
            const QSignalBlocker quiet(list);
            modellist::addModelLine(*list, *model);
        }
        // A serial number that neither the database nor an open window (a new one not yet saved) has.
        QString proposed;
        CLASSOrvDB::instance().intGetFreeSerial(basVelmar::heldSerials(), proposed);
        txtSerial->setText(proposed);
        return 0;
    });
    platform::centreOnScreen(*this);
}

void frmNewModule::lstModel_Click(int kind)
{
    const ModelTab tab = modelTab(kind);
    for (int row = 0; row < tab.list->count(); ++row) {
        const QListWidgetItem* line = tab.list->item(row);
        if (!line->isSelected())
            continue;
        const QString name = modellist::lineModelName(*line);
        const CModuleCollection& models = CBROWSER::instance().moduleDB;
        const auto found = std::find_if(models.begin(), models.end(),
                                        [&](const std::shared_ptr<CModule>& m) { return m && m->strModule == name; });
        if (found == models.end())
            continue;
        tab.band->setText(bandText(**found));
        tab.ref1->setText(referenceText((*found)->lngRef1));
        tab.ref2->setText(referenceText((*found)->lngRef2));
    }
}

bool frmNewModule::serialNumberAccepted()
{
    const std::optional<qint64> value = wholeNumber(txtSerial->text());
    if (!value)
        refuseSerial(QStringLiteral("Serial number must be numeric!"));
    else if (*value > kHighestNewSerial)
        refuseSerial(QStringLiteral("Serial number must not exceed 16777124!"));
    else if (*value < 0)
        refuseSerial(QStringLiteral("Serial number must be positive number!"));
    else
        return true;
    return false;
}

bool frmNewModule::txtSerial_LostFocus()
{
    // OK checks the number itself, and Cancel leaves it behind.
    const QWidget* next = QApplication::focusWidget();
    if (next == cmdOK || next == cmdCancel)
        return true;
    return serialNumberAccepted();
}

int16_t frmNewModule::intConsistencyCheck()
{
    const QString text = txtSerial->text();
    const std::optional<qint64> value = wholeNumber(text);
    if (!value) {
        MsgBox(QStringLiteral("Serial must be number. "), platform::vbOKOnly);
        return -1;
    }
    if (*value < 0 || text.size() > kSerialLength) {
        MsgBox(QStringLiteral("Serial Number should be between [0- 99999999]. "), platform::vbOKOnly);
        return -1;
    }
    return 0;
}

int16_t frmNewModule::intOK()
{
    // The dialog takes no input while the window is made; after a failure it is there as it was.
    const QPointer<QWidget> focused = focusWidget();
    setEnabled(false);
    bool serialRefused = false;
    const int16_t status = basVelmar::trapped([&]() -> int16_t {
        if (!serialNumberAccepted() || intConsistencyCheck() != 0) {
            serialRefused = true;
            return -1;
        }
        moduleopen::UnlinkOnViewCloseOff unlinkOff;
        const long serial = static_cast<long>(*wholeNumber(txtSerial->text()));
        const int kind = tabModuleType->currentIndex();
        const QListWidget* list = modelList(kind);
        bool selected = false;
        for (int row = 0; row < list->count(); ++row) {
            const QListWidgetItem* line = list->item(row);
            if (!line->isSelected())
                continue;
            selected = true;
            NewModuleArgs args;
            args.model = modellist::lineModelName(*line).trimmed();
            if (args.model.isEmpty())
                continue;
            args.origin = modellist::lineOrigin(*line);
            args.serial = serial;
            const WindowRegistry::WindowKind windowKind = WindowRegistry::kindForTypeCode(kind);
            // Only the first selected model is opened.
            const int16_t opened = openInNewDocumentWindow(windowKind, [&](IDocumentWindow& w) { return w.intInitFromNew(args); });
            return opened == 0 ? 0 : -1;
        }
        if (!selected) {
            MsgBox(QStringLiteral("Please select module type!"), platform::vbExclamation, QStringLiteral("Missing Parameter"));
            return -1;
        }
        return 0;
    });
    setEnabled(true);
    if (serialRefused)
        txtSerial->setFocus();
    else if (focused)
        focused->setFocus();
    return status;
}

void frmNewModule::cmdOk_Click()
{
    if (intOK() == 0)
        accept();
}

void frmNewModule::lstModel_DblClick() { cmdOk_Click(); }

bool frmNewModule::lstModel_KeyDown(int KeyCode)
{
    if (KeyCode != moduledialogs::kEnterKey)
        return false;
    cmdOk_Click();
    return true;
}

void frmNewModule::cmdCancel_Click() { reject(); }
