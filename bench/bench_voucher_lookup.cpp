// The voucher lookup on 50,000 stored invoices: opening it through
// ClsCmnCptes::ConsultaComprobante (statement, query, rows, first paint) and sorting the
// open list by a clicked column (voucher as text, date by date, amount by value), each
// sort with its repaint. Goals: open at most 1.5 s, a sort at most 300 ms. Run by hand.
#include "BenchMainDatabase.h"
#include "BenchProgram.h"

#include "platform/ui/ListView.h"
#include "platform/ui/Operator.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/lookup/FrmConsComprobantes.h"

#include <QDialog>
#include <QHeaderView>
#include <cstdio>
#include <functional>

using bench::ms;
using bench::pump;

namespace {

constexpr int kVouchers = 50000;

// Invoices 0001-00000001A on, one a few minutes after the other from January 2026, to
// three customers, with amounts of up to 999,999.99 and two decimals.
QString fillStatement()
{
    return QStringLiteral(
        "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, Importe, ANULADA, APROBADO, "
        "OBSERVACIONES, FechaHora_Grabacion) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "SELECT 'FC  ', printf('0001%08dA', i), 0, date('2026-01-01', '+' || (i / 150) || ' days') || ' 00:00:00', "
        "'11030' || (1 + i % 3), 'Cliente ' || (i * 7919 % 1000), ((i * 104729) % 99999999) / 100.0, i % 97 = 0, "
        "i % 5 = 0, 'Factura ' || i, "
        "datetime('2026-01-01 08:00:00', '+' || (i * 9) || ' minutes') FROM n")
        .arg(kVouchers);
}

// Times the dialog where the operator would see it, then closes it.
class TimingOperator : public ui::QtOperator {
public:
    std::function<void(FrmConsComprobantes&)> onShown;
    int ShowModal(QDialog& form) override
    {
        form.show();
        auto& lookup = static_cast<FrmConsComprobantes&>(form);
        lookup.ListView1->sync();
        lookup.ListView1->viewport()->repaint();
        pump();
        onShown(lookup);
        form.hide();
        return QDialog::Rejected;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    if (!program.createDatabase(QStringLiteral("bench.sqlite"), {QStringLiteral("db/schema.sql")}, {fillStatement()}))
        return 1;
    if (!bench::openMainDatabase(QStringLiteral("bench.sqlite")))
        return 1;
    TimingOperator op;
    ui::SetOperator(&op);
    ClsCmnCptes cptes;

    std::printf("voucher lookup on %d invoices\n", kVouchers);
    double worstOpen = 0, worstSort = 0;
    for (int round = 1; round <= 3; ++round) {
        QElapsedTimer t;
        t.start();
        op.onShown = [&](FrmConsComprobantes& form) {
            const double open = ms(t);
            worstOpen = qMax(worstOpen, open);
            std::printf("open %d: %7.1f ms (%d rows)\n", round, open, form.ListView1->ListItems().Count());
            if (round != 3)
                return;
            QHeaderView* header = form.ListView1->header();
            const struct {
                int column;
                const char* what;
            } clicks[] = {{2, "COMPROBANTE (text)"}, {2, "COMPROBANTE again"}, {1, "FECHA (date)"},
                          {6, "IMPORTE (value)"}, {4, "NOMBRE (text)"}};
            for (const auto& click : clicks) {
                QElapsedTimer s;
                s.start();
                emit header->sectionClicked(click.column - 1);
                form.ListView1->sync();
                form.ListView1->viewport()->repaint();
                pump();
                const double sorted = ms(s);
                worstSort = qMax(worstSort, sorted);
                std::printf("  sort by %-20s %6.1f ms\n", click.what, sorted);
            }
        };
        QString respuesta;
        cptes.ConsultaComprobante(QStringLiteral("FC"), respuesta);
    }
    std::printf("worst open %.1f ms (goal 1500 ms), worst sort %.1f ms (goal 300 ms)\n", worstOpen, worstSort);
    ui::SetOperator(nullptr);
    gDBPrincipal.reset();
    return 0;
}
