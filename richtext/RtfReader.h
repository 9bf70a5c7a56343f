#pragma once

#include "richtext/RtfPicture.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <memory>
#include <string_view>
#include <vector>

// Our reader of the RTF that the text store holds (biographies, histories,
// lyrics), writing into a QTextDocument through a cursor.
//
// It reads what the catalogue builder writes and what word processors of the
// time wrote: groups, font and colour tables, Windows-1252 escapes, \uN with
// \ucN, character and paragraph formatting, hidden link codes after
// underlined text, HYPERLINK fields and bitmap pictures. Everything else is
// passed over. Stored texts are data from a file, so any input is read in
// one pass, in time linear in its length, without recursion: nothing a text
// holds can crash the page or make it hang.
class TRtfReader
{
public:
    // Groups deeper than this share the state of the deepest one kept.
    static constexpr int MaxGroupDepth = 1000;

    explicit TRtfReader(const QTextCursor& Cursor);
    ~TRtfReader();
    TRtfReader(const TRtfReader&) = delete;
    TRtfReader& operator=(const TRtfReader&) = delete;

    // Twips and picture goal sizes become pixels at this resolution.
    void SetDpi(double Dpi) { FDpi = Dpi; }
    // Font family used where a text names none or one that is not installed.
    void SetFallbackFamily(const QString& Family) { FFallbackFamily = Family; }

    // Reads Rtf at the cursor. True when the input was complete, well-formed
    // RTF; false otherwise, with whatever could be read in the document.
    bool Read(const QByteArray& Rtf);

private:
    enum class TDest : unsigned char { Text, Skip, FontTable, ColorTable, Picture, FieldInst };

    struct TCharState
    {
        bool Bold = false;
        bool Italic = false;
        bool Underline = false;
        bool Strike = false;
        bool Hidden = false;
        int Font = -1; // -1: the default font (\deff)
        int HalfPoints = 24;
        int Color = 0;
        int Background = 0;
        int VAlign = 0; // 1 superscript, 2 subscript
        bool operator==(const TCharState&) const = default;
    };

    struct TParaState
    {
        Qt::Alignment Align = Qt::AlignLeft;
        int LeftTwips = 0;
        int RightTwips = 0;
        int FirstTwips = 0;
        int BeforeTwips = 0;
        int AfterTwips = 0;
        QList<int> TabsTwips;
    };

    struct TGroup
    {
        TCharState Char;
        TParaState Para;
        TDest Dest = TDest::Text;
        int Uc = 1;
    };

    struct TFont
    {
        QString Name;
        QString Fallback;
    };

    struct TField
    {
        int Depth = 0;
        QString Instruction;
        int ResultStart = -1;
    };

    void OpenGroup();
    void CloseGroup();
    void ControlWord(std::string_view Word, bool HasParam, int Param);
    void ControlSymbol(char Symbol);
    bool Destination(std::string_view Word);
    void TextByte(unsigned char Byte);
    void Char(char16_t Ch);
    void CodeUnit(int Unit);
    void VisibleChar(char16_t Ch);
    void EndParagraph();
    void Flush();
    void ResolveHiddenCode();
    void FinishField();
    void FinishPicture();
    void FinishFontEntry();
    void SkipBinary(long long Count);
    int Position() const;
    QTextCharFormat CharFormat(const TCharState& State) const;
    QTextBlockFormat BlockFormat(const TParaState& State) const;
    int Pixels(int Twips) const;
    TGroup& Top() { return FGroups.back(); }

    QTextCursor FCursor;
    double FDpi = 96.0;
    QString FFallbackFamily = QStringLiteral("Liberation Sans");

    const char* FData = nullptr;
    qsizetype FSize = 0;
    qsizetype FPos = 0;
    bool FWellFormed = true;
    bool FEnded = false;
    bool FStarPending = false;
    int FSkip = 0;     // \uc fallback characters still to skip
    int FOverflow = 0; // groups opened beyond MaxGroupDepth
    char16_t FHighSurrogate = 0;

    std::vector<TGroup> FGroups;
    QHash<int, TFont> FFonts;
    int FDefaultFont = 0;
    int FFontEntry = 0;
    QString FFontName;
    QString FFontFallback;
    QList<QColor> FColors; // invalid colour: "auto"
    int FRed = -1, FGreen = -1, FBlue = -1;

    // Text not yet given to the cursor, all in one format.
    QString FBuffer;
    TCharState FBufferState;
    QTextCharFormat FBufferFormat;

    // Underlined text that hidden text right after it turns into a link.
    int FLinkStart = -1;
    int FLinkEnd = -1;
    QString FHiddenCode;
    bool FHiddenSeen = false;

    std::vector<TField> FFields;
    std::unique_ptr<TRtfPicture> FPicture;
    int FPictureDepth = 0;
};
