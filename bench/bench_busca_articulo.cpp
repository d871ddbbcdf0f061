// BuscaArticulo on a catalogue of 100,000 articles: 10,000 scanned or typed codes, half
// barcodes and half article codes, one in twenty of each unknown. Goal: median at most
// 2 ms per code. Run by hand.
#include "BenchMainDatabase.h"
#include "BenchProgram.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "vouchers/grids/BuscaArticulo.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using bench::ms;

namespace {

constexpr int kArticles = 100000;
constexpr int kCodes = 10000;

// Articles ART000001..ART100000 with a main barcode 779 and ten digits, stored as the
// programs write a numeric code (aligned to the right of 25), and every tenth one a DUN
// barcode and a box barcode too. The count goes in by replace(): QString::arg would
// take the printf patterns ("%010d") for its own place markers.
QString fillStatement()
{
    return QStringLiteral(
        "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, idTipo, codigobarra, CODIGOBARRADUN, UD_TTE, "
        "CODIGOBARRA1, UMCB1) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < LIMITE) "
        "SELECT 'ART' || printf('%06d', i), 'Artículo de prueba ' || i, 'UN  ', 'VL', "
        "printf('%25s', '779' || printf('%010d', i)), "
        "CASE WHEN i % 10 = 0 THEN printf('%25s', '1779' || printf('%010d', i)) END, "
        "CASE WHEN i % 10 = 0 THEN 'BL  ' END, "
        "CASE WHEN i % 10 = 0 THEN printf('%25s', '780' || printf('%010d', i)) END, "
        "CASE WHEN i % 10 = 0 THEN 'CAJA' END FROM n")
        .replace(QStringLiteral("LIMITE"), QString::number(kArticles));
}

enum Kind { Barcode, Code, MissedBarcode, MissedCode, Kinds };
const char* const kKindNames[Kinds] = {"barcode", "article code", "unknown barcode", "unknown code"};

struct Probe {
    QString code;
    Kind kind;
};

// Half barcodes, half article codes; one in twenty of each is not in the catalogue.
std::vector<Probe> probes()
{
    std::vector<Probe> out;
    quint32 seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % kArticles) + 1;
    };
    for (int k = 0; k < kCodes; ++k) {
        const bool barcode = k % 2 == 0;
        const bool missed = (k / 2) % 20 == 7;
        const int i = next();
        if (barcode)
            out.push_back({QStringLiteral("%1%2").arg(missed ? QStringLiteral("990") : QStringLiteral("779"))
                               .arg(i, 10, 10, QLatin1Char('0')),
                           missed ? MissedBarcode : Barcode});
        else
            out.push_back({QStringLiteral("%1%2").arg(missed ? QStringLiteral("ZZZ") : QStringLiteral("ART"))
                               .arg(i, 6, 10, QLatin1Char('0')),
                           missed ? MissedCode : Code});
    }
    return out;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    QElapsedTimer build;
    build.start();
    if (!program.createDatabase(QStringLiteral("bench.sqlite"), {QStringLiteral("db/schema.sql")}, {fillStatement()}))
        return 1;
    std::printf("catalogue of %d articles built in %.0f ms\n", kArticles, ms(build));
    if (!bench::openMainDatabase(QStringLiteral("bench.sqlite")))
        return 1;
    DB_Dll& db = *gDBPrincipal;

    const std::vector<Probe> codes = probes();
    std::vector<double> all;
    std::vector<double> byKind[Kinds];
    int found[Kinds] = {};
    ado::Recordset rs;
    QElapsedTimer total;
    total.start();
    for (const Probe& p : codes) {
        QString code = p.code;
        qint16 barcodesFirst = 0;
        QString descripcion, udBase, lote;
        double cantidad = 0;
        vb::Currency importe;
        qint16 modo = 0;
        QElapsedTimer t;
        t.start();
        const bool ok = BuscaArticulo(code, rs, 1, barcodesFirst, descripcion, QString(), udBase, QString(), cantidad,
                                      importe, lote, QString(), modo);
        const double elapsed = ms(t);
        all.push_back(elapsed);
        byKind[p.kind].push_back(elapsed);
        found[p.kind] += ok ? 1 : 0;
    }
    const double wall = ms(total);
    db.CierraRecordset(rs);

    std::printf("BuscaArticulo, %d codes, read-only, article code before barcodes:\n", kCodes);
    for (int k = 0; k < Kinds; ++k)
        std::printf("  %-16s %5zu codes, %5d found, median %.3f ms\n", kKindNames[k], byKind[k].size(), found[k],
                    median(byKind[k]));
    std::vector<double> sorted = all;
    std::sort(sorted.begin(), sorted.end());
    std::printf("all: median %.3f ms, 95th percentile %.3f ms, worst %.3f ms, mean %.3f ms (goal: median 2 ms)\n",
                sorted[sorted.size() / 2], sorted[sorted.size() * 95 / 100], sorted.back(), wall / kCodes);
    gDBPrincipal.reset();
    return 0;
}
