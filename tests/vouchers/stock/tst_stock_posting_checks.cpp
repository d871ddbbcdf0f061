// What a posting refuses before it writes anything, at once and collected: a quantity
// that is not a number in the workstation's format (the line's or one of its lots), a
// unit without equivalence, an article, deposit or motive that does not exist. What it
// takes from the article: the coefficient of a box. What every exit leaves in the grid,
// and the header total of an entry whose lines change side.
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "vouchers/GridColumns.h"

#include <QTest>

using namespace stocktest;
using testsupport::ScriptedOperator;

namespace {

const QChar kSep(0xFF);

// A line of ibuprofen that always posts, before the line a case is about.
Renglon valida()
{
    return Linea(QStringLiteral("IBU400"), QStringLiteral("1"), QStringLiteral("1850"));
}

// Every cell of the grid, row by row.
QStringList celdas(const ui::FlexGrid& g)
{
    QStringList out;
    for (int fila = 0; fila < g.Rows(); ++fila)
        for (int col = 0; col < g.Cols(); ++col)
            out << g.TextMatrix(fila, col);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Renglon)

class TstStockPostingChecks : public QObject {
    Q_OBJECT

    // Posts the grid in the mode asked and expects the refusal: the operator is told,
    // naming every part of `mensaje`, HayError is set and nothing is written or collected.
    void refused(ui::FlexGrid& g, Posteo& p, bool recoger, const QStringList& mensaje)
    {
        ScriptedOperator op;
        op.expectMsgBox(mensaje.first(), ui::vbOK, QStringLiteral("Aviso al operador"), ui::vbCritical);
        const QString falla = PostingDb::Rechaza(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        for (const QString& parte : mensaje)
            QVERIFY2(!op.shown().isEmpty() && op.shown().last().text.contains(parte), qPrintable(parte));
    }

    static void modes()
    {
        QTest::addColumn<bool>("recoger");
    }

private slots:
    void init() { escenario_.emplace(); }
    void cleanup() { escenario_.reset(); }

    // Column 7 and the quantities of a lot list are read as the operator types them on
    // the workstation: anything else stops the posting, naming the line and the text.
    void quantityThatIsNoNumber_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<Renglon>("renglon");
        QTest::addColumn<QString>("texto");
        const QChar punto('.');
        const QChar coma(',');
        for (bool recoger : {false, true}) {
            const char* modo = recoger ? "collected" : "at once";
            for (QChar decimal : {punto, coma}) {
                for (const char* texto : {"abc", "5abc", "3x", "1e3", "--2"}) {
                    QTest::addRow("%s, '%c' workstation, column 7 \"%s\"", modo, decimal.toLatin1(), texto)
                        << recoger << decimal << Linea(QStringLiteral("AMO500"), QLatin1String(texto)) << QString::fromLatin1(texto);
                }
                // A lot list of a line of 10 with one quantity that is no number.
                QTest::addRow("%s, '%c' workstation, a lot's quantity", modo, decimal.toLatin1())
                    << recoger << decimal
                    << Con(Linea(QStringLiteral("PARA500"), QStringLiteral("10")),
                           {{ColArticulo::PideLote, QStringLiteral("-1")},
                            {ColArticulo::NroLote, QStringLiteral("|L-2511%1|L-2602%1|P2611A%1|").arg(kSep)},
                            {ColArticulo::NroSerie, QStringLiteral("|5|x|5|")}})
                    << QStringLiteral("x");
            }
            // The other workstation's decimal separator is no number here.
            QTest::addRow("%s, '.' workstation, column 7 \"1,5\"", modo)
                << recoger << punto << Linea(QStringLiteral("AMO500"), QStringLiteral("1,5")) << QStringLiteral("1,5");
            QTest::addRow("%s, ',' workstation, column 7 \"1.5\"", modo)
                << recoger << coma << Linea(QStringLiteral("AMO500"), QStringLiteral("1.5")) << QStringLiteral("1.5");
            QTest::addRow("%s, ',' workstation, a pick's quantity \"0.5\"", modo)
                << recoger << coma
                << Con(Linea(QStringLiteral("PARA500"), QStringLiteral("1")),
                       {{ColArticulo::NroLote, QStringLiteral("|L-2511%1|L-2602%1|").arg(kSep)},
                        {ColArticulo::NroSerie, QStringLiteral("|0.5|0,5|")}})
                << QStringLiteral("0.5");
        }
    }
    void quantityThatIsNoNumber()
    {
        QFETCH(bool, recoger);
        QFETCH(QChar, decimal);
        QFETCH(Renglon, renglon);
        QFETCH(QString, texto);
        testsupport::RegionalPin regional(decimal, decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.'));
        PostingDb db;
        ui::FlexGrid g;
        Llena(g, {valida(), renglon});
        Posteo p;
        refused(g, p, recoger, {QStringLiteral("(renglón 2)"), QStringLiteral("no es un número: ") + texto});
    }

    // The same texts that are numbers on the workstation post, and an empty or zero
    // quantity is no movement.
    void quantityInTheWorkstationsFormat_data()
    {
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("cantidad");
        QTest::addColumn<QList<Mov>>("esperados");
        QTest::newRow("'.', 1.5") << QChar('.') << "1.5" << QList<Mov>{{"IBU400", "", "", "1", -1, -1}, {"AMO500", "", "", "1", -1.5, -1.5}};
        QTest::newRow("',', 1,5") << QChar(',') << "1,5" << QList<Mov>{{"IBU400", "", "", "1", -1, -1}, {"AMO500", "", "", "1", -1.5, -1.5}};
        QTest::newRow("',', 1.000") << QChar(',') << " 1.000 " << QList<Mov>{{"IBU400", "", "", "1", -1, -1}, {"AMO500", "", "", "1", -1000, -1000}};
        QTest::newRow("empty") << QChar('.') << "  " << QList<Mov>{{"IBU400", "", "", "1", -1, -1}};
        QTest::newRow("zero") << QChar(',') << "0,00" << QList<Mov>{{"IBU400", "", "", "1", -1, -1}};
    }
    void quantityInTheWorkstationsFormat()
    {
        QFETCH(QChar, decimal);
        QFETCH(QString, cantidad);
        QFETCH(QList<Mov>, esperados);
        testsupport::RegionalPin regional(decimal, decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.'));
        PostingDb db;
        ui::FlexGrid g;
        Llena(g, {valida(), Linea(QStringLiteral("AMO500"), cantidad)});
        Posteo p;
        const QString falla = db.Postea(p, g, false);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        QCOMPARE(db.Movimientos(QStringLiteral("RM"), p.id), esperados);
    }

    // A box line without coefficient takes the article's equivalence: one box of 12
    // bottles moves 12 units; the base unit is the article's when column 41 is empty.
    void boxWithoutCoefficient_data()
    {
        modes();
        QTest::addColumn<QString>("unidadBase");
        QTest::newRow("at once") << false << "UN";
        QTest::newRow("collected") << true << "UN";
        QTest::newRow("at once, no base unit in the line") << false << "";
    }
    void boxWithoutCoefficient()
    {
        QFETCH(bool, recoger);
        QFETCH(QString, unidadBase);
        PostingDb db;
        ui::FlexGrid g;
        Llena(g, {Con(Linea(QStringLiteral("ALCGEL"), QStringLiteral("1"), QStringLiteral("920")),
                      {{ColArticulo::Unidad, QStringLiteral("CAJA")}, {ColArticulo::UnidadBase, unidadBase}})});
        Posteo p;
        const QString falla = db.Postea(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        const auto rows = db.db.Query(QStringLiteral("SELECT Cantidad, CantidadUD, IdUnidad, IdUnidadBase, EQUIV_UDBASE FROM V_MV_STOCK "
                                                     "WHERE TC = 'RM' AND IdComprobante = '%1'")
                                          .arg(p.id));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], (QVariantList{-1.0, -12.0, QStringLiteral("CAJA"), QStringLiteral("UN  "), 12.0}));
        QCOMPARE(g.TextMatrix(1, ColArticulo::Coeficiente), QStringLiteral("12"));
        // An exit leaves its quantity in the base unit in column 74.
        QCOMPARE(g.TextMatrix(1, ColArticulo::CantidadUD), QStringLiteral("12"));
    }

    // A complement is a whole number, as everywhere in the voucher library: any other text
    // is 0 (never rounded), and only one beyond what the column holds stops the posting.
    void complement_data()
    {
        modes();
        QTest::addColumn<QString>("complemento");
        QTest::addColumn<QVariant>("guardado");
        for (bool recoger : {false, true}) {
            const char* modo = recoger ? ", collected" : ", at once";
            QTest::addRow("7%s", modo) << recoger << "7" << QVariant(7);
            QTest::addRow("empty%s", modo) << recoger << "" << QVariant(0);
            QTest::addRow("1.5%s", modo) << recoger << "1.5" << QVariant(0);
            QTest::addRow("abc%s", modo) << recoger << "abc" << QVariant(0);
            QTest::addRow("too large%s", modo) << recoger << "99999999999" << QVariant();
        }
    }
    void complement()
    {
        QFETCH(bool, recoger);
        QFETCH(QString, complemento);
        QFETCH(QVariant, guardado);
        PostingDb db;
        ui::FlexGrid g;
        Llena(g, {valida()});
        Posteo p;
        p.complemento = complemento;
        if (!guardado.isValid()) {
            refused(g, p, recoger, {QStringLiteral("El complemento 99999999999 está fuera de rango")});
            return;
        }
        const QString falla = db.Postea(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        const auto rows = db.db.Query(QStringLiteral("SELECT IdComplemento FROM V_MV_STOCK WHERE TC = 'RM' AND IdComprobante = '%1'").arg(p.id));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].value(0).toInt(), guardado.toInt());
    }

