// What is still to deliver of an order's articles, the vouchers issued from a voucher
// and their amount, and the real charges of an account, on the demo vouchers.
#include "LoaderBench.h"

#include "platform/vb/VbError.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TestMain.h"

#include <QDialog>
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::VoucherFixture;
using testsupport::VoucherHostForm;

namespace {

const QString kOrder = QStringLiteral("000100000045X");

// A stock exit of the demo order's delivery note.
QString exitOf(const char* article, double quantity)
{
    return QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, Cantidad, Tc_Origen, IdComprobante_Origen) "
                          "VALUES ('RM  ', '000100000057R', '%1', %2, 'NP  ', '000100000045X')")
        .arg(QLatin1String(article))
        .arg(-quantity);
}

// A sales voucher issued from the demo delivery note.
QString issuedFromDeliveryNote(const char* id, int complemento, const char* importe, int anulada)
{
    return QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, Importe, ANULADA, TCORIGEN, "
                          "COMPROBANTEORIGEN, COMPLEMENTOORIGEN) VALUES ('NC  ', '%1', 0, %2, %3, 'RM  ', '000100000057R', %4)")
        .arg(QLatin1String(id), QLatin1String(importe))
        .arg(anulada)
        .arg(complemento);
}

const QString kAnnulDeliveryNote = QStringLiteral("UPDATE V_MV_CPTE SET ANULADA = 1 WHERE ID = 2501");

// A charges-control form of a caller: it declares the two properties and records the
// order in which they are set.
class ControlForm : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString Cliente READ cliente WRITE setCliente)
    Q_PROPERTY(QString Matricula READ matricula WRITE setMatricula)
public:
    ControlForm() { setObjectName(QStringLiteral("FrmCtrlCargosReales")); }
    QString cliente() const { return cliente_; }
    void setCliente(const QString& v)
    {
        cliente_ = v;
        sets << QStringLiteral("Cliente");
    }
    QString matricula() const { return matricula_; }
    void setMatricula(const QString& v)
    {
        matricula_ = v;
        sets << QStringLiteral("Matricula");
    }
    QStringList sets;

private:
    QString cliente_;
    QString matricula_;
};

} // namespace

class TstVoucherRelations : public QObject {
    Q_OBJECT

private slots:
    void pendingDelivery_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("article");
        QTest::addColumn<double>("pending");
        QTest::addColumn<double>("delivered");

