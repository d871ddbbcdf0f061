#pragma once
// How SQL Server reads a date written as text, for the providers that hand dates to an
// engine of their own.
#include <QString>
#include <QStringView>

namespace ado {

// Reads a date as SQL Server does with DATEFORMAT dmy (day-month-year; two-digit
// years 00-49 are 20xx, 50-99 19xx; ISO yyyy-mm-dd; an empty text is 1900-01-01)
// and writes it as 'YYYY-MM-DD HH:MM:SS'. False when it is not a readable date.
bool SqlServerDate(QStringView text, QString& iso);

} // namespace ado
