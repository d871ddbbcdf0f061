// One workstation posting stock entries, for the test that runs several at once on one
// database file: each delivery note's entry is produced and written in one transaction
// under the database's write lock, as a voucher form saves it.
//
//   stock_entry_workstation <program folder> <database file> <first number> <vouchers>
//
// Voucher i is delivery note R 0001-<first + i>. A save that waited for the lock in
// vain, or whose number was taken meanwhile, is run again. Prints "POSTED <vouchers
// written> BOXES <message boxes shown>"; every box is answered OK and written to stderr.
#include "StockWorkstation.h"

#include "data/DB_Dll.h"
#include "frame/SaveTransaction.h"
#include "frame/StatementBuilder.h"
#include "numbering/ast.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"

#include <QThread>

namespace {

enum class Outcome { Written, Again, Failed };

// The voucher's entry, produced and written in one transaction.
Outcome post(ClsCmnCptes& c, ui::FlexGrid& grid, const QString& numero)
{
    SaveTransaction t;
    if (!t.Begin())
        return t.LockWait() ? Outcome::Again : Outcome::Failed;
    try {
        NumberingInTransaction numeracion;
        QString motivo;
        QString tc = QStringLiteral("RM");
        QString suc = QStringLiteral("0001");
        QString nro = numero;
        QString letra = QStringLiteral("R");
        bool esDebito = true;
        qint16 secuencia = 1;
        const QString sentencias = c.GeneraAsientoStock(&grid, motivo, tc, suc, nro, letra, QStringLiteral("09/12/2026"), esDebito,
                                                        1, 0, secuencia);
        if (sentencias.isEmpty())
            return Outcome::Failed;
        ScriptFailure falla;
        if (!RunScriptInTransaction({sentencias}, falla))
            return falla.lockWait || falla.number == 2627 ? Outcome::Again : Outcome::Failed;
        if (!t.Commit())
            return t.LockWait() ? Outcome::Again : Outcome::Failed;
        return Outcome::Written;
    } catch (const data::ErrorInTransaction&) {
        return data::IsLockWait(gDBPrincipal->gCnn->Errors()) ? Outcome::Again : Outcome::Failed;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    stocktest::Workstation ws(argc, argv, QDate(2026, 12, 9));
    if (!ws.Started())
        return 2;

    ui::FlexGrid grid;
    grid.setObjectName(QStringLiteral("MSFlexGrid2"));
    grid.SetCols(ColArticulo::Count);
    grid.SetRows(3);
    grid.SetTextMatrix(1, ColArticulo::IdArticulo, QStringLiteral("IBU400"));
    grid.SetTextMatrix(1, ColArticulo::Cantidad, QStringLiteral("2"));
    grid.SetTextMatrix(1, ColArticulo::Costo, QStringLiteral("1850"));
    grid.SetTextMatrix(2, ColArticulo::IdArticulo, QStringLiteral("FRA500"));
    grid.SetTextMatrix(2, ColArticulo::Cantidad, QStringLiteral("10"));
    grid.SetTextMatrix(2, ColArticulo::Costo, QStringLiteral("120"));

    // One voucher object for every voucher, as a form keeps its own.
    ClsCmnCptes c;
    int posted = 0;
    for (int i = 0; i < ws.Vouchers(); ++i) {
        const QString numero = ws.Numero(i);
        for (int vez = 1; vez <= 50; ++vez) {
            const Outcome o = post(c, grid, numero);
            if (o == Outcome::Written)
                ++posted;
            if (o != Outcome::Again)
                break;
            QThread::msleep(5 * vez);
        }
    }
    return ws.Finish(posted);
}
