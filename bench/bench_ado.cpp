// The data layer's cost on the embedded engine:
//  1. opening a 10,000-row recordset through the layer, divided by reading the same
//     query through the raw sqlite3 API (goal: at most 3);
//  2. statements per second through Connection::Execute inside one transaction
//     (goal: at least 50,000).
#include "platform/ado/Connection.h"
#include "platform/vb/App.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kRepeats = 15;
constexpr int kStatements = 50000;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Reads every value of the query the way a caller of the raw API would.
double rawOpen(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::vector<double> times;
    long long checksum = 0;
    for (int r = 0; r < kRepeats; ++r) {
        QElapsedTimer t;
        t.start();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER: checksum += sqlite3_column_int64(st, i); break;
                case SQLITE_FLOAT: checksum += (long long)sqlite3_column_double(st, i); break;
                default: checksum += sqlite3_column_bytes(st, i) + (sqlite3_column_text(st, i) ? 1 : 0); break;
                }
            }
        }
        sqlite3_finalize(st);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    sqlite3_close(db);
    if (checksum == 42) std::printf(" ");
    return median(times);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    vb::App::SetPath(dir.path());
    const QString file = dir.filePath(QStringLiteral("bench.sqlite"));
    { QFile f(file); f.open(QIODevice::WriteOnly); }

    ado::Connection cnn;
    cnn.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=bench.sqlite"));
    cnn.Execute(QStringLiteral(
        "CREATE TABLE B (ID INTEGER PRIMARY KEY, CODIGO VARCHAR(10) COLLATE NOCASE, NOMBRE VARCHAR(40) COLLATE NOCASE, "
        "IMPORTE NUMERIC(19,4), FECHA DATETIME, CANTIDAD INTEGER)"));
    cnn.BeginTrans();
    for (int i = 1; i <= kRows; ++i)
        cnn.Execute(QStringLiteral("INSERT INTO B (CODIGO, NOMBRE, IMPORTE, FECHA, CANTIDAD) VALUES ('C%1', 'Nombre del registro %1', %2, '15/03/2024', %1)")
                        .arg(i).arg(i * 1.25));
    cnn.CommitTrans();

    // 1. recordset open versus raw reading
    const double raw = rawOpen(file, "SELECT * FROM B");
    std::vector<double> times;
    for (int r = 0; r < kRepeats; ++r) {
        QElapsedTimer t;
        t.start();
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM B with(nolock)"), cnn);
        if (rs.RecordCount() != kRows) { std::fprintf(stderr, "wrong row count\n"); return 1; }
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    const double layer = median(times);
    std::printf("open %d rows: layer %.2f ms, raw sqlite3 %.2f ms, ratio %.2f (goal <= 3)\n", kRows, layer, raw, layer / raw);

    // 2. statements per second inside one transaction
    cnn.Execute(QStringLiteral("CREATE TABLE S (ID INTEGER PRIMARY KEY, CODIGO VARCHAR(10) COLLATE NOCASE, IMPORTE NUMERIC(19,4))"));
    QElapsedTimer t;
    t.start();
    cnn.Execute(QStringLiteral("BEGIN TRANSACTION"));
    for (int i = 0; i < kStatements; ++i)
        cnn.Execute(QStringLiteral("INSERT INTO S (CODIGO, IMPORTE) VALUES ('K%1', %1.5)").arg(i));
    cnn.Execute(QStringLiteral("COMMIT TRANSACTION"));
    const double secs = t.nsecsElapsed() / 1e9;
    std::printf("Execute inside one transaction: %d statements in %.3f s, %.0f statements/s (goal >= 50000)\n",
                kStatements, secs, kStatements / secs);
    return 0;
}
