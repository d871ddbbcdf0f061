// GeneraAsientoStock: the stock accounting entry of an article grid, whole or row by row.
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Startup.h"
#include "platform/ui/FlexGrid.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/ClsCmnCptes.h"

#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;

namespace {

const QString kFecha = QStringLiteral("15/12/2026");

// A grid row: article, quantity, unit cost (column 38) and price without VAT (column 17).
struct Renglon {
    QString articulo;
    QString cantidad;
    QString costo;
    QString precio = QStringLiteral("0");
};

// A written line as the tests read it.
struct Linea {
    QString cuenta;
    QString lado;
    double importe;
    int secuencia;
    bool operator==(const Linea&) const = default;
};

// An entry of the stock sub-journal already in December 2026, number 6.
const QString kAsientoPrevio = QStringLiteral(
    "INSERT INTO MV_ASIENTOS (TC, Sucursal, Numero, Letra, Secuencia, Mes_Operativo, Tipo_Reg, Periodo, [NUMERO ASIENTO], Cuenta, "
    "[Debe-Haber], Importe) VALUES ('AJP', '0001', '00000003', 'X', 1, 12, 'STK ', 2026, 6, '1105', 'D', 10)");

// The voucher's call: its arguments by reference, as the caller keeps them.
struct Llamada {
    Llamada(QString m, QString t) : motivo(std::move(m)), tc(std::move(t)) {}
    QString motivo;
    QString tc;
    QString suc = QStringLiteral("0001");
    QString nro = QStringLiteral("00000058");
    QString letra = QStringLiteral("R");
    bool esDebito = false;
    qint16 tipoMov = 0;
    qint32 soloRegistro = 0;
    qint16 secuencia = 1;
    std::optional<double> cantidad;

    QString run(ClsCmnCptes& c, ui::FlexGrid& g)
    {
        return c.GeneraAsientoStock(&g, motivo, tc, suc, nro, letra, kFecha, esDebito, tipoMov, soloRegistro, secuencia, cantidad);
    }
};

void fill(ui::FlexGrid& g, const QList<Renglon>& renglones, const QString& nombre = QStringLiteral("MSFlexGrid2"))
{
    g.setObjectName(nombre);
    g.SetCols(ColArticulo::Count);
    g.SetRows(int(renglones.size()) + 1);
    for (int i = 0; i < renglones.size(); ++i) {
        g.SetTextMatrix(i + 1, ColArticulo::IdArticulo, renglones[i].articulo);
        g.SetTextMatrix(i + 1, ColArticulo::Cantidad, renglones[i].cantidad);
        g.SetTextMatrix(i + 1, ColArticulo::Costo, renglones[i].costo);
        g.SetTextMatrix(i + 1, ColArticulo::PrecioSinIVA, renglones[i].precio);
    }
}

// Runs the statements as the caller does; fails the test when the database refuses them.
void ejecuta(const QString& sentencias)
{
    gDBPrincipal->EjecutaConsultaSQL(sentencias);
    QCOMPARE(gDBPrincipal->gCnn->Errors().Count(), 0);
}

QList<Linea> lineas(const VoucherFixture& db, const QString& tc, const QString& numero)
{
    QList<Linea> out;
    const auto rows = db.Query(QStringLiteral("SELECT Cuenta, [Debe-Haber], Importe, Secuencia FROM MV_ASIENTOS WHERE TC = '%1' "
                                              "AND Numero = '%2' ORDER BY Secuencia")
                                   .arg(tc, numero));
    for (const QVariantList& r : rows)
        out << Linea{r[0].toString(), r[1].toString(), r[2].toDouble(), r[3].toInt()};
    return out;
}

// The same lines from the statements, without running them.
QList<Linea> lineasDe(VoucherFixture& db, const QString& sentencias, const QString& tc, const QString& numero)
{
    ejecuta(sentencias);
    return lineas(db, tc, numero);
}

bool balanced(const QList<Linea>& ls)
{
    double debe = 0;
    double haber = 0;
    for (const Linea& l : ls)
        (l.lado == QLatin1String("D") ? debe : haber) += l.importe;
    return qFuzzyCompare(debe + 1, haber + 1);
}

} // namespace

