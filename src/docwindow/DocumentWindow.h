#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <cstdint>

class CPageImage;
class QMenu;
class QWidget;

// What a new document is made from (the New Module dialog's choice).
struct NewModuleArgs {
    QString model;                  // model text
    QString origin;                 // "Standard" or "User"
    long serial = 0;                // serial number
    QString suffix = QStringLiteral("0000");
    QDate productionDate = QDate::currentDate();
    long maxChannels = 128;
    long partition = 16;
};

// A document window of the main window: the radio-module editor or the tone-remote editor.
// The main window, the file commands and the module dialogs reach both kinds through these members only.
class IDocumentWindow {
public:
    virtual ~IDocumentWindow() = default;

    // The window as a widget (to add it to the main window and to close it).
    virtual QWidget* widget() = 0;

    // Commands of the toolbar: 0 success, -1 failure (after the window's own message).
    virtual int16_t intCommandSave() = 0;
    virtual int16_t intCommandPrint() = 0;
    virtual int16_t CommandWrite() = 0;

    // The window's document, created empty on first use.
    virtual CPageImage* getDocument() = 0;
    // A dialog changed pages of the document behind the window's back (the raw page editor): the
    // window marks the document modified, decodes it again and shows it. -1 when the pages cannot
    // be decoded (the window has said why); the dialog then puts them back and tells it again.
    virtual int16_t pagesChanged() = 0;

    // Openers, called on a newly created window; each shows the window on success.
    virtual int16_t intInitFromNew(const NewModuleArgs& args) = 0;
    virtual int16_t intInitFromDB(const QString& serial) = 0;
    virtual int16_t intInitFromModule(const QString& serial) = 0;
    virtual int16_t intInitFromArchive(const QString& path) = 0;
    // Radio-module files; the tone-remote window has none of them.
    virtual int16_t intInitFromMCF(const QString&) { return -1; }
    virtual int16_t intInitFromBIN(const QString&) { return -1; }
    virtual int16_t intInitFromHEX(const QString&) { return -1; }

    // The window's own menus, shown in the main window's menu bar while it is active.
    virtual QList<QMenu*> documentMenus() { return {}; }
    // Whether the toolbar's Save and Write Module apply to this window's document.
    virtual bool canSave() const { return true; }
    virtual bool canWrite() const { return true; }
};
