// ActualizaStock end to end on the demo company with a stock of its own: delivery notes at
// once and collected, transfers, lot entries, serial and size exits, kits discharged
// under "PE", failures that leave nothing behind, and the checks that keep a posting exact.
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/SaveTransaction.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "numbering/ast.h"
#include "platform/ui/FlexGrid.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/PostingDb.h"
#include "vouchers/ClsCmnCptes.h"
#include "widgets/Dll_Display.h"
#include "widgets/Lbf_CtrlDisplay.h"

#include <QTest>

using stocktest::Llena;
using stocktest::Mov;
using stocktest::Posteo;
using stocktest::PostingDb;
using stocktest::Renglon;
using testsupport::ScriptedOperator;

namespace {

const QChar kSep(0xFF);

QString lote25(const QString& lote)
{
    return lote.leftJustified(25);
}

// The stock the tests start from, in place of the demo's movements of these articles:
// deposit 1 holds ibuprofen, amoxicillin, alcohol gel, two lots of paracetamol, three
// thermometers by serial and gloves in two sizes.
QStringList semilla()
{
    QStringList s{QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdArticulo IN ('IBU400', 'AMO500', 'ALCGEL', 'PARA500', "
                                 "'TERMDIG', 'GUANTE', 'FRA500')")};
    struct Fila {
        const char* articulo;
        QString lote;
        QString serie;
        int cantidad;
    };
    const QList<Fila> filas{
        {"IBU400", {}, {}, 100},
        {"AMO500", {}, {}, 50},
        {"ALCGEL", {}, {}, 40},
        {"FRA500", {}, {}, 30},
        {"PARA500", lote25(QStringLiteral("P2611A")), {}, 10},
        {"PARA500", lote25(QStringLiteral("P2612B")), {}, 5},
        {"TERMDIG", {}, lote25(QStringLiteral("TD-001")), 1},
        {"TERMDIG", {}, lote25(QStringLiteral("TD-002")), 1},
        {"TERMDIG", {}, lote25(QStringLiteral("TD-003")), 1},
        {"GUANTE", lote25(QStringLiteral("M-BLANCO-U")), {}, 10},
        {"GUANTE", lote25(QStringLiteral("L-BLANCO-U")), {}, 10},
    };
    int secuencia = 0;
    for (const Fila& f : filas) {
        auto texto = [](const QString& t) { return t.isEmpty() ? QStringLiteral("NULL") : QStringLiteral("'%1'").arg(t); };
        s << QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, Fecha, IdDeposito, IdArticulo, NroLote, NroSerie, "
                            "IdUnidad, Cantidad, CantidadUD, IdUnidadBase) VALUES ('SI  ', '000100000090X', %1, '2026-12-01 00:00:00', "
                            "'   1', '%2', %3, %4, 'UN  ', %5, %5, 'UN  ')")
                 .arg(++secuencia)
                 .arg(QLatin1String(f.articulo), texto(f.lote), texto(f.serie))
                 .arg(f.cantidad);
    }
    // An order whose reception is still to be recorded.
    s << QStringLiteral("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA) VALUES ('OC  ', '000100000077X', '210101', "
                        "'2026-12-10 00:00:00')");
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Mov)
Q_DECLARE_METATYPE(QList<Mov>)
Q_DECLARE_METATYPE(Renglon)

class TstStockPosting : public QObject {
    Q_OBJECT

    std::unique_ptr<PostingDb> db_;
    std::unique_ptr<testsupport::FixedClock> clock_;
    std::unique_ptr<testsupport::RegionalPin> regional_;

    void open(const QStringList& extra = {}) { db_ = std::make_unique<PostingDb>(semilla() + extra); }

    QList<Mov> movimientos(const QString& tc, const QString& id) { return db_->Movimientos(tc, id); }
    double saldo(const QString& articulo, const QString& deposito = QStringLiteral("   1"))
    {
        return db_->db.Scalar(QStringLiteral("SELECT COALESCE(SUM(STOCK), 0) FROM STK_SALDOS_UNIDADES WHERE IDARTICULO = '%1' AND "
                                             "IDDEPOSITO = '%2'")
                                  .arg(articulo, deposito))
            .toDouble();
    }
    double saldoLote(const QString& articulo, const QString& lote, const QString& deposito = QStringLiteral("   1"))
    {
        return db_->db.Scalar(QStringLiteral("SELECT COALESCE(SUM(CANTIDAD), 0) FROM STK_SERIES_Y_LOTES WHERE IDARTICULO = '%1' AND "
                                             "IDDEPOSITO = '%2' AND (TRIM(NroLote) = '%3' OR TRIM(NroSerie) = '%3')")
                                  .arg(articulo, deposito, lote))
            .toDouble();
    }
    int cuenta(const QString& sql) { return db_->Cuenta(sql); }
    int movimientosGuardados() { return db_->MovimientosGuardados(); }
    int lineasGuardadas() { return db_->LineasGuardadas(); }
    int libroPE() { return db_->LibroPE(); }
    bool corre(const QString& lote) { return PostingDb::Corre(lote).isEmpty(); }

    // The rows of a test run at once and collected.
    static void ambosModos()
    {
        QTest::addColumn<bool>("recoger");
        QTest::newRow("immediate") << false;
        QTest::newRow("collect") << true;
    }

