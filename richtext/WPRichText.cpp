#include "richtext/WPRichText.h"

#include "richtext/LinkFormat.h"
#include "richtext/RtfReader.h"
#include "richtext/TextFinder.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTextLayout>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>

namespace {

const QString DefaultFamily = QStringLiteral("Arial");
// Arial is not on every Linux desktop; its metric twin is.
const QString FallbackFamily = QStringLiteral("Liberation Sans");

QString NextPictureName()
{
    static std::atomic<unsigned long long> counter{0};
    return QStringLiteral("page-image:%1").arg(++counter);
}

// Picture resources belong to a document; content moved to another document
// brings only the names along, so the pictures are handed over by name.
void CopyPictures(const QTextDocument& From, QTextDocument& To)
{
    for (QTextBlock block = From.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            const QVariant picture = From.resource(QTextDocument::ImageResource, name);
            if (picture.isValid())
                To.addResource(QTextDocument::ImageResource, name, picture);
        }
    }
}

QString VisibleText(QString Text)
{
    Text.remove(QChar::ObjectReplacementCharacter);
    Text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    Text.replace(QChar::Nbsp, QLatin1Char(' '));
    return Text;
}

} // namespace

TWPRichText::TWPRichText(QWidget* Parent) : QTextBrowser(Parent)
{
    // Links are ours to follow: Qt only reports the click.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    QFont font(DefaultFamily);
    font.setFamilies({DefaultFamily, FallbackFamily});
    font.setPointSize(10);
    document()->setDefaultFont(font);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& Url) {
        const QString code = TLinkFormat::CodeFromUrl(Url);
        if (!code.isEmpty())
            Q_EMIT HyperLinkEvent(code);
    });
}

TWPRichText::~TWPRichText() = default;

int TWPRichText::TwipsToPixels(int Twips) const
{
    return static_cast<int>(std::lround(Twips * logicalDpiX() / 1440.0));
}

int TWPRichText::PixelsToTwips(int Pixels) const
{
    return static_cast<int>(std::lround(Pixels * 1440.0 / logicalDpiX()));
}

QTextCursor TWPRichText::EndCursor() const
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

void TWPRichText::ForgetPendingLink()
{
    FLinkStart = FLinkEnd = -1;
}

void TWPRichText::Clear()
{
    document()->clear();
    setTextCursor(QTextCursor(document()));
    FEmpty = true;
    ForgetPendingLink();
}

void TWPRichText::BeginUpdate()
{
    if (FUpdateDepth++ > 0)
        return;
    FVisibleBeforeUpdate = !isHidden();
    setUpdatesEnabled(false);
    hide();
}

void TWPRichText::EndUpdate()
{
    if (FUpdateDepth == 0 || --FUpdateDepth > 0)
        return;
    Reformat();
    // Showing may scroll to the text cursor; the page keeps its position.
    const int position = ScrollPos();
    setUpdatesEnabled(true);
    if (FVisibleBeforeUpdate)
        show();
    SetScrollPos(position);
}

void TWPRichText::Reformat()
{
    // Asking for the size lays the whole document out now, not in pieces
    // later, so that the scroll range is right at once.
    document()->documentLayout()->documentSize();
    viewport()->update();
}

QTextCharFormat TWPRichText::RunFormat(int PointSize, TRunStyle Style,
                                       const QString& FontName) const
{
    QTextCharFormat format;
    const QString family = FontName.isEmpty() ? DefaultFamily : FontName;
    format.setFontFamilies(QStringList{family, FallbackFamily});
    format.setFontPointSize(PointSize > 0 ? PointSize : 10);
    format.setFontWeight(Style == TRunStyle::Bold ? QFont::Bold : QFont::Normal);
    if (Style == TRunStyle::HyperLink) {
        format.setFontUnderline(true);
        format.setForeground(TLinkFormat::LinkColor());
    }
    return format;
}

QTextBlockFormat TWPRichText::ParagraphFormat(const TParaMeasures& Measures) const
{
    QTextBlockFormat format;
    format.setLeftMargin(TwipsToPixels(Measures.LeftIndent));
    format.setTopMargin(TwipsToPixels(Measures.SpaceBefore));
    format.setBottomMargin(TwipsToPixels(Measures.SpaceAfter));
    format.setTextIndent(TwipsToPixels(Measures.FirstIndent));
    return format;
}

