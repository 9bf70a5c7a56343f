#pragma once

#include "richtext/WPRichText.h"

#include <QImage>
#include <QString>

class THstmt;

// Writes a record page into its view: the primitives (paragraphs, runs,
// links, stored texts, pictures, icons) and the section builders that turn
// one query into a headed list of links. Sections run on the statement
// Hstmt2 that the composition has set up; the builders that need a query
// inside a list run it on Hstmt3. A section whose query gives no row writes
// nothing, not even its heading.
class TPageBuilder
{
public:
    using TRunStyle = TWPRichText::TRunStyle;

    TPageBuilder(TWPRichText& Page, THstmt& Hstmt2, THstmt& Hstmt3);

    TWPRichText& Page() { return FPage; }

    // --- primitives ----------------------------------------------------------
    void AddParagraph(const QString& Text, int Size, TRunStyle Style);
    void AppendText(const QString& Text, int Size, TRunStyle Style);
    // Link text (10 pt) with its hidden code at the end of the last paragraph.
    void AppendLink(const QString& Text, const QString& Code);
    // " " then the heading (12 bold), as before every section.
    void AddHeading(const QString& Heading);
    // The RTF item of the text store at Pos, under Heading when one is
    // given; nothing at all for position 0 or an item of 4 bytes or less.
    void AddStoredText(const QString& Heading, qint64 Pos);
    // One or two pictures of the text store side by side with their captions
    // below; a lone second picture takes the place of the first.
    void AddPictures(qint64 Pos1, qint64 Pos2, const QString& Caption1, const QString& Caption2);
    // An empty paragraph with Icon inline, then a plain blank.
    void AddIconLine(const QImage& Icon);

    // --- section builders ------------------------------------------------------
    void AddPersonList(const QString& Singular, const QString& Plural);
    void AddMemberList(const QString& Singular, const QString& Plural);
    void AddPersonBands(const QString& Heading);
    void AddAlbumList(const QString& Singular, const QString& Plural);
    void AddBandAlbumList(const QString& Singular, const QString& Plural);
    // The media and years of the album's releases after the current entry.
    void AddReleaseNote(int AlbumId);
    // Rows (key, name), four links with CodePrefix to a line.
    void AddFourToALine(const QString& Singular, const QString& Plural, const QString& CodePrefix);
    void AddStyleList(const QString& Singular, const QString& Plural);
    // The band of the page's row as a headed link.
    void AddBandSection(int BandId);
    // Rows (text, second text, STYL_ID): microphone, blank, and the link
    // text + Separator + second text with Code + STYL_ID.
    void AddSoundExamples(const QString& Singular, const QString& Plural, const QString& Separator,
                          const QString& Code);
    // Rows (key, name) each a new paragraph linked CodePrefix + key.
    void AddLinkList(const QString& Singular, const QString& Plural, const QString& CodePrefix);

    // Runs the section statement on Hstmt2 and tells whether it has none,
    // one or more (2) rows; with rows it is executed again, ready to walk.
    int OpenSection();

    // The icons placed before sound examples and the lyrics link.
    static QImage MicrophoneIcon();
    static QImage LyricsIcon();

    // "000412" → "00:04:12": colons before the 3rd and 6th character.
    static QString DurationText(const QString& Stored);

private:
    // Heading by count, or nothing and false when the section is empty.
    bool BeginSection(const QString& Singular, const QString& Plural);
    void AddPersonEntry(const QString& Name, int Id, int Data);

    TWPRichText& FPage;
    THstmt& FHstmt2;
    THstmt& FHstmt3;
};

// Text of a column of the statement's current row by name or number, as the
// page writes it.
QString ColText(THstmt& Stmt, const char* Name);
QString ColText(THstmt& Stmt, int Col);
int ColInt(THstmt& Stmt, const char* Name);
int ColInt(THstmt& Stmt, int Col);
// Sets the statement's text from pieces joined by one blank.
void SetPieces(THstmt& Stmt, std::initializer_list<QString> Pieces);
