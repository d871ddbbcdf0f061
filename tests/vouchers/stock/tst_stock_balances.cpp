// Stock balances: ControlStock, ObtieneStockxEquiv, ObtieneStockLOTE and ObtieneStock;
// the next automatic lot and the "spnl" movement of a production order.
#include "frame/Config.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/Stock.h"

#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;

namespace {

// One movement: article, deposit, lot, serial, position, unit, base unit and quantities.
struct Mov {
    QString articulo;
    QString deposito;
    QString lote;
    QString serie;
    QString posicion;
    QString unidad;
    QString unidadBase;
    double cantidad;
};

QString literal(const QString& v)
{
    return v.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + v + QLatin1Char('\'');
}

QString insert(const Mov& m)
{
    static int secuencia = 0;
    return QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, NroLote, NroSerie, "
                          "IdPosicion, IdUnidad, IdUnidadBase, Cantidad, CantidadUD) VALUES ('AJP', '000100000009X', %1, %2, %3, "
                          "%4, %5, %6, %7, %8, %9, %9)")
        .arg(++secuencia)
        .arg(literal(m.articulo), literal(m.deposito), literal(m.lote), literal(m.serie), literal(m.posicion),
             literal(m.unidad), literal(m.unidadBase))
        .arg(m.cantidad);
}

// The movements of the tests alone, on the demo's articles: an opening stock in deposit
// 1 (IBU400 120, ALCGEL 45, the paracetamol lots P2611A 10 and P2612B 5), then the rest.
QStringList movements()
{
    const QString N;   // Null
    const QList<Mov> ms{
        {"IBU400", "   1", N, N, N, "UN  ", "UN  ", 120},
        {"ALCGEL", "   1", N, N, N, "UN  ", "UN  ", 45},
        {"PARA500", "   1", "P2611A", N, N, "UN  ", "UN  ", 10},
        {"PARA500", "   1", "P2612B", N, N, "UN  ", "UN  ", 5},
        {"IBU400", "   2", N, N, N, "UN  ", "UN  ", 30},
        {"IBU400", "   1", N, N, N, "CAJA", N, 2},
        {"IBU400", "   1", N, N, N, "UN  ", "UN  ", -20},
        {"PARA500", "   2", "P2611A", N, N, "UN  ", "UN  ", 4},
        {"PARA500", "   1", N, N, N, "UN  ", "UN  ", 3},
        {"PARA500", "   1", "P2611A", "S-9", N, "UN  ", "UN  ", 100},
        {"TERMDIG", "   1", N, "S-001", N, "UN  ", "UN  ", 1},
        {"TERMDIG", "   1", N, "S-002", "A-01", "UN  ", "UN  ", 1},
        {"TERMDIG", "   2", "T1", "S-003", N, "UN  ", "UN  ", 1},
        {"GLUCOM", "   1", "G1", "S-100", "A-01", "UN  ", "UN  ", 1},
        {"GLUCOM", "   1", "G1", N, "A-02", "UN  ", "UN  ", 2},
        {"GLUCOM", "   1", N, "S-101", N, "UN  ", "UN  ", 1},
        {"NOEXISTE", "   1", N, N, N, "UN  ", "UN  ", 4},
    };
    QStringList out{QStringLiteral("DELETE FROM V_MV_STOCK")};
    for (const Mov& m : ms)
        out << insert(m);
    return out;
}

} // namespace

class TstStockBalances : public QObject {
    Q_OBJECT

private slots:
    void init() { db_ = std::make_unique<VoucherFixture>(movements()); }
    void cleanup()
    {
        gUsaStockUdKg = false;
        db_.reset();
    }

    void controlStock_data()
    {
        QTest::addColumn<bool>("udKg");
        QTest::addColumn<QString>("deposito");
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("unidad");
        QTest::addColumn<double>("stock");

        QTest::newRow("by deposit") << false << "1" << "IBU400" << "UN" << 100.0;
        QTest::newRow("deposit at its width") << false << "   2" << "IBU400" << "UN  " << 30.0;
        QTest::newRow("another unit") << false << "1" << "IBU400" << "CAJA" << 2.0;
        QTest::newRow("all deposits") << false << "" << "IBU400" << "UN" << 130.0;
        QTest::newRow("all deposits, blanks") << false << "    " << "ibu400" << "un" << 130.0;
        QTest::newRow("no balance row") << false << "2" << "AMO500" << "UN" << 0.0;
        QTest::newRow("all deposits, no row") << false << "" << "AMO500" << "KG" << 0.0;
        QTest::newRow("units and kilos, by deposit") << true << "1" << "IBU400" << "KG" << 102.0;
        QTest::newRow("units and kilos, all deposits") << true << "" << "IBU400" << "" << 132.0;
        QTest::newRow("units and kilos, no row") << true << "2" << "AMO500" << "" << 0.0;
    }
    void controlStock()
    {
        QFETCH(bool, udKg);
        QFETCH(QString, deposito);
        QFETCH(QString, articulo);
        QFETCH(QString, unidad);
        QFETCH(double, stock);
        gUsaStockUdKg = udKg;
        double saldo = -1;
        ControlStock(deposito, articulo, unidad, saldo);
        QCOMPARE(saldo, stock);
    }

