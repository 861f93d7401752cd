#include "modules/KeyDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace moduledialogs {
namespace {

class KeyDownFilter : public QObject {
public:
    KeyDownFilter(QObject* parent, std::function<bool(int)> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return handler_(key == Qt::Key_Return || key == Qt::Key_Enter ? kEnterKey : key);
    }

private:
    std::function<bool(int)> handler_;
};

} // namespace

void onKeyDown(QWidget* control, std::function<bool(int keyCode)> handler)
{
    control->installEventFilter(new KeyDownFilter(control, std::move(handler)));
}

} // namespace moduledialogs
