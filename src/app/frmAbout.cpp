#include "app/frmAbout.h"

#include "shell/Version.h"
#include "app/frmMain.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/velmar.xpm")).scaled(48, 48));
    auto* name = new QLabel(frmMain::kDesignCaption, this);
    QFont f = name->font();
    f.setBold(true);
    name->setFont(f);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    CommandOK = new QPushButton(QStringLiteral("OK"), this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    connect(CommandOK, &QPushButton::clicked, this, &frmAbout::CommandOK_Click);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(lblVersion);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(CommandOK, 0, Qt::AlignRight);
    Form_Load();
}

void frmAbout::Form_Load() { lblVersion->setText(basVelmar::strVersion(true)); }

void frmAbout::CommandOK_Click() { accept(); }
