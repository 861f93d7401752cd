#include "platform/ui/KeyPreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace platform {
namespace {

class KeyPreviewFilter : public QObject {
public:
    KeyPreviewFilter(QWidget* window, std::function<bool(int, int)> takes, std::function<void(int, int)> handler)
        : QObject(window), window_(window), takes_(std::move(takes)), handler_(std::move(handler))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        if (!key || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (w != window_ && !window_->isAncestorOf(w))
            return false;
        auto* press = static_cast<QKeyEvent*>(event);
        const int shift = shiftState(press->modifiers());
        if (!takes_(press->key(), shift))
            return false;
        // The key is the window's: no shortcut of another window takes it first.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            handler_(press->key(), shift);
        return true;
    }

private:
    QWidget* window_;
    std::function<bool(int, int)> takes_;
    std::function<void(int, int)> handler_;
};

} // namespace

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) | (modifiers & Qt::ControlModifier ? kCtrlMask : 0)
        | (modifiers & Qt::AltModifier ? kAltMask : 0);
}

void installKeyPreview(QWidget* window, std::function<bool(int, int)> takes, std::function<void(int, int)> handler)
{
    new KeyPreviewFilter(window, std::move(takes), std::move(handler));
}

} // namespace platform
