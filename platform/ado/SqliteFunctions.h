#pragma once
// The T-SQL functions SQLite lacks, and the NOCASE collation compared as SQL Server's
// default collation does (case ignored across Unicode, trailing blanks ignored).
#include <QString>

struct sqlite3;

namespace ado::sqlite {

// Registers every function and the collation on the connection; false on failure.
bool RegisterFunctions(sqlite3* db);

// The collation itself, for tests: <0, 0, >0.
int CompareNoCase(const QString& a, const QString& b);

// Failures raised inside functions carry SQL Server's native number in front of the
// message, "#241#Conversion failed ..."; this splits it off (0 when absent).
int SplitNativePrefix(QString& message);

} // namespace ado::sqlite
