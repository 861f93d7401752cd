#include "platform/ui/ControlEvents.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
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

// Runs `handler` when the focus leaves the watched box for another control of `window`.
class FocusLeaveFilter : public QObject {
public:
    FocusLeaveFilter(QWidget* box, QWidget* window, std::function<bool()> handler)
        : QObject(box), box_(box), window_(window), handler_(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::FocusOut || running_)
            return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        QWidget* next = QApplication::focusWidget();
        if (!next || !window_ || !window_->isAncestorOf(next) || next == box_ || box_->isAncestorOf(next))
            return false;
        running_ = true;
        const bool keep = !handler_();
        running_ = false;
        if (keep) {
            QPointer<QWidget> box = box_;
            QTimer::singleShot(0, box, [box] {
                if (box)
                    box->setFocus(Qt::OtherFocusReason);
            });
        }
        return false;
    }

private:
    QWidget* box_;
    QPointer<QWidget> window_;
    std::function<bool()> handler_;
    bool running_ = false;
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
