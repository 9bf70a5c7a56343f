#include "richtext/RtfReader.h"

#include "richtext/Cp1252.h"
#include "richtext/LinkFormat.h"

#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// Measures beyond 22 inches are nonsense; sizes beyond 144 pt too.
constexpr int MaxTwips = 31680;
constexpr int MaxHalfPoints = 288;
constexpr int MaxTabs = 32;
constexpr int MaxColors = 4096;
constexpr int MaxWordLength = 32;

bool IsLetter(char C)
{
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}

int HexValue(char C)
{
    if (IsDigit(C))
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

int ClampTwips(int Value)
{
    return std::clamp(Value, -MaxTwips, MaxTwips);
}

QString NextImageName()
{
    // Unique across documents, because pages take over each other's content.
    static std::atomic<unsigned long long> counter{0};
    return QStringLiteral("rtf-image:%1").arg(++counter);
}

// The target of a HYPERLINK field instruction: the first argument, or the
// bookmark of a \l switch when there is no other.
QString HyperlinkTarget(const QString& Instruction)
{
    const QString text = Instruction.trimmed();
    if (!text.startsWith(QStringLiteral("HYPERLINK"), Qt::CaseInsensitive))
        return QString();
    QString target;
    QString bookmark;
    bool bookmarkNext = false;
    bool skipNext = false;
    qsizetype i = 9;
    while (i < text.size()) {
        if (text.at(i).isSpace()) {
            ++i;
            continue;
        }
        QString token;
        if (text.at(i) == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
            token = text.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? text.size() : end + 1;
        } else {
            const qsizetype start = i;
            while (i < text.size() && !text.at(i).isSpace())
                ++i;
            token = text.mid(start, i - start);
            if (token.startsWith(QLatin1Char('\\'))) {
                // \l names a bookmark; \o, \t and \m take an argument we pass over.
                bookmarkNext = token.compare(QStringLiteral("\\l"), Qt::CaseInsensitive) == 0;
                skipNext = !bookmarkNext && token.size() == 2 &&
                           QStringLiteral("otm").contains(token.at(1).toLower());
                continue;
            }
        }
        if (bookmarkNext) {
            bookmark = token;
        } else if (!skipNext && target.isEmpty()) {
            target = token;
        }
        bookmarkNext = false;
        skipNext = false;
    }
    return target.isEmpty() ? bookmark : target;
}

} // namespace

TRtfReader::TRtfReader(const QTextCursor& Cursor) : FCursor(Cursor) {}

TRtfReader::~TRtfReader() = default;

bool TRtfReader::Read(const QByteArray& Rtf)
{
    FData = Rtf.constData();
    FSize = Rtf.size();
    FPos = 0;
    FWellFormed = true;
    FEnded = false;
    FGroups.assign(1, TGroup());
    FCursor.beginEditBlock();

    // Everything may still be read without the header; the result says so.
    qsizetype start = 0;
    while (start < FSize && (FData[start] == ' ' || FData[start] == '\r' || FData[start] == '\n'))
        ++start;
    if (Rtf.mid(start, 5) != "{\\rtf")
        FWellFormed = false;

    while (FPos < FSize && !FEnded) {
        const char c = FData[FPos];
        if (c == '{') {
            ++FPos;
            OpenGroup();
        } else if (c == '}') {
            ++FPos;
            CloseGroup();
        } else if (c == '\\') {
            ++FPos;
            if (FPos >= FSize) {
                FWellFormed = false;
                break;
            }
            const char next = FData[FPos];
            if (!IsLetter(next)) {
                ++FPos;
                ControlSymbol(next);
                continue;
            }
            char word[MaxWordLength + 1];
            int length = 0;
            while (FPos < FSize && IsLetter(FData[FPos])) {
                if (length < MaxWordLength)
                    word[length] = FData[FPos];
                ++length;
                ++FPos;
            }
            bool negative = false;
            if (FPos + 1 < FSize && FData[FPos] == '-' && IsDigit(FData[FPos + 1])) {
                negative = true;
                ++FPos;
            }
            bool hasParam = false;
            long long value = 0;
            while (FPos < FSize && IsDigit(FData[FPos])) {
                hasParam = true;
                // Saturate: absurd numbers are read to their end but stay absurd,
                // not wrapped into plausible ones.
                value = std::min(value * 10 + (FData[FPos] - '0'), 2147483647LL);
                ++FPos;
            }
            if (FPos < FSize && FData[FPos] == ' ')
                ++FPos;
            const int param = static_cast<int>(negative ? -value : value);
            // Words longer than any RTF word are unknown words.
            const std::string_view name(word,
                                        static_cast<std::size_t>(std::min(length, MaxWordLength)));
            ControlWord(length > MaxWordLength ? std::string_view() : name, hasParam, param);
        } else {
            ++FPos;
            TextByte(static_cast<unsigned char>(c));
        }
    }

    if (!FEnded)
        FWellFormed = false;
    else
        for (qsizetype i = FPos; i < FSize; ++i)
            if (FData[i] != '\r' && FData[i] != '\n' && FData[i] != ' ' && FData[i] != '\0')
                FWellFormed = false;

    // What an unfinished text leaves open is finished as it stands; only a
    // picture cut short is dropped, as its data is incomplete.
    FPicture.reset();
    while (!FFields.empty())
        FinishField();
    ResolveHiddenCode();
    Flush();
    FCursor.setBlockFormat(BlockFormat(Top().Para));
    FCursor.endEditBlock();
    return FWellFormed;
}

