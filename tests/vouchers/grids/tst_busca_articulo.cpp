// BuscaArticulo on the demo catalogue: quantity and lot prefixes, signed scanned codes,
// article codes against barcodes in both orders, supplier codes with and without a
// purchase list, and the business-unit check of the sales programs.
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/grids/BuscaArticulo.h"

#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;

namespace {

QString at25(const char* digits)
{
    return QString::fromLatin1(digits).rightJustified(25, QLatin1Char(' '));
}

// Beside the demo catalogue: "AMO500" is also the barcode of OTRO; "X1" is the code of
// one article and the barcode of another; scanned codes that come with a sign; a
// supplier code without "." on ALCGEL; GUANTE belongs to the user's business unit.
QStringList extraRows()
{
    return {
        QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, codigobarra) "
                       "VALUES ('OTRO', 'Barra que es un código', 'UN  ', 'AMO500')"),
        QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD) VALUES ('X1', 'Código corto', 'UN  ')"),
        QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, codigobarra) "
                       "VALUES ('X1BARRA', 'Barra corta', 'KG  ', 'X1')"),
        QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, codigobarra) VALUES "
                       "('UPC', 'Código UPC', 'UN  ', '%1')").arg(at25("012345678905")),
        QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, CODIGOBARRA4, UMCB4) VALUES "
                       "('PESABLE', 'Queso por peso', 'KG  ', '%1', NULL)").arg(at25("2000001000010")),
        QStringLiteral("UPDATE V_MA_ARTICULOS SET CodigoArtProveedor = 'DSALC250', CuentaProveedor = '210101' "
                       "WHERE IDARTICULO = 'ALCGEL'"),
        QStringLiteral("UPDATE V_MA_ARTICULOS SET idTipo = '   1' WHERE IDARTICULO = 'GUANTE'"),
    };
}

const QString kUntouched = QStringLiteral("?");
const double kNoQuantity = -1;

struct Call {
    QString code;
    qint16 barcodeFirst = 0;
    QString account;
    QString list;
    QString description = kUntouched;
    QString udBase = kUntouched;
    double quantity = kNoQuantity;
    QString lot = kUntouched;
    qint16 mode = 0;
    QString tc;
    bool found = false;
    ado::Recordset rs;

    void run(qint16 soloLectura = 1)
    {
        vb::Currency amount = vb::Currency::fromInt(7);
        found = BuscaArticulo(code, rs, soloLectura, barcodeFirst, description, account, udBase, list, quantity, amount,
                              lot, tc, mode);
        QCOMPARE(amount, vb::Currency::fromInt(7));
    }
};

} // namespace

class TstBuscaArticulo : public QObject {
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("barcodeFirst");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("lotSwitch");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("code");          // argument 1 on return
        QTest::addColumn<QString>("udBase");
        QTest::addColumn<double>("quantity");       // -1: untouched
        QTest::addColumn<QString>("lot");           // "?": untouched
        QTest::addColumn<int>("barcodeFirstAfter");
        QTest::addColumn<QString>("description");   // "?": untouched

        const QString para = QStringLiteral("Paracetamol 500 mg x 10 comprimidos");
        const QString ibu = QStringLiteral("Ibuprofeno 400 mg x 20 comprimidos");
        auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

