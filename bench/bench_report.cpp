// The reception report of a day of 2 rows, printed from the form as the operator prints
// it (F4, the date in the header box), on a table of 1,000,000 reception rows and then,
// the other rows deleted, on a table of 1,000 (goals: at most 300 ms, and at most twice
// the time on the small table). Run by hand; prints its figures.
#include "BenchReception.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/report/ReportEngine.h"
#include "platform/zeltrix/Services.h"
#include "reception/frmRecepcionMutuales.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using bench::median;
using bench::ms;
using bench::pump;

namespace {

constexpr int kRows = 1000000;
constexpr int kSmall = 1000;
constexpr int kRuns = 7;

// A year of receptions, about 2,800 a day, and the day of 15 June 2027 with two.
QStringList fillStatements()
{
    return {QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, "
                           "FECHARECEPCION, USUARIO, UNEGOCIO, FACTURA) "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "SELECT CASE i % 3 WHEN 0 THEN '110301' WHEN 1 THEN '110302' ELSE '110303' END, "
                           "printf('B-%07d', i), (i % 5000) + 0.25, 'Recetas lote ' || i, "
                           "datetime('2026-06-01', '+' || (i % 360) || ' days'), "
                           "datetime('2026-06-01', '+' || (i % 360) || ' days'), 'Vandrel', '   1', "
                           "CASE WHEN i % 20 = 0 THEN '000100000200A' ELSE NULL END FROM n")
                .arg(kRows - 2),
            QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, "
                           "FECHARECEPCION, USUARIO, UNEGOCIO) VALUES "
                           "('110301', 'D-1', 1500.50, 'Recetas', '2027-06-15 00:00:00', '2027-06-15 00:00:00', 'Vandrel', '   1'), "
                           "('110302', 'D-2', 730.25, 'Recetas', '2027-06-15 00:00:00', '2027-06-15 00:00:00', 'Vandrel', '   1')")};
}

// The report of the day, printed kRuns times; the median.
double printDay(frmRecepcionMutuales& form, const char* label)
{
    form.txtFields[0]->setText(QStringLiteral("15/06/2027"));
    const int rows = gDBPrincipal->gCnn->Execute(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES")).Fields(0).Value().toLong();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        form.ImprimeReporte();
        times.push_back(ms(t));
        auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
        if (!engine || engine->lastFile().isEmpty()) {
            std::fprintf(stderr, "the report was not printed\n");
            std::_Exit(1);
        }
    }
    const double m = median(times);
    std::printf("%s: the report of a 2-row day from a table of %d rows: median %.1f ms (best %.1f, worst %.1f)\n", label,
                rows, m, *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    return m;
}

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    std::printf("filling a table of %d reception rows\n", kRows);
    std::fflush(stdout);
    if (!QFile::copy(QStringLiteral(BENCH_SOURCE_DIR "/reports/V_MV_MUTUALES_RECEPCION.json"),
                     program.filePath(QStringLiteral("V_MV_MUTUALES_RECEPCION.json"))))
        return 1;
    frmRecepcionMutuales form;
    if (!bench::startReception(program, form, fillStatements()))
        return 1;

    const double large = printDay(form, "large");
    // The same day on a table of 1,000 rows: the other rows go.
    gDBPrincipal->gCnn->Execute(QStringLiteral("DELETE FROM V_MV_MUTUALES WHERE ID > %1 AND IDMUTUAL LIKE 'B-%'")
                                    .arg(kSmall - 2));
    gDBPrincipal->gCnn->Execute(QStringLiteral("VACUUM"));
    const double small = printDay(form, "small");
    std::printf("2-row day: %.1f ms from %d rows, %.1f ms from %d (goal 300 ms, at most 2 times): %.2f times\n", large, kRows,
                small, kSmall, large / small);
    std::fflush(stdout);
    // The form's unload would end the process before the figures are read.
    std::_Exit(0);
}
