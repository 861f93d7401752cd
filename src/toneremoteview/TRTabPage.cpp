#include "toneremoteview/TRTabPage.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/FlexGrid.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TextValue.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QKeyEvent>
#include <QLineEdit>

TRTabPage::TRTabPage(frmOrvViewTR& view, const QString& name) : view_(view) { setObjectName(name); }

COrvDocTR& TRTabPage::document() const { return view_.document(); }

void TRTabPage::markModified() const
{
    if (!showing_)
        document().fModified = true;
}

void TRTabPage::acceptDigits(QLineEdit* box, std::function<bool(int value)> accept)
{
    platform::onKeyPress(box, [box, accept = std::move(accept)](QChar c) {
        if (c == QLatin1Char('\b'))
            return true;
        if (c < u'0' || c > u'9')
            return false;
        return accept(trview::leadingWholeNumber(box->text() + c, 0, 1 << 20));
    });
}

void TRTabPage::editOnEnter(platform::FlexGrid* grid, std::function<void()> edit)
{
    editGrid_ = grid;
    edit_ = std::move(edit);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this] { edit_(); });
}

bool TRTabPage::eventFilter(QObject* watched, QEvent* event)
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
