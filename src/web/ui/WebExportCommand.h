#pragma once

#include <QString>

class QWidget;
namespace WebPage {
struct Page;
}

// Files > "Export as web page...": asks where to write the page of the set in
// `setFolder` (offering "<set name>.html" in the user's documents folder),
// writes it, and says what it holds in a box with one OK button. A given
// `outFile` is written without asking. Cancelling the file choice does
// nothing. The page speaks `language` (a code such as "pt_BR"; empty: the
// page's own English). Raises EWebExportError (and the errors of reading the
// set) for the application's handler to show; nothing is written then.
void ExportSetAsWebPage(QWidget* parent, const QString& setFolder, const QString& outFile = {},
                        const QString& language = {});

// The report box's text for a page written to `outFile`.
QString WebExportReport(const WebPage::Page& page, const QString& outFile);
