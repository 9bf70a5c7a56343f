#include "tools/page/PageExportOptions.h"

namespace {

// A whole decimal number; nothing for "12a", "" or an overflow, so that a
// typing slip never quietly becomes a page of key 0.
std::optional<int> Number(const QString& Text)
{
    bool ok = false;
    const int value = Text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<TPageExportOptions::TFormat> FormatByName(const QString& Name)
{
    if (Name == QLatin1String("text"))
        return TPageExportOptions::TFormat::Text;
    if (Name == QLatin1String("html"))
        return TPageExportOptions::TFormat::Html;
    if (Name == QLatin1String("pdf"))
        return TPageExportOptions::TFormat::Pdf;
    return std::nullopt;
}

} // namespace

QString TPageExportOptions::Usage()
{
    return QStringLiteral(
        "usage: musarix-page [--format text|html|pdf] [--output FILE] [--dsn NAME]\n"
        "                    <data-dir> <kind> <id> [<sub-id>]\n"
        "Builds the page of a record as Musarix shows it and writes it as plain text\n"
        "(every link followed by its code in brackets), HTML or PDF. The data directory\n"
        "holds Musarix.db and the stores; the data source (default MUSARIX) names the\n"
        "ODBC driver. Without --output the page goes to standard output.\n");
}

std::optional<TPageExportOptions> TPageExportOptions::Parse(const QStringList& Arguments,
                                                            QString& Error)
{
    TPageExportOptions options;
    QStringList positional;
    for (qsizetype i = 0; i < Arguments.size(); ++i) {
        const QString& argument = Arguments.at(i);
        const bool isOption = argument == QLatin1String("--format") ||
                              argument == QLatin1String("--output") ||
                              argument == QLatin1String("--dsn");
        if (!isOption) {
            if (argument.startsWith(QLatin1String("--"))) {
                Error = QStringLiteral("unknown option ") + argument;
                return std::nullopt;
            }
            positional.append(argument);
            continue;
        }
        if (i + 1 >= Arguments.size()) {
            Error = QStringLiteral("missing value after ") + argument;
            return std::nullopt;
        }
        const QString& value = Arguments.at(++i);
        if (argument == QLatin1String("--format")) {
            const auto format = FormatByName(value);
            if (!format) {
                Error = QStringLiteral("unknown format ") + value +
                        QStringLiteral(" (text, html or pdf)");
                return std::nullopt;
            }
            options.Format = *format;
        } else if (argument == QLatin1String("--output")) {
            options.OutputFile = value;
        } else {
            options.DataSource = value;
        }
    }
    if (positional.size() < 3 || positional.size() > 4) {
        Error = QStringLiteral("expected <data-dir> <kind> <id> [<sub-id>]");
        return std::nullopt;
    }
    options.DataDir = positional.at(0);
    const auto kind = Number(positional.at(1));
    if (!kind) {
        Error = QStringLiteral("unknown kind ") + positional.at(1);
        return std::nullopt;
    }
    options.Kind = *kind;
    const auto id = Number(positional.at(2));
    const auto subId = positional.size() == 4 ? Number(positional.at(3)) : std::optional<int>(0);
    if (!id || !subId) {
        Error = QStringLiteral("the key and the sub-key must be whole numbers");
        return std::nullopt;
    }
    options.Id = *id;
    options.SubId = *subId;
    return options;
}