    // What a line names must be there; a unit the article does not convert, or a
    // coefficient that is no number, stops the posting too.
    void refusedLine_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<Renglon>("renglon");
        QTest::addColumn<QString>("deposito");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QString>("mensaje");
        struct Caso {
            const char* nombre;
            Renglon renglon;
            const char* deposito;
            const char* motivo;
            const char* mensaje;
        };
        const QList<Caso> casos{
            {"unknown article", Linea(QStringLiteral("NOEXISTE"), QStringLiteral("2")), "1", "", "NOEXISTE (renglón 2) no existe"},
            {"unknown deposit", Linea(QStringLiteral("AMO500"), QStringLiteral("2")), "99", "", "(renglón 1) va al depósito 99, que no existe"},
            {"unknown deposit of the line", Con(Linea(QStringLiteral("AMO500"), QStringLiteral("2")), {{ColArticulo::Deposito, QStringLiteral("7")}}),
             "1", "", "(renglón 2) va al depósito 7, que no existe"},
            {"unknown motive", Linea(QStringLiteral("AMO500"), QStringLiteral("2")), "1", "9", "El motivo de stock 9 no existe"},
            {"unknown motive of the line", Con(Linea(QStringLiteral("AMO500"), QStringLiteral("2")), {{ColArticulo::MotivoStock, QStringLiteral("9")}}),
             "1", "ELDELGRID", "(renglón 2) tiene el motivo de stock 9, que no existe"},
            {"no equivalence", Con(Linea(QStringLiteral("AMO500"), QStringLiteral("2")), {{ColArticulo::Unidad, QStringLiteral("CAJA")}}),
             "1", "", "(renglón 2) no tiene equivalencia entre las unidades CAJA y UN"},
            {"coefficient that is no number", Con(Linea(QStringLiteral("AMO500"), QStringLiteral("2")), {{ColArticulo::Coeficiente, QStringLiteral("doce")}}),
             "1", "", "(renglón 2) tiene un coeficiente que no es un número: doce"},
        };
        for (bool recoger : {false, true})
            for (const Caso& c : casos)
                QTest::addRow("%s, %s", c.nombre, recoger ? "collected" : "at once")
                    << recoger << c.renglon << QString::fromLatin1(c.deposito) << QString::fromLatin1(c.motivo)
                    << QString::fromUtf8(c.mensaje);
    }
    void refusedLine()
    {
        QFETCH(bool, recoger);
        QFETCH(Renglon, renglon);
        QFETCH(QString, deposito);
        QFETCH(QString, motivo);
        QFETCH(QString, mensaje);
        PostingDb db;
        ui::FlexGrid g;
        Llena(g, {valida(), renglon});
        Posteo p;
        p.deposito = deposito;
        p.motivo = motivo;
        refused(g, p, recoger, {mensaje});
    }

