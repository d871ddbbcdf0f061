#pragma once
// A report ready to print: its header texts and its table of rows, painted page by page
// on A4 with the header on every page ("Página N de M" and the printing date and time).
// The same painting serves the PDF file and the printer of the print preview.
#include <QDateTime>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace report {

struct DocumentColumn {
    QString caption;
    double width = 10;   // relative
    Qt::Alignment align = Qt::AlignLeft;
    // Numbers are never cut or wrapped: the column is at least as wide as its widest
    // text, details and totals, and as `widest`, the largest number it is meant for.
    bool numeric = false;
    QString widest;
};

struct DocumentRow {
    enum Kind { Detail, GroupHeading, GroupTotal, GrandTotal, Empty } kind = Detail;
    QString label;        // headings, totals and the empty notice
    QStringList cells;    // details: one per column; totals: the total columns' texts, others empty
};

struct DocumentLine {
    QString text;
    bool bold = false;
};

class ReportDocument {
public:
    QString title;
    QList<DocumentLine> company;   // left of the header
    QStringList subtitles;         // under the title
    QDateTime printedAt;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<DocumentColumn> columns;
    QList<DocumentRow> rows;

    // A4 in the report's orientation, with the report's margins.
    QPageLayout pageLayout() const;
    // Paints every page on a device already set to pageLayout(); returns the page count.
    int paint(QPagedPaintDevice* device) const;
    // Writes the PDF file; raises error 75 when it cannot be written.
    void writePdf(const QString& path) const;
};

} // namespace report