void TWPRichText::AddParagraph(const QString& Text, int PointSize, TRunStyle Style,
                               const TParaMeasures& Measures, const QString& FontName)
{
    QTextCursor cursor = EndCursor();
    const QTextBlockFormat block = ParagraphFormat(Measures);
    // The block's own character format gives an empty paragraph its height.
    const QTextCharFormat chars =
        RunFormat(PointSize, Style == TRunStyle::Hidden ? TRunStyle::Plain : Style, FontName);
    if (FEmpty) {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(chars);
        FEmpty = false;
    } else {
        cursor.insertBlock(block, chars);
    }
    ForgetPendingLink();
    AppendText(Text, PointSize, Style, FontName);
}

void TWPRichText::AppendText(const QString& Text, int PointSize, TRunStyle Style,
                             const QString& FontName)
{
    if (Text.isEmpty())
        return;
    if (Style == TRunStyle::Hidden) {
        AttachCode(Text);
        return;
    }
    QTextCursor cursor = EndCursor();
    const int start = cursor.position();
    cursor.insertText(Text, RunFormat(PointSize, Style, FontName));
    FEmpty = false;
    if (Style == TRunStyle::HyperLink) {
        if (FLinkStart < 0 || FLinkEnd != start)
            FLinkStart = start;
        FLinkEnd = cursor.position();
    } else {
        ForgetPendingLink();
    }
}

void TWPRichText::AttachCode(const QString& Code)
{
    // A code belongs to the link text right before it; a code that follows
    // anything else has nothing to belong to and is dropped.
    if (FLinkStart < 0 || FLinkEnd != EndCursor().position())
        return;
    QTextCursor link(document());
    link.setPosition(FLinkStart);
    link.setPosition(FLinkEnd, QTextCursor::KeepAnchor);
    link.mergeCharFormat(TLinkFormat::LinkCharFormat(Code));
    ForgetPendingLink();
}

void TWPRichText::AppendLink(const QString& Text, const QString& Code, int PointSize)
{
    AppendText(Text, PointSize, TRunStyle::HyperLink);
    AppendText(Code, PointSize, TRunStyle::Hidden);
}

void TWPRichText::AppendPicture(const QImage& Picture)
{
    if (Picture.isNull())
        return;
    const QString name = NextPictureName();
    document()->addResource(QTextDocument::ImageResource, QUrl(name), Picture);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(Picture.width());
    format.setHeight(Picture.height());
    EndCursor().insertImage(format);
    FEmpty = false;
    ForgetPendingLink();
}

void TWPRichText::SetTabStop(int Twips)
{
    QTextCursor cursor = EndCursor();
    QTextBlockFormat format = cursor.blockFormat();
    QList<QTextOption::Tab> tabs = format.tabPositions();
    // Qt counts tab positions from the paragraph's indented edge; the page
    // gives them from the edge of the page's text.
    tabs.append(QTextOption::Tab(std::max(0.0, TwipsToPixels(Twips) - format.leftMargin()),
                                 QTextOption::LeftTab));
    format.setTabPositions(tabs);
    cursor.setBlockFormat(format);
}

bool TWPRichText::AppendRtf(const QByteArray& Rtf, const TParaMeasures& Measures,
                            Qt::Alignment Alignment)
{
    QTextDocument scratch;
    scratch.setDefaultFont(document()->defaultFont());
    TRtfReader reader{QTextCursor(&scratch)};
    reader.SetDpi(logicalDpiY());
    reader.SetFallbackFamily(FallbackFamily);
    const bool complete = reader.Read(Rtf);
    if (scratch.isEmpty())
        return complete;

    QTextBlockFormat block = ParagraphFormat(Measures);
    block.setAlignment(Alignment);
    QTextCursor cursor = EndCursor();
    if (!FEmpty)
        cursor.insertBlock(block);
    const int start = cursor.position();
    cursor.insertFragment(QTextDocumentFragment(&scratch));
    CopyPictures(scratch, *document());
    // Every pasted paragraph gets the page's measures, so that stored texts
    // look like the rest of the page.
    QTextCursor pasted(document());
    pasted.setPosition(start);
    pasted.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    pasted.mergeBlockFormat(block);
    FEmpty = false;
    ForgetPendingLink();
    return complete;
}

