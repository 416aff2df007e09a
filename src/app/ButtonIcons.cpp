#include "app/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>
#include <map>

namespace ButtonIcons {
namespace {

// Every icon is drawn on a 24 x 24 grid and scaled to the requested size.
constexpr int GridSize = 24;

const QColor Ink(40, 40, 40);
const QColor CardFace(255, 255, 250);
const QColor Sky(120, 170, 230);
const QColor Grass(70, 150, 70);
const QColor Sun(240, 200, 40);
const QColor Folder(230, 190, 90);
const QColor Accent(40, 110, 200);

void card(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(CardFace);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void picture(QPainter& p, const QRectF& r)
{
    card(p, r);
    const QRectF inner = r.adjusted(2, 2, -2, -2);
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    p.drawRect(inner);
    p.setBrush(Sun);
    p.drawEllipse(QPointF(inner.right() - 3.5, inner.top() + 3.5), 2.2, 2.2);
    p.setBrush(Grass);
    p.drawPolygon(QPolygonF(
        {inner.bottomLeft(), QPointF(inner.left() + inner.width() * 0.4, inner.top() + inner.height() * 0.45),
         QPointF(inner.left() + inner.width() * 0.65, inner.top() + inner.height() * 0.7),
         QPointF(inner.right() - 2, inner.top() + inner.height() * 0.5), inner.bottomRight()}));
}

void speaker(QPainter& p)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(90, 90, 90));
    p.drawPolygon(QPolygonF({{3, 9}, {7, 9}, {12, 4}, {12, 20}, {7, 15}, {3, 15}}));
}

void arrow(QPainter& p, bool right)
{
    QPolygonF shape({{4, 10}, {13, 10}, {13, 5}, {21, 12}, {13, 19}, {13, 14}, {4, 14}});
    if (!right) {
        for (QPointF& pt : shape)
            pt.setX(GridSize - pt.x());
    }
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Accent);
    p.drawPolygon(shape);
}

void letter(QPainter& p, const QRectF& r, const QString& text, bool italic)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(r.height()));
    f.setBold(true);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(Ink);
    p.drawText(r, Qt::AlignCenter, text);
}

void pages(QPainter& p)
{
    card(p, QRectF(3, 2, 12, 15));
    card(p, QRectF(9, 7, 12, 15));
    p.setPen(QPen(Ink, 1));
    for (int y = 11; y <= 18; y += 3)
        p.drawLine(QPointF(11.5, y), QPointF(18.5, y));
}

const std::map<QString, std::function<void(QPainter&)>>& painters()
{
    static const std::map<QString, std::function<void(QPainter&)>> table = {
        {QStringLiteral("image"), [](QPainter& p) { picture(p, QRectF(2, 4, 20, 16)); }},
        {QStringLiteral("duplicate"),
         [](QPainter& p) {
             picture(p, QRectF(1.5, 2, 13, 13));
             picture(p, QRectF(9.5, 9, 13, 13));
         }},
        {QStringLiteral("sound"),
         [](QPainter& p) {
             speaker(p);
             p.setPen(QPen(Grass, 2.4));
             p.drawLine(QPointF(15, 12), QPointF(22, 12));
             p.drawLine(QPointF(18.5, 8.5), QPointF(18.5, 15.5));
         }},
        {QStringLiteral("play"),
         [](QPainter& p) {
             speaker(p);
             p.setPen(QPen(Accent, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(10, 7, 6, 10), -60 * 16, 120 * 16);
             p.drawArc(QRectF(9, 4, 11, 16), -60 * 16, 120 * 16);
             p.drawArc(QRectF(8, 1, 15, 22), -60 * 16, 120 * 16);
         }},
        {QStringLiteral("text"),
         [](QPainter& p) {
             card(p, QRectF(3, 2, 18, 20));
             letter(p, QRectF(3, 4, 18, 16), QStringLiteral("T"), false);
         }},
        {QStringLiteral("font"),
         [](QPainter& p) { letter(p, QRectF(0, 2, 24, 20), QStringLiteral("Aa"), true); }},
        {QStringLiteral("open"),
         [](QPainter& p) {
             p.setPen(QPen(Ink, 1.2));
             p.setBrush(Folder.darker(115));
             p.drawPolygon(QPolygonF({{2, 5}, {9, 5}, {11, 7}, {19, 7}, {19, 19}, {2, 19}}));
             p.setBrush(Folder);
             p.drawPolygon(QPolygonF({{2, 19}, {6, 10}, {23, 10}, {19, 19}}));
         }},
        {QStringLiteral("save"),
         [](QPainter& p) {
             p.setPen(QPen(Ink, 1.2));
             p.setBrush(Accent);
             p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
             p.setBrush(CardFace);
             p.drawRect(QRectF(6, 3, 12, 7));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(7, 14, 10, 7));
         }},
        {QStringLiteral("copy"), [](QPainter& p) { pages(p); }},
        {QStringLiteral("paste"),
         [](QPainter& p) {
             p.setPen(QPen(Ink, 1.2));
             p.setBrush(QColor(170, 120, 70));
             p.drawRoundedRect(QRectF(3, 4, 15, 18), 1.5, 1.5);
             p.setBrush(QColor(180, 180, 180));
             p.drawRect(QRectF(7, 2, 7, 4));
             card(p, QRectF(10, 9, 11, 13));
         }},
        {QStringLiteral("previous"), [](QPainter& p) { arrow(p, false); }},
        {QStringLiteral("next"), [](QPainter& p) { arrow(p, true); }},
        {QStringLiteral("window"),
         [](QPainter& p) {
             card(p, QRectF(2, 3, 11, 16));
             picture(p, QRectF(11, 5, 11, 16));
         }},
    };
    return table;
}

QPixmap render(const std::function<void(QPainter&)>& paint, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / GridSize, double(size) / GridSize);
    paint(p);
    return pixmap;
}

} // namespace

QIcon icon(const QString& name)
{
    const auto it = painters().find(name);
    if (it == painters().end())
        return {};
    QIcon result;
    for (int size : {16, 24, 32, 48})
        result.addPixmap(render(it->second, size));
    return result;
}

} // namespace ButtonIcons
