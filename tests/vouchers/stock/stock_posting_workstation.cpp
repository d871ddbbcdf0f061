// One workstation posting stock at once, for the test that runs several on one database
// file: for each of its vouchers, an adjustment that comes in under an automatic lot and
// a delivery note of a kit, whose components go out under an internal "PE" voucher.
//
//   stock_posting_workstation <program folder> <database file> <first number> <vouchers>
//
// Voucher i is adjustment AJP 0001-<first + i> X and delivery note RM 0001-<first + i> R.
// Prints "POSTED <postings that succeeded> BOXES <message boxes shown>"; every box is
// answered OK and written to stderr.
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Startup.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/CountingOperator.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/StockPostingCall.h"
#include "vouchers/ClsCmnCptes.h"

#include <QApplication>
#include <cstdio>

using stocktest::Posteo;

int main(int argc, char* argv[])
{
    testsupport::PrepareTestProcess();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: stock_posting_workstation <folder> <database> <first number> <vouchers>\n");
        return 2;
    }
    vb::App::SetPath(args[1]);
    testsupport::FixedClock clock(2026, 12, 15, 10, 30);
    testsupport::RegionalPin regional;
    testsupport::CountingOperator op;
    ui::SetOperator(&op);
    frametest::OpenMain(args[2]);
    gPeriodo = 2026;
    gUsuarioLogeado = QStringLiteral("Vandrel");

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
    const int first = args[3].toInt();
    const int vouchers = args[4].toInt();
    int posted = 0;
    for (int i = 0; i < vouchers; ++i) {
        const QString numero = QStringLiteral("%1").arg(first + i, 8, 10, QLatin1Char('0'));
        Posteo ajuste;
        ajuste.tc = QStringLiteral("AJP");
        ajuste.id = QStringLiteral("0001") + numero + QStringLiteral("X");
        ajuste.run(c, entrada);
        posted += ajuste.hayError ? 0 : 1;
        Posteo remito;
        remito.id = QStringLiteral("0001") + numero + QStringLiteral("R");
        remito.run(c, kit);
        posted += remito.hayError ? 0 : 1;
    }
    std::printf("POSTED %d BOXES %d\n", posted, op.boxes);
    std::fflush(stdout);
    ui::SetOperator(nullptr);
    return 0;
}
