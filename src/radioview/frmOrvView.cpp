// The radio-module window: its controls, its load and close steps and its place among the main
// window's document windows.
#include "radioview/frmOrvView.h"

#include "docwindow/DocumentHost.h"
#include "radio/CLASSOrvDocument.h"
#include "platform/ui/ControlEvents.h"
#include "docwindow/DocumentTexts.h"
#include "radioview/OrvViewShown.h"
#include "shell/Globals.h"
#include "shell/ShownText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyle>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {


template <class W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

QLineEdit* displayBox(const QString& name, QWidget* parent)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel* label(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QLabel(caption, parent), name);
}

// A display box just wide enough for the widest text it shows.
void fitBox(QLineEdit* box, const QString& widest)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const QMargins text = box->textMargins() + box->contentsMargins();
    // The box keeps 2 pixels on each side of its text inside the frame, and a pixel for the cursor.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + text.left() + text.right() + 2 * frame + 5);
}

// Channel rows the window shows without scrolling when it opens.
constexpr int kRowsShown = 12;

} // namespace

frmOrvView::frmOrvView(QWidget* parent) : ModuleWindow(parent), shown_(std::make_unique<ShownSettings>())
{
    setObjectName(QStringLiteral("frmOrvView"));
    setWindowTitle(kDesignCaption);
    buildControls();
    buildMenus();
    buildHotKeys();
}

frmOrvView::~frmOrvView() = default;

IDocumentHost* frmOrvView::hostToJoin() const { return &IDocumentHost::required(); }

bool frmOrvView::binHexLayout() const { return binHex_; }

bool frmOrvView::canSave() const
{
    return !document_ || (document_->intDocumentFrom != kFromBIN && document_->intDocumentFrom != kFromHEX);
}

bool frmOrvView::canWrite() const { return canSave(); }

void frmOrvView::buildControls()
{
    auto* outer = new QHBoxLayout(this);
    SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    auto* systemTab = new QWidget(SSTab1);
    auto* channelTab = new QWidget(SSTab1);
    SSTab1->addTab(systemTab, QStringLiteral("S&ystem Information"));
    SSTab1->addTab(channelTab, QStringLiteral("Channel &Information"));
    buildSettingsTab(systemTab);
    buildChannelTab(channelTab);
    outer->addWidget(SSTab1, 1);

    auto* buttons = new QVBoxLayout;
    auto button = [&](const QString& name, const QString& caption, void (frmOrvView::*handler)()) {
        auto* b = named(new QPushButton(caption, this), name);
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
        return b;
    };
    cmdSaveToDB = button(QStringLiteral("cmdSaveToDB"), doctext::kSave, &frmOrvView::cmdSaveToDB_Click);
    cmdWriteToRack = button(QStringLiteral("cmdWriteToRack"), QStringLiteral("&Write "), &frmOrvView::cmdWriteToRack_Click);
    cmdQuit = button(QStringLiteral("cmdQuit"), doctext::kClose, &frmOrvView::cmdQuit_Click);
    buttons->addSpacing(16);
    cmdEditChannel = button(QStringLiteral("cmdEditChannel"), QStringLiteral("&Edit"), &frmOrvView::cmdEditChannel_Click);
    cmdDeleteChannel = button(QStringLiteral("cmdDeleteChannel"), QStringLiteral("&Delete"), &frmOrvView::cmdDeleteChannel_Click);
    cmdDefaultChannel =
        button(QStringLiteral("cmdDefaultChannel"), QStringLiteral("Def&ault Chan"), &frmOrvView::cmdDefaultChannel_Click);
    cmdEpots = button(QStringLiteral("cmdEpots"), QStringLiteral("E&POTs"), &frmOrvView::cmdEpots_Click);
    cmdShow = button(QStringLiteral("cmdShow"), QStringLiteral("Show"), &frmOrvView::cmdShow_Click);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = currentTab_;
        currentTab_ = SSTab1->currentIndex();
        SSTab1_Click(previous);
    });

    // The window opens wide enough for the widest grid (a transmitter's fourteen columns, each at
    // its text's width) and tall enough for a dozen channels; the user may make it smaller.
    const int gridWidth = widestGridNeed() + grdChannel->verticalScrollBar()->sizeHint().width() + 2 * grdChannel->frameWidth();
    const int gridHeight = kRowsShown * grdChannel->verticalHeader()->defaultSectionSize()
                           + grdChannel->horizontalHeader()->sizeHint().height() + 2 * grdChannel->frameWidth();
    grdChannel->setMinimumSize(gridWidth, gridHeight);
    openingSize_ = QWidget::sizeHint();
    grdChannel->setMinimumSize(0, 0);
    resize(openingSize_);
}

