#include "platform/ui/DialogPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace platform {

void centreOnScreen(QWidget& dialog)
{
    // Contents that changed while the dialog was hidden (lists filled, captions set) keep their old
    // sizes in the layouts until the next show: drop those, so the dialog takes its new size here.
    for (QWidget* w : dialog.findChildren<QWidget*>())
        w->updateGeometry();
    for (QLayout* l : dialog.findChildren<QLayout*>())
        l->invalidate();
    dialog.adjustSize();
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    dialog.move(area.left() + (area.width() - dialog.width()) / 2, area.top() + (area.height() - dialog.height()) / 2);
}

} // namespace platform