int TRtfReader::Position() const
{
    return FCursor.position() + static_cast<int>(FBuffer.size());
}

int TRtfReader::Pixels(int Twips) const
{
    return static_cast<int>(std::lround(Twips * FDpi / 1440.0));
}

void TRtfReader::OpenGroup()
{
    FSkip = 0;
    FStarPending = false;
    if (static_cast<int>(FGroups.size()) > MaxGroupDepth) {
        ++FOverflow;
        return;
    }
    FGroups.push_back(FGroups.back());
}

void TRtfReader::CloseGroup()
{
    FSkip = 0;
    FStarPending = false;
    if (FOverflow > 0) {
        --FOverflow;
        return;
    }
    if (FGroups.size() <= 1) {
        // A brace closing more than was opened.
        FWellFormed = false;
        return;
    }
    const TDest closing = Top().Dest;
    if (closing == TDest::FontTable && !FFontName.isEmpty())
        FinishFontEntry();
    FGroups.pop_back();
    const int depth = static_cast<int>(FGroups.size()) - 1;
    if (FPicture && depth < FPictureDepth)
        FinishPicture();
    while (!FFields.empty() && depth < FFields.back().Depth)
        FinishField();
    if (depth == 0)
        FEnded = true;
}

void TRtfReader::ControlSymbol(char Symbol)
{
    if (Symbol == '\'') {
        // Two hex digits; a truncated or broken escape reads as nothing.
        int value = 0;
        int digits = 0;
        while (digits < 2 && FPos < FSize && HexValue(FData[FPos]) >= 0) {
            value = value * 16 + HexValue(FData[FPos]);
            ++FPos;
            ++digits;
        }
        if (digits < 2) {
            FWellFormed = false;
            return;
        }
        if (Top().Dest == TDest::Picture)
            return;
        if (FSkip > 0) {
            --FSkip;
            return;
        }
        Char(Cp1252ToUnicode(static_cast<unsigned char>(value)));
        return;
    }
    if (Symbol == '*') {
        FStarPending = true;
        return;
    }
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    switch (Symbol) {
    case '\\':
    case '{':
    case '}':
        if (Top().Dest == TDest::Picture)
            return;
        Char(static_cast<char16_t>(Symbol));
        break;
    case '~':
        Char(u'\u00A0');
        break;
    case '_':
        Char(u'\u2011');
        break;
    case '-':
        Char(u'\u00AD');
        break;
    case '\n':
    case '\r':
        ControlWord("par", false, 0);
        break;
    default:
        break;
    }
}

