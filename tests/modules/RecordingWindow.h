#pragma once
// A document window standing in for the editors in the dialogs' tests: it records which opener
// was called, with what serial text and with what unlink flag, and joins the main window.
#include "db/PageImage.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/WindowRegistry.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

struct SerialOnlyDocument : CPageImage {
    int16_t intWritePage(int, const QByteArray&) override { return -1; }
    int16_t intReadPage(int, QByteArray&) const override { return -1; }
    int pageCount() const override { return 0; }
    int lastStoredPage() const override { return 0; }
    bool isToneRemote() const override { return false; }
};

class RecordingWindow : public QWidget, public IDocumentWindow {
public:
    struct Call {
        WindowRegistry::WindowKind kind;
        int16_t source;      // kFromModule for intInitFromModule, kFromDatabase for intInitFromDB,
                             // kFromNew for intInitFromNew
        QString serial;      // the text the opener was given (the number of a new module)
        bool unlinkOnClose;  // basVelmar::gUnlinkOnViewClose while the opener ran
        NewModuleArgs args;  // what intInitFromNew was given
    };
    static inline QList<Call> calls;
    // Runs inside every opener before the window shows itself (a test may throw from it).
    static inline std::function<void()> duringOpen;

    // Recording windows of both kinds.
    static void install();
    // A window already open in the main window, holding `serial` from `source`.
    static void openAlready(int16_t source, const QString& serial);

    explicit RecordingWindow(WindowRegistry::WindowKind kind) : kind_(kind) {}

    QWidget* widget() override { return this; }
    int16_t intCommandSave() override { return 0; }
    int16_t intCommandPrint() override { return 0; }
    int16_t CommandWrite() override { return 0; }
    CPageImage* getDocument() override { return &doc_; }
    int16_t pagesChanged() override { return 0; }
    int16_t intInitFromNew(const NewModuleArgs& args) override;
    int16_t intInitFromDB(const QString& serial) override { return open(kFromDatabase, serial); }
    int16_t intInitFromModule(const QString& serial) override { return open(kFromModule, serial); }
    int16_t intInitFromArchive(const QString&) override { return -1; }

private:
    int16_t open(int16_t source, const QString& serial, const NewModuleArgs& args = {});

    WindowRegistry::WindowKind kind_;
    SerialOnlyDocument doc_;
};
