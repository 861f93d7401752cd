#pragma once
// What both module windows (the radio-module and the tone-remote editor) do the same way: their
// life among the main window's document windows (joining it, being counted once, the close step
// with its question about unsaved changes), the frame of their openers, and the commands Save,
// Write Module, Print and Save File. Each kind fills in what differs through the hooks below; the
// document's part is filled in by ModuleWindow<Document>.
#include "docwindow/DocumentWindow.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class IDocumentHost;
class QAbstractButton;
class PrintJob;
class QAction;
class QCloseEvent;

class ModuleWindowBase : public QWidget, public IDocumentWindow {
public:
    ~ModuleWindowBase() override;

    // ---- The document-window interface -----------------------------------------------------
    QWidget* widget() override { return this; }
    // The size the window opens at, which the main window's Cascade gives it back.
    QSize sizeHint() const override { return openingSize_; }
    // Each command applies the window's entries first and does nothing when they are refused.
    int16_t intCommandSave() override;
    int16_t intCommandPrint() override;
    int16_t CommandWrite() override;
    // The document as an archive file under the name the user chooses.
    int16_t intCommandArchiveSave();

    // ---- Event handlers --------------------------------------------------------------------
    void cmdQuit_Click();
    void cmdSaveToDB_Click();
    void cmdWriteToRack_Click();
    void MNUCLOSE_Click();
    void mnuSave_Click();
    void MNUARCHIVESAVE_Click();
    void mnuPrint_Click();
    void MNUWRITEMODULE_Click();
    // The window's chords (Shift+Alt with a letter): true when the key was one of them.
    virtual bool Form_KeyDown(int KeyCode, int Shift) = 0;

    // Enables the entries the edition allows (New, and the kind's own) here and in the main window.
    int16_t intVersionSet();

protected:
    explicit ModuleWindowBase(QWidget* parent);

    // What an opener says when the module in the rack does not answer.
    struct NoAnswerBox {
        QString prompt;
        int style;
        QString title;
    };

    void closeEvent(QCloseEvent* event) override;
    // Closes the window with its frame; true when it went (the user did not keep it).
    bool closeWindow();
    // Asks about unsaved changes and saves on Yes; false keeps the window open. A window whose
    // document is in the middle of a transfer cannot go.
    bool Form_QueryUnload();
    // The window joins the main window and counts among its windows: once, when an opener has
    // shown its document. Without a host to join the window shows on its own.
    void joinHost();
    // The window leaves the count, once: at its close step, or when it goes without one.
    void leaveHost();
    QAction* menuEntry(const QString& name) const;
    // Esc presses `close`, whichever control has the focus; the keys `isChord` takes reach
    // Form_KeyDown before the control with the focus.
    void installHotKeys(QAbstractButton* close, const std::function<bool(int KeyCode, int Shift)>& isChord);

    // The frame of every opener: the busy cursor, pending events let run before `read` and after
    // it, and the program's failure rule around both. `read` fills the document, `show` shows it
    // (and joins the main window); either has said why when it gives -1, and a window whose
    // opener failed has not joined, so it opens nowhere.
    int16_t runOpener(const std::function<int16_t()>& read, const std::function<int16_t()>& show);
    // The module of `serial` read from the rack into the document, the line taken for the window
    // meanwhile; -1 when the line is busy or the module did not answer (`noAnswer` shown).
    int16_t readFromRack(const QString& serial, const NoAnswerBox& noAnswer);
    // Whether page 2 of the document is of the window's kind, as every save requires: a document of
    // another kind would be stored as that kind and opened in its window. Says so when it is not.
    bool documentOfOwnKind();
    // The Save dialog with `filter`'s first entry chosen; a name that ends in none of `endings`
    // gets the extension of the chosen filter. Nothing when the user cancels.
    static std::optional<QString> askSavePath(const QString& filter, const QStringList& endings);

    // ---- What each kind of window fills in -------------------------------------------------
    // The window's entries into the document; -1 when one is refused (said).
    virtual int16_t applyEntries() = 0;
    // The document's report printed into `job`.
    virtual int16_t printDocument(PrintJob& job) = 0;
    // The filter of Save File's dialog, and the archive file written under the chosen path.
    virtual QString archiveFilter() const = 0;
    virtual int16_t saveArchive(const QString& path) = 0;
    // The host the window joins: the program's main window; null lets the window show on its own.
    virtual IDocumentHost* hostToJoin() const;
    // The entries of this kind of window that the edition enables.
    virtual void enableEditionEntries() {}

    // ---- What the document does (ModuleWindow<Document>) -----------------------------------
    virtual bool hasUnsavedChanges() const = 0;
    // The document into the database, after the question about another module stored there.
    virtual int16_t storeInDatabase() = 0;
    // The document back to where it came from (`where` names that place), after that question
    // when the place is the database.
    virtual int16_t storeWhereFrom(QString& where) = 0;
    virtual int16_t writeToModule() = 0;
    virtual int16_t readModule(const QString& serial) = 0;

    QSize openingSize_;
    bool transferRunning_ = false; // a transfer of the window's document is on the line

private:
    enum class Count { NotJoined, Counted, Left };
    Count count_ = Count::NotJoined;
    bool closed_ = false; // the close step has run
};