    void controlStockBlankArticle()
    {
        double saldo = 99;
        ControlStock(QStringLiteral("1"), QStringLiteral("  "), QStringLiteral("UN"), saldo);
        QCOMPARE(saldo, 99.0);
    }

    void stockInAnotherUnit_data()
    {
        QTest::addColumn<QString>("unidad");
        QTest::addColumn<QString>("equivalente");
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("convertido");
        QTest::addColumn<QString>("unidadDespues");

        // A box of alcohol gel holds 12 bottles.
        QTest::newRow("bottles in boxes") << "UN" << "CAJA" << 45.0 << 3.75 << "UN";
        QTest::newRow("no other unit asked") << "UN" << "" << 45.0 << 0.0 << "UN";
        QTest::newRow("no equivalence") << "UN" << "BL" << 45.0 << 0.0 << "UN";
        // No unit: the article's stock unit, handed back.
        QTest::newRow("no unit: the article's") << "" << "CAJA" << 45.0 << 3.75 << "UN";
        QTest::newRow("blanks: the article's") << "   " << "" << 45.0 << 0.0 << "UN";
    }
    void stockInAnotherUnit()
    {
        QFETCH(QString, unidad);
        QFETCH(QString, equivalente);
        QFETCH(double, base);
        QFETCH(double, convertido);
        QFETCH(QString, unidadDespues);
        ClsCmnCptes c;
        double stockBase = -1;
        double stockEquiv = -1;
        c.ObtieneStockxEquiv(QStringLiteral("1"), QStringLiteral("ALCGEL"), unidad, equivalente, stockBase, stockEquiv);
        QCOMPARE(stockBase, base);
        QCOMPARE(stockEquiv, convertido);
        QCOMPARE(vb::Trim(unidad), unidadDespues);
    }

    void lotBalance_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("deposito");
        QTest::addColumn<QString>("lote");
        QTest::addColumn<double>("stock");

