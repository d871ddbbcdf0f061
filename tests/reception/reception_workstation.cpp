// One reception workstation, for the tests that need several at once: the reception
// form, started as the suite's menu starts it on a program folder of its own, saves
// rows through its Grabar button on a database file the other workstations share.
//
//   reception_workstation <program folder> <database file> <name> <rows> [shared|endless]
//
// Row i receives voucher "<name>-<i>" ("COMUN-<i>" with `shared`, the same on every
// workstation). With `endless` it saves until it is killed, and every fourth row's
// observations read "rechazar". Prints "READY" once the form is loaded and, at the
// end, "SAVED <rows marked saved> BOXES <message boxes shown>"; every box is answered
// OK and written to stderr.
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "reception/frmRecepcionMutuales.h"
#include "tests/support/CountingOperator.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    testsupport::PrepareTestProcess();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: reception_workstation <folder> <database> <name> <rows> [shared|endless]\n");
        return 2;
    }
    const QString name = args[3];
    const QString mode = args.value(5);
    const bool endless = mode == QLatin1String("endless");
    const int rows = endless ? 1000000 : args[4].toInt();

    vb::App::SetPath(args[1]);
    vb::App::SetCommand(QStringLiteral("@Server=SQLITE;@DbName=") + args[2] + QStringLiteral(";@Usuario=Vandrel;@Password=;@Caja=1"));
    testsupport::FixedClock clock(2026, 12, 9, 10, 30);
    testsupport::RegionalPin regional;
    testsupport::CountingOperator op;
    ui::SetOperator(&op);

    frmRecepcionMutuales form;
    form.show();
    std::printf("READY\n");
    std::fflush(stdout);

    const QStringList cuentas{QStringLiteral("110301"), QStringLiteral("110302"), QStringLiteral("110303")};
    ui::FlexGrid* g = form.MSFlexGrid1;
    int saved = 0;
    for (int i = 1; i <= rows; ++i) {
        const int fila = g->Row();
        g->SetTextMatrix(fila, 1, cuentas[i % cuentas.size()]);
        g->SetTextMatrix(fila, 3, (mode == QLatin1String("shared") ? QStringLiteral("COMUN") : name) + QStringLiteral("-%1").arg(i));
        g->SetTextMatrix(fila, 4, QStringLiteral("10.50"));
        g->SetTextMatrix(fila, 5, QStringLiteral("1"));
        g->SetTextMatrix(fila, 6, endless && i % 4 == 0 ? QStringLiteral("rechazar") : QStringLiteral("Recetas"));
        g->SetCol(1);
        form.cmdGrabar_Click();
        if (g->TextMatrix(fila, 0) == QLatin1String("*"))
            ++saved;
    }
    std::printf("SAVED %d BOXES %d\n", saved, op.boxes);
    std::fflush(stdout);
    ui::SetOperator(nullptr);
    return 0;
}
