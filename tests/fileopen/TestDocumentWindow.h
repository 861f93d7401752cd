#pragma once
#include "db/PageImage.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/WindowRegistry.h"
#include "app/frmMain.h"

#include <QList>
#include <QString>
#include <QWidget>

// A page image that holds nothing but its serial number and source.
struct EmptyDocument : CPageImage {
    int16_t intWritePage(int, const QByteArray&) override { return -1; }
    int16_t intReadPage(int, QByteArray&) const override { return -1; }
    int pageCount() const override { return 0; }
    int lastStoredPage() const override { return 0; }
    bool isToneRemote() const override { return false; }
};

// A document window standing in for the editors: it records which opener was called with which
// path, joins the main window when the opener succeeds and counts itself while it lives.
class TestDocumentWindow : public QWidget, public IDocumentWindow {
public:
    struct Call {
        WindowRegistry::WindowKind kind;
        QString opener;
        QString path;
    };
    static inline QList<Call> calls;
    static inline int alive = 0;
    // Status the file openers return.
    static inline int16_t openerStatus = 0;

    explicit TestDocumentWindow(WindowRegistry::WindowKind kind) : kind_(kind) { ++alive; }
    ~TestDocumentWindow() override { --alive; }

    // Makes both kinds of window test windows.
    static void install()
    {
        calls.clear();
        openerStatus = 0;
        for (auto kind : {WindowRegistry::WindowKind::Radio, WindowRegistry::WindowKind::ToneRemote})
            WindowRegistry::registerWindow(kind, [kind] { return new TestDocumentWindow(kind); });
    }

    QWidget* widget() override { return this; }
    int16_t intCommandSave() override { return 0; }
    int16_t intCommandPrint() override { return 0; }
    int16_t CommandWrite() override { return 0; }
    CPageImage* getDocument() override { return &doc; }
    int16_t pagesChanged() override { return 0; }
    int16_t intInitFromNew(const NewModuleArgs&) override { return 0; }
    int16_t intInitFromDB(const QString& serial) override { return show(kFromDatabase, serial); }
    int16_t intInitFromModule(const QString& serial) override { return show(kFromModule, serial); }
    int16_t intInitFromArchive(const QString& path) override { return opened("intInitFromArchive", path); }
    int16_t intInitFromMCF(const QString& path) override { return opened("intInitFromMCF", path); }
    int16_t intInitFromBIN(const QString& path) override { return opened("intInitFromBIN", path); }
    int16_t intInitFromHEX(const QString& path) override { return opened("intInitFromHEX", path); }

    EmptyDocument doc;

private:
    int16_t opened(const char* opener, const QString& path)
    {
        calls.append({kind_, QString::fromLatin1(opener), path});
        if (openerStatus == 0)
            frmMain::instance()->addDocumentWindow(this);
        return openerStatus;
    }
    int16_t show(int16_t source, const QString& serial)
    {
        doc.strSerial = serial;
        doc.intDocumentFrom = source;
        frmMain::instance()->addDocumentWindow(this);
        return 0;
    }

    WindowRegistry::WindowKind kind_;
};
