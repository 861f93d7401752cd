#include "platform/ui/HelpWindow.h"

#include "platform/Help.h"
#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {
namespace {
QPointer<HelpWindow> g_window;

QString plain(const QString& html)
{
    QTextDocument d;
    d.setHtml(html);
    return d.toPlainText().simplified();
}
} // namespace

QString HelpWindow::pageFor(const QString& helpFile)
{
    const QFileInfo fi(helpFile);
    return fi.absoluteDir().filePath(fi.completeBaseName() + QStringLiteral(".html"));
}

HelpWindow* HelpWindow::current() { return g_window; }

HelpWindow* HelpWindow::show(QWidget* owner, const QString& helpFile, unsigned command)
{
    const QString page = pageFor(helpFile);
    QWidget* ownerWindow = owner ? owner->window() : nullptr;
    // The window goes over to a new owner (a modal dialog asking for help leaves only its own
    // windows usable).
    if (g_window && ownerWindow && g_window->parentWidget() != ownerWindow) {
        g_window->setParent(ownerWindow, Qt::Window);
        g_window->centreOver(*ownerWindow);
    }
    if (!g_window) {
        auto* w = new HelpWindow(ownerWindow);
        if (!w->load(page)) {
            delete w;
            throw Error(53, QStringLiteral("Cannot open the help file %1").arg(page));
        }
        w->setAttribute(Qt::WA_DeleteOnClose);
        if (ownerWindow)
            w->centreOver(*ownerWindow);
        g_window = w;
    }
    g_window->tabs->setCurrentIndex(command == HELP_PARTIALKEY ? 1 : 0);
    g_window->QWidget::show();
    g_window->raise();
    g_window->activateWindow();
    if (command == HELP_PARTIALKEY)
        g_window->txtSearch->setFocus();
    return g_window;
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Velmar Help"));
    resize(820, 560);

    tabs = new QTabWidget;
    lstContents = new QListWidget;
    lstContents->setObjectName(QStringLiteral("lstContents"));
    tabs->addTab(lstContents, QStringLiteral("Contents"));

    auto* searchPage = new QWidget;
    txtSearch = new QLineEdit;
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(QStringLiteral("Type a word to find"));
    lstResults = new QListWidget;
    lstResults->setObjectName(QStringLiteral("lstResults"));
    lblNoHits = new QLabel;
    lblNoHits->setObjectName(QStringLiteral("lblNoHits"));
    lblNoHits->setWordWrap(true);
    lblNoHits->hide();
    auto* sl = new QVBoxLayout(searchPage);
    sl->addWidget(txtSearch);
    sl->addWidget(lblNoHits);
    sl->addWidget(lstResults, 1);
    tabs->addTab(searchPage, QStringLiteral("Search"));

    browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("browser"));
    auto* split = new QSplitter;
    split->addWidget(tabs);
    split->addWidget(browser);
    split->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);

    auto open = [this](QListWidgetItem* item) {
        if (item)
            showTopic(item->data(Qt::UserRole).toString());
    };
    connect(lstContents, &QListWidget::itemActivated, this, open);
    connect(lstContents, &QListWidget::itemClicked, this, open);
    connect(lstResults, &QListWidget::itemActivated, this, open);
    connect(lstResults, &QListWidget::itemClicked, this, open);
    connect(txtSearch, &QLineEdit::textChanged, this, &HelpWindow::search);
}

void HelpWindow::centreOver(const QWidget& owner)
{
    // On the owner's screen: at most nine tenths of it, kept inside it, its top left corner first.
    const QScreen* screen = owner.screen();
    if (screen)
        resize(size().boundedTo(screen->availableGeometry().size() * 9 / 10));
    QRect placed = rect();
    placed.moveCenter(owner.frameGeometry().center());
    if (screen) {
        const QRect area = screen->availableGeometry();
        placed.moveRight(std::min(placed.right(), area.right()));
        placed.moveBottom(std::min(placed.bottom(), area.bottom()));
        placed.moveLeft(std::max(placed.left(), area.left()));
        placed.moveTop(std::max(placed.top(), area.top()));
    }
    move(placed.topLeft());
}

bool HelpWindow::load(const QString& page)
{
    QFile f(page);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(f.readAll());
    browser->setSearchPaths({QFileInfo(page).absolutePath()});
    browser->setHtml(html);

    // Topics are the headings that carry an id; a topic's text runs to the next such heading.
    static const QRegularExpression heading(QStringLiteral("<h([1-3])[^>]*id=\"([^\"]+)\"[^>]*>(.*?)</h\\1>"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    QList<QRegularExpressionMatch> found;
    for (auto it = heading.globalMatch(html); it.hasNext();)
        found << it.next();
    for (int i = 0; i < found.size(); ++i) {
        const auto& m = found[i];
        const qsizetype end = i + 1 < found.size() ? found[i + 1].capturedStart() : html.size();
        Topic t{m.captured(2), plain(m.captured(3)), plain(html.mid(m.capturedEnd(), end - m.capturedEnd()))};
        auto* item = new QListWidgetItem(QString(2 * (m.captured(1).toInt() - 1), QLatin1Char(' ')) + t.title);
        item->setData(Qt::UserRole, t.anchor);
        lstContents->addItem(item);
        topics_ << t;
    }
    return true;
}

void HelpWindow::search(const QString& term)
{
    lstResults->clear();
    lblNoHits->hide();
    const QString t = term.trimmed();
    if (t.isEmpty())
        return;
    for (const Topic& topic : topics_) {
        if (topic.title.contains(t, Qt::CaseInsensitive) || topic.text.contains(t, Qt::CaseInsensitive)) {
            auto* item = new QListWidgetItem(topic.title);
            item->setData(Qt::UserRole, topic.anchor);
            lstResults->addItem(item);
        }
    }
    if (lstResults->count() == 0) {
        lblNoHits->setText(QStringLiteral("No topic contains \"%1\".").arg(t));
        lblNoHits->show();
    }
}

void HelpWindow::showTopic(const QString& anchor) { browser->scrollToAnchor(anchor); }

} // namespace platform
