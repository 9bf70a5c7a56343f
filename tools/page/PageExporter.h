#pragma once

#include "richtext/WPRichText.h"

#include <QByteArray>
#include <QString>

#include <memory>

class THstmt;

// Builds one record page with the page screen's own composer, into a view
// that is never shown, and hands it out as text, HTML or PDF. Needs the
// catalogue connection and the text store of a TExportSession (or of the
// running program).
class TPageExporter
{
public:
    TPageExporter();
    ~TPageExporter();
    TPageExporter(const TPageExporter&) = delete;
    TPageExporter& operator=(const TPageExporter&) = delete;

    // Composes the page. Throws std::runtime_error for a kind without pages
    // ("unknown kind 99") and for a key without a record, and passes on the
    // driver's EODBC of a failing statement.
    void Build(int Kind, int Id, int SubId);

    // The window caption the page asked for; empty before Build.
    const QString& Caption() const { return FCaption; }

    // Every link followed by its code: "Wolfgang Amadeus Mozart [p:12]".
    QString Text() const;
    // The page with its links and its pictures inside.
    QString Html() const;
    // The page as the output screen prints it: without link codes, on the
    // program's sheet with its default margins.
    QByteArray Pdf() const;

    const TWPRichText& Page() const { return *FPage; }

private:
    std::unique_ptr<TWPRichText> FPage;
    QString FCaption;
};
