// ActualizaStock on a delivery note of 1,000 lines of 1,000 articles, one line in ten
// picked from two lots, with its stock accounting entry, on an SQLite file: at once (one
// transaction of its own) and collected (the posting, then its batch run in the caller's
// transaction). Each is compared with inserting the same movement rows through one
// prepared statement in one transaction, measured in the same run. Goal: at most 1 s,
// and at most 5 times the prepared inserts. Run by hand.
#include "BenchMainDatabase.h"
#include "BenchOperator.h"
#include "BenchProgram.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/SaveTransaction.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "numbering/ast.h"
#include "platform/ado/SqliteFunctions.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"

#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

using bench::ms;

namespace {

constexpr int kLines = 1000;
constexpr int kRuns = 5;

// Articles B0001..B1000 with their cost and stock account; every tenth one with two lots
// of stock in deposit 1.
QStringList catalogue()
{
    const QString n = QString::number(kLines);
    return {
        QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, idTipo, Costo, cuentacontableC) "
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < LIMITE) "
                       "SELECT 'B' || printf('%04d', i), 'Artículo de prueba ' || i, 'UN  ', 'VL', i, '1105' FROM n")
            .replace(QStringLiteral("LIMITE"), n),
        QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdDeposito, IdArticulo, NroLote, IdUnidad, Cantidad, "
                       "CantidadUD, IdUnidadBase) "
                       "WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 10 FROM n WHERE i < LIMITE) "
                       "SELECT 'SI  ', '000100000001X', i, '   1', 'B' || printf('%04d', i), printf('%-25s', l.lote || i), 'UN  ', "
                       "100000, 100000, 'UN  ' FROM n, (SELECT 'LA' AS lote UNION ALL SELECT 'LB') l")
            .replace(QStringLiteral("LIMITE"), n),
        QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'SI' WHERE CLAVE = 'ASIENTOSXSTOCK'"),
    };
}

void fill(ui::FlexGrid& g)
{
    g.setObjectName(QStringLiteral("MSFlexGrid2"));
    g.SetCols(ColArticulo::Count);
    g.SetRows(kLines + 1);
    const QChar sep(0xFF);
    for (int i = 1; i <= kLines; ++i) {
        const QString code = QStringLiteral("B%1").arg(i, 4, 10, QLatin1Char('0'));
        g.SetTextMatrix(i, ColArticulo::IdArticulo, code);
        g.SetTextMatrix(i, ColArticulo::Descripcion, QStringLiteral("Artículo de prueba %1").arg(i));
        g.SetTextMatrix(i, ColArticulo::Unidad, QStringLiteral("UN"));
        g.SetTextMatrix(i, ColArticulo::UnidadBase, QStringLiteral("UN"));
        g.SetTextMatrix(i, ColArticulo::Cantidad, QStringLiteral("3"));
        g.SetTextMatrix(i, ColArticulo::Costo, QString::number(i));
        g.SetTextMatrix(i, ColArticulo::PideSerie, QStringLiteral("0"));
        g.SetTextMatrix(i, ColArticulo::PideTalle, QStringLiteral("0"));
        g.SetTextMatrix(i, ColArticulo::PideLote, i % 10 == 0 ? QStringLiteral("-1") : QStringLiteral("0"));
        if (i % 10 == 0) {
            g.SetTextMatrix(i, ColArticulo::NroLote, QStringLiteral("|LA%1%2|LB%1%2|").arg(i).arg(sep));
            g.SetTextMatrix(i, ColArticulo::NroSerie, QStringLiteral("|2|1|"));
        }
    }
}

QString voucher(int n)
{
    return QStringLiteral("0001%1R").arg(n, 8, 10, QLatin1Char('0'));
}

// One posting; false when it failed. The collected batch runs in the caller's transaction.
bool post(ClsCmnCptes& c, ui::FlexGrid& g, const QString& id, bool collect)
{
    QString deposito = QStringLiteral("1"), destino, motivo, tcOrigen, cpteOrigen, sql, loteFijo;
    bool error = false;
    auto call = [&] {
        c.ActualizaStock(&g, QStringLiteral("RM"), id, QStringLiteral("0"), QStringLiteral("15/12/2026"), deposito, destino, motivo,
                         tcOrigen, cpteOrigen, false, QStringLiteral("110301"), collect, sql, error, QStringLiteral("NULL"), loteFijo,
                         QString(), QString(), 0, false, QStringLiteral("1"), 0, QStringLiteral("1"), vb::Currency::fromInt(1));
    };
    if (!collect) {
        call();
        return !error;
    }
    SaveTransaction t;
    if (!t.Begin())
        return false;
    NumberingInTransaction numeracion;
    call();
    ScriptFailure falla;
    return !error && RunScriptInTransaction({sql}, falla) && t.Commit();
}

