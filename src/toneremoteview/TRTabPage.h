#pragma once
// A tab of the tone-remote window. Each tab is a page of its own with its controls and its show
// and apply members; the window fills the tabs from its document and applies them back in tab
// order (General, Function Tones, Alarm / Confirm, Voting / Levels, Advanced). A tab reaches the
// document and the other tabs through the window.
#include <QWidget>
#include <functional>

class COrvDocTR;
class QLineEdit;
class frmOrvViewTR;
namespace platform {
class FlexGrid;
}

class TRTabPage : public QWidget {
public:
    TRTabPage(frmOrvViewTR& view, const QString& name);

protected:
    frmOrvViewTR& view() const { return view_; }
    // The window's document (made empty when the window has none).
    COrvDocTR& document() const;
    // An edit of the user's: the document is changed and the window asks about saving on closing.
    // Does nothing while the tab is being filled from the document.
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
    frmOrvViewTR& view_;
    platform::FlexGrid* editGrid_ = nullptr;
    std::function<void()> edit_;
};
