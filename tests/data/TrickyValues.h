#pragma once
// Values an operator may type that read like SQL the data layer rewrites: each must
// reach the database, and come back, exactly as typed.
#include <QString>
#include <QTest>

namespace datatest {

// Adds one row per value to the current _data() table, in a column "value".
inline void AddTrickyValueRows()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophes") << QStringLiteral("O'Brien's");
    QTest::newRow("square brackets") << QStringLiteral("x[1]");
    QTest::newRow("lock hint") << QStringLiteral("a with(nolock) b");
    QTest::newRow("ISNULL") << QStringLiteral("ISNULL(x, 0)");
    QTest::newRow("row limit word") << QStringLiteral("stop here");
    QTest::newRow("top n") << QStringLiteral("top 5 of them");
    QTest::newRow("if not exists") << QStringLiteral("if not exists, call");
    QTest::newRow("set nocount") << QStringLiteral("set nocount on");
    QTest::newRow("marker inside") << QStringLiteral("x@ADMIN_y");
    QTest::newRow("marker word") << QStringLiteral("mail @admin_ventas");
    QTest::newRow("restricted table name") << QStringLiteral("ver MA_CUENTAS hoy");
    QTest::newRow("comment mark") << QStringLiteral("-- no comment");
    QTest::newRow("statement end") << QStringLiteral("a; DELETE FROM T; b");
    QTest::newRow("keyword inside a word") << QStringLiteral("COMMITS and UPDATES");
    QTest::newRow("functions") << QStringLiteral("SUBSTRING(a) CONVERT(INT, b) LEN(c) getdate()");
    QTest::newRow("empty comparison") << QStringLiteral("= '' <> ''");
    QTest::newRow("transaction words") << QStringLiteral("BEGIN TRANSACTION GO SAVE TRANSACTION P1");
    QTest::newRow("line break") << QStringLiteral("uno\r\ndos");
    QTest::newRow("non-ASCII") << QStringLiteral("Ñandú, café & peña");
    // Texts that read as dates: in a text column they are texts.
    QTest::newRow("dotted date") << QStringLiteral("1.2.24");
    QTest::newRow("dashed date") << QStringLiteral("12-11-10");
    QTest::newRow("slashed short date") << QStringLiteral("01/02/03");
    QTest::newRow("dashed code") << QStringLiteral("10-10-10");
    QTest::newRow("dotted account code") << QStringLiteral("1.1.0001");
    QTest::newRow("whole date") << QStringLiteral("15/03/2024");
    QTest::newRow("date and time") << QStringLiteral("15/03/2024 10:15");
}

// The value as a SQL text literal, its apostrophes doubled.
inline QString Literal(const QString& value)
{
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

} // namespace datatest
