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
#include <QStringList>
#include <functional>
#include <memory>

namespace report {

// A formula that cannot be read, or a comparison of values that cannot be compared.
struct FormulaError {
    QString message;   // in the operator's language
};

struct FormulaNode;

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

private:
    std::unique_ptr<FormulaNode> root_;
};

} // namespace report
