#include "vouchers/lookup/VoucherIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace voucherlookup {

namespace {

constexpr int kSize = 16;

// A sheet with a folded corner, a coloured band at its head and three lines of text.
void sheet(QPainter& p, const QColor& band)
{
    QPainterPath outline;
    outline.moveTo(2.5, 0.5);
    outline.lineTo(10.5, 0.5);
    outline.lineTo(13.5, 3.5);
    outline.lineTo(13.5, 15.5);
    outline.lineTo(2.5, 15.5);
    outline.closeSubpath();
    p.fillPath(outline, Qt::white);
    p.fillRect(QRectF(3, 1, 7.5, 3), band);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.drawPath(outline);
    p.drawLine(QPointF(10.5, 0.5), QPointF(10.5, 3.5));
    p.drawLine(QPointF(10.5, 3.5), QPointF(13.5, 3.5));
    p.setPen(QPen(QColor(0xa8, 0xa8, 0xa8), 1));
    for (double y : {6.5, 9.0, 11.5})
        p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
}

// A round badge in the lower right corner, for a glyph drawn on whole pixels.
void badge(QPainter& p, const QColor& colour)
{
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(6.5, 6.5, 9, 9));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 1));
}

QPixmap draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return picture;
}

QPen mark(const QColor& colour, double width = 1.6)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QList<VoucherIcon> VoucherIcons()
{
    const QColor grey(0x80, 0x80, 0x80);
    // Glyphs in the badges are whole-pixel lines and rectangles (x, y, width, height).
    return {
        // Budget: blue, an equals sign (a sum to come).
        {QStringLiteral("PR"), draw([](QPainter& p) {
             sheet(p, QColor(0x2a, 0x6f, 0xd6));
             badge(p, QColor(0x2a, 0x6f, 0xd6));
             p.fillRect(9, 9, 5, 1, Qt::white);
             p.fillRect(9, 12, 5, 1, Qt::white);
         })},
        // Voided: a red cross over a grey sheet.
        {QStringLiteral("Anulado"), draw([](QPainter& p) {
             sheet(p, QColor(0xb0, 0xb0, 0xb0));
             p.setPen(mark(QColor(0xd0, 0x20, 0x20), 2.2));
             p.drawLine(QPointF(3.5, 4.5), QPointF(13, 14.5));
             p.drawLine(QPointF(13, 4.5), QPointF(3.5, 14.5));
         })},
        // Approved: a green tick.
        {QStringLiteral("Aprobado"), draw([](QPainter& p) {
             sheet(p, QColor(0x2e, 0x9e, 0x3e));
             badge(p, QColor(0x2e, 0x9e, 0x3e));
             p.setRenderHint(QPainter::Antialiasing);
             p.setPen(mark(Qt::white, 1.4));
             p.drawPolyline(QList<QPointF>{{8.6, 11.2}, {10.4, 13.0}, {13.4, 9.2}});
         })},
        // Invoice: green band.
        {QStringLiteral("FC"), draw([](QPainter& p) { sheet(p, QColor(0x1f, 0x8a, 0x4c)); })},
        // Credit note: orange, a minus.
        {QStringLiteral("NC"), draw([](QPainter& p) {
             sheet(p, QColor(0xe0, 0x7b, 0x10));
             badge(p, QColor(0xe0, 0x7b, 0x10));
             p.fillRect(8, 10, 7, 2, Qt::white);
         })},
        // Debit note: purple, a plus.
        {QStringLiteral("ND"), draw([](QPainter& p) {
             sheet(p, QColor(0x7b, 0x3f, 0xb5));
             badge(p, QColor(0x7b, 0x3f, 0xb5));
             p.fillRect(8, 10, 7, 2, Qt::white);
             p.fillRect(10, 8, 2, 7, Qt::white);
         })},
        // Work order: brown, a hammer.
        {QStringLiteral("OT"), draw([](QPainter& p) {
             sheet(p, QColor(0x8a, 0x5a, 0x2b));
             badge(p, QColor(0x8a, 0x5a, 0x2b));
             p.fillRect(8, 8, 6, 2, Qt::white);
             p.fillRect(10, 10, 2, 5, Qt::white);
         })},
        // Any other voucher: a plain sheet.
        {QStringLiteral("Generico"), draw([grey](QPainter& p) { sheet(p, grey); })},
        // Sent to third parties: teal, an arrow leaving to the right.
        {QStringLiteral("T3"), draw([](QPainter& p) {
             sheet(p, QColor(0x00, 0x86, 0x8b));
             badge(p, QColor(0x00, 0x86, 0x8b));
             p.fillRect(8, 10, 5, 2, Qt::white);
             p.fillRect(12, 8, 1, 6, Qt::white);
             p.fillRect(13, 9, 1, 4, Qt::white);
             p.fillRect(14, 10, 1, 2, Qt::white);
         })},
        // Purchase order: dark blue, a parcel.
        {QStringLiteral("OC"), draw([](QPainter& p) {
             sheet(p, QColor(0x1d, 0x3f, 0x8f));
             badge(p, QColor(0x1d, 0x3f, 0x8f));
             p.fillRect(8, 9, 7, 5, Qt::white);
             p.fillRect(11, 9, 1, 5, QColor(0x1d, 0x3f, 0x8f));
         })},
        // Purchase order with a guarantee: a gold shield.
        {QStringLiteral("OCG"), draw([](QPainter& p) {
             sheet(p, QColor(0x1d, 0x3f, 0x8f));
             QPainterPath shield;
             shield.moveTo(11.5, 7.0);
             shield.lineTo(15.4, 8.4);
             shield.cubicTo(15.4, 12.4, 13.7, 14.6, 11.5, 15.7);
             shield.cubicTo(9.3, 14.6, 7.6, 12.4, 7.6, 8.4);
             shield.closeSubpath();
             p.setPen(QPen(QColor(0x8a, 0x6d, 0x00), 1));
             p.setBrush(QColor(0xf2, 0xc2, 0x1b));
             p.drawPath(shield);
         })},
    };
}

} // namespace voucherlookup
