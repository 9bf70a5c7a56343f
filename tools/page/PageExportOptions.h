#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What musarix-page was asked to do, read from its command line:
//   musarix-page [--format text|html|pdf] [--output FILE] [--dsn NAME]
//                <data-dir> <kind> <id> [<sub-id>]
struct TPageExportOptions
{
    enum class TFormat { Text, Html, Pdf };

    TFormat Format = TFormat::Text;
    // Empty: standard output.
    QString OutputFile;
    QString DataSource = QStringLiteral("MUSARIX");
    QString DataDir;
    int Kind = 0;
    int Id = 0;
    int SubId = 0;

    // The options of Arguments (without the program name); nothing and
    // Error set when they make no sense. Whether the kind exists is left to
    // the page composer, which alone knows the kinds.
    static std::optional<TPageExportOptions> Parse(const QStringList& Arguments, QString& Error);

    static QString Usage();
};