void TWPRichText::SetPageWidthTwips(int Twips)
{
    FPageWidthTwips = std::max(Twips, 0);
    if (FPageWidthTwips > 0) {
        setLineWrapMode(QTextEdit::FixedPixelWidth);
        setLineWrapColumnOrWidth(TwipsToPixels(FPageWidthTwips));
    } else {
        setLineWrapMode(QTextEdit::WidgetWidth);
    }
}

int TWPRichText::PageWidthTwips() const
{
    return FPageWidthTwips;
}

int TWPRichText::VisibleWidthTwips() const
{
    return PixelsToTwips(viewport()->width());
}

int TWPRichText::ScrollPos() const
{
    return verticalScrollBar()->value();
}

void TWPRichText::SetScrollPos(int Pos)
{
    Reformat();
    verticalScrollBar()->setValue(std::max(Pos, 0));
}

QList<TWPRichText::TLink> TWPRichText::Links() const
{
    QList<TLink> links;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QString href;
        QString text;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString fragmentHref =
                TLinkFormat::IsLink(format) ? format.anchorHref() : QString();
            if (fragmentHref != href) {
                if (!href.isEmpty())
                    links.append({VisibleText(text), TLinkFormat::CodeFromHref(href)});
                href = fragmentHref;
                text.clear();
            }
            if (!href.isEmpty())
                text += fragment.text();
        }
        if (!href.isEmpty())
            links.append({VisibleText(text), TLinkFormat::CodeFromHref(href)});
    }
    return links;
}

QList<int> TWPRichText::FindAndHighlight(const QString& Pattern, const QColor& Highlight,
                                         QChar Wildcard)
{
    QList<int> positions;
    const TTextFinder finder(Pattern, Wildcard);
    if (finder.IsEmpty())
        return positions;
    QTextCharFormat marked;
    marked.setBackground(Highlight);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (const TTextFinder::THit& hit : finder.FindAll(block.text())) {
            const int start = block.position() + hit.Start;
            QTextCursor cursor(document());
            cursor.setPosition(start);
            cursor.setPosition(start + hit.Length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(marked);
            positions.append(start);
        }
    }
    return positions;
}

void TWPRichText::MoveToAndScroll(int Pos)
{
    if (Pos < 0)
        return;
    Reformat();
    const int position = std::min(Pos, EndCursor().position());
    QTextCursor cursor(document());
    cursor.setPosition(position);
    setTextCursor(cursor);

    // The line before the hit stays visible above it, as context.
    const QTextBlock block = document()->findBlock(position);
    const QTextLayout* layout = block.layout();
    double top = 0;
    const QTextLine line = layout->lineForTextPosition(position - block.position());
    if (line.isValid() && line.lineNumber() > 0) {
        top = layout->position().y() + layout->lineAt(line.lineNumber() - 1).y();
    } else if (const QTextBlock previous = block.previous();
               previous.isValid() && previous.layout()->lineCount() > 0) {
        const QTextLayout* above = previous.layout();
        top = above->position().y() + above->lineAt(above->lineCount() - 1).y();
    }
    verticalScrollBar()->setValue(static_cast<int>(top));
}

void TWPRichText::TakeOver(const TWPRichText& Other)
{
    Clear();
    document()->setDefaultFont(Other.document()->defaultFont());
    QTextCursor cursor(document());
    cursor.insertFragment(QTextDocumentFragment(Other.document()));
    // The first paragraph merges into the empty block that was there.
    cursor.setPosition(0);
    cursor.setBlockFormat(Other.document()->begin().blockFormat());
    cursor.setBlockCharFormat(Other.document()->begin().charFormat());
    CopyPictures(*Other.document(), *document());
    SetPageWidthTwips(Other.PageWidthTwips());
    FEmpty = Other.FEmpty;
}