bool TRtfReader::Destination(std::string_view Word)
{
    TGroup& group = Top();
    if (Word == "fonttbl") {
        group.Dest = TDest::FontTable;
    } else if (Word == "colortbl") {
        group.Dest = TDest::ColorTable;
    } else if (Word == "pict") {
        if (FPicture || group.Dest != TDest::Text) {
            group.Dest = TDest::Skip;
        } else {
            Flush();
            group.Dest = TDest::Picture;
            FPicture = std::make_unique<TRtfPicture>();
            FPictureDepth = static_cast<int>(FGroups.size()) - 1;
        }
    } else if (Word == "field") {
        if (group.Dest == TDest::Text)
            FFields.push_back({static_cast<int>(FGroups.size()) - 1, QString(), -1});
    } else if (Word == "fldinst") {
        group.Dest = FFields.empty() ? TDest::Skip : TDest::FieldInst;
    } else if (Word == "fldrslt") {
        if (!FFields.empty() && group.Dest != TDest::Skip) {
            ResolveHiddenCode();
            group.Dest = TDest::Text;
            FFields.back().ResultStart = Position();
            FLinkStart = FLinkEnd = -1;
        }
    } else if (Word == "shppict" || Word == "shprslt" || Word == "result" || Word == "pntext") {
        // Destinations whose content is shown (a picture, a result, a number).
    } else if (Word == "stylesheet" || Word == "info" || Word == "filetbl" || Word == "revtbl" ||
               Word == "listtable" || Word == "listoverridetable" || Word == "rsidtbl" ||
               Word == "header" || Word == "headerl" || Word == "headerr" || Word == "headerf" ||
               Word == "footer" || Word == "footerl" || Word == "footerr" || Word == "footerf" ||
               Word == "footnote" || Word == "annotation" || Word == "nonshppict" || Word == "pn" ||
               Word == "xe" || Word == "tc" || Word == "txe" || Word == "objdata" ||
               Word == "template" || Word == "bkmkstart" || Word == "bkmkend" ||
               Word == "themedata" || Word == "colorschememapping" || Word == "latentstyles" ||
               Word == "datastore" || Word == "xmlnstbl" || Word == "generator" ||
               Word == "pgdsctbl" || Word == "shpinst") {
        group.Dest = TDest::Skip;
    } else {
        return false;
    }
    return true;
}