    // A posting refused halfway leaves the grid as it came (it had written cells of the
    // lines before the one refused); the grid the operator corrects then posts, and so
    // does a grid posted again after its quantity changed: each line stores its quantity
    // in the base unit as the grid gives it, its quantity by the coefficient, never what
    // an earlier posting left in column 74.
    void baseQuantityOfTheGridAsPosted_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<bool>("rechazoAntes");
        QTest::addColumn<Renglon>("renglon");
        QTest::addColumn<QString>("corregida");
        QTest::addColumn<double>("enBase");
        const Renglon unidades = Linea(QStringLiteral("IBU400"), QStringLiteral("5"), QStringLiteral("1850"));
        const Renglon cajas = Con(Linea(QStringLiteral("ALCGEL"), QStringLiteral("2"), QStringLiteral("920")),
                                  {{ColArticulo::Unidad, QStringLiteral("CAJA")}});
        for (bool recoger : {false, true}) {
            const char* modo = recoger ? "collected" : "at once";
            for (bool rechazo : {true, false}) {
                const char* antes = rechazo ? "after a refusal" : "after a posting";
                QTest::addRow("%s, %s, units 5 then 3", modo, antes) << recoger << rechazo << unidades << "3" << -3.0;
                QTest::addRow("%s, %s, boxes of 12, 2 then 3", modo, antes) << recoger << rechazo << cajas << "3" << -36.0;
            }
        }
    }
    void baseQuantityOfTheGridAsPosted()
    {
        QFETCH(bool, recoger);
        QFETCH(bool, rechazoAntes);
        QFETCH(Renglon, renglon);
        QFETCH(QString, corregida);
        QFETCH(double, enBase);
        PostingDb db;
        ui::FlexGrid g;
        Posteo p;
        if (rechazoAntes) {
            Llena(g, {renglon, Linea(QStringLiteral("NOEXISTE"), QStringLiteral("1"))});
            const QStringList comoVino = celdas(g);
            refused(g, p, recoger, {QStringLiteral("NOEXISTE (renglón 2) no existe")});
            QCOMPARE(celdas(g), comoVino);
            // The operator drops the line refused.
            g.SetRows(2);
            p.sqlTemp.clear();
        } else {
            Llena(g, {renglon});
            const QString falla = db.Postea(p, g, recoger);
            QVERIFY2(falla.isEmpty(), qPrintable(falla));
            p = Posteo();
            p.id = QStringLiteral("000100000101R");
        }
        g.SetTextMatrix(1, ColArticulo::Cantidad, corregida);
        const QString falla = db.Postea(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        const QString articulo = renglon.value(ColArticulo::IdArticulo);
        QCOMPARE(db.Movimientos(QStringLiteral("RM"), p.id), (QList<Mov>{{articulo, "", "", "1", -corregida.toDouble(), enBase}}));
        QCOMPARE(g.TextMatrix(1, ColArticulo::CantidadUD).toDouble(), -enBase);
        // The deposit's units and its balance in the base unit agree.
        QCOMPARE(db.Cuenta(QStringLiteral("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'RM' AND Cantidad * EQUIV_UDBASE <> CantidadUD")), 0);
    }

    // A motive of blanks is no motive: the default one, with its entry; without a default
    // motive a posting whose entry goes by the motive is refused, naming why, and writes
    // nothing. A delivery note collected goes under the motive configured for delivery
    // notes, whatever the call's.
    void withoutMotive_data()
    {
        QTest::addColumn<bool>("recoger");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("motivo");
        QTest::addColumn<QString>("motivoDeLinea");
        QTest::addColumn<bool>("porDefecto");
        QTest::addColumn<QString>("mensaje");   // "" posted
        const QString sinMotivo = QStringLiteral("no hay un motivo de stock por defecto (MotivoStockDefault)");
        for (bool recoger : {false, true}) {
            const char* modo = recoger ? "collected" : "at once";
            QTest::addRow("%s, empty, default", modo) << recoger << "AJP" << "" << "" << true << "";
            QTest::addRow("%s, blanks, default", modo) << recoger << "AJP" << "   " << "" << true << "";
            QTest::addRow("%s, a line's blanks, default", modo) << recoger << "AJP" << "ELDELGRID" << "  " << true << "";
            QTest::addRow("%s, empty, no default", modo) << recoger << "AJP" << "" << "" << false << sinMotivo;
            QTest::addRow("%s, blanks, no default", modo) << recoger << "AJP" << "   " << "" << false << sinMotivo;
            QTest::addRow("%s, a line's blanks, no default", modo)
                << recoger << "AJP" << "ELDELGRID" << "  " << false << QStringLiteral("(renglón 1) no tiene motivo de stock");
        }
        QTest::newRow("at once, a delivery note, no default") << false << "RM" << "   " << "" << false << sinMotivo;
        QTest::newRow("collected, a delivery note, no default") << true << "RM" << "   " << "" << false << "";
    }
    void withoutMotive()
    {
        QFETCH(bool, recoger);
        QFETCH(QString, tc);
        QFETCH(QString, motivo);
        QFETCH(QString, motivoDeLinea);
        QFETCH(bool, porDefecto);
        QFETCH(QString, mensaje);
        PostingDb db;
        if (!porDefecto)
            db.db.SetConfig(QStringLiteral("MotivoStockDefault"), QVariant());
        ui::FlexGrid g;
        Llena(g, {Con(valida(), {{ColArticulo::MotivoStock, motivoDeLinea}})});
        Posteo p;
        p.tc = tc;
        p.motivo = motivo;
        if (!mensaje.isEmpty()) {
            refused(g, p, recoger, {mensaje});
            return;
        }
        const QString falla = db.Postea(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        // The stock moved with its entry.
        QCOMPARE(db.Movimientos(tc, p.id).size(), 1);
        QCOMPARE(db.Lineas(tc, p.id).size(), 2);
    }

    // Lines whose amounts change side keep a balanced entry whose header total is its
    // debit side, never below 0.
    void headerTotalOfLinesThatChangeSide_data()
    {
        modes();
        QTest::addColumn<QList<Asiento>>("esperadas");
        QTest::newRow("at once") << false << QList<Asiento>{{"5101", "H", 500, 1}, {"1105", "D", 500, 2}, {"5101", "D", 120, 3}, {"1106", "H", 120, 4}};
        QTest::newRow("collected") << true << QList<Asiento>{{"5101", "H", 380, 1}, {"1105", "D", 500, 2}, {"1106", "H", 120, 3}};
    }
    void headerTotalOfLinesThatChangeSide()
    {
        QFETCH(bool, recoger);
        QFETCH(QList<Asiento>, esperadas);
        PostingDb db;
        ui::FlexGrid g;
        // Goods back from the customer (a negative line), bottles delivered.
        Llena(g, {Linea(QStringLiteral("IBU400"), QStringLiteral("-5")), Linea(QStringLiteral("FRA500"), QStringLiteral("1"), QStringLiteral("120"))});
        Posteo p;
        p.motivo = QStringLiteral("2");
        const QString falla = db.Postea(p, g, recoger);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        const QList<Asiento> lineas = db.Lineas(QStringLiteral("RM"), p.id);
        QVERIFY2(lineas == esperadas, qPrintable(stocktest::Show(lineas)));
        double debe = 0;
        for (const Asiento& l : lineas)
            if (l.lado == QLatin1String("D"))
                debe += l.importe;
        QCOMPARE(db.CabImporte(QStringLiteral("RM"), p.id).toDouble(), debe);
    }

private:
    std::optional<stocktest::Escenario> escenario_;
};

TESTSUPPORT_MAIN(TstStockPostingChecks)
#include "tst_stock_posting_checks.moc"
