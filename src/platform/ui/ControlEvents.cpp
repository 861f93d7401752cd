#include "platform/ui/ControlEvents.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<bool(QChar)> filter) : QObject(parent), filter_(std::move(filter)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace)
            return !filter_(QLatin1Char('\b'));
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isPrint()
            || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        return !filter_(text.at(0));
    }

private:
    std::function<bool(QChar)> filter_;
};

// The form a widget is part of: the dialog or top-level window, or the document window that a
// frame of the main window holds.
QWidget* formOf(QWidget* part)
{
    QWidget* w = part;
    while (w && !w->isWindow() && !qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        w = w->parentWidget();
    return w;
}

// Shows every tab page that holds `box` (the focus may have left it for another tab), then gives
// it the focus.
void focusBack(QWidget* box)
{
    for (QWidget* w = box; w && !w->isWindow(); w = w->parentWidget()) {
        QWidget* stack = w->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr);
            tabs && tabs->indexOf(w) >= 0)
            tabs->setCurrentWidget(w);
    }
    box->setFocus(Qt::OtherFocusReason);
}

// Runs `handler` when the focus leaves the watched box for another control of the form of `window`.
class FocusLeaveFilter : public QObject {
public:
    FocusLeaveFilter(QWidget* box, QWidget* window, std::function<bool()> handler)
        : QObject(box), box_(box), window_(window), handler_(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // A refused entry gets the focus back once the focus change under way has ended; the
        // check does not run again before that.
        if (event->type() != QEvent::FocusOut || running_ || returning_)
            return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        QWidget* next = QApplication::focusWidget();
        QWidget* form = window_ ? formOf(window_) : nullptr;
        if (!next || !form || !form->isAncestorOf(next) || next == box_ || box_->isAncestorOf(next))
            return false;
        running_ = true;
        const bool keep = !handler_();
        running_ = false;
        if (keep) {
            returning_ = true;
            QTimer::singleShot(0, this, [this] {
                returning_ = false;
                focusBack(box_);
            });
        }
        return false;
    }

private:
    QWidget* box_;
    QPointer<QWidget> window_;
    std::function<bool()> handler_;
    bool running_ = false;
    bool returning_ = false;
};

} // namespace

void onKeyPress(QWidget* box, std::function<bool(QChar)> filter)
{
    box->installEventFilter(new KeyFilter(box, std::move(filter)));
}

void onValidate(QWidget* box, QWidget* window, std::function<bool()> check)
{
    box->installEventFilter(new FocusLeaveFilter(box, window, std::move(check)));
}

void onLostFocus(QWidget* box, QWidget* window, std::function<void()> handler)
{
    box->installEventFilter(new FocusLeaveFilter(box, window, [h = std::move(handler)] {
        h();
        return true;
    }));
}

} // namespace platform
