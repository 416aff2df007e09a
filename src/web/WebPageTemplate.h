#pragma once

#include <QByteArray>
#include <QString>

class WebPageTexts;

// The page's own code, built in from resources/web: page.html with its
// style sheet and script put in its place, and the set's data after them.
namespace WebPageTemplate {

// The bytes the page takes without the set's data.
qint64 CodeSize();

// The whole page: `title` (plain text) as its title, `json` (a JSON text) as
// the set's data, in the language of `words`. Any "<" in the data is written
// as its JSON escape, so no text of a set (its name, say) can close the
// script element that holds it.
QByteArray Fill(const QString& title, const QByteArray& json, const WebPageTexts& words);

} // namespace WebPageTemplate
