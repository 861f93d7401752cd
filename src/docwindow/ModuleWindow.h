#pragma once
// A module window over its own kind of document: the window owns the document, made empty on
// first use, and the shared commands and the close question reach it through the members both
// kinds of document have under the same names.
#include "docwindow/ModuleWindowBase.h"
#include "docwindow/StoreQuestion.h"

#include <memory>

template <class Document>
class ModuleWindow : public ModuleWindowBase {
public:
    // The window leaves the count while its document is still there to be asked about.
    ~ModuleWindow() override { leaveHost(); }

    Document& document()
    {
        if (!document_)
            document_ = std::make_unique<Document>();
        return *document_;
    }
    CPageImage* getDocument() override { return &document(); }
    bool hasDocument() const { return document_ != nullptr; }

protected:
    explicit ModuleWindow(QWidget* parent) : ModuleWindowBase(parent) {}

    bool hasUnsavedChanges() const override { return document_ && document_->fModified; }
    int16_t storeInDatabase() override
    {
        if (!docwindow::mayStoreOver(document()))
            return -1;
        return document().intDocument2DB();
    }
    int16_t storeWhereFrom(QString& where) override
    {
        // No to replacing another stored module keeps the window open.
        if (document().savesToDatabase() && !docwindow::mayStoreOver(document()))
            return -1;
        return document().intDocument2Default(where);
    }
    int16_t writeToModule() override { return document().intDocument2Module(); }
    int16_t readModule(const QString& serial) override { return document().intModule2Document(serial); }

    std::unique_ptr<Document> document_;
};
