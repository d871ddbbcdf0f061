#include "platform/report/ReportDocument.h"
#include "platform/vb/VbError.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <memory>

namespace report {

namespace {

constexpr int ErrPathFileAccess = 75;

const QColor Ink(0x20, 0x20, 0x20);
const QColor Muted(0x55, 0x5f, 0x6a);
const QColor HeadingBack(0xdc, 0xe4, 0xee);
const QColor GroupBack(0xee, 0xf2, 0xf6);
const QColor TotalBack(0xf6, 0xf6, 0xf6);
const QColor RuleColor(0x3a, 0x4a, 0x5c);
const QColor LineColor(0xd5, 0xd9, 0xde);

QFont font(qreal points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The table of rows, laid out for the device in pages of the given height: the column
// headings open every page, a row never splits across pages, and a group heading never
// stays alone at the foot of a page.
class Body {
public:
    Body(const ReportDocument& r, QPaintDevice* device, qreal width, qreal pageHeight)
        : r_(r), device_(device), width_(width), pageHeight_(pageHeight)
    {
        const qreal dpi = device->logicalDpiY();
        mm_ = dpi / 25.4;
        cols_ = int(r.columns.size());
        w_ = columnWidths();
        qreal x = 0;
        for (int c = 0; c < cols_; ++c) {
            x_ << x;
            x += w_.at(c);
        }
        labelSpan_ = cols_;
        for (const DocumentRow& row : r.rows)
            if (row.kind == DocumentRow::GroupTotal || row.kind == DocumentRow::GrandTotal)
                for (int c = 0; c < row.cells.size() && c < cols_; ++c)
                    if (!row.cells.at(c).isEmpty()) {
                        labelSpan_ = qMax(1, qMin(labelSpan_, c));
                        break;
                    }

        captionHeight_ = 0;
        for (int c = 0; c < cols_; ++c)
            captionHeight_ = qMax(captionHeight_, textHeight(captionFont(), r.columns.at(c).caption, w_.at(c)));
        captionHeight_ += 2 * mm(1);
        for (const DocumentRow& row : r.rows)
            heights_ << rowHeight(row);
        paginate();
    }

    int pageCount() const { return int(pages_.size()); }

    void drawPage(QPainter& p, int page, qreal top) const
    {
        qreal y = top;
        // Column headings.
        p.fillRect(QRectF(0, y, width_, captionHeight_), HeadingBack);
        p.setFont(captionFont());
        p.setPen(RuleColor);
        for (int c = 0; c < cols_; ++c)
            text(p, cellRect(c, 1, y, captionHeight_), r_.columns.at(c).align | Qt::AlignBottom,
                       r_.columns.at(c).caption);
        y += captionHeight_;
        rule(p, y, mm(0.3), RuleColor);

        const auto [first, last] = pages_.at(page);
        for (int i = first; i < last; ++i) {
            const DocumentRow& row = r_.rows.at(i);
            const qreal h = heights_.at(i);
            switch (row.kind) {
            case DocumentRow::Detail:
                p.setFont(detailFont());
                p.setPen(Ink);
                for (int c = 0; c < cols_; ++c)
                    text(p, cellRect(c, 1, y, h), r_.columns.at(c).align | Qt::AlignTop, row.cells.value(c),
                         !numeric(c));
                rule(p, y + h, mm(0.12), LineColor);
                break;
            case DocumentRow::GroupHeading:
                p.fillRect(QRectF(0, y + mm(1.2), width_, h - mm(1.2)), GroupBack);
                p.setFont(boldFont());
                p.setPen(Ink);
                text(p, cellRect(0, cols_, y + mm(1.2), h - mm(1.2)), Qt::AlignLeft | Qt::AlignTop, row.label);
                rule(p, y + h, mm(0.12), LineColor);
                break;
            case DocumentRow::Empty:
                p.setFont(detailFont());
                p.setPen(Muted);
                text(p, QRectF(0, y, width_, h), Qt::AlignHCenter | Qt::AlignVCenter, row.label);
                break;
            case DocumentRow::GroupTotal:
            case DocumentRow::GrandTotal: {
                const bool grand = row.kind == DocumentRow::GrandTotal;
                const qreal gap = grand ? mm(1.5) : 0;
                p.fillRect(QRectF(0, y + gap, width_, h - gap), grand ? HeadingBack : TotalBack);
                rule(p, y + gap, grand ? mm(0.35) : mm(0.25), RuleColor);
                p.setFont(boldFont());
                p.setPen(Ink);
                text(p, cellRect(0, labelSpan_, y + gap, h - gap), Qt::AlignLeft | Qt::AlignTop,
                           row.label);
                for (int c = labelSpan_; c < cols_; ++c)
                    text(p, cellRect(c, 1, y + gap, h - gap), r_.columns.at(c).align | Qt::AlignTop, row.cells.value(c),
                         !numeric(c));
                if (grand)
                    rule(p, y + h, mm(0.35), RuleColor);
                break;
            }
            }
            y += h;
        }
    }

private:
    qreal mm(qreal v) const { return v * mm_; }
    static QFont detailFont() { return font(8); }
    static QFont boldFont() { return font(8, true); }
    static QFont captionFont() { return font(7.5, true); }
    qreal padH() const { return mm(1); }
    qreal padV() const { return mm(0.7); }

    qreal advance(const QFont& f, const QString& text) const
    {
        return QFontMetricsF(f, device_).horizontalAdvance(text);
    }

    // The width a numeric column needs for its widest text, margins included; 0 for
    // other columns.
    qreal neededWidth(int c) const
    {
        const DocumentColumn& column = r_.columns.at(c);
        if (!column.numeric)
            return 0;
        qreal need = qMax(advance(detailFont(), column.widest), advance(boldFont(), column.widest));
        for (const DocumentRow& row : r_.rows) {
            const bool total = row.kind == DocumentRow::GroupTotal || row.kind == DocumentRow::GrandTotal;
            if (total || row.kind == DocumentRow::Detail)
                need = qMax(need, advance(total ? boldFont() : detailFont(), row.cells.value(c)));
        }
        // A little room, so that rounding in the layout never breaks the line.
        return need + 2 * padH() + mm(0.5);
    }

    // The columns share the width by their relative widths, except that a numeric column
    // gets at least the width it needs; the others share what is left.
    QList<qreal> columnWidths() const
    {
        QList<qreal> need, widths;
        QList<bool> held(cols_, false);
        for (int c = 0; c < cols_; ++c)
            need << neededWidth(c);
        for (bool changed = true; changed;) {
            changed = false;
            qreal room = width_, weight = 0;
            for (int c = 0; c < cols_; ++c) {
                if (held.at(c))
                    room -= need.at(c);
                else
                    weight += r_.columns.at(c).width;
            }
            widths.clear();
            for (int c = 0; c < cols_; ++c) {
                const qreal w = held.at(c) ? need.at(c) : (weight > 0 ? room * r_.columns.at(c).width / weight : 0);
                if (!held.at(c) && w < need.at(c)) {
                    held[c] = true;
                    changed = true;
                }
                widths << w;
            }
        }
        return widths;
    }

    bool numeric(int c) const { return c >= 0 && c < cols_ && r_.columns.at(c).numeric; }

    // Text wrapped at word boundaries, and inside a word too long for its column (codes
    // such as vouchers and invoices have no blanks); a number stays on one line.
    std::unique_ptr<QTextLayout> wrapped(const QFont& f, const QString& text, qreal width, Qt::Alignment align,
                                         qreal* height, bool wrap = true) const
    {
        auto layout = std::make_unique<QTextLayout>(text, f, device_);
        QTextOption option(align & Qt::AlignHorizontal_Mask);
        option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        layout->setTextOption(option);
        layout->beginLayout();
        qreal h = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, h));
            h += line.height();
        }
        layout->endLayout();
        *height = text.isEmpty() ? QFontMetricsF(f, device_).height() : h;
        return layout;
    }