void TRtfReader::ControlWord(std::string_view Word, bool HasParam, int Param)
{
    const bool star = FStarPending;
    FStarPending = false;
    if (Word == "bin") {
        // Raw bytes follow; they are data (of a picture) or skipped, never text.
        const long long count = HasParam ? std::max(Param, 0) : 0;
        if (FSkip > 0)
            --FSkip;
        SkipBinary(count);
        return;
    }
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    TGroup& group = Top();
    if (group.Dest == TDest::Skip)
        return;
    if (Destination(Word))
        return;
    if (star) {
        // An ignorable destination we do not know.
        group.Dest = TDest::Skip;
        return;
    }

    const bool on = !HasParam || Param != 0;
    TCharState& ch = group.Char;
    TParaState& para = group.Para;

    switch (group.Dest) {
    case TDest::FontTable:
        if (Word == "f") {
            FFontEntry = Param;
            FFontFallback.clear();
        } else if (Word == "froman") {
            FFontFallback = QStringLiteral("Liberation Serif");
        } else if (Word == "fmodern") {
            FFontFallback = QStringLiteral("Liberation Mono");
        } else if (Word == "fswiss") {
            FFontFallback = QStringLiteral("Liberation Sans");
        }
        return;
    case TDest::ColorTable:
        if (Word == "red")
            FRed = std::clamp(Param, 0, 255);
        else if (Word == "green")
            FGreen = std::clamp(Param, 0, 255);
        else if (Word == "blue")
            FBlue = std::clamp(Param, 0, 255);
        return;
    case TDest::Picture:
        if (!FPicture)
            return;
        if (Word == "pngblip")
            FPicture->Kind = TRtfPicture::TKind::Png;
        else if (Word == "jpegblip")
            FPicture->Kind = TRtfPicture::TKind::Jpeg;
        else if (Word == "dibitmap")
            FPicture->Kind = TRtfPicture::TKind::Dib;
        else if (Word == "wbitmap")
            FPicture->Kind = TRtfPicture::TKind::DeviceBitmap;
        else if (Word == "emfblip" || Word == "wmetafile" || Word == "macpict" ||
                 Word == "pmmetafile")
            FPicture->Kind = TRtfPicture::TKind::Unknown;
        else if (Word == "picw")
            FPicture->Width = Param;
        else if (Word == "pich")
            FPicture->Height = Param;
        else if (Word == "picwgoal")
            FPicture->GoalWidthTwips = std::clamp(Param, 0, MaxTwips);
        else if (Word == "pichgoal")
            FPicture->GoalHeightTwips = std::clamp(Param, 0, MaxTwips);
        else if (Word == "picscalex")
            FPicture->ScaleX = Param;
        else if (Word == "picscaley")
            FPicture->ScaleY = Param;
        else if (Word == "wbmbitspixel")
            FPicture->BitsPerPixel = Param;
        else if (Word == "wbmwidthbytes")
            FPicture->WidthBytes = Param;
        return;
    case TDest::Skip:
        return;
    case TDest::Text:
    case TDest::FieldInst:
        break;
    }

    // Character formatting.
    if (Word == "b") {
        ch.Bold = on;
    } else if (Word == "i") {
        ch.Italic = on;
    } else if (Word == "ul" || Word == "uld" || Word == "uldb" || Word == "ulw" ||
               Word == "uldash" || Word == "ulth" || Word == "ulwave") {
        ch.Underline = on;
    } else if (Word == "ulnone") {
        ch.Underline = false;
    } else if (Word == "strike") {
        ch.Strike = on;
    } else if (Word == "v") {
        ch.Hidden = on;
    } else if (Word == "plain") {
        ch = TCharState();
    } else if (Word == "f") {
        ch.Font = Param;
    } else if (Word == "fs") {
        ch.HalfPoints = HasParam ? std::clamp(Param, 2, MaxHalfPoints) : 24;
    } else if (Word == "cf") {
        ch.Color = Param;
    } else if (Word == "cb" || Word == "highlight") {
        ch.Background = Param;
    } else if (Word == "super") {
        ch.VAlign = on ? 1 : 0;
    } else if (Word == "sub") {
        ch.VAlign = on ? 2 : 0;
    } else if (Word == "nosupersub") {
        ch.VAlign = 0;
    } else if (Word == "deff") {
        FDefaultFont = Param;
    } else if (Word == "uc") {
        group.Uc = std::clamp(Param, 0, 16);
    } else if (Word == "u") {
        CodeUnit(Param);
        FSkip = group.Uc;
    }
    // Paragraph formatting.
    else if (Word == "pard") {
        para = TParaState();
    } else if (Word == "ql") {
        para.Align = Qt::AlignLeft;
    } else if (Word == "qr") {
        para.Align = Qt::AlignRight;
    } else if (Word == "qc") {
        para.Align = Qt::AlignHCenter;
    } else if (Word == "qj") {
        para.Align = Qt::AlignJustify;
    } else if (Word == "li") {
        para.LeftTwips = ClampTwips(Param);
    } else if (Word == "ri") {
        para.RightTwips = ClampTwips(Param);
    } else if (Word == "fi") {
        para.FirstTwips = ClampTwips(Param);
    } else if (Word == "sb") {
        para.BeforeTwips = std::clamp(Param, 0, MaxTwips);
    } else if (Word == "sa") {
        para.AfterTwips = std::clamp(Param, 0, MaxTwips);
    } else if (Word == "tx") {
        if (para.TabsTwips.size() < MaxTabs)
            para.TabsTwips.append(std::clamp(Param, 0, MaxTwips));
    }
    // Characters written as words.
    else if (Word == "par" || Word == "sect" || Word == "page" || Word == "row") {
        if (group.Dest == TDest::Text)
            EndParagraph();
    } else if (Word == "line") {
        Char(u'\u2028');
    } else if (Word == "tab" || Word == "cell") {
        Char(u'\t');
    } else if (Word == "emdash") {
        Char(u'\u2014');
    } else if (Word == "endash") {
        Char(u'\u2013');
    } else if (Word == "emspace") {
        Char(u'\u2003');
    } else if (Word == "enspace") {
        Char(u'\u2002');
    } else if (Word == "qmspace") {
        Char(u'\u2005');
    } else if (Word == "bullet") {
        Char(u'\u2022');
    } else if (Word == "lquote") {
        Char(u'\u2018');
    } else if (Word == "rquote") {
        Char(u'\u2019');
    } else if (Word == "ldblquote") {
        Char(u'\u201C');
    } else if (Word == "rdblquote") {
        Char(u'\u201D');
    }
    // Anything else is a word we do not need.
}