        QTest::newRow("a lot with a serial too") << "PARA500" << "1" << "P2611A" << 110.0;
        QTest::newRow("lot in lower case") << "PARA500" << "1" << "p2612b" << 5.0;
        QTest::newRow("the lot in another deposit") << "PARA500" << "2" << "P2611A" << 4.0;
        QTest::newRow("no lot: the stock without lot") << "PARA500" << "1" << "" << 3.0;
        QTest::newRow("a lot that is not there") << "PARA500" << "1" << "P9999" << 0.0;
    }
    void lotBalance()
    {
        QFETCH(QString, articulo);
        QFETCH(QString, deposito);
        QFETCH(QString, lote);
        QFETCH(double, stock);
        QCOMPARE(ClsCmnCptes().ObtieneStockLOTE(articulo, deposito, lote), stock);
    }

    void stockBy_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("deposito");
        QTest::addColumn<QString>("lote");
        QTest::addColumn<QString>("serie");
        QTest::addColumn<QString>("posicion");
        QTest::addColumn<QString>("unidad");
        QTest::addColumn<double>("stock");

        const QString I = QStringLiteral("Ignorar");
        // Lot and serial both left out: units by deposit and unit.
        QTest::newRow("units, deposit and unit given") << "IBU400" << "2" << I << I << "" << "UN" << 30.0;
        QTest::newRow("units, any case of Ignorar") << "IBU400" << "1" << "IGNORAR" << "ignorar" << "" << "CAJA" << 2.0;
        // The lot and serial stock.
        QTest::newRow("a lot, all deposits") << "PARA500" << "" << "P2611A" << I << I << I << 14.0;
        QTest::newRow("a lot in a deposit") << "PARA500" << "2" << "P2611A" << I << I << I << 4.0;
        QTest::newRow("a serial alone") << "TERMDIG" << I << I << "S-001" << I << I << 1.0;
        QTest::newRow("a serial in lower case") << "TERMDIG" << I << I << "s-002" << I << I << 1.0;
        QTest::newRow("a position") << "GLUCOM" << I << "" << I << "A-01" << I << 1.0;
        QTest::newRow("a position is no filter of the units") << "GLUCOM" << I << I << I << "A-01" << I << 4.0;
        QTest::newRow("a lot and a position") << "GLUCOM" << "1" << "G1" << I << "A-02" << I << 2.0;
        // Lot left out and an empty serial: no lot or serial filter, only the article's rule.
        QTest::newRow("lots only: stock without serial") << "PARA500" << I << I << "" << I << I << 22.0;
        QTest::newRow("serials only: stock without lot") << "TERMDIG" << I << I << "" << I << I << 2.0;
        QTest::newRow("lots and serials: everything") << "GLUCOM" << I << I << "" << "" << I << 4.0;
        QTest::newRow("neither: everything") << "IBU400" << "1" << "" << I << I << I << 102.0;
        QTest::newRow("an article that is not there uses neither") << "NOEXISTE" << I << I << "" << I << I << 4.0;
    }
    void stockBy()
    {
        QFETCH(QString, articulo);
        QFETCH(QString, deposito);
        QFETCH(QString, lote);
        QFETCH(QString, serie);
        QFETCH(QString, posicion);
        QFETCH(QString, unidad);
        QFETCH(double, stock);
        ScriptedOperator op;   // nothing is shown
        QCOMPARE(ClsCmnCptes().ObtieneStock(articulo, deposito, lote, serie, posicion, unidad), stock);
    }

    void stockWithDefaults_data()
    {
        QTest::addColumn<QVariant>("depositoDefault");
        QTest::addColumn<QString>("deposito");
        QTest::addColumn<double>("stock");

        QTest::newRow("the default deposit") << QVariant(QStringLiteral("1")) << "   1" << 100.0;
        QTest::newRow("no default: all deposits") << QVariant() << "    " << 130.0;
    }
    void stockWithDefaults()
    {
        QFETCH(QVariant, depositoDefault);
        QFETCH(QString, deposito);
        QFETCH(double, stock);
        db_->SetConfig(QStringLiteral("DepositoDefault"), depositoDefault);
        QString idDeposito = QStringLiteral("Ignorar");
        QString idUnidad = QStringLiteral("Ignorar");
        const double saldo = ClsCmnCptes().ObtieneStock(QStringLiteral("IBU400"), idDeposito, QStringLiteral("Ignorar"),
                                                        QStringLiteral("Ignorar"), QString(), idUnidad);
        QCOMPARE(idDeposito, deposito);
        QCOMPARE(idUnidad, QStringLiteral("UN  "));
        QCOMPARE(saldo, stock);
    }

    void automaticLot_data()
    {
        QTest::addColumn<QStringList>("lotes");
        QTest::addColumn<QString>("siguiente");

        QTest::newRow("none yet") << QStringList{} << "1";
        QTest::newRow("after 41") << QStringList{"41"} << "42";
        QTest::newRow("after 9 and 41") << QStringList{"9", "41"} << "42";
        QTest::newRow("after 100 and 99") << QStringList{"100", "99"} << "101";
        QTest::newRow("after 99999") << QStringList{"99999"} << "100000";
        // Typed lots beside the automatic ones: the greatest is a number, never the
        // greatest text, and a lot that is no number is none of them.
        QTest::newRow("10 and 41 beside a typed 0009") << QStringList{"10", "41", "0009"} << "42";
        QTest::newRow("a typed 0042 counts as 42") << QStringList{"41", "0042"} << "43";
        QTest::newRow("1 and 2 beside a typed \" X-1\"") << QStringList{"1", "2", " X-1"} << "3";
        QTest::newRow("a typed \" X-1\" alone") << QStringList{" X-1"} << "1";
        QTest::newRow("codes only") << QStringList{"L-2511", "ABC", "P2611A"} << "1";
        QTest::newRow("digits with a blank inside") << QStringList{"7", " 1 2"} << "8";
        QTest::newRow("a number as long as the lot") << QStringList{"5", QString(25, QLatin1Char('9'))} << "6";
        // A whole number of any width the lot holds, past what a 64-bit number holds too.
        QTest::newRow("after 20 digits") << QStringList{"41", "12345678901234567890"} << "12345678901234567891";
        QTest::newRow("after the greatest 64-bit number") << QStringList{"9223372036854775807"} << "9223372036854775808";
        QTest::newRow("twelve nines carry") << QStringList{"999999999999"} << "1000000000000";
        QTest::newRow("24 digits with zeros in front") << QStringList{"000000000000000000000041", "7"} << "42";
    }
    void automaticLot()
    {
        QFETCH(QStringList, lotes);
        QFETCH(QString, siguiente);
        // Stored as stock posting writes them: at the lot's width, a number to the right.
        for (const QString& lote : lotes)
            db_->Exec(insert({"PARA500", "   1", Utilidades->AjustaLargo(lote, 25), QString(), QString(), "UN  ", "UN  ", 1}));
        const QString lote = ClsCmnCptes().ObtieneLoteAutomatico();
        QCOMPARE(lote, siguiente);
        // No voucher holds it.
        QCOMPARE(db_->Scalar(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TRIM(NroLote) = '%1'").arg(lote)).toInt(), 0);
    }

    void spnl()
    {
        db_->Exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, Cantidad, Tc_Origen, "
                                 "IdComprobante_Origen) VALUES ('SPNL', '000100000001X', 1, 'FRA500', 0, 'OP', '000100000003X')"));
        ClsCmnCptes c;
        QVERIFY(c.TieneSPNL(QStringLiteral("OP"), QStringLiteral("000100000003X")));
        QVERIFY(!c.TieneSPNL(QStringLiteral("OP"), QStringLiteral("000100000004X")));
        QVERIFY(!c.TieneSPNL(QStringLiteral("OT"), QStringLiteral("000100000003X")));
        QVERIFY(!c.TieneSPNL(QStringLiteral("O'P"), QStringLiteral("000100000003X")));
    }

private:
    std::unique_ptr<VoucherFixture> db_;
};

TESTSUPPORT_MAIN(TstStockBalances)
#include "tst_stock_balances.moc"