        QTest::newRow("10 ordered, 4 delivered") << QStringList() << "NP" << kOrder << "IBU400" << 6.0 << 4.0;
        QTest::newRow("all delivered") << QStringList() << "NP" << kOrder << "AMO500" << 0.0 << 6.0;
        QTest::newRow("a box of two") << QStringList() << "NP" << kOrder << "ALCGEL" << 1.0 << 1.0;
        QTest::newRow("code and id with blanks") << QStringList() << "NP" << " 000100000045X " << " IBU400 " << 6.0 << 4.0;
        QTest::newRow("neither ordered nor delivered") << QStringList() << "NP" << kOrder << "JARAB1" << 0.0 << 0.0;
        QTest::newRow("more delivered than ordered") << QStringList{exitOf("IBU400", 8)} << "NP" << kOrder << "IBU400"
                                                     << 0.0 << 12.0;
        QTest::newRow("delivered without being ordered") << QStringList{exitOf("JARAB1", 5)} << "NP" << kOrder << "JARAB1"
                                                         << 0.0 << 5.0;
        QTest::newRow("a Null quantity ordered counts 0")
            << QStringList{"UPDATE V_MV_CPTEINSUMOS SET Cantidad = NULL WHERE ID = 2500"} << "NP" << kOrder << "IBU400"
            << 0.0 << 4.0;
        QTest::newRow("another voucher type") << QStringList() << "PR" << kOrder << "IBU400" << 0.0 << 0.0;
        QTest::newRow("an apostrophe in the code") << QStringList() << "NP" << kOrder << "IBU'400" << 0.0 << 0.0;
    }
    void pendingDelivery()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, article);
        QFETCH(double, pending);
        QFETCH(double, delivered);
        VoucherFixture db(extra);
        VoucherHostForm f;
        ScriptedOperator op;
        double aplicado = 99;
        QCOMPARE(f.Cptes().CantRepartoPend(tc, id, article, aplicado), pending);
        QCOMPARE(aplicado, delivered);
    }

    void issuedFrom_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<bool>("related");           // annulled vouchers left out
        QTest::addColumn<bool>("relatedAnnulled");   // annulled vouchers counted
        QTest::addColumn<QString>("amount");

        QTest::newRow("order: its delivery note, and an annulled invoice")
            << QStringList() << "NP" << kOrder << "0" << true << true << "62840";
        QTest::newRow("delivery note: its invoice") << QStringList() << "RM" << "000100000057R" << "0" << true << true
                                                    << "62840";
        QTest::newRow("type and id with blanks, in small letters")
            << QStringList() << " rm " << " 000100000057R " << "0" << true << true << "62840";
        QTest::newRow("invoice: nothing issued from it") << QStringList() << "FC" << "000100000118A" << "0" << false
                                                         << false << "0";
        QTest::newRow("only an annulled voucher") << QStringList{kAnnulDeliveryNote} << "NP" << kOrder << "0" << false
                                                  << true << "0";
        QTest::newRow("another complement") << QStringList() << "NP" << kOrder << "1" << false << false << "62840";
        QTest::newRow("two more of other complements: the amount sums every complement")
            << QStringList{issuedFromDeliveryNote("000100000005A", 1, "100.25", 0),
                           issuedFromDeliveryNote("000100000006A", 0, "50.5", 0)}
            << "RM" << "000100000057R" << "1" << true << true << "62990.75";
        QTest::newRow("an annulled one of another complement counts only with the annulled")
            << QStringList{issuedFromDeliveryNote("000100000005A", 1, "100.25", 1)} << "RM" << "000100000057R" << "1"
            << false << true << "62840";
        QTest::newRow("a Null amount adds nothing")
            << QStringList{issuedFromDeliveryNote("000100000005A", 0, "NULL", 0)} << "RM" << "000100000057R" << "0"
            << true << true << "62840";
        // The complement is a number: whatever is not a whole number is 0.
        QTest::newRow("an apostrophe in the complement: not a number, 0") << QStringList() << "NP" << kOrder << "0'"
                                                                           << true << true << "62840";
        QTest::newRow("delivery note with the empty complement of the lookup: its invoice")
            << QStringList() << "RM" << "000100000057R" << "" << true << true << "62840";
        QTest::newRow("delivery note with complement 0: its invoice")
            << QStringList() << "RM" << "000100000057R" << "0" << true << true << "62840";
        QTest::newRow("decimals are no whole number: 0, not 2")
            << QStringList{issuedFromDeliveryNote("000100000005A", 2, "100.25", 0),
                           QStringLiteral("UPDATE V_MV_CPTE SET COMPLEMENTOORIGEN = 5 WHERE ID = 2502")}
            << "RM" << "000100000057R" << "1.5" << false << false << "62940.25";
        QTest::newRow("a statement in the complement")
            << QStringList() << "RM" << "000100000057R" << "0); DELETE FROM V_MV_CPTE; --" << true << true << "62840";
    }
    void issuedFrom()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(QString, complemento);
        QFETCH(bool, related);
        QFETCH(bool, relatedAnnulled);
        QFETCH(QString, amount);
        VoucherFixture db(extra);
        VoucherHostForm f;
        ScriptedOperator op;
        QCOMPARE(f.Cptes().EstaRelacionadoAOtroComprobante(tc, id, complemento, false), related);
        QCOMPARE(f.Cptes().EstaRelacionadoAOtroComprobante(tc, id, complemento, true), relatedAnnulled);
        QCOMPARE(f.Cptes().ObtieneImporteCptesAsociados(tc, id).toString(), amount);
    }

    // A complement beyond any whole number the column holds is refused, naming it.
    void complementOutOfRange()
    {
        VoucherFixture db;
        VoucherHostForm f;
        ScriptedOperator op;
        try {
            f.Cptes().EstaRelacionadoAOtroComprobante(QStringLiteral("RM"), QStringLiteral("000100000057R"),
                                                      QStringLiteral("99999999999"), false);
            QFAIL("no error raised");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 6);
            QCOMPARE(e.Description, QStringLiteral("El complemento 99999999999 está fuera de rango"));
        }
    }

    void realCharges_data()
    {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<QString>("importe");
        QTest::newRow("a charge and a credit") << "110301" << "10000";
        QTest::newRow("blanks around the account") << " 110301 " << "10000";
        QTest::newRow("one charge") << "110302" << "3200";
        QTest::newRow("no charges") << "110303" << "0";
        QTest::newRow("an apostrophe") << "1103'01" << "0";
    }
    void realCharges()
    {
        QFETCH(QString, cuenta);
        QFETCH(QString, importe);
        VoucherFixture db;
        VoucherHostForm f;
        ScriptedOperator op;
        QCOMPARE(f.Cptes().ImporteCargosReales(cuenta).toString(), importe);
    }

    // A read that fails is shown under the method's name; leaving answers 0.
    void realChargesUnreadable()
    {
        VoucherFixture db({QStringLiteral("DROP TABLE V_MV_CargosAplicados")});
        VoucherHostForm f;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("V_MV_CargosAplicados"), 3).expectMsgBox(QString(), 3);
        QCOMPARE(f.Cptes().ImporteCargosReales(QStringLiteral("110301")).toString(), QStringLiteral("0"));
        QVERIFY(op.shown()[0].title.contains(QStringLiteral("AbrirRecordset")));
        QVERIFY(op.shown()[1].title.contains(QStringLiteral("ImporteCargosReales@")));
    }

    void chargesControlForm_data()
    {
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QString>("matricula");
        QTest::newRow("customer and registration") << "110301" << "MP-4410";
        QTest::newRow("an empty customer") << "" << "MP-4410";
    }
    void chargesControlForm()
    {
        QFETCH(QString, cliente);
        QFETCH(QString, matricula);
        VoucherFixture db;
        VoucherHostForm f;
        ControlForm form;
        QStringList seen;
        ScriptedOperator op;
        op.expectForm(QStringLiteral("FrmCtrlCargosReales"), [&](QDialog& d) {
            seen << d.property("Cliente").toString() << d.property("Matricula").toString();
            return 0;
        });
        f.Cptes().ControlDeCargosReales(&form, cliente, matricula);
        QCOMPARE(form.sets, (QStringList{"Cliente", "Matricula"}));
        QCOMPARE(seen, (QStringList{cliente, matricula}));
        QVERIFY(form.isHidden());
    }

    // A form given the two properties by its creator serves as well; one without them
    // raises 438 to the caller, and nothing is shown.
    void chargesControlFormProperties_data()
    {
        QTest::addColumn<QStringList>("properties");
        QTest::addColumn<int>("error");
        QTest::newRow("given by the creator") << QStringList{"Cliente", "Matricula"} << 0;
        QTest::newRow("no registration number") << QStringList{"Cliente"} << 438;
        QTest::newRow("none") << QStringList() << 438;
    }
    void chargesControlFormProperties()
    {
        QFETCH(QStringList, properties);
        QFETCH(int, error);
        VoucherFixture db;
        VoucherHostForm f;
        QDialog form;
        form.setObjectName(QStringLiteral("FrmCtrlCargosReales"));
        for (const QString& p : properties)
            form.setProperty(p.toLatin1().constData(), QString());
        ScriptedOperator op;
        if (error == 0)
            op.expectForm(QStringLiteral("FrmCtrlCargosReales"), [](QDialog&) { return 0; });
        QCOMPARE(testsupport::ErrorOf([&] {
                     f.Cptes().ControlDeCargosReales(&form, QStringLiteral("110301"), QStringLiteral("MP-4410"));
                 }),
                 error);
        if (error == 0)
            QCOMPARE(form.property("Matricula").toString(), QStringLiteral("MP-4410"));
    }
};

TESTSUPPORT_MAIN(TstVoucherRelations)
#include "tst_voucher_relations.moc"
