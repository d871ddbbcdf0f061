// The reception form on a SQLite file: loading a date of 10,000 rows into the grid,
// against the bare query of the same rows in the same run (goal: at most 3 times the
// query), and saving rows one after another through F2's path, each with its accounting
// entry, under those 10,000 rows and on an empty date (goals: median at most 10 ms a row,
// and the two within 2 ms of each other). Run by hand.
#include "BenchReception.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/ado/Recordset.h"
#include "reception/frmRecepcionMutuales.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using bench::median;
using bench::ms;
using bench::pump;

namespace {

constexpr int kRows = 10000;
constexpr int kLoadRounds = 7;
constexpr int kRounds = 4;
constexpr int kSavesPerRound = 50;

// 10,000 rows received on the 15th of December, from the demo company's customers,
// one in twenty invoiced.
QString fillStatement()
{
    return QStringLiteral(
        "INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, FECHARECEPCION, USUARIO, "
        "UNEGOCIO, FACTURA) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "SELECT CASE i % 3 WHEN 0 THEN '110301' WHEN 1 THEN '110302' ELSE '110303' END, "
        "printf('B-%06d', i), (i % 5000) + 0.25, 'Recetas lote ' || i, '2026-12-15 00:00:00', '2026-12-15 00:00:00', "
        "'Vandrel', '   1', CASE WHEN i % 20 = 0 THEN '000100000200A' ELSE NULL END FROM n")
        .arg(kRows);
}

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    frmRecepcionMutuales form;
    if (!bench::startReception(program, form, {fillStatement()}))
        return 1;

    std::printf("loading a reception date of %d rows\n", kRows);
    const QString fecha = QStringLiteral("15/12/2026");
    // Query and load side by side in each round, the first round (a cold cache) aside.
    std::vector<double> queries;
    std::vector<double> loads;
    std::vector<double> ratios;
    for (int round = 0; round <= kLoadRounds; ++round) {
        QElapsedTimer q;
        q.start();
        {
            ado::Recordset rs;
            gDBPrincipal->AbrirRecordset(
                QStringLiteral("SELECT * FROM V_MV_MUTUALES WHERE FECHARECEPCION='") + fecha + QStringLiteral("' ORDER BY ID"), rs);
            int n = 0;
            while (!rs.EOF()) {
                for (int c = 0; c < rs.Fields().Count(); ++c)
                    rs.Fields(c).Value();
                ++n;
                rs.MoveNext();
            }
            gDBPrincipal->CierraRecordset(rs);
            if (n != kRows)
                std::fprintf(stderr, "the query read %d rows\n", n);
        }
        const double query = ms(q);

        form.txtFields[0]->setText(fecha);
        QElapsedTimer t;
        t.start();
        form.CargaMutualesFecha();
        form.MSFlexGrid1_RowColChange();
        form.MSFlexGrid1->viewport()->repaint();
        pump();
        const double load = ms(t);
        std::printf("round %d: query %7.1f ms, load into the form %7.1f ms (%d grid rows): %.2f times%s\n", round, query, load,
                    form.MSFlexGrid1->Rows() - 1, load / query, round == 0 ? " (warming up, not counted)" : "");
        if (round == 0)
            continue;
        queries.push_back(query);
        loads.push_back(load);
        ratios.push_back(load / query);
    }
    std::printf("load: median %.1f ms against the query's %.1f ms; median of the rounds' ratios %.2f times (goal 3)\n",
                median(loads), median(queries), median(ratios));

    // Rows saved one after another, as F2 saves them: the whole row checked, stored, its
    // entry numbered and written in its own transaction. In rounds, alternately under the
    // 10,000 rows of the loaded date and on a date of its own that starts empty.
    ui::FlexGrid* g = form.MSFlexGrid1;
    int saved = 0;
    const auto saveRows = [&](std::vector<double>& times) {
        for (int i = 0; i < kSavesPerRound; ++i) {
            const int row = g->Row();
            g->SetTextMatrix(row, 1, QStringLiteral("110303"));
            g->SetTextMatrix(row, 3, QStringLiteral("S-%1").arg(saved, 6, 10, QLatin1Char('0')));
            g->SetTextMatrix(row, 4, QStringLiteral("%1.50").arg(100 + i));
            g->SetTextMatrix(row, 5, QStringLiteral("   1"));
            g->SetTextMatrix(row, 6, QStringLiteral("Recetas de la semana"));
            QElapsedTimer t;
            t.start();
            form.cmdGrabar_Click();
            times.push_back(ms(t));
            if (g->TextMatrix(row, 7).isEmpty()) {
                std::fprintf(stderr, "row %d was not saved\n", saved + 1);
                std::_Exit(1);
            }
            ++saved;
        }
    };
    std::vector<double> underRows;
    std::vector<double> onEmpty;
    for (int round = 0; round < kRounds; ++round) {
        form.txtFields[0]->setText(fecha);
        form.CargaMutualesFecha();
        g->SetRows(g->Rows() + 1);
        g->SetRow(g->Rows() - 1);
        g->SetCol(1);
        const int gridRows = g->Rows() - 1;
        saveRows(underRows);
        form.txtFields[0]->setText(QStringLiteral("%1/01/2027").arg(round + 1, 2, 10, QLatin1Char('0')));
        form.CargaMutualesFecha();
        saveRows(onEmpty);
        std::printf("round %d: under %d rows median %.2f ms, on an empty date median %.2f ms\n", round + 1, gridRows,
                    median({underRows.end() - kSavesPerRound, underRows.end()}),
                    median({onEmpty.end() - kSavesPerRound, onEmpty.end()}));
    }
    const int lines = gDBPrincipal->gCnn->Execute(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen LIKE 'S-%'"))
                          .Fields(0)
                          .Value()
                          .toInt();
    std::printf("F2 (%d rows saved with %d entry lines): under %d rows median %.2f ms a row (worst %.2f), on an empty "
                "date median %.2f ms (worst %.2f); goal 10 ms, within 2 ms of each other\n",
                saved, lines, kRows, median(underRows), *std::max_element(underRows.begin(), underRows.end()),
                median(onEmpty), *std::max_element(onEmpty.begin(), onEmpty.end()));
    std::fflush(stdout);
    // The form's unload would end the process before the figures are read.
    std::_Exit(0);
}