    qreal textHeight(const QFont& f, const QString& text, qreal width, bool wrap = true) const
    {
        qreal h = 0;
        wrapped(f, text, width - 2 * padH(), Qt::AlignLeft, &h, wrap);
        return h;
    }

    void text(QPainter& p, const QRectF& rect, Qt::Alignment align, const QString& t, bool wrap = true) const
    {
        qreal h = 0;
        const auto layout = wrapped(p.font(), t, rect.width(), align, &h, wrap);
        const qreal top = (align & Qt::AlignBottom) ? rect.bottom() - h
                          : (align & Qt::AlignVCenter) ? rect.top() + (rect.height() - h) / 2
                                                       : rect.top();
        layout->draw(&p, QPointF(rect.left(), top));
    }

    QRectF cellRect(int col, int span, qreal y, qreal h) const
    {
        const int lastCol = qMin(cols_, col + span) - 1;
        const qreal right = x_.at(lastCol) + w_.at(lastCol);
        return QRectF(x_.at(col) + padH(), y + padV(), right - x_.at(col) - 2 * padH(), h - 2 * padV());
    }

    void rule(QPainter& p, qreal y, qreal thickness, const QColor& color) const
    {
        p.fillRect(QRectF(0, y - thickness / 2, width_, thickness), color);
    }

    qreal rowHeight(const DocumentRow& row) const
    {
        qreal h = 0;
        switch (row.kind) {
        case DocumentRow::Detail:
            for (int c = 0; c < cols_; ++c)
                h = qMax(h, textHeight(detailFont(), row.cells.value(c), w_.at(c), !numeric(c)));
            return h + 2 * padV();
        case DocumentRow::GroupHeading:
            return textHeight(boldFont(), row.label, width_) + 2 * padV() + mm(1.2);
        case DocumentRow::Empty:
            return textHeight(detailFont(), row.label, width_) + mm(8);
        case DocumentRow::GroupTotal:
        case DocumentRow::GrandTotal: {
            h = textHeight(boldFont(), row.label, x_.at(labelSpan_ - 1) + w_.at(labelSpan_ - 1));
            for (int c = labelSpan_; c < cols_; ++c)
                h = qMax(h, textHeight(boldFont(), row.cells.value(c), w_.at(c), !numeric(c)));
            return h + 2 * padV() + (row.kind == DocumentRow::GrandTotal ? mm(1.5) : 0);
        }
        }
        return h;
    }

