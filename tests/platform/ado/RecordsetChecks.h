#pragma once
// Recordset and error behaviour that every provider must show, run by the SQLite
// provider test and, through the SQLite ODBC driver, by the ODBC provider test.
// The connection is open on a database holding FIXTURE_T with the rows of FIXTURE_ROWS.
#include "platform/ado/Connection.h"
#include "platform/vb/VbError.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace adochecks {

// Makes the SQLite ODBC driver ("SQLite3") known to the driver manager for this run,
// through an odbcinst.ini in `dir`, when the system has not registered it.
inline void registerSqliteOdbcDriver(const QTemporaryDir& dir)
{
    QFile sys(QStringLiteral("/etc/odbcinst.ini"));
    if (sys.open(QIODevice::ReadOnly) && sys.readAll().contains("[SQLite3]"))
        return;
    QFile ini(dir.filePath(QStringLiteral("odbcinst.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
    ini.close();
    qputenv("ODBCSYSINI", dir.path().toLocal8Bit());
}

inline const char* FIXTURE_T =
    "CREATE TABLE T (ID INTEGER PRIMARY KEY, CODIGO VARCHAR(10) COLLATE NOCASE NOT NULL UNIQUE, "
    "NOMBRE VARCHAR(30) COLLATE NOCASE, IMPORTE NUMERIC(19,4))";
inline const char* FIXTURE_ROWS[] = {
    "INSERT INTO T (ID, CODIGO, NOMBRE, IMPORTE) VALUES (1, 'A1', 'uno', 10.5)",
    "INSERT INTO T (ID, CODIGO, NOMBRE, IMPORTE) VALUES (2, 'B2', 'dos', 20)",
    "INSERT INTO T (ID, CODIGO, NOMBRE, IMPORTE) VALUES (3, 'C3', NULL, 30.25)",
};

// The VB error number raised by f, or 0 when it raised none.
inline int raised(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::VbError& e) {
        return e.Number;
    }
    return 0;
}

inline void emptyRecordset(ado::Connection& c)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM T WHERE ID = -1"), c, ado::adOpenForwardOnly, ado::adLockReadOnly);
    QCOMPARE(rs.State(), int(ado::adStateOpen));
    QVERIFY(rs.BOF());
    QVERIFY(rs.EOF());
    QCOMPARE(rs.RecordCount(), 0);
    QCOMPARE(rs.Fields().Count(), 4);
    QCOMPARE(rs.Fields(QStringLiteral("codigo")).Name(), QStringLiteral("CODIGO"));
    QCOMPARE(raised([&] { rs.Fields(QStringLiteral("CODIGO")).Value(); }), 3021);
    QCOMPARE(raised([&] { rs.MoveNext(); }), 3021);
    QCOMPARE(raised([&] { rs.MoveFirst(); }), 3021);
}

inline void moves(ado::Connection& c)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT ID, CODIGO FROM T ORDER BY ID"), c);
    QCOMPARE(rs.RecordCount(), 3);
    QVERIFY(!rs.BOF());
    QCOMPARE(rs.Fields(0).Value().toLong(), 1);
    rs.MoveLast();
    QCOMPARE(rs.Fields(QStringLiteral("id")).Value().toLong(), 3);
    rs.MovePrevious();
    QCOMPARE(rs(QStringLiteral("CODIGO")).Value().toString(), QStringLiteral("B2"));
    rs.MoveFirst();
    rs.MoveNext();
    rs.MoveNext();
    rs.MoveNext();
    QVERIFY(rs.EOF());
    QVERIFY(!rs.BOF());
    QCOMPARE(raised([&] { rs.Fields(1).Value(); }), 3021);
    QCOMPARE(raised([&] { rs.MoveNext(); }), 3021);
    rs.MoveFirst();
    rs.MovePrevious();
    QVERIFY(rs.BOF());
    QCOMPARE(raised([&] { rs.MovePrevious(); }), 3021);
    // GetRows from the first row: [field][row], the cursor ends past them
    rs.MoveFirst();
    const auto rows = rs.GetRows(rs.RecordCount());
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].size(), 3);
    QCOMPARE(rows[1][2].toString(), QStringLiteral("C3"));
    QVERIFY(rs.EOF());
}

inline void fieldLookup(ado::Connection& c)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT CODIGO, NOMBRE AS codigo, IMPORTE FROM T WHERE ID = 1"), c);
    QCOMPARE(rs.Fields(QStringLiteral("Codigo")).Value().toString(), QStringLiteral("A1"));   // first match wins
    QCOMPARE(raised([&] { rs.Fields(QStringLiteral("NOEXISTE")); }), 3265);
    QCOMPARE(raised([&] { rs.Fields(3); }), 3265);
    QCOMPARE(raised([&] { rs.Fields(-1); }), 3265);
    QCOMPARE(rs.Fields(2).Value().toCurrency(), vb::Currency::fromRaw(105000));
    rs.Close();
    rs.Open(QStringLiteral("SELECT NOMBRE FROM T WHERE ID = 3"), c);
    QVERIFY(rs.Fields(0).Value().isNull());
}

