// ObtieneSignoComprobante: the stock sign and the VAT-book sign of a voucher type.
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/ClsCmnCptes.h"

#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;

namespace {

// A voucher type of the test: its code as stored, its ES, Signo, Sistema and DebeHaber.
QString tipo(const QString& codigo, const QString& es, const QString& signo, const QString& sistema,
             const QString& debeHaber)
{
    auto literal = [](const QString& v) { return v.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + v + QLatin1Char('\''); };
    return QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, LETRAS, ES, Signo, SISTEMA, DebeHaber) "
                          "VALUES (%1, 1, 'Tipo de prueba', 'X', %2, %3, %4, %5)")
        .arg(literal(codigo), literal(es), signo.isNull() ? QStringLiteral("NULL") : signo, literal(sistema), literal(debeHaber));
}

// Types in the lists and out of them, with ES, Signo, Sistema and DebeHaber as the cases
// need them. The demo's TR, AJP, AJN and IR (ES empty), RMC (ES "E"), FC (ES "S", Signo 1) and
// NC (ES "E", Signo -1) are used as they are.
const QStringList kTipos{
    tipo("FCE ", "e", "1", "VENTAS", "D"),     // ES in lower case
    tipo("RMC2", "", QString(), "COMPRAS", "H"),
    tipo("ZZ  ", QString(), QString(), "VENTAS", "H"),
    tipo("ZC  ", QString(), QString(), "Compras", "D"),
    tipo("ZC0 ", QString(), "0", "Compras", "D"),
    tipo("ZV  ", QString(), QString(), "Ventas", "D"),
    tipo("ND  ", QString(), "1", "VENTAS", "D"),
    tipo("NCP ", QString(), QString(), "VENTAS", "H"),
    tipo("NCC ", QString(), "1", "COMPRAS", "D"),
    tipo("LNCC", "E", QString(), "COMPRAS", QString()),
    tipo("NDC ", "S", QString(), "COMPRAS", QString()),
    tipo("TK  ", QString(), "-1", "VENTAS", "H"),
    tipo("VS  ", " ", QString(), "STOCK", QString()),
    tipo("ZS  ", "S ", "-2", "STOCK", QString()),
};

} // namespace

class TstStockSign : public QObject {
    Q_OBJECT

private slots:
    void init() { db_ = std::make_unique<VoucherFixture>(kTipos); }
    void cleanup() { db_.reset(); }

    void stockSign_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("sign");

        QTest::newRow("ES E over the exit list") << "LNCC" << 1;
        QTest::newRow("ES S over the entry list") << "NDC" << -1;
        QTest::newRow("ES in lower case") << "FCE" << 1;
        QTest::newRow("ES S with blanks") << "ZS" << -1;
        QTest::newRow("TR without ES") << "TR" << -1;
        QTest::newRow("TR filled to four") << "TR  " << -1;
        QTest::newRow("TR in lower case") << "tr" << -1;
        QTest::newRow("ES of blanks, exit list") << "VS" << -1;
        QTest::newRow("AJP of the demo") << "AJP" << 1;
        QTest::newRow("AJN of the demo") << "AJN" << -1;
        QTest::newRow("IR of the demo, filled") << "IR  " << 1;
        QTest::newRow("RMC of the demo") << "RMC" << 1;
        QTest::newRow("FC of the demo, filled") << "FC  " << -1;
        QTest::newRow("in no list") << "ZZ" << 1;
        QTest::newRow("in no list, empty ES") << "RMC2" << 1;
    }
    void stockSign()
    {
        QFETCH(QString, tc);
        QFETCH(int, sign);
        ClsCmnCptes c;
        QCOMPARE(int(c.ObtieneSignoComprobante(tc, false)), sign);
    }

    void vatBookSign_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<bool>("debitoProveedor");
        QTest::addColumn<int>("sign");

        QTest::newRow("debit note of a supplier") << "ND" << true << -1;
        QTest::newRow("debit note of a customer, Signo 1") << "ND" << false << 1;
        QTest::newRow("debit note filled to four") << "ND  " << true << -1;
        QTest::newRow("positive list over Signo") << "TK" << false << 1;
        QTest::newRow("NC with Signo -1") << "NC" << false << -1;
        QTest::newRow("NCC with Signo 1: the negative list does not apply") << "NCC" << false << 1;
        QTest::newRow("NCP with Signo Null: negative list") << "NCP" << false << -1;
        QTest::newRow("NCP filled to four") << "NCP " << false << -1;
        QTest::newRow("sales, haber, Signo Null") << "ZZ" << false << -1;
        QTest::newRow("purchases, debe, Signo Null") << "ZC" << false << -1;
        QTest::newRow("purchases, debe, Signo 0") << "ZC0" << false << 1;
        QTest::newRow("sales, debe, Signo Null") << "ZV" << false << 1;
        QTest::newRow("Signo -2 as stored") << "ZS" << false << -2;
    }
    void vatBookSign()
    {
        QFETCH(QString, tc);
        QFETCH(bool, debitoProveedor);
        QFETCH(int, sign);
        ClsCmnCptes c;
        c.DebitoProveedor = debitoProveedor;
        QCOMPARE(int(c.ObtieneSignoComprobante(tc, true)), sign);
    }

    void missingType_data()
    {
        QTest::addColumn<bool>("libroIVA");
        QTest::newRow("stock") << false;
        QTest::newRow("VAT book") << true;
    }
    void missingType()
    {
        QFETCH(bool, libroIVA);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("El Tipo de Comprobante informado no existe en la tabla de comprobantes"), 1,
                        QStringLiteral("Aviso al operador!!!"), 16);
        ClsCmnCptes c;
        QCOMPARE(int(c.ObtieneSignoComprobante(QStringLiteral("QQ"), libroIVA)), 0);
    }

    void codeWithApostrophe()
    {
        // The code reaches SQL as one literal: no row, the message and 0.
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("no existe"), 1);
        ClsCmnCptes c;
        QCOMPARE(int(c.ObtieneSignoComprobante(QStringLiteral("T'R"), false)), 0);
    }

private:
    std::unique_ptr<VoucherFixture> db_;
};

TESTSUPPORT_MAIN(TstStockSign)
#include "tst_stock_sign.moc"
