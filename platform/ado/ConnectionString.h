#pragma once
// Reads the connection strings the system builds and chooses the engine behind them.
#include <QMap>
#include <QString>

namespace ado {

struct ConnectionSpec {
    enum Engine { Sqlite, Odbc } engine = Sqlite;
    QString provider;        // the Provider named in the string ("SQLOLEDB", ...), or "MSDASQL"
    QString database;        // the database name as given
    QString sqliteFile;      // Sqlite: the file, resolved against the program folder
    QString odbc;            // Odbc: the ODBC connection string
    bool dayMonthYear = false;   // Odbc to SQL Server: SET DATEFORMAT dmy after connecting
    bool oracle = false;         // Odbc to Oracle (its data source)
};

// Keys upper-cased and trimmed; values trimmed (quoted values kept as written inside).
QMap<QString, QString> ParseKeyValues(const QString& text);

// A value as it goes into a connection string: as it is, or, when it holds ; { } = or
// begins or ends with a blank, between braces with every } doubled (ODBC's quoting,
// which ParseKeyValues reads back), so that the driver receives it whole.
QString QuoteConnectionValue(const QString& value);

// Throws vb::VbError (3706-like provider error text) when the string cannot be understood.
// user/password given to Open take the place of those inside the string when not empty.
ConnectionSpec ParseConnectionString(const QString& text, const QString& user = {}, const QString& password = {});

} // namespace ado
