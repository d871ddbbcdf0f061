// Draws the toolbar's icon strips ABM2021*.bmp: eight 24 x 24 icons side by side, in
// button order (Nuevo, Borrar, Reporte, Consultar, Planilla, Cancelar, Grabar, Cerrar),
// on a magenta background that the toolbar takes as transparent.
// Usage: make_icon_strips <output folder>. The strips are committed under widgets/images.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

constexpr int kTile = 24;
const QColor kKey(255, 0, 255);
// Edge pixels are flattened onto the toolbar's light background, not onto magenta.
const QColor kFlatten(240, 240, 240);

// One strip's colouring: the default strip keeps each icon's own colours; the others
// move every coloured tone to their own hue (or to grey) and keep whites and greys.
struct Tint {
    int hue = -1;            // -1: keep
    double saturation = 1.0; // factor
    double lightness = 1.0;  // factor
};

QColor tinted(const QColor& c, const Tint& t)
{
    QColor hsl = c.toHsl();
    if (hsl.hslSaturation() < 30)
        return c;   // whites, greys and black stay as they are
    const int hue = t.hue < 0 ? hsl.hslHue() : t.hue;
    const int sat = qBound(0, int(hsl.hslSaturation() * t.saturation), 255);
    const int light = qBound(0, int(hsl.lightness() * t.lightness), 255);
    return QColor::fromHsl(hue, sat, light);
}

using Painter = std::function<void(QPainter&, const std::function<QColor(QColor)>&)>;

QPen outline(const QColor& c, double w = 1.5)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor kInk(40, 40, 48);

void nuevo(QPainter& p, const std::function<QColor(QColor)>& col)
{
    QPainterPath page;
    page.moveTo(4.5, 2.5);
    page.lineTo(13.5, 2.5);
    page.lineTo(18.5, 7.5);
    page.lineTo(18.5, 21.5);
    page.lineTo(4.5, 21.5);
    page.closeSubpath();
    p.setPen(outline(kInk));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(13.5, 2.5), QPointF(13.5, 7.5));
    p.drawLine(QPointF(13.5, 7.5), QPointF(18.5, 7.5));
    p.setBrush(col(QColor(46, 160, 67)));
    p.setPen(outline(col(QColor(20, 90, 35))));
    p.drawEllipse(QPointF(17, 17), 6, 6);
    p.setPen(outline(Qt::white, 2.5));
    p.drawLine(QPointF(17, 13.5), QPointF(17, 20.5));
    p.drawLine(QPointF(13.5, 17), QPointF(20.5, 17));
}

void borrar(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // A waste bin.
    p.setPen(outline(kInk));
    p.setBrush(col(QColor(214, 56, 46)));
    QPainterPath bin;
    bin.moveTo(5.5, 7.5);
    bin.lineTo(18.5, 7.5);
    bin.lineTo(17, 21.5);
    bin.lineTo(7, 21.5);
    bin.closeSubpath();
    p.drawPath(bin);
    p.drawRoundedRect(QRectF(3.5, 4.5, 17, 3), 1, 1);
    p.drawRect(QRectF(9.5, 2.5, 5, 2));
    p.setPen(outline(Qt::white, 1.5));
    for (double x : {9.5, 12.0, 14.5})
        p.drawLine(QPointF(x, 10.5), QPointF(x, 18.5));
}

void reporte(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // A printer with a sheet coming out.
    p.setPen(outline(kInk));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    p.setBrush(col(QColor(70, 110, 180)));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(outline(QColor(120, 120, 130), 1));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19.5), QPointF(15.5, 19.5));
    p.setPen(Qt::NoPen);
    p.setBrush(col(QColor(90, 220, 90)));
    p.drawEllipse(QPointF(18.5, 11.5), 1.3, 1.3);
}

void consultar(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // A magnifying glass.
    p.setPen(outline(col(QColor(120, 80, 40)), 4));
    p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
    p.setPen(outline(kInk, 2.2));
    p.setBrush(col(QColor(190, 225, 250)));
    p.drawEllipse(QPointF(9.5, 9.5), 6.5, 6.5);
    p.setPen(outline(Qt::white, 1.5));
    p.drawArc(QRectF(5.5, 5.5, 8, 8), 100 * 16, 70 * 16);
}

