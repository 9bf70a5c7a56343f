#pragma once

#include "tools/page/PageExportOptions.h"

#include <QByteArray>

// The whole work of musarix-page but the writing: opens the data directory,
// builds the page and renders it in the chosen format (text and HTML as
// UTF-8). Throws std::exception with a message for the user: unknown kind,
// missing data directory or record, or the driver's message of a failing
// statement. Needs a QApplication.
QByteArray ExportPage(const TPageExportOptions& Options);