inline void closedAndOpen(ado::Connection& c)
{
    ado::Recordset rs;
    QCOMPARE(raised([&] { rs.Close(); }), 3704);
    QCOMPARE(raised([&] { rs.EOF(); }), 3704);
    QCOMPARE(raised([&] { rs.Fields(); }), 3704);
    rs.Open(QStringLiteral("SELECT * FROM T"), c, ado::adOpenDynamic, ado::adLockOptimistic);
    QCOMPARE(raised([&] { rs.Open(QStringLiteral("SELECT * FROM T"), c); }), 3705);
    rs.Close();
    QCOMPARE(rs.State(), int(ado::adStateClosed));
    QCOMPARE(rs.CursorType(), int(ado::adOpenDynamic));
    QCOMPARE(rs.LockType(), int(ado::adLockOptimistic));
    rs.Open(QStringLiteral("SELECT * FROM T"), c);   // unspecified: the kept types
    QCOMPARE(rs.LockType(), int(ado::adLockOptimistic));
}

inline qint32 scalar(ado::Connection& c, const QString& sql)
{
    ado::Recordset rs = c.Execute(sql);
    return rs.Fields(0).Value().toLong();
}

inline void addNewAndUpdate(ado::Connection& c, const QString& oneRowQuery)
{
    ado::Recordset rs;
    rs.Open(oneRowQuery, c, ado::adOpenDynamic, ado::adLockOptimistic);
    rs.AddNew();
    rs.Fields(QStringLiteral("codigo")) = vb::Variant("Z9");
    rs.Fields(QStringLiteral("NOMBRE")) = vb::Variant("nuevo");
    QCOMPARE(rs.Fields(QStringLiteral("NOMBRE")).Value().toString(), QStringLiteral("nuevo"));
    rs.Update();
    rs.Close();
    QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T WHERE CODIGO = 'Z9' AND NOMBRE = 'nuevo'")), 1);

    rs.Open(QStringLiteral("SELECT * FROM T WHERE CODIGO = 'B2'"), c, ado::adOpenDynamic, ado::adLockOptimistic);
    rs.Fields(QStringLiteral("NOMBRE")) = vb::Variant("cambiado");
    rs.Update();
    rs.Close();
    QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T WHERE NOMBRE = 'cambiado'")), 1);
    QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T")), 4);

    // a read-only recordset refuses assignment
    rs.SetLockType(ado::adLockReadOnly);
    rs.Open(QStringLiteral("SELECT * FROM T WHERE ID = 1"), c);
    QCOMPARE(raised([&] { rs.Fields(QStringLiteral("NOMBRE")) = vb::Variant("x"); }), 3251);
    QCOMPARE(raised([&] { rs.AddNew(); }), 3251);
}

// A duplicate key: the statement raises, the error list describes it, nothing stored,
// and the next operation starts with an empty list.
// expectedNative 0: a driver of its own numbering (any native, any class of state).
inline void uniqueViolation(ado::Connection& c, int expectedNative)
{
    const int n = raised([&] { c.Execute(QStringLiteral("INSERT INTO T (CODIGO, NOMBRE) VALUES ('A1', 'otro')")); });
    QVERIFY(c.Errors().Count() >= 1);
    QCOMPARE(n, c.Errors().Item(0).Number);
    if (expectedNative) {
        QCOMPARE(n, int(ado::hrIntegrityViolation));
        QCOMPARE(c.Errors().Item(0).NativeError, expectedNative);
        QCOMPARE(c.Errors().Item(0).SQLState, QStringLiteral("23000"));
    } else {
        QVERIFY(n != 0);
        QVERIFY(c.Errors().Item(0).NativeError != 0);
    }
    QVERIFY(!c.Errors()[0].Description.isEmpty());
    QCOMPARE(scalar(c, QStringLiteral("SELECT COUNT(*) FROM T WHERE NOMBRE = 'otro'")), 0);
    QCOMPARE(c.Errors().Count(), 0);
    QCOMPARE(raised([&] { c.Errors().Item(0); }), 3265);
}

inline void missingTable(ado::Connection& c, int expectedNative)
{
    ado::Recordset rs;
    QVERIFY(raised([&] { rs.Open(QStringLiteral("SELECT * FROM NO_EXISTE"), c); }) != 0);
    QVERIFY(c.Errors().Count() >= 1);
    if (expectedNative) QCOMPARE(c.Errors().Item(0).NativeError, expectedNative);
    QCOMPARE(rs.State(), int(ado::adStateClosed));
}

inline void executeReturnsRows(ado::Connection& c)
{
    long affected = -1;
    c.Execute(QStringLiteral("UPDATE T SET NOMBRE = 'x' WHERE ID >= 2"), &affected);
    QCOMPARE(affected, 2L);
    ado::Recordset none = c.Execute(QStringLiteral("DELETE FROM T WHERE ID = 99"), &affected);
    QCOMPARE(none.State(), int(ado::adStateClosed));
    QCOMPARE(affected, 0L);
    ado::Recordset rs = c.Execute(QStringLiteral("SELECT NOMBRE FROM T WHERE ID = 2"), &affected);
    QCOMPARE(affected, -1L);   // a query changes no rows
    QCOMPARE(rs.Fields(0).Value().toString(), QStringLiteral("x"));
}

inline void closedConnection()
{
    ado::Connection c;
    QCOMPARE(c.State(), int(ado::adStateClosed));
    QCOMPARE(raised([&] { c.Execute(QStringLiteral("SELECT 1")); }), 3709);
    QCOMPARE(raised([&] { c.Close(); }), 3704);
}

} // namespace adochecks
