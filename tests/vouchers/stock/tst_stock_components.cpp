// IdArticuloTieneInsumos and ArticuloTieneLotes: the components of a manufactured
// article and the lots that cover a component's quantity.
#include "frame/Format.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/Stock.h"

#include <QTest>

using testsupport::VoucherFixture;

namespace {

// An element as a reader takes it: code and unit without their marks, and the quantity.
struct Elemento {
    QString codigo;
    QString unidad;
    double cantidad;
    bool operator==(const Elemento&) const = default;
};

QList<Elemento> leidos(const QVector<RegArticuloCantidad>& v)
{
    QList<Elemento> out;
    for (const RegArticuloCantidad& r : v)
        out << Elemento{QuitaMarcas(r.Codigo), QuitaMarcas(r.Unidad), r.Cantidad};
    return out;
}

// A fresh element: both texts made of NUL characters, quantity 0.
bool fresco(const RegArticuloCantidad& r)
{
    return r.Codigo.Texto() == QString(25, QChar(0)) && r.Unidad.Texto() == QString(4, QChar(0)) && r.Cantidad == 0;
}

// A lot of the component with stock in a deposit.
QString lote(const QString& deposito, const QString& lote, double cantidad)
{
    return QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, IdDeposito, NroLote, Cantidad, CantidadUD) "
                          "VALUES ('AJP', '000100000009X', 1, 'FRA500', '%1', '%2', %3, %3)")
        .arg(deposito, lote)
        .arg(cantidad);
}

} // namespace

Q_DECLARE_METATYPE(Elemento)

class TstStockComponents : public QObject {
    Q_OBJECT

private slots:
    // The paracetamol's lots on the shelves are left out: the figures below are those of
    // its lots P2611A and P2612B.
    void init()
    {
        db_ = std::make_unique<VoucherFixture>(QStringList{QStringLiteral(
            "DELETE FROM V_MV_STOCK WHERE IdArticulo = 'PARA500' AND NroLote IN ('L-2511', 'L-2602')")});
    }
    void cleanup() { db_.reset(); }

    void components()
    {
        QVector<RegArticuloCantidad> insumos;
        QVERIFY(IdArticuloTieneInsumos(QStringLiteral("BOTIQ"), insumos, false));
        const QList<Elemento> esperados{{"ALCGEL", "UN", 1}, {"GUANTE", "UN", 2}, {"PARA500", "UN", 1}};
        QCOMPARE(leidos(insumos.mid(0, 3)), esperados);
        // The list ends with one fresh element, which readers pass over.
        QCOMPARE(insumos.size(), 4);
        QVERIFY(fresco(insumos[3]));
        // Texts of the record are kept at their width.
        QCOMPARE(insumos[0].Codigo.Texto(), QStringLiteral("ALCGEL").leftJustified(25));
        QCOMPARE(insumos[0].Unidad.Texto(), QStringLiteral("UN  "));
    }

    void componentsOnlyAsked()
    {
        QVector<RegArticuloCantidad> insumos(5);
        QVERIFY(IdArticuloTieneInsumos(QStringLiteral("botiq "), insumos, true));
        QCOMPARE(insumos.size(), 1);
        QVERIFY(fresco(insumos[0]));
    }