void TRtfReader::SkipBinary(long long Count)
{
    const long long available = FSize - FPos;
    const long long n = std::min(Count, available);
    if (Count > available)
        FWellFormed = false;
    if (FPicture && Top().Dest == TDest::Picture)
        FPicture->Data.append(FData + FPos, static_cast<qsizetype>(n));
    FPos += static_cast<qsizetype>(n);
}

void TRtfReader::TextByte(unsigned char Byte)
{
    // Line ends in RTF are formatting of the file, not of the text.
    if (Byte == '\r' || Byte == '\n' || Byte == '\0')
        return;
    if (Top().Dest == TDest::Picture) {
        if (FPicture)
            FPicture->AddHexDigit(static_cast<char>(Byte));
        return;
    }
    FStarPending = false;
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    Char(Byte == '\t' ? u'\t' : Cp1252ToUnicode(Byte));
}

void TRtfReader::CodeUnit(int Unit)
{
    // \u takes signed 16-bit numbers: values above 32767 come negative.
    if (Unit < 0)
        Unit += 65536;
    if (Unit <= 0 || Unit > 0xFFFF)
        return;
    const auto unit = static_cast<char16_t>(Unit);
    if (QChar::isHighSurrogate(unit)) {
        FHighSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (FHighSurrogate != 0) {
            const char16_t high = FHighSurrogate;
            FHighSurrogate = 0;
            Char(high);
            Char(unit);
        }
        return;
    }
    Char(unit);
}

void TRtfReader::Char(char16_t Ch)
{
    // A high surrogate must be followed by its low one at once, or it is lost.
    if (FHighSurrogate != 0 && !QChar::isLowSurrogate(Ch))
        FHighSurrogate = 0;
    TGroup& group = Top();
    switch (group.Dest) {
    case TDest::Text:
        if (group.Char.Hidden) {
            FHiddenCode.append(QChar(Ch));
            FHiddenSeen = true;
        } else if (Ch < 0x20 && Ch != u'\t') {
            // control characters are no text
        } else {
            VisibleChar(Ch);
        }
        break;
    case TDest::FieldInst:
        if (!FFields.empty())
            FFields.back().Instruction.append(QChar(Ch));
        break;
    case TDest::FontTable:
        if (Ch == u';')
            FinishFontEntry();
        else
            FFontName.append(QChar(Ch));
        break;
    case TDest::ColorTable:
        if (Ch == u';' && FColors.size() < MaxColors) {
            FColors.append(
                FRed < 0 && FGreen < 0 && FBlue < 0
                    ? QColor()
                    : QColor(std::max(FRed, 0), std::max(FGreen, 0), std::max(FBlue, 0)));
            FRed = FGreen = FBlue = -1;
        }
        break;
    case TDest::Picture:
    case TDest::Skip:
        break;
    }
}

void TRtfReader::VisibleChar(char16_t Ch)
{
    if (FHiddenSeen)
        ResolveHiddenCode();
    const TCharState& state = Top().Char;
    if (!(state == FBufferState) || FBuffer.isEmpty()) {
        Flush();
        FBufferState = state;
        FBufferFormat = CharFormat(state);
    }
    const int position = Position();
    if (state.Underline) {
        if (FLinkStart < 0 || FLinkEnd != position)
            FLinkStart = position;
        FLinkEnd = position + 1;
    } else {
        FLinkStart = FLinkEnd = -1;
    }
    FBuffer.append(QChar(Ch));
}

void TRtfReader::Flush()
{
    if (FBuffer.isEmpty())
        return;
    FCursor.insertText(FBuffer, FBufferFormat);
    FBuffer.clear();
}

