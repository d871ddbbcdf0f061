#pragma once
// Where, in a statement Oracle receives, a date meets a text column or a text meets a
// date column. Oracle turns the one into the other in its session's date format: a date
// stored into a text column becomes a text of that format, a text column compared with
// a date has each of its texts read as a date (and the read fails on the first that is
// none), a text stored into or compared with a date column is read in that format, which
// is not the program's. The stand-in refuses every one of them.
#include <QString>
#include <functional>

namespace testsupport {

enum class ColumnType { Unknown, Text, Date, Other };
// The type of a table's column, as the database's catalogue gives it.
using ColumnTypeOf = std::function<ColumnType(const QString& table, const QString& column)>;

// Oracle's answer to the first such meeting of the statement, as its error text; empty
// when there is none. A TO_DATE('value', 'mask') is a date, a quoted text a text (the
// empty text is Oracle's NULL and meets nothing).
QString DateMeetingRefusal(const QString& statement, const ColumnTypeOf& typeOf);

} // namespace testsupport
