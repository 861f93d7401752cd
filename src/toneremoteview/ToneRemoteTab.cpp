#include "toneremoteview/ToneRemoteTab.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/FlexGrid.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRTabHost.h"
#include "toneremoteview/TextValue.h"

#include <QKeyEvent>
#include <QLineEdit>

ToneRemoteTab::ToneRemoteTab(ITRTabHost& host, const QString& name, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName(name);
}

void ToneRemoteTab::markModified() const
{
    if (!showing_)
        host_.document().fModified = true;
}

void ToneRemoteTab::acceptDigits(QLineEdit* box, std::function<bool(int value)> accept)
{
    platform::onKeyPress(box, [box, accept = std::move(accept)](QChar c) {
        if (c == QLatin1Char('\b'))
            return true;
        if (c < u'0' || c > u'9')
            return false;
        return accept(trview::leadingWholeNumber(box->text() + c, 0, 1 << 20));
    });
}

void ToneRemoteTab::editOnEnter(platform::FlexGrid* grid, std::function<void()> edit)
{
    editGrid_ = grid;
    edit_ = std::move(edit);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this] { edit_(); });
}

bool ToneRemoteTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editGrid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            edit_();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
