#pragma once
// What the tabs of the tone-remote window share: the window that holds them, the mark of a
// change, which the filling of a tab does not set, and the key handling of their boxes and grids.
#include <QWidget>
#include <functional>

class ITRTabHost;
class QLineEdit;
namespace platform {
class FlexGrid;
}

class ToneRemoteTab : public QWidget {
public:
    ToneRemoteTab(ITRTabHost& host, const QString& name, QWidget* parent);

protected:
    ITRTabHost& host() const { return host_; }
    // An edit of the user's: the document is changed and the window asks about saving on closing.
    // Does nothing while the tab is being filled.
    void markModified() const;
    // True while the tab is being filled from the document.
    bool showing_ = false;

    // Digits and Backspace pass into `box`; a digit only when the box's whole text with the digit
    // appended has a value that `accept` takes.
    static void acceptDigits(QLineEdit* box, std::function<bool(int value)> accept);
    // Enter in `grid` runs `edit` (and does not move the current cell); so does a double click.
    void editOnEnter(platform::FlexGrid* grid, std::function<void()> edit);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ITRTabHost& host_;
    platform::FlexGrid* editGrid_ = nullptr;
    std::function<void()> edit_;
};
