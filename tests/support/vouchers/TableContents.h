#pragma once
// What every table of the program's database holds, to tell which tables a call changed.
#include <QMap>
#include <QString>
#include <QStringList>

namespace testsupport {

// Every table's rows as texts (a Null as "<NULL>"), sorted, by table name; read on the
// program's own connection, so that what a call left uncommitted shows too.
QMap<QString, QStringList> TableContents();

// The tables whose rows differ between two readings, and those only one of them has.
QStringList ChangedTables(const QMap<QString, QStringList>& before, const QMap<QString, QStringList>& after);

} // namespace testsupport