    void noComponents_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::newRow("an article bought") << "IBU400";
        QTest::newRow("no such article") << "NOEXISTE";
        QTest::newRow("a code with an apostrophe") << "BOT'IQ";
    }
    void noComponents()
    {
        QFETCH(QString, articulo);
        testsupport::ScriptedOperator op;   // nothing is shown
        QVector<RegArticuloCantidad> insumos(3);
        QVERIFY(!IdArticuloTieneInsumos(articulo, insumos, false));
        QCOMPARE(insumos.size(), 1);
        QVERIFY(fresco(insumos[0]));
    }

    void lotsCover_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<QList<Elemento>>("esperados");

        // The demo's paracetamol: lot P2611A 10 and lot P2612B 5, in deposit 1.
        QTest::newRow("12: the second lot cut") << 12.0 << QList<Elemento>{{"P2611A", "", 10}, {"P2612B", "", 2}};
        QTest::newRow("15: both lots, exactly") << 15.0 << QList<Elemento>{{"P2611A", "", 10}, {"P2612B", "", 5}};
        QTest::newRow("20: the rest without lot")
            << 20.0 << QList<Elemento>{{"P2611A", "", 10}, {"P2612B", "", 5}, {"", "", 5}};
        QTest::newRow("10: the first lot alone") << 10.0 << QList<Elemento>{{"P2611A", "", 10}};
        QTest::newRow("2.5 of the first lot") << 2.5 << QList<Elemento>{{"P2611A", "", 2.5}};
        QTest::newRow("0: nothing to take") << 0.0 << QList<Elemento>{};
        QTest::newRow("a return goes to the first lot") << -3.0 << QList<Elemento>{{"P2611A", "", -3}};
    }
    void lotsCover()
    {
        QFETCH(double, cantidad);
        QFETCH(QList<Elemento>, esperados);
        QVector<RegArticuloCantidad> lotes;
        QVERIFY(ArticuloTieneLotes(QStringLiteral("PARA500"), QStringLiteral("'   1'"), lotes, cantidad));
        QCOMPARE(leidos(lotes), esperados);
        for (const RegArticuloCantidad& r : std::as_const(lotes)) {
            QVERIFY(!r.Codigo.Texto().contains(QChar(0)));
            QVERIFY(r.Cantidad != 0);
        }
    }

    void lotsInOrder()
    {
        // Lot order, not the order written; lots without stock are not offered.
        db_->Exec(lote(QStringLiteral("   2"), QStringLiteral("B-2"), 3));
        db_->Exec(lote(QStringLiteral("   2"), QStringLiteral("A-1"), 4));
        db_->Exec(lote(QStringLiteral("   2"), QStringLiteral("A-0"), 2));
        db_->Exec(lote(QStringLiteral("   2"), QStringLiteral("A-0"), -2));
        db_->Exec(lote(QStringLiteral("   2"), QStringLiteral("C-3"), -1));
        QVector<RegArticuloCantidad> lotes;
        QVERIFY(ArticuloTieneLotes(QStringLiteral("FRA500"), QStringLiteral("'   2'"), lotes, 6));
        QCOMPARE(leidos(lotes), (QList<Elemento>{{"A-1", "", 4}, {"B-2", "", 2}}));
    }

    void noLots_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("deposito");
        QTest::newRow("no lot in the deposit") << "PARA500" << "'   2'";
        QTest::newRow("an article without lots") << "IBU400" << "'   1'";
        QTest::newRow("deposit NULL") << "PARA500" << "NULL";
        QTest::newRow("a deposit with an apostrophe") << "PARA500" << "1' OR '1'='1";
    }
    void noLots()
    {
        QFETCH(QString, articulo);
        QFETCH(QString, deposito);
        testsupport::ScriptedOperator op;   // nothing is shown
        QVector<RegArticuloCantidad> lotes;
        QVERIFY(!ArticuloTieneLotes(articulo, deposito, lotes, 7));
        QCOMPARE(leidos(lotes), (QList<Elemento>{{"", "", 7}}));
        QCOMPARE(lotes[0].Codigo.Texto(), QString(25, QLatin1Char(' ')));
    }

    void depositCodeIsQuoted()
    {
        QVector<RegArticuloCantidad> lotes;
        QVERIFY(ArticuloTieneLotes(QStringLiteral("PARA500"), QStringLiteral("1"), lotes, 4));
        QCOMPARE(leidos(lotes), (QList<Elemento>{{"P2611A", "", 4}}));
    }

    void depositFromTheGrid()
    {
        QVector<RegArticuloCantidad> lotes(2);
        lotes[0].Codigo = QStringLiteral("antes");
        QVERIFY(!ArticuloTieneLotes(QStringLiteral("PARA500"), QStringLiteral("eldelgrid"), lotes, 7));
        QCOMPARE(lotes.size(), 2);
        QCOMPARE(QuitaMarcas(lotes[0].Codigo), QStringLiteral("antes"));
    }

private:
    std::unique_ptr<VoucherFixture> db_;
};

TESTSUPPORT_MAIN(TstStockComponents)
#include "tst_stock_components.moc"
