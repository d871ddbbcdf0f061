// One workstation posting stock at once, for the test that runs several on one database
// file: for each of its vouchers, an adjustment that comes in under an automatic lot and
// a delivery note of a kit, whose components go out under an internal "PE" voucher.
//
//   stock_posting_workstation <program folder> <database file> <first number> <vouchers>
//
// Voucher i is adjustment AJP 0001-<first + i> X and delivery note RM 0001-<first + i> R.
// Prints "POSTED <postings that succeeded> BOXES <message boxes shown>"; every box is
// answered OK and written to stderr.
#include "StockWorkstation.h"

#include "data/DB_Dll.h"
#include "platform/ui/FlexGrid.h"
#include "tests/vouchers/stock/StockPostingCall.h"
#include "vouchers/ClsCmnCptes.h"


using stocktest::Posteo;

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
    int posted = 0;
    for (int i = 0; i < ws.Vouchers(); ++i) {
        const QString numero = ws.Numero(i);
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
    return ws.Finish(posted);
}
