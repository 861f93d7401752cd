#include "platform/ui/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void centreOnScreen(QWidget& dialog)
{
    dialog.adjustSize();
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    dialog.move(area.left() + (area.width() - dialog.width()) / 2, area.top() + (area.height() - dialog.height()) / 2);
}

} // namespace platform
