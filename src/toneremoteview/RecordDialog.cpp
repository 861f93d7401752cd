#include "toneremoteview/RecordDialog.h"

#include "platform/ui/Named.h"

#include <QPushButton>
#include <QVBoxLayout>

RecordDialog::RecordDialog(QWidget* parent, const QString& name, bool cancelled)
    : QDialog(parent), cancelled_(cancelled)
{
    setObjectName(name);
    setModal(true);
}

QVBoxLayout* RecordDialog::buttonColumn()
{
    using platform::named;
    auto* buttons = new QVBoxLayout;
    cmdAlarmApply = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdAlarmApply"));
    cmdAlarmApply->setDefault(true);
    cdmCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cdmCancel"));
    buttons->addWidget(cmdAlarmApply);
    buttons->addWidget(cdmCancel);
    buttons->addStretch(1);
    connect(cmdAlarmApply, &QPushButton::clicked, this, &RecordDialog::cmdAlarmApply_Click);
    connect(cdmCancel, &QPushButton::clicked, this, &RecordDialog::cdmCancel_Click);
    return buttons;
}

void RecordDialog::cmdAlarmApply_Click()
{
    if (!acceptEntries())
        return;
    cancelled_ = false;
    done(Accepted);
}

void RecordDialog::cdmCancel_Click()
{
    cancelled_ = true;
    done(Rejected);
}

void RecordDialog::reject() { cdmCancel_Click(); }