    void postea(Posteo& p, ui::FlexGrid& g, bool recoger)
    {
        const QString falla = db_->Postea(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
    }

private slots:
    void init()
    {
        clock_ = std::make_unique<testsupport::FixedClock>(2026, 12, 15, 10, 30);
        regional_ = std::make_unique<testsupport::RegionalPin>();
    }
    void cleanup()
    {
        db_.reset();
        regional_.reset();
        clock_.reset();
    }

    void deliveryNote_data()
    {
        ambosModos();
    }
    void deliveryNote()
    {
        QFETCH(bool, recoger);
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"), QStringLiteral("1850")),
                  stocktest::Linea(QStringLiteral("AMO500"), QStringLiteral("2"), QStringLiteral("2740"))});
        Posteo p;
        postea(p, g, recoger);
        const QList<Mov> esperados{{"IBU400", "", "", "1", -5, -5}, {"AMO500", "", "", "1", -2, -2}};
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R")), esperados);
        QCOMPARE(saldo(QStringLiteral("IBU400")), 95.0);
        QCOMPARE(saldo(QStringLiteral("AMO500")), 48.0);
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'RM' AND IdComprobante = '000100000100R' AND "
                                       "IdMotivoStock = '   1' AND IdComplemento = 0 AND IdCaja = '   1' AND UNEGOCIO = '   1'")),
                 2);
        // At once the entry goes under the movements' motive (the default, 1: account
        // 1105); collected, under the configured motive of delivery notes (2: goods sold).
        const auto lineas = db_->db.Query(QStringLiteral("SELECT Cuenta, [Debe-Haber], Importe FROM MV_ASIENTOS WHERE TC = 'RM' AND "
                                                      "Numero = '00000100' AND Letra = 'R' ORDER BY Secuencia"));
        QCOMPARE(lineas.size(), 2);
        QCOMPARE(lineas[0][0].toString(), recoger ? QStringLiteral("5101") : QStringLiteral("1105"));
        QCOMPARE(lineas[0][1].toString(), QStringLiteral("D"));
        QCOMPARE(lineas[0][2].toDouble(), 5 * 1850.0 + 2 * 2740.0);
        QCOMPARE(lineas[1][0].toString(), QStringLiteral("1105"));
        QCOMPARE(lineas[1][1].toString(), QStringLiteral("H"));
        // The caller's arguments come back prepared.
        QCOMPARE(p.deposito, QStringLiteral("'   1'"));
        QCOMPARE(p.motivo, QStringLiteral("   1"));
    }

    void transfer_data()
    {
        ambosModos();
    }
    void transfer()
    {
        QFETCH(bool, recoger);
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("4")),
                  stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("3")),
                      {{ColArticulo::PideLote, QStringLiteral("-1")},
                       {ColArticulo::NroLote, QStringLiteral("|P2611A%1|P2612B%1|%1|").arg(kSep)},
                       {ColArticulo::NroSerie, QStringLiteral("|3|0|0|")}})});
        Posteo p;
        p.tc = QStringLiteral("TR");
        p.id = QStringLiteral("000100000005X");
        p.destino = QStringLiteral("2");
        p.transferencia = true;
        postea(p, g, recoger);
        const QList<Mov> esperados{{"IBU400", "", "", "1", -4, -4},
                                   {"PARA500", "P2611A", "", "1", -3, -3},
                                   {"IBU400", "", "", "2", 4, 4},
                                   {"PARA500", "P2611A", "", "2", 3, 3}};
        QCOMPARE(movimientos(QStringLiteral("TR"), QStringLiteral("000100000005X")), esperados);
        // Each movement names the other deposit.
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'TR' AND ((IdDeposito = '   1' AND "
                                       "IDDEPOSITO_DESTINO = '   2') OR (IdDeposito = '   2' AND IDDEPOSITO_DESTINO = '   1'))")),
                 4);
        QCOMPARE(saldo(QStringLiteral("IBU400")), 96.0);
        QCOMPARE(saldo(QStringLiteral("IBU400"), QStringLiteral("   2")), 4.0);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2611A")), 7.0);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2611A"), QStringLiteral("   2")), 3.0);
    }

    void lotEntry_data()
    {
        QTest::addColumn<QString>("lotes");
        QTest::addColumn<QString>("cantidades");
        QTest::addColumn<QString>("cantidad");
        QTest::addColumn<QList<Mov>>("esperados");
        // Three lots, each with its quantity: never a quantity as a serial.
        QTest::newRow("quantities") << "|L1|L2|L3|" << "|5|3|2|" << "10"
                                    << QList<Mov>{{"PARA500", "L1", "", "1", 5, 5}, {"PARA500", "L2", "", "1", 3, 3},
                                                  {"PARA500", "L3", "", "1", 2, 2}};
        // One lot per unit, as the lot dialog writes them.
        QTest::newRow("one per unit") << "|L1|L1|L2|" << "" << "3"
                                      << QList<Mov>{{"PARA500", "L1", "", "1", 2, 2}, {"PARA500", "L2", "", "1", 1, 1}};
        // One lot for the whole line.
        QTest::newRow("one lot") << "|L1|" << "" << "7" << QList<Mov>{{"PARA500", "L1", "", "1", 7, 7}};
        // The separator is dropped, nothing else.
        QTest::newRow("separator") << QStringLiteral("|L7%1|L8|").arg(kSep) << "|1|2|" << "3"
                                   << QList<Mov>{{"PARA500", "L7", "", "1", 1, 1}, {"PARA500", "L8", "", "1", 2, 2}};
        QTest::newRow("decimals") << "|L1|L2|" << "|1.5|0.25|" << "1.75"
                                  << QList<Mov>{{"PARA500", "L1", "", "1", 1.5, 1.5}, {"PARA500", "L2", "", "1", 0.25, 0.25}};
    }
    void lotEntry()
    {
        QFETCH(QString, lotes);
        QFETCH(QString, cantidades);
        QFETCH(QString, cantidad);
        QFETCH(QList<Mov>, esperados);
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), cantidad),
                      {{ColArticulo::PideLote, QStringLiteral("-1")}, {ColArticulo::NroLote, lotes}, {ColArticulo::NroSerie, cantidades}})});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        p.id = QStringLiteral("000100000011X");
        postea(p, g, false);
        const QList<Mov> hechos = movimientos(QStringLiteral("AJP"), QStringLiteral("000100000011X"));
        QVERIFY2(hechos == esperados, qPrintable(stocktest::Show(hechos)));
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), esperados.first().lote), esperados.first().cantidad);
    }

    // Lines whose detail does not add up to their quantity are refused whole: a size
    // flag left blank no longer drops a line, and a short pick is no partial exit.
    void detailThatDoesNotAddUp_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<Renglon>("renglon");
        QTest::newRow("lots short") << "AJP"
                                    << stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("10")),
                                           {{ColArticulo::NroLote, QStringLiteral("|L1|L2|")}, {ColArticulo::NroSerie, QStringLiteral("|5|3|")}});
        QTest::newRow("picks short") << "RM"
                                     << stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("5")),
                                            {{ColArticulo::NroLote, QStringLiteral("|P2611A%1|").arg(kSep)},
                                             {ColArticulo::NroSerie, QStringLiteral("|4|")}});
        QTest::newRow("sizes without quantities") << "RM"
                                                  << stocktest::Con(stocktest::Linea(QStringLiteral("GUANTE"), QStringLiteral("5")),
                                                         {{ColArticulo::PideTalle, QStringLiteral("-1")},
                                                          {ColArticulo::NroLote, QStringLiteral("|M-BLANCO-U|L-BLANCO-U|")}});
    }
    void detailThatDoesNotAddUp()
    {
        QFETCH(QString, tc);
        QFETCH(Renglon, renglon);
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("1")), renglon});
        const int antes = movimientosGuardados();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("(renglón 2)"), ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        for (bool recoger : {false, true}) {
            if (recoger)
                op.expectMsgBox(QStringLiteral("(renglón 2)"), ui::vbOK);
            Posteo p;
            p.tc = tc;
            const QString falla = PostingDb::Rechaza(p, g, recoger);
            QVERIFY2(falla.isEmpty(), qPrintable(falla));
            QCOMPARE(p.deposito, QStringLiteral("1"));
        }
        QCOMPARE(movimientosGuardados(), antes);
    }

    void serialExit()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("TERMDIG"), QStringLiteral("2")),
                      {{ColArticulo::PideSerie, QStringLiteral("-1")},
                       {ColArticulo::NroLote, QStringLiteral("|%1TD-001|%1TD-002|%1TD-003|%1|").arg(kSep)},
                       {ColArticulo::NroSerie, QStringLiteral("|1|1|0|0|")}})});
        Posteo p;
        postea(p, g, false);
        const QList<Mov> esperados{{"TERMDIG", "", "TD-001", "1", -1, -1}, {"TERMDIG", "", "TD-002", "1", -1, -1}};
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R")), esperados);
        QCOMPARE(saldoLote(QStringLiteral("TERMDIG"), QStringLiteral("TD-001")), 0.0);
        QCOMPARE(saldoLote(QStringLiteral("TERMDIG"), QStringLiteral("TD-003")), 1.0);
        QCOMPARE(saldo(QStringLiteral("TERMDIG")), 1.0);
    }

    void sizeExit_data()
    {
        QTest::addColumn<QString>("talles");
        QTest::newRow("sizes") << "-1";
        // A blank flag reads as no sizes: the codes are taken as the picks they are.
        QTest::newRow("blank flag") << "";
    }
    void sizeExit()
    {
        QFETCH(QString, talles);
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("GUANTE"), QStringLiteral("5")),
                      {{ColArticulo::PideTalle, talles},
                       {ColArticulo::NroLote, QStringLiteral("|M-BLANCO-U|L-BLANCO-U|")},
                       {ColArticulo::NroSerie, QStringLiteral("|2|3|")}})});
        Posteo p;
        postea(p, g, false);
        const QList<Mov> esperados{{"GUANTE", "M-BLANCO-U", "", "1", -2, -2}, {"GUANTE", "L-BLANCO-U", "", "1", -3, -3}};
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R")), esperados);
        QCOMPARE(saldoLote(QStringLiteral("GUANTE"), QStringLiteral("L-BLANCO-U")), 7.0);
        // An exit line's blank size flag is written "0".
        QCOMPARE(g.TextMatrix(1, ColArticulo::PideTalle), talles.isEmpty() ? QStringLiteral("0") : talles);
    }

    // Sizes break down the line's own quantity, in its unit, on exits and entries alike:
    // two boxes of 10 gloves, one box of each size, move 10 gloves of each.
    void sizesOfABoxLine_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("signo");
        for (bool recoger : {false, true}) {
            const char* modo = recoger ? "collected" : "at once";
            QTest::addRow("%s, exit", modo) << recoger << "RM" << -1;
            QTest::addRow("%s, entry", modo) << recoger << "AJP" << 1;
        }
    }
    void sizesOfABoxLine()
    {
        QFETCH(bool, recoger);
        QFETCH(QString, tc);
        QFETCH(int, signo);
        open({QStringLiteral("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES ('GUANTE', 'CAJA', 'UN  ', 10)")});
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("GUANTE"), QStringLiteral("2")),
                                 {{ColArticulo::Unidad, QStringLiteral("CAJA")},
                                  {ColArticulo::PideTalle, QStringLiteral("-1")},
                                  {ColArticulo::NroLote, QStringLiteral("|M-BLANCO-U|L-BLANCO-U|")},
                                  {ColArticulo::NroSerie, QStringLiteral("|1|1|")}})});
        Posteo p;
        p.tc = tc;
        postea(p, g, recoger);
        const QList<Mov> esperados{{"GUANTE", "M-BLANCO-U", "", "1", 1.0 * signo, 10.0 * signo},
                                   {"GUANTE", "L-BLANCO-U", "", "1", 1.0 * signo, 10.0 * signo}};
        const QList<Mov> hechos = movimientos(tc, QStringLiteral("000100000100R"));
        QVERIFY2(hechos == esperados, qPrintable(stocktest::Show(hechos)));
        QCOMPARE(saldoLote(QStringLiteral("GUANTE"), QStringLiteral("M-BLANCO-U")), 10.0 + 10 * signo);
    }

    // A pick is in the base unit: a line of one box of 12 picked from two lots posts each
    // lot's share of the box and its own units.
    void exitPickedInSeveralLotsOfAnotherUnit()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("1")),
                      {{ColArticulo::Unidad, QStringLiteral("CAJA")},
                       {ColArticulo::Coeficiente, QStringLiteral("12")},
                       {ColArticulo::NroLote, QStringLiteral("|P2611A%1|P2612B%1|").arg(kSep)},
                       {ColArticulo::NroSerie, QStringLiteral("|10|2|")}})});
        Posteo p;
        postea(p, g, false);
        const QList<Mov> esperados{{"PARA500", "P2611A", "", "1", -0.8333, -10}, {"PARA500", "P2612B", "", "1", -0.1667, -2}};
        const QList<Mov> hechos = movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R"));
        QVERIFY2(hechos == esperados, qPrintable(stocktest::Show(hechos)));
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'RM' AND IdUnidad = 'CAJA' AND IdUnidadBase = 'UN  ' "
                                       "AND EQUIV_UDBASE = 12")),
                 2);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2611A")), 0.0);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2612B")), 3.0);
        QCOMPARE(g.TextMatrix(1, ColArticulo::CantidadUD), QStringLiteral("12"));
    }

    // The bulk quantities keep their decimals and follow each movement's share.
    void bulkQuantitiesShared()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("4")),
                      {{ColArticulo::NroLote, QStringLiteral("|L1|L2|")},
                       {ColArticulo::NroSerie, QStringLiteral("|3|1|")},
                       {ColArticulo::CantBL, QStringLiteral("2.5")},
                       {ColArticulo::CantKG, QStringLiteral("0.1")}})});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        postea(p, g, false);
        const auto rows = db_->db.Query(QStringLiteral("SELECT CANT_BL, CANT_KG, CANT_M3 FROM V_MV_STOCK WHERE TC = 'AJP' ORDER BY Secuencia"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0][0].toDouble(), 1.875);
        QCOMPARE(rows[1][0].toDouble(), 0.625);
        QCOMPARE(rows[0][1].toDouble() + rows[1][1].toDouble(), 0.1);
        QCOMPARE(rows[0][1].toDouble(), 0.075);
        QCOMPARE(rows[0][2].toDouble(), 0.0);
    }

    void kitUnderInternalVoucher_data()
    {
        ambosModos();
    }
    void kitUnderInternalVoucher()
    {
        QFETCH(bool, recoger);
        // Gloves without stock by size: their component rows take no "lot".
        open({QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdArticulo = 'GUANTE'")});
        ui::FlexGrid g;
        // Two kits: the second line's paracetamol comes from what the first one left.
        Llena(g, {stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("8")), stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("4"))});
        Posteo p;
        postea(p, g, recoger);
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R")),
                 (QList<Mov>{{"BOTIQ", "", "", "1", -8, -8}, {"BOTIQ", "", "", "1", -4, -4}}));
        const QList<Mov> componentes = movimientos(QStringLiteral("PE"), QStringLiteral("000100000001X"));
        const QList<Mov> esperados{{"ALCGEL", "", "", "1", -8, -8},  {"GUANTE", "", "", "1", -16, -16},
                                   {"PARA500", "P2611A", "", "1", -8, -8}, {"ALCGEL", "", "", "1", -4, -4},
                                   {"GUANTE", "", "", "1", -8, -8},  {"PARA500", "P2611A", "", "1", -2, -2},
                                   {"PARA500", "P2612B", "", "1", -2, -2}};
        QVERIFY2(componentes == esperados, qPrintable(stocktest::Show(componentes)));
        // Their origin is the delivery note; their sequence runs from 1.
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE' AND Tc_Origen = 'RM' AND "
                                       "IdComprobante_Origen = '000100000100R' AND TRIM(ControladoPor) = 'BOTIQ'")),
                 7);
        QCOMPARE(cuenta(QStringLiteral("SELECT MIN(Secuencia) FROM V_MV_STOCK WHERE TC = 'PE'")), 1);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2611A")), 0.0);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2612B")), 3.0);
        QCOMPARE(saldo(QStringLiteral("ALCGEL")), 28.0);
        // The internal voucher's book moved on: its next number is 2.
        QCOMPARE(libroPE(), 2);
    }

    // A component in boxes is drawn from its lots in the units they keep: one kit of a box
    // of 12 paracetamol takes the 10 of the first lot and 2 of the second, each row its
    // share of the box, and no lot goes below 0 while another has stock.
    void kitComponentInBoxesOverTwoLots_data()
    {
        ambosModos();
    }
    void kitComponentInBoxesOverTwoLots()
    {
        QFETCH(bool, recoger);
        open({QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, Costo, cuentacontableC) VALUES "
                             "('KITCJ', 'Kit de una caja de paracetamol', 'UN  ', 900, '1105')"),
              QStringLiteral("INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
                             "('KITCJ', 'PARA500', 'CAJA', 1)")});
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("KITCJ"), QStringLiteral("1"))});
        Posteo p;
        postea(p, g, recoger);
        const QList<Mov> componentes = movimientos(QStringLiteral("PE"), QStringLiteral("000100000001X"));
        const QList<Mov> esperados{{"PARA500", "P2611A", "", "1", -0.8333, -10}, {"PARA500", "P2612B", "", "1", -0.1667, -2}};
        QVERIFY2(componentes == esperados, qPrintable(stocktest::Show(componentes)));
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE' AND IdUnidad = 'CAJA' AND "
                                       "IdUnidadBase = 'UN  ' AND EQUIV_UDBASE = 12")),
                 2);
        QCOMPARE(db_->db.Scalar(QStringLiteral("SELECT SUM(Cantidad) FROM V_MV_STOCK WHERE TC = 'PE'")).toDouble(), -1.0);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2611A")), 0.0);
        QCOMPARE(saldoLote(QStringLiteral("PARA500"), QStringLiteral("P2612B")), 3.0);
    }

    // A second kit voucher takes the next internal number.
    void secondKitVoucherTakesTheNextNumber()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("1"))});
        Posteo p;
        postea(p, g, false);
        Posteo q;
        q.id = QStringLiteral("000100000101R");
        postea(q, g, false);
        QCOMPARE(movimientos(QStringLiteral("PE"), QStringLiteral("000100000002X")).size(), 3);
        QCOMPARE(libroPE(), 3);
    }

    // A movement the database refuses halfway leaves nothing of the call: no movement, no
    // component, no entry line, no number; the operator is told once the notice is closed.
    void failureHalfwayLeavesNothing()
    {
        open({QStringLiteral("CREATE TRIGGER rechaza BEFORE INSERT ON V_MV_STOCK WHEN TRIM(NEW.IdArticulo) = 'AMO500' "
                             "BEGIN SELECT RAISE(ABORT, 'Movimiento rechazado por la prueba'); END")});
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("1")), stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5")),
                  stocktest::Linea(QStringLiteral("AMO500"), QStringLiteral("2")), stocktest::Linea(QStringLiteral("ALCGEL"), QStringLiteral("1"))});
        const int antes = movimientosGuardados();
        const int lineas = lineasGuardadas();
        const int libro = libroPE();
        // The notice is shown while posting and closed before the message.
        class Observa : public ScriptedOperator {
        public:
            bool cartelAbierto = true;
            int MsgBox(const QString& prompt, int style, const QString& title) override
            {
                cartelAbierto = gDisplay->Window() != nullptr && gDisplay->Window()->isVisible();
                return ScriptedOperator::MsgBox(prompt, style, title);
            }
        } op;
        op.expectMsgBox(QStringLiteral("Movimiento rechazado por la prueba"), ui::vbOK, QStringLiteral("Aviso al operador"),
                        ui::vbCritical);
        Posteo p;
        p.cartel = true;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(p.hayError);
        QVERIFY(!op.cartelAbierto);
        QCOMPARE(movimientosGuardados(), antes);
        QCOMPARE(lineasGuardadas(), lineas);
        QCOMPARE(libroPE(), libro);
        QCOMPARE(p.sqlTemp, QString());
    }

    // A run-time error inside the posting undoes it and goes to the error dialog once the
    // lock is let go; Retry runs the whole posting again.
    void runTimeErrorLeavesNothing_data()
    {
        QTest::addColumn<QList<int>>("respuestas");
        QTest::newRow("abort") << QList<int>{ui::vbAbort};
        QTest::newRow("retry, then abort") << QList<int>{ui::vbRetry, ui::vbAbort};
    }
    void runTimeErrorLeavesNothing()
    {
        QFETCH(QList<int>, respuestas);
        // The components cannot be read: the lines are posted by then.
        open({QStringLiteral("DROP TABLE V_MA_INSUMOS")});
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5")), stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("1"))});
        const int antes = movimientosGuardados();
        ScriptedOperator op;
        for (int r : respuestas)
            op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error"), r);
        Posteo p;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(p.hayError);
        QCOMPARE(movimientosGuardados(), antes);
        QCOMPARE(gDBPrincipal->gCnn->Errors().Count(), 0);
        // The connection is free again: a posting that can be made is made.
        db_->db.Exec(QStringLiteral("CREATE TABLE V_MA_INSUMOS (IDARTICULO TEXT, IdArticuloInsumo TEXT, IdUnidadInsumo TEXT, Cantidad FLOAT)"));
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
        Posteo q;
        q.id = QStringLiteral("000100000102R");
        postea(q, g, false);
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000102R")).size(), 1);
    }

    // A kit transferred: its components leave the source under one internal voucher and
    // reach the destination under the next.
    void kitTransfer_data()
    {
        ambosModos();
    }
    void kitTransfer()
    {
        QFETCH(bool, recoger);
        open({QStringLiteral("DELETE FROM V_MV_STOCK WHERE IdArticulo = 'GUANTE'")});
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("BOTIQ"), QStringLiteral("2"))});
        Posteo p;
        p.tc = QStringLiteral("TR");
        p.id = QStringLiteral("000100000006X");
        p.destino = QStringLiteral("2");
        p.transferencia = true;
        postea(p, g, recoger);
        const QList<Mov> salen = movimientos(QStringLiteral("PE"), QStringLiteral("000100000001X"));
        const QList<Mov> entran = movimientos(QStringLiteral("PE"), QStringLiteral("000100000002X"));
        QVERIFY2(salen == (QList<Mov>{{"ALCGEL", "", "", "1", -2, -2}, {"GUANTE", "", "", "1", -4, -4}, {"PARA500", "P2611A", "", "1", -2, -2}}),
                 qPrintable(stocktest::Show(salen)));
        QVERIFY2(entran == (QList<Mov>{{"ALCGEL", "", "", "2", 2, 2}, {"GUANTE", "", "", "2", 4, 4}, {"PARA500", "", "", "2", 2, 2}}),
                 qPrintable(stocktest::Show(entran)));
        QCOMPARE(libroPE(), 3);
    }

    // The entry of a voucher of more than a thousand articles is read and written whole.
    void longVoucherWithItsEntry_data()
    {
        ambosModos();
    }
    void longVoucherWithItsEntry()
    {
        QFETCH(bool, recoger);
        open({QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, Costo, cuentacontableC) "
                             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1200) "
                             "SELECT 'LV' || printf('%04d', i), 'Artículo ' || i, 'UN  ', 10, CASE WHEN i % 2 = 0 THEN '1105' "
                             "ELSE '1106' END FROM n")});
        ui::FlexGrid g;
        QList<Renglon> renglones;
        for (int i = 1; i <= 1200; ++i)
            renglones << stocktest::Linea(QStringLiteral("LV%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("1"), QStringLiteral("10"));
        Llena(g, renglones);
        Posteo p;
        postea(p, g, recoger);
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R")).size(), 1200);
        // At once the accounts come in the order the movements meet them, under the
        // movements' motive (1105); collected, sorted, under the delivery notes' (5101).
        const QList<stocktest::Asiento> esperadas = recoger ? QList<stocktest::Asiento>{{"5101", "D", 12000, 1}, {"1105", "H", 6000, 2}, {"1106", "H", 6000, 3}}
                                                 : QList<stocktest::Asiento>{{"1105", "D", 12000, 1}, {"1106", "H", 6000, 2}, {"1105", "H", 6000, 3}};
        QCOMPARE(db_->Lineas(QStringLiteral("RM"), QStringLiteral("000100000100R")), esperadas);
    }

    // A line moves when it has an article and a quantity, or a second quantity alone.
    void whichLinesMove()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("0")), {{ColArticulo::CantBL, QStringLiteral("2")}}),
                  stocktest::Linea(QString(), QStringLiteral("5")), stocktest::Linea(QStringLiteral("AMO500"), QStringLiteral("0")),
                  stocktest::Linea(QStringLiteral("ALCGEL"), QStringLiteral("1"))});
        Posteo p;
        postea(p, g, false);
        QCOMPARE(movimientos(QStringLiteral("RM"), QStringLiteral("000100000100R")),
                 (QList<Mov>{{"IBU400", "", "", "1", 0, 0}, {"ALCGEL", "", "", "1", -1, -1}}));
        QCOMPARE(db_->db.Scalar(QStringLiteral("SELECT CANT_BL FROM V_MV_STOCK WHERE TC = 'RM' AND TRIM(IdArticulo) = 'IBU400'")).toDouble(),
                 -2.0);
    }

    // The motive given, the configured default for none or blanks; the cash desk when
    // there is one.
    void motiveAndCashDesk_data()
    {
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QVariant>("motivoGuardado");
        QTest::addColumn<QVariant>("cajaGuardada");
        QTest::newRow("given") << "6" << "2" << QVariant(QStringLiteral("   6")) << QVariant(QStringLiteral("   2"));
        QTest::newRow("default") << "" << "1" << QVariant(QStringLiteral("   1")) << QVariant(QStringLiteral("   1"));
        QTest::newRow("blanks, no cash desk") << "   " << "" << QVariant(QStringLiteral("   1")) << QVariant();
        QTest::newRow("apostrophes") << "'7'" << "'3" << QVariant(QStringLiteral("   7")) << QVariant(QStringLiteral("   3"));
    }
    void motiveAndCashDesk()
    {
        QFETCH(QString, motivo);
        QFETCH(QString, caja);
        QFETCH(QVariant, motivoGuardado);
        QFETCH(QVariant, cajaGuardada);
        open();
        gCaja = caja;
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        p.motivo = motivo;
        postea(p, g, false);
        const auto rows = db_->db.Query(QStringLiteral("SELECT IdMotivoStock, IdCaja FROM V_MV_STOCK WHERE TC = 'AJP'"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0], motivoGuardado);
        QCOMPARE(rows[0][1], cajaGuardada);
    }

    void missingBusinessUnit()
    {
        open();
        gUNegocio = QStringLiteral("   ");
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("ERROR EN ASIGNACION DE UNIDAD DE NEGOCIO\r\nVerifique si el usuario tiene asignado una "
                                       "unidad de negocio"),
                        ui::vbOK, QStringLiteral("Atencion!"), ui::vbCritical);
        const int antes = movimientosGuardados();
        Posteo p;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(p.hayError);
        QCOMPARE(movimientosGuardados(), antes);
        QCOMPARE(p.deposito, QStringLiteral("1"));
    }

    // A voucher type that does not exist stops the posting: it is no exit.
    void missingVoucherType()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("El Tipo de Comprobante informado no existe"), ui::vbOK);
        const int antes = movimientosGuardados();
        Posteo p;
        p.tc = QStringLiteral("ZZ");
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(p.hayError);
        QCOMPARE(movimientosGuardados(), antes);
    }

    // A movement must go somewhere real.
    void noRealDeposit_data()
    {
        QTest::addColumn<QString>("deposito");
        QTest::addColumn<QString>("depositoPorDefecto");
        QTest::addColumn<bool>("transferencia");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("from the grid, cell empty") << "ELDELGRID" << "1" << false << "no se ha informado el depósito del artículo IBU400";
        QTest::newRow("no default deposit") << "" << "" << false << "no se ha informado el depósito del artículo IBU400";
        QTest::newRow("transfer without destination") << "1" << "1" << true << "depósito de destino";
    }
    void noRealDeposit()
    {
        QFETCH(QString, deposito);
        QFETCH(QString, depositoPorDefecto);
        QFETCH(bool, transferencia);
        QFETCH(QString, mensaje);
        open();
        db_->db.SetConfig(QStringLiteral("DepositoDefault"), depositoPorDefecto.isEmpty() ? QVariant() : QVariant(depositoPorDefecto));
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
        ScriptedOperator op;
        op.expectMsgBox(QString(), ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        const int antes = movimientosGuardados();
        Posteo p;
        p.tc = transferencia ? QStringLiteral("TR") : QStringLiteral("RM");
        p.transferencia = transferencia;
        p.deposito = deposito;
        ClsCmnCptes c;
        p.run(c, g);
        QVERIFY(p.hayError);
        QVERIFY(op.shown().last().text.contains(mensaje, Qt::CaseInsensitive));
        QCOMPARE(movimientosGuardados(), antes);
    }

    // Lines with their own deposit and motive ("ELDELGRID"); a line without a motive
    // takes the default one.
    void depositAndMotiveFromTheGrid()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5")),
                      {{ColArticulo::Deposito, QStringLiteral("2")}, {ColArticulo::MotivoStock, QStringLiteral("6")}}),
                  stocktest::Linea(QStringLiteral("AMO500"), QStringLiteral("1"))});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        p.deposito = QStringLiteral("1");
        p.motivo = QStringLiteral("ELDELGRID");
        postea(p, g, false);
        const auto rows = db_->db.Query(QStringLiteral("SELECT IdDeposito, IdMotivoStock FROM V_MV_STOCK WHERE TC = 'AJP' ORDER BY Secuencia"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0][0].toString(), QStringLiteral("   2"));
        QCOMPARE(rows[0][1].toString(), QStringLiteral("   6"));
        QCOMPARE(rows[1][0].toString(), QStringLiteral("   1"));
        QCOMPARE(rows[1][1].toString(), QStringLiteral("   1"));
    }

    // The perishable flag (46) makes the whole text one lot, unless it is a pipe list.
    void wholeLot_data()
    {
        QTest::addColumn<QString>("lotes");
        QTest::addColumn<QString>("cantidades");
        QTest::addColumn<QList<Mov>>("esperados");
        QTest::newRow("plain text") << "LOTE 2026/12" << ""
                                    << QList<Mov>{{"PARA500", "LOTE 2026/12", "", "1", 6, 6}};
        QTest::newRow("pipe list") << "|A|B|" << "|4|2|"
                                   << QList<Mov>{{"PARA500", "A", "", "1", 4, 4}, {"PARA500", "B", "", "1", 2, 2}};
    }
    void wholeLot()
    {
        QFETCH(QString, lotes);
        QFETCH(QString, cantidades);
        QFETCH(QList<Mov>, esperados);
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("6")),
                      {{ColArticulo::EsPerecedero, QStringLiteral("1")}, {ColArticulo::NroLote, lotes}, {ColArticulo::NroSerie, cantidades}})});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        postea(p, g, false);
        QCOMPARE(movimientos(QStringLiteral("AJP"), QStringLiteral("000100000100R")), esperados);
    }

    // Entries of a type that takes automatic lots get the next one, the same for the call,
    // one that no other voucher holds: above the greatest automatic lot as a number, typed
    // lots of digits counting as the numbers they are.
    void automaticLot_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<QStringList>("guardados");
        for (bool recoger : {false, true}) {
            const char* modo = recoger ? "collected" : "at once";
            QTest::addRow("%s, after 41", modo) << recoger << QStringList{"41"};
            QTest::addRow("%s, after 10 and 41 beside a typed 0009", modo) << recoger << QStringList{"10", "41", "0009"};
            QTest::addRow("%s, after 40 and 41 beside a typed \" X-1\"", modo) << recoger << QStringList{"40", " X-1", "41"};
        }
    }
    void automaticLot()
    {
        QFETCH(bool, recoger);
        QFETCH(QStringList, guardados);
        QStringList extra;
        int secuencia = 0;
        for (const QString& lote : guardados)
            extra << QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, NroLote, Cantidad) "
                                    "VALUES ('AJP', '0001000000%1X', 1, 'FRA500', '   1', '%2', 3)")
                         .arg(++secuencia, 2, 10, QLatin1Char('0'))
                         .arg(Utilidades->AjustaLargo(lote, 25));
        open(extra);
        db_->db.SetConfig(QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("SI"));
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("FRA500"), QStringLiteral("5")), stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("2"))});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        postea(p, g, recoger);
        QCOMPARE(p.loteFijo, QStringLiteral("42"));
        const QString lote42 = QStringLiteral("42").rightJustified(25);
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'AJP' AND IdComprobante = '000100000100R' AND "
                                       "NroLote = '%1'")
                            .arg(lote42)),
                 2);
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(DISTINCT IdComprobante) FROM V_MV_STOCK WHERE TRIM(NroLote) = '42'")), 1);
    }

    // Texts go into the statements with their apostrophes doubled; descriptions lose theirs.
    void apostrophes()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("PARA500"), QStringLiteral("2")),
                      {{ColArticulo::NroLote, QStringLiteral("|L'1|")}, {ColArticulo::Descripcion, QStringLiteral("Paracetamol d'Or")}})});
        Posteo p;
        p.tc = QStringLiteral("AJP");
        p.vendedor = QStringLiteral("O'Hara");
        postea(p, g, false);
        const auto rows = db_->db.Query(QStringLiteral("SELECT TRIM(NroLote), Descripcion, IdVendedor FROM V_MV_STOCK WHERE TC = 'AJP'"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), QStringLiteral("L'1"));
        QCOMPARE(rows[0][1].toString(), QStringLiteral("Paracetamol dOr"));
        QCOMPARE(rows[0][2].toString(), QStringLiteral("O'Hara"));
    }

    // A purchase received from an order marks the order received, in collect mode too
    // only when the batch runs.
    void orderReceptionDate()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Linea(QStringLiteral("IBU400"), QStringLiteral("5"))});
        Posteo p;
        p.tc = QStringLiteral("FCC");
        p.id = QStringLiteral("000100000301A");
        p.tcOrigen = QStringLiteral("OC");
        p.cpteOrigen = QStringLiteral("000100000077X");
        const QString recibida = QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE IDCOMPROBANTE = '000100000077X' AND "
                                                "FechaRecepcion IS NOT NULL");
        ClsCmnCptes c;
        p.recoger = true;
        p.run(c, g);
        QVERIFY(!p.hayError);
        QCOMPARE(cuenta(recibida), 0);
        QVERIFY(corre(p.sqlTemp));
        QCOMPARE(cuenta(recibida), 1);
        QCOMPARE(db_->db.Scalar(QStringLiteral("SELECT FechaRecepcion FROM C_MV_CPTE WHERE IDCOMPROBANTE = '000100000077X'")).toDateTime().date(),
                 QDate(2026, 12, 15));
        QCOMPARE(movimientos(QStringLiteral("FCC"), QStringLiteral("000100000301A")), (QList<Mov>{{"IBU400", "", "", "1", 5, 5}}));
    }

    // A production order brings in what it makes and takes out what it uses.
    void productionOrder()
    {
        open();
        ui::FlexGrid g;
        Llena(g, {stocktest::Con(stocktest::Linea(QStringLiteral("ALC70"), QStringLiteral("10")), {{ColArticulo::CantidadInsumo, QStringLiteral("-1")}}),
                  stocktest::Linea(QStringLiteral("FRA500"), QStringLiteral("10"))});
        Posteo p;
        p.tc = QStringLiteral("OP");
        p.id = QStringLiteral("000100000003X");
        postea(p, g, false);
        QCOMPARE(movimientos(QStringLiteral("OP"), QStringLiteral("000100000003X")),
                 (QList<Mov>{{"ALC70", "", "", "1", 10, 10}, {"FRA500", "", "", "1", -10, -10}}));
        QCOMPARE(saldo(QStringLiteral("FRA500")), 20.0);
        // A production order posts its own inputs: no internal voucher.
        QCOMPARE(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE'")), 0);
    }
};

TESTSUPPORT_MAIN(TstStockPosting)
#include "tst_stock_posting.moc"
