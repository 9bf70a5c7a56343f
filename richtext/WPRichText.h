#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>

class QPrinter;

// Indents and spacing of a paragraph, in twips (TWPRichText::TParaMeasures).
// It stands outside the class because a nested struct's member initialisers
// cannot serve as a default argument inside the same class (GCC rejects it).
struct TWPParaMeasures
{
    int LeftIndent = 200;
    int SpaceBefore = 200;
    int SpaceAfter = 200;
    int FirstIndent = 0;
};

// The rich-text view that holds a composed record page.
//
// A page is a sequence of paragraphs made of runs. A run is plain, bold, a
// hyperlink or hidden. A link is the visible link text followed by its link
// code ("p:12", "P:Mahler, Gustav", "mc:7") as hidden text in the same
// paragraph; in the document the code travels with the visible text (as its
// anchor), so one click on the link text reports the code at once
// (HyperLinkEvent) and the hand cursor shows over link text. Stored texts of
// the text store are RTF; AppendRtf reads them with our own reader (links in
// them are underlined text followed by hidden text "{\v CODE}").
//
// Measures are in twips (1/1440 inch), as the page builder gives them.
class TWPRichText : public QTextBrowser
{
    Q_OBJECT

public:
    enum class TRunStyle { Plain, Bold, HyperLink, Hidden };

    // Indents and spacing of a paragraph, in twips.
    using TParaMeasures = TWPParaMeasures;

    explicit TWPRichText(QWidget* Parent = nullptr);
    ~TWPRichText() override;

    // --- building a page -------------------------------------------------
    void Clear();
    // Hide the view and stop repainting while a page is rebuilt; show again.
    void BeginUpdate();
    void EndUpdate();
    // Lay the document out again after changes.
    void Reformat();

    // A new paragraph whose first run is Text in the given font, size (pt)
    // and style. An empty FontName means Arial.
    void AddParagraph(const QString& Text, int PointSize, TRunStyle Style,
                      const TParaMeasures& Measures = {}, const QString& FontName = QString());
    // A run at the end of the last paragraph.
    void AppendText(const QString& Text, int PointSize, TRunStyle Style,
                    const QString& FontName = QString());
    // Link text followed by its hidden code, at the end of the last paragraph.
    void AppendLink(const QString& Text, const QString& Code, int PointSize);
    // A bitmap inline at the end of the document.
    void AppendPicture(const QImage& Picture);
    // A tab stop in the last paragraph, Twips from its left edge.
    void SetTabStop(int Twips);
    // Reads Rtf with the project's RTF reader into a scratch document, gives
    // all its paragraphs the measures and the alignment, and appends it to
    // the page. Returns false (appending what could be read) on bad input.
    bool AppendRtf(const QByteArray& Rtf, const TParaMeasures& Measures,
                   Qt::Alignment Alignment = Qt::AlignJustify);

    // Width of the page's text in twips (the text wraps there).
    void SetPageWidthTwips(int Twips);
    int PageWidthTwips() const;

    // Vertical scroll position, stored by the page history.
    int ScrollPos() const;
    void SetScrollPos(int Pos);

    // --- links -------------------------------------------------------------
    // Every link of the document in order: visible text and code.
    struct TLink
    {
        QString Text;
        QString Code;
    };
    QList<TLink> Links() const;

    // --- finding -----------------------------------------------------------
    // Positions (document character positions) of every occurrence of
    // Pattern, ignoring case, where Wildcard in Pattern matches any run of
    // characters within a paragraph. Each hit's background gets Highlight.
    QList<int> FindAndHighlight(const QString& Pattern, const QColor& Highlight,
                                QChar Wildcard = QLatin1Char('*'));
    // Moves the text cursor to Pos (-1: none) and scrolls so that the line
    // before the line of Pos (or the first line) is at the top.
    void MoveToAndScroll(int Pos);

    // --- output ------------------------------------------------------------
    // Takes over the whole content of another view (text, attributes, pictures).
    void TakeOver(const TWPRichText& Other);
    // The copy for printing and the clipboard: link codes removed, link text
    // in the plain text colour and not underlined, double blanks made single.
    void CleanForOutput();
    // Prints on Printer with the margins and page size in twips.
    void PrintPage(QPrinter& Printer, int LeftTwips, int RightTwips, int TopTwips, int BottomTwips,
                   int PageWidthTwips, int PageHeightTwips);
    // The whole document to the clipboard as rich text (HTML) and plain text.
    void CopyAllToClipboard() const;
    // Plain text with every link followed by its code in brackets:
    // "Wolfgang Amadeus Mozart [p:12]".
    QString ToPlainTextWithCodes() const;
    // The whole document as HTML with its pictures inside (data: URLs), for
    // the clipboard and the page export.
    QString ToHtmlWithPictures() const;

    // Width of the visible text area in twips: what a page that wraps at the
    // window's edge passes to SetPageWidthTwips.
    int VisibleWidthTwips() const;

    // Twips in pixels of this view's screen, and back.
    int TwipsToPixels(int Twips) const;
    int PixelsToTwips(int Pixels) const;

Q_SIGNALS:
    // One click on link text.
    void HyperLinkEvent(const QString& Code);

private:
    QTextCharFormat RunFormat(int PointSize, TRunStyle Style, const QString& FontName) const;
    QTextBlockFormat ParagraphFormat(const TParaMeasures& Measures) const;
    QTextCursor EndCursor() const;
    void AttachCode(const QString& Code);
    void ForgetPendingLink();

    int FPageWidthTwips = 0;
    // After Clear the document still has its one empty block; the first
    // paragraph goes there instead of below it.
    bool FEmpty = true;
    // The hyperlink run(s) at the end of the page still waiting for their code.
    int FLinkStart = -1;
    int FLinkEnd = -1;
    bool FVisibleBeforeUpdate = false;
    int FUpdateDepth = 0;
};