void frmOrvView::buildSettingsTab(QWidget* tab)
{
    auto* tabLayout = new QVBoxLayout(tab);
    FrameSystem = named(new QGroupBox(tab), QStringLiteral("FrameSystem"));
    tabLayout->addWidget(FrameSystem);
    auto* grid = new QGridLayout(FrameSystem);
    QWidget* f = FrameSystem;

    int row = 0;
    auto left = [&](QLabel* l, QWidget* box) {
        grid->addWidget(l, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    };
    txtSerialNum = named(new QLineEdit(f), QStringLiteral("txtSerialNum"));
    txtSerialNum->setMaxLength(8);
    // Digits only, typed or pasted.
    txtSerialNum->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,8}")), txtSerialNum));
    left(label(QStringLiteral("Label1"), QStringLiteral("Serial Number:"), f), txtSerialNum);
    txtCustomType = displayBox(QStringLiteral("txtCustomType"), f);
    left(label(QStringLiteral("Label2"), QStringLiteral("Custom Model:"), f), txtCustomType);
    lblStdName = label(QStringLiteral("lblStdName"), QStringLiteral("Standard Model: "), f);
    txtStandard = displayBox(QStringLiteral("txtStandard"), f);
    left(lblStdName, txtStandard);
    txtTypes = displayBox(QStringLiteral("txtTypes"), f);
    left(label(QStringLiteral("Label7"), QStringLiteral("Module Type: "), f), txtTypes);
    txtLastModified = displayBox(QStringLiteral("txtLastModified"), f);
    left(label(QStringLiteral("Label3"), QStringLiteral("Last Modified: "), f), txtLastModified);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Firmware SW:"), f);
    txtFirmwareVersion = displayBox(QStringLiteral("txtFirmwareVersion"), f);
    left(Label4, txtFirmwareVersion);
    txtUserRemark = named(new QLineEdit(f), QStringLiteral("txtUserRemark"));
    txtUserRemark->setMaxLength(16);
    left(label(QStringLiteral("Label6"), QStringLiteral("Remark: "), f), txtUserRemark);
    txtLowFreqLim = displayBox(QStringLiteral("txtLowFreqLim"), f);
    left(label(QStringLiteral("LabelFrequencyRange"), QStringLiteral("Lower Frequency  Limit [MHz]:"), f), txtLowFreqLim);
    txtUppFreqLim = displayBox(QStringLiteral("txtUppFreqLim"), f);
    left(label(QStringLiteral("Label5"), QStringLiteral("Upper Frequency  Limit [MHz]:"), f), txtUppFreqLim);
    const int leftRows = row;

    row = 0;
    auto right = [&](QLabel* l, QWidget* w) {
        grid->addWidget(l, row, 2);
        grid->addWidget(w, row, 3);
        ++row;
    };
    const QString designCaption[2] = {QStringLiteral("Injection Side/Transmit time:"), QStringLiteral("Int Freq/TX Lockout:")};
    for (int i = 0; i < 2; ++i) {
        LabelModule[i] = label(QStringLiteral("LabelModule(%1)").arg(i), designCaption[i], f);
        ComboModule[i] = named(new QComboBox(f), QStringLiteral("ComboModule(%1)").arg(i));
        right(LabelModule[i], ComboModule[i]);
        connect(ComboModule[i], &QComboBox::currentIndexChanged, this, [this, i] { ComboModule_Click(i); });
    }
    LabelTailtime = label(QStringLiteral("LabelTailtime"), QStringLiteral("Transmit tail timer (sec):"), f);
    ComboTailtime = named(new QComboBox(f), QStringLiteral("ComboTailtime"));
    right(LabelTailtime, ComboTailtime);
    chkChangeDefaultChannelOnChannelChange = named(new QCheckBox(f), QStringLiteral("chkChangeDefaultChannelOnChannelChange"));
    right(label(QStringLiteral("lblChangeDefaultChannelOnChannelChange"), QStringLiteral("Change Default Chan on Chan Change:"), f),
          chkChangeDefaultChannelOnChannelChange);
    cboChangeSelectType = named(new QComboBox(f), QStringLiteral("cboChangeSelectType"));
    right(label(QStringLiteral("lblChannelSelectType"), QStringLiteral("Change Select Type:"), f), cboChangeSelectType);
    lblReverseToneBurst = label(QStringLiteral("lblReverseToneBurst"), QStringLiteral("Reverse Tone Burst:"), f);
    chkReverseToneBurst = named(new QCheckBox(f), QStringLiteral("chkReverseToneBurst"));
    right(lblReverseToneBurst, chkReverseToneBurst);
    lblReverseToneBurstType = label(QStringLiteral("lblReverseToneBurstType"), QStringLiteral("Reverse Tone Burst Type:"), f);
    cboReverseToneBurstType = named(new QComboBox(f), QStringLiteral("cboReverseToneBurstType"));
    right(lblReverseToneBurstType, cboReverseToneBurstType);
    lblLengthOfReverseToneBurst =
        label(QStringLiteral("lblLengthOfReverseToneBurst"), QStringLiteral("Length Of Reverse Tone Burst (ms):"), f);
    txtLengthOfReverseToneBurst = named(new QLineEdit(f), QStringLiteral("txtLengthOfReverseToneBurst"));
    txtLengthOfReverseToneBurst->setMaxLength(4);
    txtLengthOfReverseToneBurst->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), txtLengthOfReverseToneBurst));
    right(lblLengthOfReverseToneBurst, txtLengthOfReverseToneBurst);
    grid->setRowStretch(std::max(leftRows, row), 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(txtSerialNum, &QLineEdit::textChanged, this, &frmOrvView::txtSerialNum_Change);
    platform::onValidate(txtSerialNum, this, [this] { return txtSerialNum_Validate(); });
    connect(txtUserRemark, &QLineEdit::textChanged, this, &frmOrvView::txtUserRemark_Change);
    connect(txtLengthOfReverseToneBurst, &QLineEdit::textChanged, this, &frmOrvView::txtLengthOfReverseToneBurst_Change);
    platform::onValidate(txtLengthOfReverseToneBurst, this, [this] { return txtLengthOfReverseToneBurst_Validate(); });
    connect(ComboTailtime, &QComboBox::currentIndexChanged, this, &frmOrvView::ComboTailtime_Click);
    connect(cboChangeSelectType, &QComboBox::currentIndexChanged, this, &frmOrvView::cboChangeSelectType_Click);
    connect(cboReverseToneBurstType, &QComboBox::currentIndexChanged, this, &frmOrvView::cboReverseToneBurstType_Click);
    connect(chkChangeDefaultChannelOnChannelChange, &QCheckBox::stateChanged, this,
            &frmOrvView::chkChangeDefaultChannelOnChannelChange_Click);
    connect(chkReverseToneBurst, &QCheckBox::stateChanged, this, &frmOrvView::chkReverseToneBurst_Click);
}

