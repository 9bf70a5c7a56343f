#include "tools/page/PageExport.h"

#include "tools/page/ExportSession.h"
#include "tools/page/PageExporter.h"

QByteArray ExportPage(const TPageExportOptions& Options)
{
    const TExportSession session(Options.DataDir, Options.DataSource);
    TPageExporter exporter;
    exporter.Build(Options.Kind, Options.Id, Options.SubId);
    switch (Options.Format) {
    case TPageExportOptions::TFormat::Html:
        return exporter.Html().toUtf8();
    case TPageExportOptions::TFormat::Pdf:
        return exporter.Pdf();
    case TPageExportOptions::TFormat::Text:
        break;
    }
    // A text file ends with a line end, so that shells and diff take its
    // last line as a whole one.
    QString text = exporter.Text();
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text.toUtf8();
}