    void paginate()
    {
        const qreal room = pageHeight_ - captionHeight_;
        int first = 0;
        qreal used = 0;
        for (int i = 0; i < heights_.size(); ++i) {
            qreal need = heights_.at(i);
            // A group heading goes with its first row.
            if (r_.rows.at(i).kind == DocumentRow::GroupHeading && i + 1 < heights_.size())
                need += heights_.at(i + 1);
            if (used + need > room && i > first) {
                pages_ << std::pair{first, i};
                first = i;
                used = 0;
            }
            used += heights_.at(i);
        }
        pages_ << std::pair{first, int(heights_.size())};
    }

    const ReportDocument& r_;
    QPaintDevice* device_;
    qreal width_, pageHeight_;
    qreal mm_ = 1;
    int cols_ = 0;
    int labelSpan_ = 0;
    QList<qreal> x_, w_, heights_;
    qreal captionHeight_ = 0;
    QList<std::pair<int, int>> pages_;
};

} // namespace

QPageLayout ReportDocument::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(14, 12, 14, 12), QPageLayout::Millimeter);
}

int ReportDocument::paint(QPagedPaintDevice* device) const
{
    QPainter p;
    if (!p.begin(device))
        vb::Raise(ErrPathFileAccess, QStringLiteral("No se puede imprimir el reporte %1").arg(title));
    const qreal dpi = device->logicalDpiY();
    auto mm = [dpi](qreal v) { return v * dpi / 25.4; };
    const qreal width = device->width();
    const qreal height = device->height();

    // The header's height, the same on every page.
    const QFont companyFont = font(11, true), lineFont = font(8.5), titleFont = font(14, true),
                subtitleFont = font(9.5), smallFont = font(7.5);
    auto lineHeight = [&](const QFont& f) { return QFontMetricsF(f, device).height(); };
    qreal left = 0;
    for (const DocumentLine& l : company)
        left += lineHeight(l.bold ? companyFont : lineFont);
    const qreal right = 2 * lineHeight(lineFont);
    qreal header = qMax(left, right) + mm(3) + lineHeight(titleFont) + mm(1);
    header += subtitles.size() * lineHeight(subtitleFont);
    const qreal ruleY = header + mm(2);
    header = ruleY + mm(3);

    Body body(*this, device, width, height - header - mm(6));
    const int pages = body.pageCount();
    const QString printed = QStringLiteral("Impreso el %1").arg(printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")));

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device->newPage();
        qreal y = 0;
        p.setPen(Ink);
        for (const DocumentLine& l : company) {
            const QFont& f = l.bold ? companyFont : lineFont;
            p.setFont(f);
            p.setPen(l.bold ? Ink : Muted);
            p.drawText(QRectF(0, y, width * 0.6, lineHeight(f)), Qt::AlignLeft | Qt::AlignVCenter, l.text);
            y += lineHeight(f);
        }
        p.setFont(lineFont);
        p.setPen(Muted);
        p.drawText(QRectF(width * 0.6, 0, width * 0.4, lineHeight(lineFont)), Qt::AlignRight | Qt::AlignVCenter, printed);
        p.drawText(QRectF(width * 0.6, lineHeight(lineFont), width * 0.4, lineHeight(lineFont)),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Página %1 de %2").arg(page + 1).arg(pages));

        y = qMax(left, right) + mm(3);
        p.setFont(titleFont);
        p.setPen(Ink);
        p.drawText(QRectF(0, y, width, lineHeight(titleFont)), Qt::AlignHCenter | Qt::AlignVCenter, title);
        y += lineHeight(titleFont) + mm(1);
        p.setFont(subtitleFont);
        p.setPen(Muted);
        for (const QString& s : subtitles) {
            p.drawText(QRectF(0, y, width, lineHeight(subtitleFont)), Qt::AlignHCenter | Qt::AlignVCenter, s);
            y += lineHeight(subtitleFont);
        }
        p.setPen(QPen(RuleColor, mm(0.4)));
        p.drawLine(QPointF(0, ruleY), QPointF(width, ruleY));

        body.drawPage(p, page, header);

        // The foot repeats the title, so that a loose page says what it belongs to.
        p.setFont(smallFont);
        p.setPen(QPen(LineColor, mm(0.2)));
        p.drawLine(QPointF(0, height - mm(4.5)), QPointF(width, height - mm(4.5)));
        p.setPen(Muted);
        p.drawText(QRectF(0, height - mm(4), width, mm(4)), Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    p.end();
    return pages;
}

void ReportDocument::writePdf(const QString& path) const
{
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageLayout(pageLayout());
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("RecepcionMutuales"));
        paint(&writer);
    }
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        vb::Raise(ErrPathFileAccess, QStringLiteral("No se puede escribir el archivo %1").arg(path));
}

} // namespace report