void TRtfReader::ResolveHiddenCode()
{
    if (!FHiddenSeen)
        return;
    const QString code = FHiddenCode.trimmed();
    FHiddenCode.clear();
    FHiddenSeen = false;
    // Hidden text right after underlined text is that text's link code;
    // hidden text anywhere else is dropped.
    if (code.isEmpty() || FLinkStart < 0 || FLinkEnd <= FLinkStart)
        return;
    Flush();
    QTextCursor link(FCursor.document());
    link.setPosition(FLinkStart);
    link.setPosition(FLinkEnd, QTextCursor::KeepAnchor);
    link.mergeCharFormat(TLinkFormat::LinkCharFormat(code));
    FLinkStart = FLinkEnd = -1;
}

void TRtfReader::EndParagraph()
{
    ResolveHiddenCode();
    Flush();
    FLinkStart = FLinkEnd = -1;
    FCursor.setBlockFormat(BlockFormat(Top().Para));
    FCursor.insertBlock(BlockFormat(Top().Para), CharFormat(Top().Char));
}

void TRtfReader::FinishField()
{
    const TField field = FFields.back();
    FFields.pop_back();
    if (field.ResultStart < 0)
        return;
    ResolveHiddenCode();
    Flush();
    const QString target = HyperlinkTarget(field.Instruction);
    const int end = Position();
    if (target.isEmpty() || end <= field.ResultStart)
        return;
    QTextCursor link(FCursor.document());
    link.setPosition(field.ResultStart);
    link.setPosition(end, QTextCursor::KeepAnchor);
    link.mergeCharFormat(TLinkFormat::LinkCharFormat(target));
    FLinkStart = FLinkEnd = -1;
}

void TRtfReader::FinishPicture()
{
    const std::unique_ptr<TRtfPicture> picture = std::move(FPicture);
    const QImage image = picture->Decode();
    if (image.isNull())
        return;
    ResolveHiddenCode();
    Flush();
    FLinkStart = FLinkEnd = -1;
    const QString name = NextImageName();
    FCursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    const QSize size = picture->DisplaySize(image, FDpi);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    FCursor.insertImage(format);
}

void TRtfReader::FinishFontEntry()
{
    QString name = FFontName.trimmed();
    FFontName.clear();
    if (name.isEmpty())
        return;
    FFonts.insert(FFontEntry, {name, FFontFallback.isEmpty() ? FFallbackFamily : FFontFallback});
}

QTextCharFormat TRtfReader::CharFormat(const TCharState& State) const
{
    QTextCharFormat format;
    const int fontNumber = State.Font < 0 ? FDefaultFont : State.Font;
    const auto font = FFonts.constFind(fontNumber);
    if (font != FFonts.constEnd())
        format.setFontFamilies(QStringList{font->Name, font->Fallback});
    else
        format.setFontFamilies(QStringList{QStringLiteral("Arial"), FFallbackFamily});
    format.setFontPointSize(State.HalfPoints / 2.0);
    format.setFontWeight(State.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(State.Italic);
    format.setFontUnderline(State.Underline);
    format.setFontStrikeOut(State.Strike);
    if (State.Color > 0 && State.Color < FColors.size() && FColors.at(State.Color).isValid())
        format.setForeground(FColors.at(State.Color));
    if (State.Background > 0 && State.Background < FColors.size() &&
        FColors.at(State.Background).isValid())
        format.setBackground(FColors.at(State.Background));
    if (State.VAlign == 1)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (State.VAlign == 2)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat TRtfReader::BlockFormat(const TParaState& State) const
{
    QTextBlockFormat format;
    format.setAlignment(State.Align);
    format.setLeftMargin(Pixels(std::max(State.LeftTwips, 0)));
    format.setRightMargin(Pixels(std::max(State.RightTwips, 0)));
    format.setTextIndent(Pixels(State.FirstTwips));
    format.setTopMargin(Pixels(State.BeforeTwips));
    format.setBottomMargin(Pixels(State.AfterTwips));
    QList<QTextOption::Tab> tabs;
    for (const int tab : State.TabsTwips)
        tabs.append(QTextOption::Tab(Pixels(tab), QTextOption::LeftTab));
    if (!tabs.isEmpty())
        format.setTabPositions(tabs);
    return format;
}
