#pragma once
// What a tab of the tone-remote window asks of the window that holds it: the document it shows
// and edits, and the window-wide steps that an edit on one tab starts.
class COrvDocTR;

class ITRTabHost {
public:
    virtual ~ITRTabHost() = default;
    // The window's document, made empty when the window has none.
    virtual COrvDocTR& document() = 0;
    // The caption again from the document's model and serial number.
    virtual void renewCaption() = 0;
    // The line interface (2-wire or 4-wire) was chosen: the voting controls follow it.
    virtual void lineInterfaceChanged() {}
};