// The movement rows of a voucher, every column but the ID, as the database holds them.
struct Rows {
    QStringList columns;
    std::vector<std::vector<QVariant>> values;
};

Rows read(const QString& file, const QString& id)
{
    Rows r;
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, QStringLiteral("SELECT * FROM V_MV_STOCK WHERE TRIM(TC) = 'RM' AND IdComprobante = '%1'").arg(id).toUtf8().constData(),
                       -1, &st, nullptr);
    const int n = sqlite3_column_count(st);
    for (int i = 1; i < n; ++i)
        r.columns << QString::fromUtf8(sqlite3_column_name(st, i));
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<QVariant> row;
        for (int i = 1; i < n; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER: row.emplace_back(qint64(sqlite3_column_int64(st, i))); break;
            case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(st, i)); break;
            case SQLITE_NULL: row.emplace_back(); break;
            default: row.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)))); break;
            }
        }
        r.values.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return r;
}

// The same rows inserted again through one prepared statement in one transaction, on a
// connection of their own that compares codes as the program's do; ms.
double insertPrepared(const QString& file, const Rows& rows, int copy)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // The collation the program's connections compare codes with keeps the indexes.
    ado::sqlite::RegisterFunctions(db);
    QStringList marks;
    for (int i = 0; i < rows.columns.size(); ++i)
        marks << QStringLiteral("?");
    const QByteArray sql = QStringLiteral("INSERT INTO V_MV_STOCK (%1) VALUES (%2)")
                               .arg(rows.columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
                               .toUtf8();
    const int idColumn = int(rows.columns.indexOf(QStringLiteral("IdComprobante")));
    const QByteArray id = QStringLiteral("0002%1R").arg(copy, 8, 10, QLatin1Char('0')).toUtf8();
    QElapsedTimer t;
    t.start();
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
    for (const auto& row : rows.values) {
        for (int i = 0; i < int(row.size()); ++i) {
            const QVariant& v = i == idColumn ? QVariant(QString::fromUtf8(id)) : row[i];
            if (v.isNull())
                sqlite3_bind_null(st, i + 1);
            else if (v.typeId() == QMetaType::LongLong)
                sqlite3_bind_int64(st, i + 1, v.toLongLong());
            else if (v.typeId() == QMetaType::Double)
                sqlite3_bind_double(st, i + 1, v.toDouble());
            else {
                const QByteArray text = v.toString().toUtf8();
                sqlite3_bind_text(st, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double elapsed = ms(t);
    sqlite3_close(db);
    return elapsed;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    bench::NoOperator operador;
    ui::SetOperator(&operador);
    if (!program.createDatabase(QStringLiteral("bench.sqlite"), {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")},
                                catalogue()))
        return 1;
    if (!bench::openMainDatabase(QStringLiteral("bench.sqlite")))
        return 1;
    gPeriodo = 2026;
    gUsuarioLogeado = QStringLiteral("bench");
    const QString file = program.filePath(QStringLiteral("bench.sqlite"));

    ui::FlexGrid grid;
    fill(grid);
    ClsCmnCptes c;
    std::vector<double> times[2];
    std::vector<double> prepared;
    int number = 100;
    int movements = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (int mode = 0; mode < 2; ++mode) {
            const QString id = voucher(++number);
            QElapsedTimer t;
            t.start();
            if (!post(c, grid, id, mode == 1)) {
                std::fprintf(stderr, "the posting failed\n");
                return 1;
            }
            times[mode].push_back(ms(t));
            const Rows rows = read(file, id);
            movements = int(rows.values.size());
            prepared.push_back(insertPrepared(file, rows, number));
        }
    }
    const double base = median(prepared);
    std::printf("delivery note of %d lines (%d movements, one line in ten from two lots) with its stock entry, median of %d:\n",
                kLines, movements, kRuns);
    std::printf("  the same rows through one prepared INSERT in one transaction: %.1f ms\n", base);
    const char* names[2] = {"at once (its own transaction)", "collected, then its batch run"};
    for (int mode = 0; mode < 2; ++mode) {
        const double m = median(times[mode]);
        std::printf("  %-34s %.1f ms, %.1f x the prepared inserts (goal: <= 1000 ms, <= 5 x)\n", names[mode], m, m / base);
    }
    gDBPrincipal.reset();
    ui::SetOperator(nullptr);
    return operador.prompts == 0 ? 0 : 1;
}
