#include "web/WebPageTemplate.h"

#include "web/WebPageTexts.h"

#include <QFile>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

QByteArray resource(const char* name)
{
    QFile file(QStringLiteral(":/web/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error(std::string("The page's code is not built in: ") + name);
    return file.readAll();
}

struct Part {
    QByteArray marker;
    QByteArray content;
    qsizetype at = -1;
};

// Puts each part's content in place of its marker. Markers are looked for in
// the template only, never in what was put in, so a set's data cannot inject
// a marker of its own.
QByteArray fillMarkers(const QByteArray& page, std::vector<Part> parts)
{
    for (Part& part : parts) {
        part.at = page.indexOf(part.marker);
        if (part.at < 0)
            throw std::logic_error("The page template has no marker " + part.marker.toStdString());
    }
    std::sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.at < b.at; });
    QByteArray out;
    qsizetype from = 0;
    for (const Part& part : parts) {
        out += page.mid(from, part.at - from);
        out += part.content;
        from = part.at + part.marker.size();
    }
    out += page.mid(from);
    return out;
}

} // namespace

namespace WebPageTemplate {

qint64 CodeSize()
{
    return resource("page.html").size() + resource("page.css").size() + resource("game.js").size();
}

QByteArray Fill(const QString& title, const QByteArray& json, const WebPageTexts& words)
{
    QByteArray data = json;
    data.replace('<', "\\u003c");
    return fillMarkers(words.fill(resource("page.html")), {
                                                              {"@LANG@", words.htmlAttributes()},
                                                              {"@TITLE@", title.toHtmlEscaped().toUtf8()},
                                                              {"/*@STYLE@*/", resource("page.css")},
                                                              {"@DATA@", data},
                                                              {"/*@SCRIPT@*/", resource("game.js")},
                                                          });
}

} // namespace WebPageTemplate
