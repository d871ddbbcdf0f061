// One workstation posting stock entries, for the test that runs several at once on one
// database file: each delivery note's entry is produced and written in one transaction
// under the database's write lock, as a voucher form saves it.
//
//   stock_entry_workstation <program folder> <database file> <first number> <vouchers>
//
// Voucher i is delivery note R 0001-<first + i>. A save that waited for the lock in
// vain, or whose number was taken meanwhile, is run again. Prints "POSTED <vouchers
// written> BOXES <message boxes shown>"; every box is answered OK and written to stderr.
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/SaveTransaction.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "numbering/ast.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/CountingOperator.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"
#include "vouchers/ClsCmnCptes.h"

#include <QApplication>
#include <QThread>
#include <cstdio>

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
    testsupport::PrepareTestProcess();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: stock_entry_workstation <folder> <database> <first number> <vouchers>\n");
        return 2;
    }
    vb::App::SetPath(args[1]);
    testsupport::FixedClock clock(2026, 12, 9, 10, 30);
    testsupport::RegionalPin regional;
    testsupport::CountingOperator op;
    ui::SetOperator(&op);
    frametest::OpenMain(args[2]);
    gPeriodo = 2026;
    gUsuarioLogeado = QStringLiteral("Vandrel");

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
    const int first = args[3].toInt();
    const int vouchers = args[4].toInt();
    int posted = 0;
    for (int i = 0; i < vouchers; ++i) {
        const QString numero = QStringLiteral("%1").arg(first + i, 8, 10, QLatin1Char('0'));
        for (int vez = 1; vez <= 50; ++vez) {
            const Outcome o = post(c, grid, numero);
            if (o == Outcome::Written)
                ++posted;
            if (o != Outcome::Again)
                break;
            QThread::msleep(5 * vez);
        }
    }
    std::printf("POSTED %d BOXES %d\n", posted, op.boxes);
    std::fflush(stdout);
    ui::SetOperator(nullptr);
    return 0;
}
