#pragma once
// The raw page editor of both module windows: every page of the document as hexadecimal bytes,
// and one page overwritten with 8 bytes typed in hexadecimal. Pages move only through the
// document's intReadPage and intWritePage. Bytes are listed and typed byte 7 first, as the column
// captions name them and as the module line carries a page.
#include <QDialog>
#include <cstdint>

class CLASSOrvDocument;
class CPageImage;
class IDocumentWindow;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class frmBits : public QDialog {
public:
    explicit frmBits(QWidget* parent = nullptr);

    // Lists the radio document's pages and shows the dialog modally; returns when it has closed.
    // `owner`, when given, is told of every page Apply changed.
    void ShowForm(CLASSOrvDocument& document, IDocumentWindow* owner = nullptr);
    // The same for the page image of any module document (the tone-remote document's).
    void ShowForm1(CPageImage& document, IDocumentWindow* owner = nullptr);
    // The filling step of the two on its own: the dialog stays hidden.
    void fillPages(CPageImage& document, IDocumentWindow* owner = nullptr);

    // The first two characters of `sTemp` as two hexadecimal digits into `iVal`: 0, or 1 (iVal
    // unchanged) when either is missing or no hexadecimal digit. Further characters are ignored.
    static int16_t StringToValue(const QString& sTemp, int16_t& iVal);

    // Event handlers.
    void Command1_Click(); // Apply
    void cmdClose_Click();

    // Controls.
    QTableWidget* grdBits = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void buildControls();
    void open(CPageImage& document, IDocumentWindow* owner);
    // The grid's row of page `page` from the document.
    void showPage(int page);
    // The text of Text1 as a page (byte 0 first); false unless it is 16 hexadecimal digits.
    bool typedPage(QByteArray& page) const;

    CPageImage* doc_ = nullptr;
    IDocumentWindow* owner_ = nullptr;
};
