#include "CutTexts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>

namespace testsupport {
namespace {

class Finder {
public:
    explicit Finder(QWidget* window) : window_(window) {}

    void check(QWidget* w)
    {
        if (auto* l = qobject_cast<QLabel*>(w))
            label(l);
        else if (auto* b = qobject_cast<QPushButton*>(w))
            pushButton(b);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            fits(b, b->text(), b->sizeHint().width(), b->width());
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            lineEdit(e);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            comboBox(c);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            groupBox(g);
        else if (auto* t = qobject_cast<QTabBar*>(w))
            tabBar(t);
        else if (auto* m = qobject_cast<QMenuBar*>(w))
            menuBar(m);
        else if (auto* t = qobject_cast<QTableView*>(w))
            table(t);
        else if (auto* v = qobject_cast<QListView*>(w))
            list(v);
    }

    QStringList found;

private:
    static QString shown(QString text)
    {
        // "&Save" shows "Save"; "&&" shows one ampersand.
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return text;
    }

    void report(const QWidget* w, const QString& text, int need, int room)
    {
        found << QStringLiteral("%1 (%2): \"%3\" needs %4 px, has %5")
                     .arg(w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName(),
                          QString::fromLatin1(w->metaObject()->className()), text)
                     .arg(need)
                     .arg(room);
    }

    void fits(const QWidget* w, const QString& text, int need, int room)
    {
        if (!text.isEmpty() && need > room)
            report(w, text, need, room);
        else if (!text.isEmpty())
            inSight(w, text);
    }

    // A control with a text must show whole inside every widget around it, up to the window.
    void inSight(const QWidget* w, const QString& text)
    {
        QRect seen(QPoint(0, 0), w->size());
        for (const QWidget* p = w; p != window_ && p->parentWidget(); p = p->parentWidget()) {
            seen.translate(p->pos());
            seen &= QRect(QPoint(0, 0), p->parentWidget()->size());
        }
        if (seen.size() != w->size())
            report(w, text + QStringLiteral(" (out of sight)"), w->width(), seen.width());
    }

    void label(QLabel* l)
    {
        if (l->text().isEmpty())
            return;
        if (l->wordWrap()) {
            fits(l, l->text(), l->heightForWidth(l->width()), l->height());
            return;
        }
        const QSize need = l->sizeHint();
        if (need.height() > l->height())
            report(l, l->text(), need.height(), l->height());
        fits(l, l->text(), need.width(), l->width());
    }

    void pushButton(QPushButton* b)
    {
        // As the button sizes itself, without the least width it gives a short text.
        const QStyle* style = b->style();
        QStyleOptionButton opt;
        opt.initFrom(b);
        const int need = b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width()
                         + (b->icon().isNull() ? 0 : b->iconSize().width() + 4)
                         + style->pixelMetric(QStyle::PM_ButtonMargin, &opt, b)
                         + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, b);
        fits(b, shown(b->text()), need, b->width());
    }

    void lineEdit(QLineEdit* e)
    {
        if (qobject_cast<QComboBox*>(e->parentWidget()) || qobject_cast<QAbstractSpinBox*>(e->parentWidget()))
            return;
        const QMargins m = e->textMargins() + e->contentsMargins();
        const int frame = e->hasFrame() ? 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
        // The box keeps 2 pixels on each side of its text.
        const int need = e->fontMetrics().horizontalAdvance(e->displayText()) + m.left() + m.right() + frame + 4;
        fits(e, e->displayText(), need, e->width());
    }

    void comboBox(QComboBox* c)
    {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = c->isEditable();
        opt.frame = c->hasFrame();
        opt.currentText = c->currentText();
        const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
        fits(c, c->currentText(), c->fontMetrics().horizontalAdvance(c->currentText()), field.width());
    }

    void groupBox(QGroupBox* g)
    {
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.textAlignment = g->alignment();
        opt.lineWidth = 1;
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (g->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        fits(g, shown(g->title()), label.right() + 1, g->width());
    }

    void tabBar(QTabBar* t)
    {
        for (int i = 0; i < t->count(); ++i) {
            const QRect r = t->tabRect(i);
            const QString text = shown(t->tabText(i));
            fits(t, text, t->fontMetrics().horizontalAdvance(text), r.width());
            if (r.right() >= t->width())
                report(t, text + QStringLiteral(" (behind the tab bar's edge)"), r.right() + 1, t->width());
        }
    }

    void menuBar(QMenuBar* m)
    {
        for (QAction* a : m->actions()) {
            if (!a->isVisible() || a->text().isEmpty())
                continue;
            const QRect r = m->actionGeometry(a);
            if (r.isEmpty() || r.right() >= m->width())
                report(m, shown(a->text()), r.right() + 1, m->width());
        }
    }

    void table(QTableView* t)
    {
        const QAbstractItemModel* model = t->model();
        QHeaderView* header = t->horizontalHeader();
        const int margin = 2 * (t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1);
        const int viewWidth = t->viewport()->width();
        for (int c = 0; c < model->columnCount(); ++c) {
            if (t->isColumnHidden(c))
                continue;
            const QString title = model->headerData(c, Qt::Horizontal).toString();
            if (header->isVisible() && !title.isEmpty() && header->sectionSize(c) < header->sectionSizeHint(c))
                report(t, title + QStringLiteral(" (header)"), header->sectionSizeHint(c), header->sectionSize(c));
            const int right = t->columnViewportPosition(c) + t->columnWidth(c);
            if (right > viewWidth)
                report(t, title + QStringLiteral(" (column behind the view's edge)"), right, viewWidth);
        }
        const int firstRow = std::max(0, t->rowAt(0));
        int lastRow = t->rowAt(t->viewport()->height() - 1);
        if (lastRow < 0)
            lastRow = model->rowCount() - 1;
        for (int r = firstRow; r <= lastRow; ++r)
            for (int c = 0; c < model->columnCount(); ++c) {
                const QString text = model->index(r, c).data().toString();
                const int need = t->fontMetrics().horizontalAdvance(text) + margin;
                if (!text.isEmpty() && need > t->columnWidth(c))
                    report(t, QStringLiteral("%1 (row %2, column %3)").arg(text).arg(r).arg(c), need, t->columnWidth(c));
            }
    }

    void list(QListView* v)
    {
        const QAbstractItemModel* model = v->model();
        const int margin = 2 * (v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1);
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString text = model->index(r, v->modelColumn()).data().toString();
            const int need = v->fontMetrics().horizontalAdvance(text) + margin;
            if (!text.isEmpty() && need > v->viewport()->width())
                report(v, text, need, v->viewport()->width());
        }
    }

    QWidget* window_;
};

} // namespace

QStringList cutTexts(QWidget* window)
{
    Finder finder(window);
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets)
        if (w == window || w->isVisibleTo(window))
            finder.check(w);
    // A whole column cut repeats itself in every row: the first lines tell.
    constexpr qsizetype kShown = 12;
    QStringList found = finder.found.mid(0, kShown);
    if (finder.found.size() > kShown)
        found << QStringLiteral("... and %1 more").arg(finder.found.size() - kShown);
    return found;
}

} // namespace testsupport
