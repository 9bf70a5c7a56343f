#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What each of the 25 category lists is: its title, the pieces of its list
// statement, and what a chosen entry opens. Kinds 0 ... 16 open record
// pages; 17 ... 24 are picture galleries.
namespace ListKinds {

inline constexpr int Count = 25;

// One way to build a list statement: the pieces before the search clause,
// the clause around the pattern, and the pieces after it.
struct TStatementPlan
{
    QStringList Before;
    QString ClauseStart; // the clause is ClauseStart + pattern + ClauseEnd
    QString ClauseEnd;
    QStringList After;
};

// One picture of a gallery entry: the column with its store position and the
// column with its caption (empty: no caption).
struct TGalleryPicture
{
    QString PictureColumn;
    QString CaptionColumn;
};

struct TListKind
{
    QString Title;
    // One plan, or two for the kinds with a sort choice (item 0 and item 1).
    std::vector<TStatementPlan> Plans;
    // The two sort entries, which also title the two shown columns; empty for
    // lists that always sort by name.
    QStringList SortItems;
    // Record kind of the page an entry opens and the result column of its
    // identifier; -1 for galleries.
    int RecordKind = -1;
    int IdColumn = 2;
    // Galleries: picture group, the column of the title and its pictures
    // (slot 1, then slot 2).
    int PictureGroup = 0;
    QString TitleColumn;
    bool TitleIsPersonName = false;
    std::vector<TGalleryPicture> Pictures;

    bool HasSort() const { return Plans.size() > 1; }
    bool IsGallery() const { return RecordKind < 0; }
};

// The kind's description; kinds outside 0 ... 24 give the description of
// kind 0 (the people list), which every menu has.
const TListKind& Kind(int Kind);

// The statement text as its pieces, joined with one blank: the search clause
// only when Pattern is not exactly "%". SortItem picks the plan of a kind
// with a sort choice (0, any other value: 1).
QString StatementText(int Kind, int SortItem, const QString& Pattern);

// The pieces, in the order they are set and appended.
QStringList StatementPieces(int Kind, int SortItem, const QString& Pattern);

} // namespace ListKinds