void frmOrvView::buildChannelTab(QWidget* tab)
{
    // The grid above, the default channel in one row below it.
    auto* tabLayout = new QVBoxLayout(tab);
    frameChannel = named(new QGroupBox(QStringLiteral("Channel Information "), tab), QStringLiteral("frameChannel"));
    auto* gridLayout = new QVBoxLayout(frameChannel);
    grdChannel = named(new QTableWidget(frameChannel), QStringLiteral("grdChannel"));
    grdChannel->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grdChannel->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdChannel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdChannel->setContextMenuPolicy(Qt::CustomContextMenu);
    grdChannel->setWordWrap(false);
    // Headers keep their font whatever is selected, so a header that fits keeps fitting.
    grdChannel->horizontalHeader()->setHighlightSections(false);
    grdChannel->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdChannel->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gridLayout->addWidget(grdChannel);
    tabLayout->addWidget(frameChannel, 1);
    watchGridWidth();

    Frame1 = named(new QGroupBox(QStringLiteral(" Default Channel "), tab), QStringLiteral("Frame1"));
    auto* frame = new QGridLayout(Frame1);
    int column = 0;
    auto field = [&](QLabel* l, QLineEdit* box, const QString& widest, QLineEdit* second = nullptr) {
        frame->addWidget(l, 0, column, 1, second ? 2 : 1);
        for (QLineEdit* b : {box, second}) {
            if (!b)
                continue;
            fitBox(b, widest);
            frame->addWidget(b, 1, column++);
        }
    };
    txtDFChannel = displayBox(QStringLiteral("txtDFChannel"), Frame1);
    field(label(QStringLiteral("lblDFChannel"), QStringLiteral("Chan"), Frame1), txtDFChannel, QStringLiteral("127"));
    txtDFFrequency = displayBox(QStringLiteral("txtDFFrequency"), Frame1);
    field(label(QStringLiteral("lblDFFrequency"), QStringLiteral("Frequency MHz"), Frame1), txtDFFrequency,
          QStringLiteral("999.999999"));
    txtDFCTCSS = displayBox(QStringLiteral("txtDFCTCSS"), Frame1);
    field(label(QStringLiteral("lblDFCTCSS"), QStringLiteral("CTCSS"), Frame1), txtDFCTCSS, QStringLiteral("254.1"));
    lblDFDeviation = label(QStringLiteral("lblDFDeviation"), QStringLiteral("Deviation  Reference"), Frame1);
    txtDFDeviation = displayBox(QStringLiteral("txtDFDeviation"), Frame1);
    txtDFReference = displayBox(QStringLiteral("txtDFReference"), Frame1);
    field(lblDFDeviation, txtDFDeviation, QStringLiteral("255"), txtDFReference);
    txtDFPIN = displayBox(QStringLiteral("txtDFPIN"), Frame1);
    field(label(QStringLiteral("lblDFPIN"), QStringLiteral("PIN 8-1"), Frame1), txtDFPIN, QStringLiteral("11111111"));
    txtDFSetting = displayBox(QStringLiteral("txtDFSetting"), Frame1);
    field(label(QStringLiteral("lblDFSetting"), QStringLiteral("Switch"), Frame1), txtDFSetting,
          QStringLiteral("11111111"));
    frame->setColumnStretch(column, 1);
    tabLayout->addWidget(Frame1);

    connect(grdChannel, &QTableWidget::cellDoubleClicked, this, [this] { grdChannel_DblClick(); });
    connect(grdChannel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { grdChannel_MouseDown(2, 0, p.x(), p.y()); });
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), grdChannel, nullptr, nullptr, Qt::WidgetShortcut);
    connect(enter, &QShortcut::activated, this, [this] { grdChannel_KeyDown(13, 0); });
    auto* keypadEnter = new QShortcut(QKeySequence(Qt::Key_Enter), grdChannel, nullptr, nullptr, Qt::WidgetShortcut);
    connect(keypadEnter, &QShortcut::activated, this, [this] { grdChannel_KeyDown(13, 0); });

    MNUChannelPopup = named(new QMenu(QStringLiteral("ChannelPopupMenu"), this), QStringLiteral("MNUChannelPopup"));
    MNUChannelPopupCopy = named(MNUChannelPopup->addAction(QStringLiteral("&Copy")), QStringLiteral("MNUChannelPopupCopy"));
    MNUChannelPopupPaste = named(MNUChannelPopup->addAction(QStringLiteral("&Paste")), QStringLiteral("MNUChannelPopupPaste"));
    connect(MNUChannelPopupCopy, &QAction::triggered, this, &frmOrvView::MNUChannelPopupCopy_Click);
    connect(MNUChannelPopupPaste, &QAction::triggered, this, &frmOrvView::MNUChannelPopupPaste_Click);
}

void frmOrvView::fillComboNumbers(QComboBox* combo, int last, int step)
{
    combo->clear();
    for (int v = 0; v <= last; v += step)
        combo->addItem(QString::number(v));
}

void frmOrvView::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    filling_ = true;
    fillComboNumbers(ComboModule[0], 300, 10);
    fillComboNumbers(ComboModule[1], 60, 10);
    fillComboNumbers(ComboTailtime, 50, 1);
    filling_ = false;
    intVersionSet();
    joinHost();
}

void frmOrvView::setCaption(const QString& caption)
{
    Form_Load();
    setWindowTitle(caption);
}

void frmOrvView::renewCaption()
{
    setCaption(doctext::caption(basVelmar::strShownText(document().strModuleUsed), document().strSerial));
}

void frmOrvView::markModified()
{
    if (!filling_)
        document().fModified = true;
}
