#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace platform {

// The program's help: the help page with its contents and a search box. The window belongs to the
// window that last asked for it: it opens centred over that window and is destroyed with it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the one help window on the page that stands for `helpFile`, on its Contents tab
    // (HELP_TAB) or its Search tab (HELP_PARTIALKEY). Raises platform::Error when the page is missing.
    static HelpWindow* show(QWidget* owner, const QString& helpFile, unsigned command);
    static HelpWindow* current();

    // The help page for a help file name: velmar.hlp -> velmar.html beside it.
    static QString pageFor(const QString& helpFile);

    struct Topic {
        QString anchor;
        QString title;
        QString text;  // the topic's plain text, for the search
    };
    const QList<Topic>& topics() const { return topics_; }

    // Lists the topics whose title or text holds `term` (without case); says so when none does.
    void search(const QString& term);
    void showTopic(const QString& anchor);

    QTabWidget* tabs = nullptr;
    QListWidget* lstContents = nullptr;
    QLineEdit* txtSearch = nullptr;
    QListWidget* lstResults = nullptr;
    QLabel* lblNoHits = nullptr;
    QTextBrowser* browser = nullptr;

private:
    explicit HelpWindow(QWidget* owner);
    bool load(const QString& page);
    void centreOver(const QWidget& owner);

    QList<Topic> topics_;
};

} // namespace platform
