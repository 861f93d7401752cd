// The radio window's chords: Shift+Alt+F and Shift+Alt+P open the factory data dialog,
// Shift+Alt+M the raw page editor, whichever control has the focus; other keys open nothing.
#include "support/ModalWatch.h"
#include "ViewFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

class HotKeysTest : public ViewTest {};

TEST_F(HotKeysTest, ChordsOpenTheirDialogWhereverTheFocusIs)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 4);
    const QString factory = QStringLiteral("frmFVorn");
    const QString raw = QStringLiteral("frmBits");
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString opened;  // the dialog's object name; empty: none
    };
    const QList<Case> cases = {
        {Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier, factory},
        {Qt::Key_P, Qt::ShiftModifier | Qt::AltModifier, factory},
        {Qt::Key_M, Qt::ShiftModifier | Qt::AltModifier, raw},
        {Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, factory},
        {Qt::Key_M, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, raw},
        {Qt::Key_F, Qt::AltModifier, {}},
        {Qt::Key_P, Qt::ShiftModifier, {}},
        {Qt::Key_M, Qt::ControlModifier | Qt::AltModifier, {}},
        {Qt::Key_X, Qt::ShiftModifier | Qt::AltModifier, {}},
    };
    struct Place {
        int tab;
        QWidget* control;
    };
    w->txtUserRemark->clear();
    const QList<Place> places = {{1, w->grdChannel}, {0, w->txtUserRemark}};
    QApplication::setActiveWindow(main_.get());
    for (const Place& place : places) {
        w->SSTab1->setCurrentIndex(place.tab);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << place.control->objectName().toStdString() << " key " << c.key << " modifiers "
                                            << c.modifiers.toInt());
            place.control->setFocus();
            QStringList opened;
            ModalWatch<QDialog> watch([&](QDialog& d) {
                opened << d.objectName();
                d.reject();
            });
            QTest::keyClick(place.control, c.key, c.modifiers);
            // A menu of the main window that a plain Alt key may have opened is closed again.
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            EXPECT_EQ(opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened});
        }
    }
    EXPECT_EQ(w->txtUserRemark->text(), "fpmx") << "the keys that are no chord reach the box, the chords do not";
}
