#pragma once

#include <QString>

#include <optional>

class THstmt;
class TPageBuilder;

// Composes the page of one record: runs the row statement of the record
// kind on Hstmt1 and, when the row exists, writes the caption, the title and
// the sections of that kind in their order. Hstmt2 carries the section
// lists, Hstmt3 the queries inside a list, Hstmt4 single lookups.
class TPageComposer
{
public:
    TPageComposer(TPageBuilder& Builder, THstmt& Hstmt1, THstmt& Hstmt2, THstmt& Hstmt3,
                  THstmt& Hstmt4);

    // Builds the page; false when the kind has no row statement or the key
    // no row (the page stays empty). Hstmt1 is closed afterwards in any case.
    bool Compose(int Kind, int Id, int SubId);

    // The window caption the page asked for; none for an empty page.
    const std::optional<QString>& Caption() const { return FCaption; }

    // The row statement of a kind in its two pieces; nothing for a kind
    // without one.
    static std::optional<QString> RowStatement(int Kind, int Id, int SubId);

private:
    void ComposePerson(int Id);
    void ComposeBand(int Id);
    void ComposeAlbum(int Id);
    void ComposeTitle(int Id);
    void ComposeLyrics(int Id);
    void ComposeRecording(int AlbumId, int TitleId);
    void ComposeInstrument(int Id);
    void ComposeStyle(int Id);
    void ComposeStudio(int Id);
    void ComposeLabel(int Id);
    void ComposeManufacturer();
    void ComposeFreeArticle();
    void ComposeAddress();

    // Pieces shared by the person sections and by title and lyrics.
    void AddPersonBandSection(int Id, const QString& Condition, const QString& Heading);
    void AddFreeArticles(int Id, const QString& Condition, const QString& Heading);
    void AddLyricists(int Id);
    void AddTracks(int Id, bool Sampler);
    void AddReleases(int Id);
    void AddMusicians(int AlbumId, int TitleId);
    void AddRecordingData();
    void Title(const QString& Text);
    // The first column of a single lookup on Hstmt4; empty without a row.
    QString Lookup(std::initializer_list<QString> Pieces);

    TPageBuilder& FBuilder;
    THstmt& FHstmt1;
    THstmt& FHstmt2;
    THstmt& FHstmt3;
    THstmt& FHstmt4;
    std::optional<QString> FCaption;
};
