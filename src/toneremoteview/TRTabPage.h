#pragma once
// A tab of the tone-remote window. Each tab is a page of its own with its controls and its show
// and apply members; the window fills the tabs from its document and applies them back in tab
// order (General, Function Tones, Alarm / Confirm, Voting / Levels, Advanced). A tab reaches the
// document and the other tabs through the window.
#include <QWidget>

class COrvDocTR;
class frmOrvViewTR;

class TRTabPage : public QWidget {
public:
    TRTabPage(frmOrvViewTR& view, const QString& name);

protected:
    frmOrvViewTR& view() const { return view_; }
    // The window's document (made empty when the window has none).
    COrvDocTR& document() const;
    // An edit of the user's: the document is changed and the window asks about saving on closing.
    void markModified() const;

private:
    frmOrvViewTR& view_;
};