Q_DECLARE_METATYPE(Renglon)
Q_DECLARE_METATYPE(Linea)

class TstStockEntry : public QObject {
    Q_OBJECT

    // The demo with stock entries switched on and an entry of the stock sub-journal.
    void open(const QStringList& extra = {})
    {
        db_ = std::make_unique<VoucherFixture>(QStringList{kAsientoPrevio} + extra);
        db_->SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("si"));
        gPeriodo = 2026;
        gUsuarioLogeado = QStringLiteral("Vandrel");
    }

private slots:
    void init() { clock_ = std::make_unique<testsupport::FixedClock>(2026, 12, 15, 10, 30); }
    void cleanup()
    {
        db_.reset();
        clock_.reset();
    }

    void deliveryNote()
    {
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}, {"AMO500", "1", "2740"}, {"ibu400", "1", "1850"}});
        ClsCmnCptes c;
        Llamada l{QStringLiteral("9"), QStringLiteral("RM")};
        l.tipoMov = 1;
        const QString sentencias = l.run(c, g);
        // Two INSERTs, each after CR LF; the next free sequence comes back.
        QCOMPARE(sentencias.count(QStringLiteral("\r\nINSERT INTO MV_ASIENTOS (Cuenta,Secuencia,Mes_Operativo,[Numero Asiento],")), 2);
        QVERIFY(sentencias.startsWith(QStringLiteral("\r\n")));
        QCOMPARE(l.secuencia, qint16(3));
        // The configured motive of delivery notes, debited.
        QCOMPARE(l.motivo, QStringLiteral("2"));
        QVERIFY(l.esDebito);
        // One amount per article (the same article twice counts once), one line per account.
        QCOMPARE(lineasDe(*db_, sentencias, QStringLiteral("RM"), l.nro),
                 (QList<Linea>{{"5101", "D", 8290, 1}, {"1105", "H", 8290, 2}}));
        const auto head = db_->Query(QStringLiteral(
            "SELECT DISTINCT [NUMERO ASIENTO], Tipo_Reg, Mes_Operativo, Periodo, CABImporte, CABCuenta, CABNombre, Detalle, Sucursal, "
            "Letra, Unegocio, IdCajas, Moneda, Cotizacion, USUARIO_LOGEADO, Fecha, FechaHora_Grabacion FROM MV_ASIENTOS WHERE TC = 'RM'"));
        QCOMPARE(head.size(), 1);
        const QVariantList expected{7, "STK ", 12, 2026, 8290, "5101", "2", QStringLiteral("Venta de mercadería"), "0001", "R",
                                    "   1", "   1", "   1", 1, "Vandrel", "2026-12-15 00:00:00", "2026-12-15 10:30:00"};
        for (int i = 0; i < expected.size(); ++i) {
            const QVariant& v = head[0][i];
            QCOMPARE(v.metaType().id() == QMetaType::QDateTime ? v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : v.toString(),
                     expected[i].toString());
        }
    }

    void movementKinds_data()
    {
        QTest::addColumn<int>("tipoMov");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("grilla");
        QTest::addColumn<QString>("motivoPasado");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QString>("contrapartida");
        QTest::addColumn<bool>("esDebito");
        QTest::addColumn<double>("importe");

        const QString grid = QStringLiteral("MSFlexGrid2");
        const QString dif = QStringLiteral("MSFlexGridDif");
        // 2 units of cost 1850 and price without VAT 3000.
        QTest::newRow("1 delivery note") << 1 << "RM" << grid << "9" << "2" << "5101" << true << 3700.0;
        QTest::newRow("2 on loan") << 2 << "RM" << grid << "9" << "3" << "1107" << true << 3700.0;
        QTest::newRow("3 to the distribution centre") << 3 << "RM" << grid << "9" << "4" << "1108" << true << 3700.0;
        QTest::newRow("4 back from the centre") << 4 << "IR" << grid << "9" << "4" << "1108" << false << 3700.0;
        QTest::newRow("5 reception of an order, at price") << 5 << "IR" << grid << "9" << "5" << "2104" << false << 6000.0;
        QTest::newRow("1 on the grid of differences") << 1 << "RM" << dif << "6" << "6" << "5102" << false << 3700.0;
        QTest::newRow("5 on the grid of differences") << 5 << "IR" << dif << "6" << "6" << "5102" << true << 6000.0;
        QTest::newRow("purchase delivery note, at price") << 0 << "RMC" << grid << "9" << "5" << "2104" << false << 6000.0;
        QTest::newRow("reception report") << 0 << "IR" << grid << "6" << "6" << "5102" << false << 3700.0;
        QTest::newRow("positive adjustment") << 0 << "AJP" << grid << "6" << "6" << "5102" << false << 3700.0;
        QTest::newRow("negative adjustment, filled") << 0 << "AJN " << grid << "6" << "6" << "5102" << true << 3700.0;
        QTest::newRow("a transfer goes out") << 0 << "TR" << grid << "'4'" << "4" << "1108" << true << 3700.0;
        QTest::newRow("a delivery note by its sign") << 0 << "RM" << grid << "2" << "2" << "5101" << true << 3700.0;
    }
    void movementKinds()
    {
        QFETCH(int, tipoMov);
        QFETCH(QString, tc);
        QFETCH(QString, grilla);
        QFETCH(QString, motivoPasado);
        QFETCH(QString, motivo);
        QFETCH(QString, contrapartida);
        QFETCH(bool, esDebito);
        QFETCH(double, importe);
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850", "3000"}}, grilla);
        ClsCmnCptes c;
        Llamada l{motivoPasado, tc};
        l.tipoMov = qint16(tipoMov);
        l.esDebito = !esDebito;
        const QString sentencias = l.run(c, g);
        QCOMPARE(l.motivo, motivo);
        QCOMPARE(l.esDebito, esDebito);
        const QString debe = esDebito ? QStringLiteral("D") : QStringLiteral("H");
        const QString haber = esDebito ? QStringLiteral("H") : QStringLiteral("D");
        QCOMPARE(lineasDe(*db_, sentencias, tc.trimmed(), l.nro),
                 (QList<Linea>{{contrapartida, debe, importe, 1}, {"1105", haber, importe, 2}}));
    }

    void balancedEntry_data()
    {
        QTest::addColumn<QList<Renglon>>("renglones");
        QTest::addColumn<QList<Linea>>("esperadas");
        QTest::addColumn<int>("secuencia");

        // Goods of account 1105 out, raw materials of account 1106 back in.
        QTest::newRow("accounts 100 and -30")
            << QList<Renglon>{{"IBU400", "2", "50"}, {"FRA500", "-3", "10"}}
            << QList<Linea>{{"5101", "D", 70, 1}, {"1105", "H", 100, 2}, {"1106", "D", 30, 3}} << 4;
        QTest::newRow("a negative total changes the counter line's side")
            << QList<Renglon>{{"IBU400", "-5", "10"}, {"FRA500", "2", "10"}}
            << QList<Linea>{{"5101", "H", 30, 1}, {"1105", "D", 50, 2}, {"1106", "H", 20, 3}} << 4;
        QTest::newRow("an account of 0 keeps its number, unwritten")
            << QList<Renglon>{{"IBU400", "2", "10"}, {"FRA500", "5", "10"}, {"IBU400", "-2", "10"}}
            << QList<Linea>{{"5101", "D", 50, 1}, {"1106", "H", 50, 3}} << 4;
        QTest::newRow("a total of 0 writes no counter line")
            << QList<Renglon>{{"IBU400", "3", "10"}, {"FRA500", "-3", "10"}}
            << QList<Linea>{{"1105", "H", 30, 2}, {"1106", "D", 30, 3}} << 4;
        QTest::newRow("an article without stock account is left out")
            << QList<Renglon>{{"NOEXISTE", "9", "10"}, {"IBU400", "1", "10"}, {"", "4", "10"}}
            << QList<Linea>{{"5101", "D", 10, 1}, {"1105", "H", 10, 2}} << 3;
        QTest::newRow("every quantity 0: nothing") << QList<Renglon>{{"IBU400", "0", "1850"}} << QList<Linea>{} << 3;
        QTest::newRow("no row: nothing") << QList<Renglon>{} << QList<Linea>{} << 1;
    }
    void balancedEntry()
    {
        QFETCH(QList<Renglon>, renglones);
        QFETCH(QList<Linea>, esperadas);
        QFETCH(int, secuencia);
        open();
        ui::FlexGrid g;
        fill(g, renglones);
        ClsCmnCptes c;
        Llamada l{QString(), QStringLiteral("RM")};
        l.tipoMov = 1;
        const QString sentencias = l.run(c, g);
        QCOMPARE(sentencias.isEmpty(), esperadas.isEmpty());
        QCOMPARE(int(l.secuencia), secuencia);
        const QList<Linea> escritas = lineasDe(*db_, sentencias, QStringLiteral("RM"), l.nro);
        QCOMPARE(escritas, esperadas);
        QVERIFY(balanced(escritas));
    }

    void amountsInTheWorkstationsFormat()
    {
        testsupport::RegionalPin pin(QLatin1Char(','), QLatin1Char('.'));
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "1,5", "10,25"}, {"AMO500", "1.000", "2,5"}});
        ClsCmnCptes c;
        Llamada l{QString(), QStringLiteral("RM")};
        l.tipoMov = 1;
        const QString sentencias = l.run(c, g);
        QVERIFY(sentencias.contains(QStringLiteral("2515.375")));
        QCOMPARE(lineasDe(*db_, sentencias, QStringLiteral("RM"), l.nro),
                 (QList<Linea>{{"5101", "D", 2515.375, 1}, {"1105", "H", 2515.375, 2}}));
    }

    void textsWithApostrophes()
    {
        open({QStringLiteral("UPDATE V_TA_MOTIVOSTOCK SET Descripcion = 'Venta d''Orbigny' WHERE IDMOTIVOSTOCK = '   2'")});
        gUsuarioLogeado = QStringLiteral("O'Neill");
        gCaja = QStringLiteral("1'");
        ui::FlexGrid g;
        fill(g, {{"IBU400", "1", "10"}});
        ClsCmnCptes c;
        Llamada l{QString(), QStringLiteral("RM")};
        l.tipoMov = 1;
        ejecuta(l.run(c, g));
        const auto rows = db_->Query(QStringLiteral("SELECT DISTINCT Detalle, USUARIO_LOGEADO, IdCajas FROM MV_ASIENTOS WHERE TC = 'RM'"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), QStringLiteral("Venta d'Orbigny"));
        QCOMPARE(rows[0][1].toString(), QStringLiteral("O'Neill"));
        QCOMPARE(rows[0][2].toString(), QStringLiteral("1'  "));
    }

    void costOfGoodsSold_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<bool>("esDebito");
        QTest::newRow("an invoice") << "FC" << true;
        QTest::newRow("a ticket invoice") << "TKFC" << true;
        QTest::newRow("a credit note") << "NC" << false;
    }
    void costOfGoodsSold()
    {
        QFETCH(QString, tc);
        QFETCH(bool, esDebito);
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{QStringLiteral("1"), tc};
        l.nro = QStringLiteral("00000126");
        l.letra = QStringLiteral("A");
        l.tipoMov = 99;
        const QString sentencias = l.run(c, g);
        // Under the next voucher of the cost of goods sold.
        QCOMPARE(l.tc + l.suc + l.nro + l.letra, QStringLiteral("CMV000100000001X"));
        QCOMPARE(l.esDebito, esDebito);
        const QString d = esDebito ? QStringLiteral("D") : QStringLiteral("H");
        const QString h = esDebito ? QStringLiteral("H") : QStringLiteral("D");
        QCOMPARE(lineasDe(*db_, sentencias, QStringLiteral("CMV"), l.nro),
                 (QList<Linea>{{"5101", d, 3700, 1}, {"1105", h, 3700, 2}}));
        const auto origen = db_->Query(QStringLiteral("SELECT DISTINCT TC_Origen, Cpte_Origen, Detalle, Tipo_Reg FROM MV_ASIENTOS WHERE TC = 'CMV'"));
        QCOMPARE(origen.size(), 1);
        QCOMPARE(origen[0][0].toString(), tc.leftJustified(4));
        QCOMPARE(origen[0][1].toString(), QStringLiteral("000100000126A"));
        QCOMPARE(origen[0][2].toString(), QStringLiteral("Venta mostrador"));
        QCOMPARE(origen[0][3].toString(), QStringLiteral("STK "));
    }

    void costOfGoodsSoldWithoutAccount()
    {
        open({QStringLiteral("UPDATE V_TA_Input_Ventas SET COSTO_MERCADERIA = NULL")});
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("No se puede generar el asiento de Costo de mercaderia!.. no esta configurada la cuenta"), 1,
                        QStringLiteral("Aviso al Operador"), 64);
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{QStringLiteral("1"), QStringLiteral("FC")};
        l.tipoMov = 99;
        QCOMPARE(l.run(c, g), QString());
    }

    void noEntry_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("tipoMov");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("an invoice posts its own") << "FC" << 0 << "2";
        QTest::newRow("a ticket invoice posts its own") << "TKFC" << 0 << "2";
        QTest::newRow("filled and in lower case") << "tkfc " << 1 << "2";
        QTest::newRow("a purchase, even as cost of goods") << "FCC" << 99 << "1";
        QTest::newRow("cost of goods of a delivery note") << "RM" << 99 << "1";
        QTest::newRow("a motive that is not there") << "RM" << 0 << "77";
        QTest::newRow("a motive without account") << "RM" << 0 << "8";
    }
    void noEntry()
    {
        QFETCH(QString, tc);
        QFETCH(int, tipoMov);
        QFETCH(QString, motivo);
        open({QStringLiteral("INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CuentaContable) VALUES ('   8', 'Sin cuenta', ' ')")});
        ScriptedOperator op;   // nothing is shown
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{motivo, tc};
        l.tipoMov = qint16(tipoMov);
        QCOMPARE(l.run(c, g), QString());
    }

    void switchedOff()
    {
        open();
        db_->SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("NO"));
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{QStringLiteral("'9'"), QStringLiteral("RM")};
        l.tipoMov = 1;
        l.secuencia = 5;
        QCOMPARE(l.run(c, g), QString());
        QCOMPARE(l.motivo, QStringLiteral("'9'"));
        QVERIFY(!l.esDebito);
        QCOMPARE(l.secuencia, qint16(5));
    }

    void missingConfiguredMotive()
    {
        open();
        db_->SetConfig(QStringLiteral("MotivoStockRemito"), QVariant());
        ScriptedOperator op;
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{QStringLiteral("2"), QStringLiteral("RM")};
        l.tipoMov = 1;
        QCOMPARE(l.run(c, g), QString());
        QCOMPARE(l.motivo, QStringLiteral(" "));
    }

    void voucherWithEntry()
    {
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{QString(), QStringLiteral("RM")};
        l.tipoMov = 1;
        ejecuta(l.run(c, g));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("El comprobante ya ha Sido Cargado. Asiento 12 - 000007"), 1, QStringLiteral("Aviso al Operador"));
        l.secuencia = 1;
        QCOMPARE(l.run(c, g), QString());
    }

    void subJournalUnreadable()
    {
        open({QStringLiteral("DROP TABLE MA_SUBDIARIOSCOMPROBANTES")});
        ScriptedOperator op;
        // The failed read, and the sub-journal reader's own error over it.
        op.expectMsgBox(QStringLiteral("MA_SUBDIARIOSCOMPROBANTES"), 3);
        op.expectMsgBox(QStringLiteral("3704"), 3);
        op.expectMsgBox(QStringLiteral("No se ha informado El Tipo de Registro que generará el Asiento, corrija esto desde "
                                       "configuración y vuelva a intentarlo"),
                        1, QStringLiteral("Aviso al Operador"));
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        Llamada l{QString(), QStringLiteral("RM")};
        l.tipoMov = 1;
        QCOMPARE(l.run(c, g), QString());
    }

    void entryNumberReadForEveryVoucher()
    {
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "2", "1850"}});
        ClsCmnCptes c;
        auto numero = [&](const QString& nro) {
            return db_->Scalar(QStringLiteral("SELECT DISTINCT [NUMERO ASIENTO] FROM MV_ASIENTOS WHERE TC = 'RM' AND Numero = '%1'").arg(nro)).toInt();
        };
        // A voucher whose statements were never run leaves nothing behind on the object.
        Llamada a{QString(), QStringLiteral("RM")};
        a.tipoMov = 1;
        QVERIFY(!a.run(c, g).isEmpty());
        Llamada b{QString(), QStringLiteral("RM")};
        b.nro = QStringLiteral("00000059");
        b.tipoMov = 1;
        ejecuta(b.run(c, g));
        QCOMPARE(numero(b.nro), 7);
        Llamada d{QString(), QStringLiteral("RM")};
        d.nro = QStringLiteral("00000060");
        d.tipoMov = 1;
        ejecuta(d.run(c, g));
        QCOMPARE(numero(d.nro), 8);
    }

    void rowByRowWithLots()
    {
        open();
        ui::FlexGrid g;
        // 15 packs of paracetamol out of two lots (10 and 5), then 4 bottles of raw material.
        fill(g, {{"PARA500", "15", "610"}, {"FRA500", "4", "25"}});
        ClsCmnCptes c;
        auto mueve = [&](qint32 fila, std::optional<double> cantidad) {
            // As stock posting calls it for each movement it runs.
            Llamada l{QStringLiteral("2"), QStringLiteral("RM")};
            l.esDebito = true;
            l.soloRegistro = fila;
            l.cantidad = cantidad;
            ejecuta(l.run(c, g));
            return l.secuencia;
        };
        QCOMPARE(mueve(1, 10), qint16(3));
        QCOMPARE(mueve(1, 5), qint16(3));
        QCOMPARE(mueve(2, std::nullopt), qint16(4));
        QCOMPARE(lineas(*db_, QStringLiteral("RM"), QStringLiteral("00000058")),
                 (QList<Linea>{{"5101", "D", 9250, 1}, {"1105", "H", 9150, 2}, {"1106", "H", 100, 3}}));
        // One entry number, and the header total of every line follows the lines.
        const auto head = db_->Query(QStringLiteral("SELECT DISTINCT [NUMERO ASIENTO], CABImporte FROM MV_ASIENTOS WHERE TC = 'RM'"));
        QCOMPARE(head.size(), 1);
        QCOMPARE(head[0][0].toInt(), 7);
        QCOMPARE(head[0][1].toDouble(), 9250.0);
    }

    void rowByRowNumbersAfterTheVouchersLines()
    {
        // Lines already written by row 1 under sequences 1 to 4 (say, by an earlier run).
        open();
        ui::FlexGrid g;
        fill(g, {{"IBU400", "1", "100"}, {"FRA500", "2", "10"}});
        ClsCmnCptes c;
        Llamada primera{QStringLiteral("2"), QStringLiteral("RM")};
        primera.soloRegistro = 1;
        primera.secuencia = 3;
        ejecuta(primera.run(c, g));
        Llamada segunda{QStringLiteral("2"), QStringLiteral("RM")};
        segunda.soloRegistro = 2;
        segunda.secuencia = 1;
        ejecuta(segunda.run(c, g));
        QCOMPARE(segunda.secuencia, qint16(6));
        QCOMPARE(lineas(*db_, QStringLiteral("RM"), QStringLiteral("00000058")),
                 (QList<Linea>{{"5101", "D", 120, 3}, {"1105", "H", 100, 4}, {"1106", "H", 20, 5}}));
    }

private:
    std::unique_ptr<VoucherFixture> db_;
    std::unique_ptr<testsupport::FixedClock> clock_;
};

TESTSUPPORT_MAIN(TstStockEntry)
#include "tst_stock_entry.moc"