void TWPRichText::CleanForOutput()
{
    // Link codes live in the anchors: removing the anchors removes them.
    struct TRun
    {
        int Start;
        int End;
        QTextCharFormat Format;
    };
    QList<TRun> runs;
    const QColor plain = palette().color(QPalette::Text);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const bool linkLook =
                format.fontUnderline() && format.foreground().color() == TLinkFormat::LinkColor();
            if (!format.isAnchor() && !linkLook)
                continue;
            format.setAnchor(false);
            format.setAnchorHref(QString());
            format.setFontUnderline(false);
            format.setForeground(plain);
            runs.append({fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    for (const TRun& run : runs) {
        QTextCursor cursor(document());
        cursor.setPosition(run.Start);
        cursor.setPosition(run.End, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.Format);
    }
    const QString doubleBlank = QStringLiteral("  ");
    QTextCursor found = document()->find(doubleBlank, 0);
    while (!found.isNull()) {
        found.insertText(QStringLiteral(" "));
        found = document()->find(doubleBlank, std::max(found.position() - 1, 0));
    }
    ForgetPendingLink();
}

void TWPRichText::PrintPage(QPrinter& Printer, int LeftTwips, int RightTwips, int TopTwips,
                            int BottomTwips, int PageWidthTwips, int PageHeightTwips)
{
    // A page too small for its margins prints on A4 with the margins kept in
    // bounds rather than not at all.
    if (PageWidthTwips <= 0 || PageHeightTwips <= 0) {
        PageWidthTwips = 11906;
        PageHeightTwips = 16838;
    }
    const auto margin = [](int Twips, int Room) { return std::clamp(Twips, 0, Room); };
    const int left = margin(LeftTwips, PageWidthTwips / 2 - 1);
    const int right = margin(RightTwips, PageWidthTwips / 2 - 1);
    const int top = margin(TopTwips, PageHeightTwips / 2 - 1);
    const int bottom = margin(BottomTwips, PageHeightTwips / 2 - 1);
    const QPageSize size(QSizeF(PageWidthTwips / 1440.0, PageHeightTwips / 1440.0), QPageSize::Inch,
                         QString(), QPageSize::ExactMatch);
    Printer.setPageLayout(QPageLayout(
        size, QPageLayout::Portrait,
        QMarginsF(left / 20.0, top / 20.0, right / 20.0, bottom / 20.0), QPageLayout::Point));

    // The page is laid out afresh for the printer: its own resolution, the
    // paper's width, cut into pages.
    const std::unique_ptr<QTextDocument> copy(document()->clone());
    CopyPictures(*document(), *copy);
    copy->setDocumentMargin(0);
    copy->documentLayout()->setPaintDevice(&Printer);
    copy->setPageSize(Printer.pageRect(QPrinter::DevicePixel).size());
    copy->print(&Printer);
}

QString TWPRichText::ToHtmlWithPictures() const
{
    QString html = document()->toHtml();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QImage picture =
                document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
            if (picture.isNull())
                continue;
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
            html.replace(QStringLiteral("src=\"%1\"").arg(name.toHtmlEscaped()),
                         QStringLiteral("src=\"data:image/png;base64,%1\"")
                             .arg(QString::fromLatin1(png.toBase64())));
        }
    }
    return html;
}

void TWPRichText::CopyAllToClipboard() const
{
    auto* mime = new QMimeData;
    mime->setHtml(ToHtmlWithPictures());
    mime->setText(VisibleText(document()->toPlainText()));
    QGuiApplication::clipboard()->setMimeData(mime);
}

QString TWPRichText::ToPlainTextWithCodes() const
{
    QStringList paragraphs;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QString text;
        QString href;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString fragmentHref =
                TLinkFormat::IsLink(format) ? format.anchorHref() : QString();
            if (fragmentHref != href && !href.isEmpty())
                text += QStringLiteral(" [%1]").arg(TLinkFormat::CodeFromHref(href));
            href = fragmentHref;
            text += VisibleText(fragment.text());
        }
        if (!href.isEmpty())
            text += QStringLiteral(" [%1]").arg(TLinkFormat::CodeFromHref(href));
        paragraphs.append(text);
    }
    return paragraphs.join(QLatin1Char('\n'));
}