        row("blank: nothing changes") << "   " << 1 << "" << "" << false << false << "   " << "?" << -1.0 << "?" << 1
                                      << "?";
        row("article code") << "IBU400" << 0 << "" << "" << false << true << "IBU400" << "UN  " << -1.0 << "?" << 0 << ibu;
        row("code in another case") << "ibu400" << 0 << "" << "" << false << true << "IBU400" << "UN  " << -1.0 << "?"
                                    << 0 << ibu;
        row("quantity prefix") << "3*IBU400" << 0 << "" << "" << false << true << "IBU400" << "UN  " << 3.0 << "?" << 0
                               << ibu;
        row("quantity prefix with blanks") << "2.5 *  ALCGEL" << 0 << "" << "" << false << true << "ALCGEL" << "UN  " << 2.5
                                           << "?" << 0 << "Alcohol en gel 250 ml";
        row("quantity 0 keeps the star") << "0*123" << 0 << "" << "" << false << false << "0*123" << "" << 0.0 << "?" << 0
                                         << "?";
        row("no number before the star") << "x*IBU400" << 0 << "" << "" << false << false << "x*IBU400" << "" << 0.0 << "?"
                                         << 0 << "?";
        row("too short for a quantity") << "3*" << 0 << "" << "" << false << false << "3*" << "" << -1.0 << "?" << 0 << "?";
        row("main barcode") << "7790001000040" << 0 << "" << "" << false << true << "PARA500" << "UN  " << -1.0 << "?" << 0
                            << para;
        row("DUN barcode") << "17790001000047" << 0 << "" << "" << false << true << "PARA500" << "UN  " << -1.0 << "?" << 0
                           << para;
        row("box barcode") << "7790001000057" << 0 << "" << "" << false << true << "PARA500" << "UN  " << -1.0 << "?" << 0
                           << para;
        row("barcode, barcodes first") << "7790001000040" << 1 << "" << "" << false << true << "PARA500" << "UN  " << -1.0
                                       << "?" << 1 << para;
        row("quantity and barcode") << "12*7790001000011" << 0 << "" << "" << false << true << "IBU400" << "UN  " << 12.0
                                    << "?" << 0 << ibu;
        row("code of one, barcode of another: code first") << "AMO500" << 0 << "" << "" << false << true << "AMO500"
                                                           << "UN  " << -1.0 << "?" << 0
                                                           << "Amoxicilina 500 mg x 16 comprimidos";
        row("code of one, barcode of another: barcode first") << "AMO500" << 1 << "" << "" << false << true << "OTRO"
                                                              << "UN  " << -1.0 << "?" << 1 << "Barra que es un código";
        row("short code never searches barcodes first") << "X1" << 1 << "" << "" << false << true << "X1" << "UN  " << -1.0
                                                        << "?" << 0 << "Código corto";
        row("three characters clear the flag") << "ABC" << 1 << "" << "" << false << false << "ABC" << "" << -1.0 << "?"
                                               << 0 << "?";
        row("lot prefix, switch on") << "120A7790001000040" << 0 << "" << "" << true << true << "PARA500" << "UN  " << -1.0
                                     << "120" << 0 << para;
        row("lot prefix, switch off") << "120A7790001000040" << 0 << "" << "" << false << false << "120A7790001000040" << ""
                                      << -1.0 << "?" << 0 << "?";
        row("bare A, switch on: empty lot") << "A7790001000040" << 0 << "" << "" << true << true << "PARA500" << "UN  "
                                            << -1.0 << "" << 0 << para;
        row("letters before the A") << "X12A34" << 0 << "" << "" << true << false << "X12A34" << "" << -1.0 << "?" << 0
                                    << "?";
        row("letters after the A") << "12A3B" << 0 << "" << "" << true << false << "12A3B" << "" << -1.0 << "?" << 0 << "?";
        row("code with an A, switch on") << "PARA500" << 0 << "" << "" << true << true << "PARA500" << "UN  " << -1.0 << "?"
                                         << 0 << para;
        row("code starting with A, switch on") << "ALCGEL" << 0 << "" << "" << true << true << "ALCGEL" << "UN  " << -1.0
                                               << "?" << 0 << "Alcohol en gel 250 ml";
        row("quantity and lot") << "2*15a7790001000040" << 0 << "" << "" << true << true << "PARA500" << "UN  " << 2.0
                                << "15" << 0 << para;
        row("-0 and 11 digits loses its sign") << "-012345678905" << 0 << "" << "" << false << true << "UPC" << "UN  "
                                               << -1.0 << "?" << 0 << "Código UPC";
        row("-2 and 12 digits loses its sign") << "-2000001000010" << 0 << "" << "" << false << true << "PESABLE" << "KG  "
                                               << -1.0 << "?" << 0 << "Queso por peso";
        row("-123 keeps its sign") << "-123" << 0 << "" << "" << false << false << "-123" << "" << -1.0 << "?" << 0 << "?";
        row("-0 of another length keeps its sign") << "-0123456789" << 0 << "" << "" << false << false << "-0123456789"
                                                   << "" << -1.0 << "?" << 0 << "?";
        row("supplier code without a list") << "DS10.440" << 0 << "210101" << "" << false << true << "IBU400" << "UN  "
                                            << -1.0 << "?" << 0 << ibu;
        row("supplier code through the list") << "DS20.516" << 0 << "210101" << "DSUD" << false << true << "AMO500"
                                              << "UN  " << -1.0 << "?" << 0 << "Amoxicilina 500 mg x 16 comprimidos";
        row("listed code, no list given") << "DS20.516" << 0 << "210101" << "" << false << false << "DS20.516" << ""
                                          << -1.0 << "?" << 0 << "?";
        row("list code trimmed") << "DS10.500" << 0 << "210101" << " dsud " << false << true << "PARA500" << "UN  " << -1.0
                                 << "?" << 0 << para;
        row("code missing from the list: the article's supplier code") << "DS10.440" << 0 << "210101" << "OTRA" << false
                                                                       << true << "IBU400" << "UN  " << -1.0 << "?" << 0
                                                                       << ibu;
        row("supplier code without an account") << "DS10.440" << 0 << "" << "DSUD" << false << false << "DS10.440" << ""
                                                << -1.0 << "?" << 0 << "?";
        row("supplier code of another supplier") << "DS10.440" << 0 << "110301" << "" << false << false << "DS10.440" << ""
                                                 << -1.0 << "?" << 0 << "?";
        row("leading blank and a dot: tried trimmed") << " DS10.440" << 0 << "210101" << "" << false << true << "IBU400"
                                                      << "UN  " << -1.0 << "?" << 0 << ibu;
        row("leading blank, no dot: not tried again") << " DSALC250" << 0 << "210101" << "" << false << false
                                                      << " DSALC250" << "" << -1.0 << "?" << 0 << "?";
        row("apostrophe: simply not found") << "O'NEIL" << 0 << "210101" << "DSUD" << true << false << "O'NEIL" << ""
                                            << -1.0 << "?" << 0 << "?";
        row("unknown code") << "NOEXISTE" << 1 << "" << "" << false << false << "NOEXISTE" << "" << -1.0 << "?" << 1 << "?";
    }
    void resolve()
    {
        QFETCH(QString, typed);
        QFETCH(int, barcodeFirst);
        QFETCH(QString, account);
        QFETCH(QString, list);
        QFETCH(bool, lotSwitch);
        QFETCH(bool, found);
        QFETCH(QString, code);
        QFETCH(QString, udBase);
        QFETCH(double, quantity);
        QFETCH(QString, lot);
        QFETCH(int, barcodeFirstAfter);
        QFETCH(QString, description);

        VoucherFixture db(extraRows());
        ScriptedOperator prompts;   // no box of any kind
        testsupport::RegionalPin regional;
        gAsignacionAutomaticaDeLoteING = lotSwitch;
        Call c;
        c.code = typed;
        c.barcodeFirst = qint16(barcodeFirst);
        c.account = account;
        c.list = list;
        c.run();
        QCOMPARE(c.found, found);
        QCOMPARE(c.code, code);
        QCOMPARE(c.udBase, udBase);
        QCOMPARE(c.quantity, quantity);
        QCOMPARE(c.lot, lot);
        QCOMPARE(int(c.barcodeFirst), barcodeFirstAfter);
        QCOMPARE(c.description, description);
        if (found)
            QCOMPARE(c.rs.Fields(QStringLiteral("IDARTICULO")).Value().toString(), code);
    }

    // A read of IDUNIDAD by name gets the unit of the barcode that was scanned (the stock
    // unit where that barcode has none); UdBase is always the stock unit.
    void unitOfTheBarcode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("barcodeFirst");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("unidad");
        QTest::newRow("DUN barcode: its unit") << "17790001000047" << 0 << "PARA500" << "BL  ";
        QTest::newRow("box barcode: its unit") << "7790001000057" << 0 << "PARA500" << "CAJA";
        QTest::newRow("box barcode, barcodes first") << "7790001000057" << 1 << "PARA500" << "CAJA";
        QTest::newRow("main barcode: the stock unit") << "7790001000040" << 0 << "PARA500" << "UN  ";
        QTest::newRow("article code: the stock unit") << "PARA500" << 1 << "PARA500" << "UN  ";
        QTest::newRow("a barcode without its own unit: the stock unit") << "2000001000010" << 0 << "PESABLE" << "KG  ";
    }
    void unitOfTheBarcode()
    {
        QFETCH(QString, typed);
        QFETCH(int, barcodeFirst);
        QFETCH(QString, code);
        QFETCH(QString, unidad);
        VoucherFixture db(extraRows());
        ScriptedOperator prompts;
        Call c;
        c.code = typed;
        c.barcodeFirst = qint16(barcodeFirst);
        c.run();
        QVERIFY(c.found);
        QCOMPARE(c.code, code);
        QCOMPARE(c.rs.Fields(QStringLiteral("IDUNIDAD")).Value().toString(), unidad);
        QCOMPARE(c.rs.Fields(QStringLiteral("IdUnidad")).Value().toString(), unidad);
        QCOMPARE(c.udBase, c.rs.Fields(QStringLiteral("UDBASE")).Value().toString());
        QCOMPARE(c.rs.Fields(QStringLiteral("UDBASE")).Value().toString(), code == QLatin1String("PESABLE") ? "KG  " : "UN  ");
        QCOMPARE(c.rs.Fields(QStringLiteral("Descripcion")).Value().toString(), c.description);
    }

    // Either automatic-lot switch splits the lot off.
    void lotSwitchForProductionOrders()
    {
        VoucherFixture db;
        ScriptedOperator prompts;
        gAsignacionAutomaticaDeLoteINGOP = true;
        Call c;
        c.code = QStringLiteral("77A7790001000040");
        c.run();
        QVERIFY(c.found);
        QCOMPARE(c.lot, QStringLiteral("77"));
        QCOMPARE(c.code, QStringLiteral("PARA500"));
    }

    // The caller's recordset: its access, and an open one passed in is replaced.
    void recordsetAccess_data()
    {
        QTest::addColumn<int>("soloLectura");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("lock");
        QTest::newRow("read-only") << 1 << int(ado::adOpenForwardOnly) << int(ado::adLockReadOnly);
        QTest::newRow("any non-zero") << -1 << int(ado::adOpenForwardOnly) << int(ado::adLockReadOnly);
        QTest::newRow("zero: dynamic, optimistic") << 0 << int(ado::adOpenDynamic) << int(ado::adLockOptimistic);
    }
    void recordsetAccess()
    {
        QFETCH(int, soloLectura);
        QFETCH(int, cursor);
        QFETCH(int, lock);
        VoucherFixture db;
        ScriptedOperator prompts;
        Call c;
        gDBPrincipal->AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_UNIDAD"), c.rs);
        c.code = QStringLiteral("17790001000047");
        c.run(qint16(soloLectura));
        QVERIFY(c.found);
        QCOMPARE(c.rs.CursorType(), cursor);
        QCOMPARE(c.rs.LockType(), lock);
        QCOMPARE(c.rs.Fields(QStringLiteral("Descripabrev")).Value().toString(), QStringLiteral("PARACET 500"));
        QCOMPARE(c.rs.Fields(QStringLiteral("UD_TTE")).Value().toString(), QStringLiteral("BL  "));
    }

    // In an article master program the code is taken as typed: no quantity, no lot.
    void articleMasterProgram()
    {
        VoucherFixture db;
        ScriptedOperator prompts;
        db.folder.write(QStringLiteral("tz417qv.ini"),
                        "[Programas]\r\nMaestroArticulos=Articulos.exe, ARTICULOS2\r\nVentas=\r\n");
        vb::App::SetEXEName(QStringLiteral("articulos2"));
        gAsignacionAutomaticaDeLoteING = true;
        Call quantity;
        quantity.code = QStringLiteral("3*IBU400");
        quantity.run();
        QVERIFY(!quantity.found);
        QCOMPARE(quantity.code, QStringLiteral("3*IBU400"));
        QCOMPARE(quantity.quantity, kNoQuantity);
        Call lot;
        lot.code = QStringLiteral("120A7790001000040");
        lot.run();
        QVERIFY(!lot.found);
        QCOMPARE(lot.lot, kUntouched);
        // ".exe" in the list is the same program.
        vb::App::SetEXEName(QStringLiteral("ARTICULOS"));
        Call again;
        again.code = QStringLiteral("3*IBU400");
        again.run();
        QVERIFY(!again.found);
    }

    void businessUnit_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("perUnit");      // RazonSocialPorUneg
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("refused");      // the message is shown
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("modeAfter");
        QTest::newRow("other unit, mode 0: refused") << "facturacion" << true << "IBU400" << "FC" << 0 << true << false << 0;
        QTest::newRow("other unit, mode 1: flagged") << "FACTURACION" << true << "IBU400" << "FC" << 1 << false << true << 2;
        QTest::newRow("other unit, mode 2: silent") << "Facturacion" << true << "IBU400" << "FC" << 2 << false << true << 2;
        QTest::newRow("other unit, mode 7: silent") << "ventas2" << true << "IBU400" << "FC" << 7 << false << true << 7;
        QTest::newRow("FP takes any unit") << "facturacion" << true << "IBU400" << "FP" << 0 << false << true << 0;
        QTest::newRow("NCFP takes any unit") << "facturacion" << true << "IBU400" << "ncfp" << 0 << false << true << 0;
        QTest::newRow("NP takes any unit") << "facturacion" << true << "IBU400" << "NP  " << 0 << false << true << 0;
        QTest::newRow("the user's unit") << "facturacion" << true << "GUANTE" << "FC" << 0 << false << true << 0;
        QTest::newRow("switch off") << "facturacion" << false << "IBU400" << "FC" << 0 << false << true << 0;
        QTest::newRow("not a sales program") << "RecepcionMutuales" << true << "IBU400" << "FC" << 0 << false << true << 0;
        QTest::newRow("not found: no check") << "facturacion" << true << "NOEXISTE" << "FC" << 0 << false << false << 0;
    }
    void businessUnit()
    {
        QFETCH(QString, program);
        QFETCH(bool, perUnit);
        QFETCH(QString, article);
        QFETCH(QString, tc);
        QFETCH(int, mode);
        QFETCH(bool, refused);
        QFETCH(bool, result);
        QFETCH(int, modeAfter);
        VoucherFixture db(extraRows());
        db.folder.write(QStringLiteral("TZ417qv.INI"), "[Programas]\r\nVentas=FACTURACION,Ventas2.EXE\r\n");
        vb::App::SetEXEName(program);
        gRazonSocialPorUneg = perUnit;
        ScriptedOperator prompts;
        if (refused)
            prompts.expectMsgBox(QStringLiteral("Este articulo pertenece a una unidad de negocio distinta a la seleccionada"),
                                 ui::vbOK, QString(), ui::vbOKOnly);
        Call c;
        c.code = article;
        c.tc = tc;
        c.mode = qint16(mode);
        c.run();
        QCOMPARE(c.found, result);
        QCOMPARE(int(c.mode), modeAfter);
        if (refused) {
            // The refused article is still handed back.
            QCOMPARE(c.code, QStringLiteral("IBU400"));
            QCOMPARE(c.description, QStringLiteral("Ibuprofeno 400 mg x 20 comprimidos"));
        }
    }

    // Without the INI file or its keys, this program is in neither list.
    void noListsByDefault()
    {
        VoucherFixture db;
        ScriptedOperator prompts;
        gRazonSocialPorUneg = true;
        Call c;
        c.code = QStringLiteral("3*IBU400");
        c.run();
        QVERIFY(c.found);
        QCOMPARE(c.quantity, 3.0);
    }

    // A query that fails is shown by the data layer and its error reaches the caller.
    void failedQueryReachesTheCaller()
    {
        VoucherFixture db;
        db.Exec(QStringLiteral("DROP TABLE V_MA_ARTICULOS"));
        ScriptedOperator prompts;
        prompts.expectMsgBox(QString(), ui::vbAbort);
        Call c;
        c.code = QStringLiteral("IBU400");
        QVERIFY_THROWS_EXCEPTION(vb::VbError, c.run());
    }
};

TESTSUPPORT_MAIN(TstBuscaArticulo)
#include "tst_busca_articulo.moc"
