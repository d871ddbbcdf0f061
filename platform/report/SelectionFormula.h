#pragma once
// The selection formula of a report, read into a condition on the rows of the report's
// query. The language is the one the suite writes:
//   {TABLE.FIELD}  'text' or "text" (a doubled quote stands for itself)  12 or -3.5
//   Date(yyyy,mm,dd)  tonumber(x)  TrimLeft(x)  TrimRight(x)  ISNULL(x)
//   = <> < <= > >=  LIKE (with * and ?)  AND  OR  ( )
// Words are read in any case. Values stay typed values inside the condition: nothing of
// the formula ever becomes SQL text.
#include "platform/vb/Variant.h"
#include <QString>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace report {

// A formula that cannot be read, or a comparison of values that cannot be compared.
struct FormulaError {
    QString message;   // in the operator's language
};

struct FormulaNode;

// A field of the report's rows as a condition sent to the database reads it.
struct SqlColumn {
    enum Kind { None, Text, Date, Other } kind = None;   // None: the database cannot filter on it
    QString expression;
};

// A value for a ? marker of a condition, with its ADO type.
struct SqlValue {
    vb::Variant value;
    int type = 0;
};

struct SqlCondition {
    QString text;   // SQL Server dialect; empty: nothing for the database
    QList<SqlValue> values;
};

class SelectionFormula {
public:
    SelectionFormula();
    ~SelectionFormula();
    SelectionFormula(SelectionFormula&&) noexcept;
    SelectionFormula& operator=(SelectionFormula&&) noexcept;

    // Reads a formula whose fields belong to `table` (compared without regard to case).
    // An empty or blank formula selects every row. Throws FormulaError.
    static SelectionFormula parse(const QString& text, const QString& table);

    bool selectsAll() const { return root_ == nullptr; }
    // The field names the formula reads, as written, without the table.
    QStringList fields() const;

    // Ties every field to a column of the rows: `column` gives the column of a field name
    // or -1 when the rows have none. Throws FormulaError for a field the rows lack.
    void bind(const std::function<int(const QString&)>& column);
    // Whether the row is selected; `value` gives the row's value of a bound column. A
    // comparison with Null selects nothing, as in SQL. Throws FormulaError when a row
    // holds a value that cannot be compared as the formula asks.
    bool matches(const std::function<vb::Variant(int)>& value) const;

    // The part of the formula the database can apply before the rows are read: the
    // comparisons of text and date columns with values, ISNULL, LIKE on texts, and the ANDs
    // and ORs of those; what it cannot take is left out of an AND. Every row the whole
    // formula selects meets it, so matches() still decides on the rows read.
    SqlCondition databaseCondition(const std::function<SqlColumn(const QString& field)>& column) const;

private:
    std::unique_ptr<FormulaNode> root_;
};

} // namespace report
