#pragma once
// A report definition: one JSON file per report in the report folder, named after the
// report ("V_MV_MUTUALES_RECEPCION.json"). It gives the title, the query whose rows the
// report prints, the table name its selection formulas use for the query's columns, the
// columns, an optional grouping with per-group counts and totals, and which formula
// assignments the page header shows.
#include <QList>
#include <QPageLayout>
#include <QString>

namespace report {

// VB's "Invalid file format": a report definition that is no sound definition.
constexpr int ErrInvalidFileFormat = 321;

struct ColumnDefinition {
    QString caption;
    QString field;
    double width = 10;                      // relative to the other columns
    Qt::Alignment align = Qt::AlignLeft;
    QString format;                         // a Format pattern, or "money"
    bool total = false;                     // summed per group and in the grand total
};

// A line of the page header: a caption followed by the value of a formula assignment.
struct HeaderLine {
    QString caption;
    QString formula;                        // the formula's name, compared without case
    bool bold = false;
};

struct GroupDefinition {
    QString field;
    QString format;
    QString caption;                        // before the group's value in its heading
    QString totalCaption;                   // before the group's value in its total line
};

struct ReportDefinition {
    QString title;
    QString table;                          // the table of {TABLE.FIELD} in formulas
    QString query;                          // SQL Server dialect, as every query of the program
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<ColumnDefinition> columns;
    QList<HeaderLine> company;              // left of the header, one line each
    QList<HeaderLine> subtitles;            // centred under the title
    bool grouped = false;
    GroupDefinition group;
    QString grandTotalCaption;
    QString countOne;                       // "comprobante"
    QString countMany;                      // "comprobantes"
    QString emptyText;                      // shown when no row is selected
    QString file;                           // the file it was read from

    // Reads <folder>/<name>.json (the file name matched without regard to case). Raises
    // error 53 when there is no such file and 321 (invalid file format) when it is not a
    // sound definition, the message naming the file. Not 5, which callers' error traps
    // pass over without a word.
    static ReportDefinition load(const QString& folder, const QString& name);
    // Reads a definition from its JSON text; raises 321 when it is not sound, the message
    // naming `name`.
    static ReportDefinition fromJson(const QByteArray& json, const QString& name);
};

} // namespace report
