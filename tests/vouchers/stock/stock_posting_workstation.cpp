// One workstation posting stock, for the test that runs several on one database file: for
// each of its vouchers, an adjustment that comes in under an automatic lot and a delivery
// note of a kit, whose components go out under an internal "PE" voucher.
//
//   stock_posting_workstation <program folder> <database file> <first number> <vouchers> [recoger]
//
// Voucher i is adjustment AJP 0001-<first + i> X and delivery note RM 0001-<first + i> R.
// At once each posting takes its numbers in its own transaction. With "recoger" the two
// postings of a voucher are collected first, outside any transaction, and run as one
// batch in the workstation's transaction, as a voucher form saves them: a lock waited
// for in vain runs the batch again, any other failure (a number taken by another
// workstation among them) is reported on stderr and counts as not posted.
// Prints "POSTED <postings that succeeded> BOXES <message boxes shown>"; every box is
// answered OK and written to stderr.
#include "StockWorkstation.h"

#include "data/DB_Dll.h"
#include "frame/SaveTransaction.h"
#include "frame/StatementBuilder.h"
#include "platform/ui/FlexGrid.h"
#include "tests/vouchers/stock/StockPostingCall.h"
#include "vouchers/ClsCmnCptes.h"


using stocktest::Posteo;

namespace {

// The collected batch in one transaction of the workstation; true when it was written.
bool runBatch(const QString& lote)
{
    for (int vez = 1; vez <= 50; ++vez) {
        SaveTransaction t;
        if (!t.Begin()) {
            if (t.LockWait())
                continue;
            std::fprintf(stderr, "BEGIN failed: %s\n", qPrintable(t.FailureText()));
            return false;
        }
        try {
            ScriptFailure falla;
            if (!RunScriptInTransaction({lote}, falla)) {
                if (falla.lockWait)
                    continue;
                std::fprintf(stderr, "batch failed (%d): %s\n", falla.number, qPrintable(falla.text));
                return false;
            }
            if (t.Commit())
                return true;
            if (!t.LockWait())
                return false;
        } catch (const data::ErrorInTransaction& e) {
            if (!data::IsLockWait(gDBPrincipal->gCnn->Errors())) {
                std::fprintf(stderr, "batch failed: %s\n", qPrintable(e.error.Description));
                return false;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    stocktest::Workstation ws(argc, argv, QDate(2026, 12, 15));
    if (!ws.Started())
        return 2;

    ui::FlexGrid entrada;
    stocktest::Llena(entrada, {{{ColArticulo::IdArticulo, QStringLiteral("FRA500")},
                                {ColArticulo::Unidad, QStringLiteral("UN")},
                                {ColArticulo::Cantidad, QStringLiteral("2")},
                                {ColArticulo::Costo, QStringLiteral("120")}}});
    ui::FlexGrid kit;
    stocktest::Llena(kit, {{{ColArticulo::IdArticulo, QStringLiteral("BOTIQ")},
                            {ColArticulo::Unidad, QStringLiteral("UN")},
                            {ColArticulo::Cantidad, QStringLiteral("1")},
                            {ColArticulo::Costo, QStringLiteral("4200")}}});

    // One voucher object for every voucher, as a form keeps its own.
    ClsCmnCptes c;
    const bool recoger = ws.Mode() == QLatin1String("recoger");
    int posted = 0;
    for (int i = 0; i < ws.Vouchers(); ++i) {
        const QString numero = ws.Numero(i);
        Posteo ajuste;
        ajuste.tc = QStringLiteral("AJP");
        ajuste.id = QStringLiteral("0001") + numero + QStringLiteral("X");
        ajuste.recoger = recoger;
        ajuste.run(c, entrada);
        Posteo remito;
        remito.id = QStringLiteral("0001") + numero + QStringLiteral("R");
        remito.recoger = recoger;
        remito.sqlTemp = ajuste.sqlTemp;
        remito.run(c, kit);
        const bool hechos = !ajuste.hayError && !remito.hayError && (!recoger || runBatch(remito.sqlTemp));
        posted += recoger ? (hechos ? 2 : 0) : (ajuste.hayError ? 0 : 1) + (remito.hayError ? 0 : 1);
    }
    return ws.Finish(posted);
}