void planilla(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // A sheet with a coloured header row and a grid.
    const QRectF r(2.5, 3.5, 19, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(col(QColor(40, 140, 80)));
    p.drawRect(QRectF(2.5, 3.5, 19, 4));
    p.setPen(outline(QColor(110, 110, 120), 1));
    for (double y : {11.5, 15.5})
        p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
    for (double x : {8.5, 14.5})
        p.drawLine(QPointF(x, 7.5), QPointF(x, 20.5));
    p.setPen(outline(kInk));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void cancelar(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // A "no entry" sign.
    p.setPen(outline(col(QColor(150, 70, 0)), 1.2));
    p.setBrush(col(QColor(240, 150, 30)));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(12, 12), 6, 6);
    p.setPen(outline(col(QColor(240, 150, 30)), 3.5));
    p.drawLine(QPointF(7.8, 7.8), QPointF(16.2, 16.2));
}

void grabar(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // A diskette.
    QPainterPath body;
    body.moveTo(3.5, 3.5);
    body.lineTo(18, 3.5);
    body.lineTo(20.5, 6);
    body.lineTo(20.5, 20.5);
    body.lineTo(3.5, 20.5);
    body.closeSubpath();
    p.setPen(outline(kInk));
    p.setBrush(col(QColor(45, 95, 190)));
    p.drawPath(body);
    p.setBrush(QColor(205, 210, 220));
    p.drawRect(QRectF(7.5, 3.5, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(13, 4.5, 2, 4));
    p.setPen(outline(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 12.5, 11, 8));
}

void cerrar(QPainter& p, const std::function<QColor(QColor)>& col)
{
    // An open door with an arrow leaving through it.
    p.setPen(outline(kInk));
    p.setBrush(QColor(230, 230, 235));
    p.drawRect(QRectF(3.5, 2.5, 11, 19));
    p.setBrush(col(QColor(150, 95, 45)));
    QPainterPath door;
    door.moveTo(3.5, 2.5);
    door.lineTo(10.5, 4.5);
    door.lineTo(10.5, 22.5);
    door.lineTo(3.5, 21.5);
    door.closeSubpath();
    p.drawPath(door);
    p.setPen(outline(col(QColor(200, 30, 30)), 3));
    p.drawLine(QPointF(12, 12), QPointF(19, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(col(QColor(200, 30, 30)));
    QPainterPath head;
    head.moveTo(22.5, 12);
    head.lineTo(17, 6.5);
    head.lineTo(17, 17.5);
    head.closeSubpath();
    p.drawPath(head);
}

QImage strip(const Tint& tint)
{
    const std::function<void(QPainter&, const std::function<QColor(QColor)>&)> icons[] = {
        nuevo, borrar, reporte, consultar, planilla, cancelar, grabar, cerrar};
    const auto col = [&](QColor c) { return tinted(c, tint); };
    QImage drawn(kTile * 8, kTile, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    for (int i = 0; i < 8; ++i) {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(i * kTile, 0);
        p.setClipRect(0, 0, kTile, kTile);
        icons[i](p, col);
    }
    // Pixels mostly covered keep their colour over the light background; the rest
    // become the transparent key.
    QImage out(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.alphaF() < 0.45) {
                out.setPixelColor(x, y, kKey);
                continue;
            }
            const double a = c.alphaF();
            QColor flat(int(c.red() * a + kFlatten.red() * (1 - a) + 0.5),
                        int(c.green() * a + kFlatten.green() * (1 - a) + 0.5),
                        int(c.blue() * a + kFlatten.blue() * (1 - a) + 0.5));
            if (flat == kKey)
                flat.setBlue(254);
            out.setPixelColor(x, y, flat);
        }
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    const struct { const char* name; Tint tint; } strips[] = {
        {"ABM2021.bmp", Tint{}},                     // Office look: each icon its own colours
        {"ABM2021B.bmp", Tint{212, 1.0, 1.0}},       // blue
        {"ABM2021M.bmp", Tint{80, 0.8, 0.95}},       // olive
        {"ABM2021V.bmp", Tint{135, 0.9, 0.9}},       // green
        {"ABM2021i.bmp", Tint{220, 0.12, 0.85}},     // graphite
    };
    for (const auto& s : strips) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(s.name));
        if (!strip(s.tint).save(path, "BMP"))
            return 1;
    }
    return 0;
}
