// Texts that would end a statement and start another (a quote, a parenthesis, a
// semicolon and a DELETE) go into every text argument of the stock operations of the
// voucher class and of the stock module that build SQL, and into the article grid's
// cells that stock posting reads. No table but the ones the operation writes may change:
// those hold the text as the operation stores it, or the operation refuses it with a
// message where the text must be a code that exists, a date or a number.
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/TableContents.h"
#include "tests/vouchers/stock/PostingDb.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/GridColumns.h"
#include "vouchers/Stock.h"

#include <QTest>
#include <functional>

using namespace stocktest;
using testsupport::ScriptedOperator;

namespace {

// A text that closes a quoted literal, and one that closes a list of numbers.
const QString kComilla = QStringLiteral("x'); DELETE FROM V_TA_DEPOSITO; --");
const QString kNumero = QStringLiteral("0,1); DELETE FROM V_TA_DEPOSITO; --");

QString sinComillas(const QString& t)
{
    return QString(t).remove(QLatin1Char('\''));
}

// How an operation stores the text: as it is, without its apostrophes (free texts the
// row builder strips), cut to the 25 characters of a lot, or read as a number.
QString igual(const QString& t)
{
    return t;
}
QString lote25(const QString& t)
{
    return t.left(25);
}
QString cero(const QString&)
{
    return QStringLiteral("0");
}

// One operation with the text in one argument.
struct Caso {
    QString nombre;
    std::function<void(const QString& texto)> corre;
    QStringList escribe;   // the tables it writes
    QString consulta;      // the stored text, first row (written cases)
    std::function<QString(const QString&)> guardado;   // what it must hold of the text
    QString mensaje;       // the message it shows ("" none)
    int respuesta = ui::vbOK;
};

const QStringList kPosteo{QStringLiteral("V_MV_STOCK"), QStringLiteral("MV_ASIENTOS")};

// ActualizaStock of a delivery note of one line of ibuprofen, the call and the grid
// changed by `cambia`, at once or collected (its batch then runs as a caller runs it).
std::function<void(const QString&)> posteo(bool recoger, std::function<void(Posteo&, Renglon&, const QString&)> cambia)
{
    return [recoger, cambia](const QString& texto) {
        Posteo p;
        p.motivo = QStringLiteral("2");
        Renglon r = Linea(QStringLiteral("IBU400"), QStringLiteral("1"), QStringLiteral("1850"));
        cambia(p, r, texto);
        ui::FlexGrid g;
        Llena(g, {r});
        p.recoger = recoger;
        ClsCmnCptes c;
        p.run(c, g);
        if (recoger && !p.hayError)
            QCOMPARE(PostingDb::Corre(p.sqlTemp), QString());
    };
}

std::function<void(Posteo&, Renglon&, const QString&)> celda(int columna)
{
    return [columna](Posteo&, Renglon& r, const QString& texto) { r[columna] = texto; };
}

QString movimiento(const QString& columna)
{
    return QStringLiteral("SELECT %1 FROM V_MV_STOCK WHERE TC IN ('RM', 'AJP', 'TR') ORDER BY ID DESC").arg(columna);
}

QList<Caso> casos()
{
    QList<Caso> out;
    for (bool recoger : {false, true}) {
        const QString modo = recoger ? QStringLiteral(", collected") : QStringLiteral(", at once");
        auto escrito = [&](const QString& nombre, std::function<void(Posteo&, Renglon&, const QString&)> cambia, const QString& columna,
                           std::function<QString(const QString&)> guardado) {
            out << Caso{nombre + modo, posteo(recoger, cambia), kPosteo, movimiento(columna), guardado, {}};
        };
        auto rechazado = [&](const QString& nombre, std::function<void(Posteo&, Renglon&, const QString&)> cambia, const QString& mensaje) {
            out << Caso{nombre + modo, posteo(recoger, cambia), {}, {}, {}, mensaje};
        };
        // The call's arguments.
        out << Caso{QStringLiteral("TC") + modo, posteo(recoger, [](Posteo& p, Renglon&, const QString& t) { p.tc = t; }), {}, {}, {},
                    QStringLiteral("El Tipo de Comprobante informado no existe")};
        escrito(QStringLiteral("SucNroLetra"), [](Posteo& p, Renglon&, const QString& t) { p.id = t; }, QStringLiteral("IdComprobante"), igual);
        escrito(QStringLiteral("IdComplemento"), [](Posteo& p, Renglon&, const QString& t) { p.complemento = t; },
                QStringLiteral("IdComplemento"), cero);
        rechazado(QStringLiteral("Fecha"), [](Posteo& p, Renglon&, const QString& t) { p.fecha = t; },
                  QStringLiteral("La fecha del comprobante no es una fecha"));
        rechazado(QStringLiteral("IdDeposito"), [](Posteo& p, Renglon&, const QString& t) { p.deposito = t; }, QStringLiteral("que no existe"));
        rechazado(QStringLiteral("IdDepositoDestino"),
                  [](Posteo& p, Renglon&, const QString& t) {
                      p.tc = QStringLiteral("TR");
                      p.transferencia = true;
                      p.destino = t;
                  },
                  QStringLiteral("que no existe"));
        rechazado(QStringLiteral("IdMotivoStock"), [](Posteo& p, Renglon&, const QString& t) { p.motivo = t; },
                  QStringLiteral("El motivo de stock"));
        escrito(QStringLiteral("TcOrigen"), [](Posteo& p, Renglon&, const QString& t) { p.tcOrigen = t; }, QStringLiteral("Tc_Origen"),
                sinComillas);
        escrito(QStringLiteral("ComprobanteOrigen"), [](Posteo& p, Renglon&, const QString& t) { p.cpteOrigen = t; },
                QStringLiteral("IdComprobante_Origen"), igual);
        escrito(QStringLiteral("Cuenta"), [](Posteo& p, Renglon&, const QString& t) { p.cuenta = t; }, QStringLiteral("CuentaProveedor"), igual);
        escrito(QStringLiteral("IdTecnico"), [](Posteo& p, Renglon&, const QString& t) { p.tecnico = t; }, QStringLiteral("IdTecnico"), igual);
        escrito(QStringLiteral("LoteFijo"),
                [](Posteo& p, Renglon&, const QString& t) {
                    p.tc = QStringLiteral("AJP");
                    p.motivo = QStringLiteral("6");
                    p.loteFijo = t;
                },
                QStringLiteral("NroLote"), lote25);
        escrito(QStringLiteral("Aduana"), [](Posteo& p, Renglon&, const QString& t) { p.aduana = t; }, QStringLiteral("ControladoPor"),
                sinComillas);
        escrito(QStringLiteral("LoteOrigen"), [](Posteo& p, Renglon&, const QString& t) { p.loteOrigen = t; }, QStringLiteral("IdOrigen"), igual);
        escrito(QStringLiteral("IdVendedor"), [](Posteo& p, Renglon&, const QString& t) { p.vendedor = t; }, QStringLiteral("IdVendedor"), igual);
        escrito(QStringLiteral("ArtMoneda"), [](Posteo& p, Renglon&, const QString& t) { p.moneda = t; }, QStringLiteral("ARTMONEDA"), igual);
        // The grid's cells.
        rechazado(QStringLiteral("article (0)"), celda(ColArticulo::IdArticulo), QStringLiteral("no existe en el maestro de artículos"));
        escrito(QStringLiteral("description (1)"), celda(ColArticulo::Descripcion), QStringLiteral("Descripcion"), sinComillas);
        escrito(QStringLiteral("position (4)"), celda(ColArticulo::Posicion), QStringLiteral("IdPosicion"), sinComillas);
        rechazado(QStringLiteral("unit (5)"), celda(ColArticulo::Unidad), QStringLiteral("no tiene equivalencia"));
        rechazado(QStringLiteral("deposit (6)"), celda(ColArticulo::Deposito), QStringLiteral("que no existe"));
        rechazado(QStringLiteral("quantity (7)"), celda(ColArticulo::Cantidad), QStringLiteral("no es un número"));
        rechazado(QStringLiteral("coefficient (8)"), celda(ColArticulo::Coeficiente), QStringLiteral("no es un número"));
        escrito(QStringLiteral("price unit (12)"), celda(ColArticulo::UnidadPrecio), QStringLiteral("Ud_Pr"), igual);
        escrito(QStringLiteral("price (14), not a number"), celda(ColArticulo::Importe), QStringLiteral("PrecioVenta"), cero);
        escrito(QStringLiteral("exit pick (21)"),
                [](Posteo&, Renglon& r, const QString& t) {
                    r[ColArticulo::NroLote] = QLatin1Char('|') + t + QLatin1Char('|');
                    r[ColArticulo::NroSerie] = QStringLiteral("|1|");
                },
                QStringLiteral("NroLote"), lote25);
        rechazado(QStringLiteral("pick quantity (22)"),
                  [](Posteo&, Renglon& r, const QString& t) {
                      r[ColArticulo::NroLote] = QStringLiteral("|L-2511|");
                      r[ColArticulo::NroSerie] = QLatin1Char('|') + t + QLatin1Char('|');
                  },
                  QStringLiteral("no es un número"));
        escrito(QStringLiteral("origin voucher (34)"),
                [](Posteo& p, Renglon& r, const QString& t) {
                    p.tcOrigen = QStringLiteral("ELDELGRID");
                    p.cpteOrigen = QStringLiteral("ELDELGRID");
                    r[ColArticulo::CpteOrigen] = t + t;
                },
                QStringLiteral("Tc_Origen || '|' || IdComprobante_Origen"),
                [](const QString& t) { return sinComillas(t.left(4)).trimmed() + QLatin1Char('|') + (t + t).mid(4, 13).trimmed(); });
        escrito(QStringLiteral("origin deposit (36)"), celda(ColArticulo::LoteOrigen), QStringLiteral("IdOrigen"), igual);
        escrito(QStringLiteral("customs lot (37)"), celda(ColArticulo::LoteAduana), QStringLiteral("ControladoPor"), sinComillas);
        rechazado(QStringLiteral("motive (86)"),
                  [](Posteo& p, Renglon& r, const QString& t) {
                      p.motivo = QStringLiteral("ELDELGRID");
                      r[ColArticulo::MotivoStock] = t;
                  },
                  QStringLiteral("tiene el motivo de stock"));
        escrito(QStringLiteral("controlling code (87)"), celda(ColArticulo::ControladoPor), QStringLiteral("ControladoPor"), igual);
    }

    // The stock entry of a grid of one row, its statements run as the caller runs them.
    auto asiento = [](std::function<void(QString&, QString&, QString&, QString&, QString&, QString&, const QString&)> cambia) {
        return [cambia](const QString& texto) {
            ui::FlexGrid g;
            Llena(g, {Linea(QStringLiteral("IBU400"), QStringLiteral("2"), QStringLiteral("1850"))});
            QString motivo = QStringLiteral("2"), tc = QStringLiteral("RM"), suc = QStringLiteral("0001"), nro = QStringLiteral("00000058"),
                    letra = QStringLiteral("R"), fecha = QStringLiteral("15/12/2026");
            cambia(motivo, tc, suc, nro, letra, fecha, texto);
            bool esDebito = false;
            qint16 secuencia = 1;
            ClsCmnCptes c;
            const QString sentencias = c.GeneraAsientoStock(&g, motivo, tc, suc, nro, letra, fecha, esDebito, 0, 0, secuencia);
            if (sentencias.isEmpty())
                return;
            gDBPrincipal->EjecutaConsultaSQL(sentencias);
            QCOMPARE(gDBPrincipal->gCnn->Errors().Count(), 0);
        };
    };
    const QStringList kAsiento{QStringLiteral("MV_ASIENTOS")};
    const QString linea = QStringLiteral("SELECT %1 FROM MV_ASIENTOS ORDER BY ID DESC");
    out << Caso{QStringLiteral("GeneraAsientoStock eMotivoStock"),
                asiento([](QString& m, QString&, QString&, QString&, QString&, QString&, const QString& t) { m = t; }), {}, {}, {}, {}};
    out << Caso{QStringLiteral("GeneraAsientoStock TC"),
                asiento([](QString&, QString& tc, QString&, QString&, QString&, QString&, const QString& t) { tc = t; }), kAsiento,
                linea.arg(QStringLiteral("TC")), igual, QStringLiteral("El Tipo de Comprobante informado no existe")};
    out << Caso{QStringLiteral("GeneraAsientoStock Suc"),
                asiento([](QString&, QString&, QString& s, QString&, QString&, QString&, const QString& t) { s = t; }), kAsiento,
                linea.arg(QStringLiteral("Sucursal")), igual, {}};
    out << Caso{QStringLiteral("GeneraAsientoStock Nro"),
                asiento([](QString&, QString&, QString&, QString& n, QString&, QString&, const QString& t) { n = t; }), kAsiento,
                linea.arg(QStringLiteral("Numero")), igual, {}};
    out << Caso{QStringLiteral("GeneraAsientoStock Letra"),
                asiento([](QString&, QString&, QString&, QString&, QString& l, QString&, const QString& t) { l = t; }), kAsiento,
                linea.arg(QStringLiteral("Letra")), igual, {}};
    out << Caso{QStringLiteral("GeneraAsientoStock Fecha"),
                asiento([](QString&, QString&, QString&, QString&, QString&, QString& f, const QString& t) { f = t; }), {}, {}, {},
                QStringLiteral("Ha ocurrido el Siguiente Error"), ui::vbAbort};

    // Reads: nothing changes, and nothing is found.
    auto lee = [&](const QString& nombre, std::function<void(const QString&)> corre, const QString& mensaje = {}) {
        out << Caso{nombre, std::move(corre), {}, {}, {}, mensaje};
    };
    lee(QStringLiteral("TieneSPNL"), [](const QString& t) { QVERIFY(!ClsCmnCptes().TieneSPNL(t, t)); });
    lee(QStringLiteral("ObtieneSignoComprobante"), [](const QString& t) { QCOMPARE(ClsCmnCptes().ObtieneSignoComprobante(t, false), qint16(0)); },
        QStringLiteral("no existe"));
    lee(QStringLiteral("ObtieneStockxEquiv"), [](const QString& t) {
        QString ud = t;
        double base = -1, equiv = -1;
        ClsCmnCptes().ObtieneStockxEquiv(t, t, ud, t, base, equiv);
        QCOMPARE(base, 0.0);
        QCOMPARE(equiv, 0.0);
    });
    lee(QStringLiteral("ObtieneStockLOTE"), [](const QString& t) { QCOMPARE(ClsCmnCptes().ObtieneStockLOTE(t, t, t), 0.0); });
    lee(QStringLiteral("ObtieneStock by lot"), [](const QString& t) {
        QString d = t, u = t;
        QCOMPARE(ClsCmnCptes().ObtieneStock(t, d, t, t, t, u), 0.0);
    });
    lee(QStringLiteral("ObtieneStock by unit"), [](const QString& t) {
        QString d = t, u = t;
        QCOMPARE(ClsCmnCptes().ObtieneStock(t, d, QStringLiteral("Ignorar"), QStringLiteral("Ignorar"), t, u), 0.0);
    });
    lee(QStringLiteral("AsignarNumeroComprobante"), [](const QString& t) { QVERIFY(!AsignarNumeroComprobante(t, t, t).isEmpty()); });
    lee(QStringLiteral("ControlStock"), [](const QString& t) {
        double stock = -1;
        ControlStock(t, t, t, stock);
        QCOMPARE(stock, 0.0);
    });
    lee(QStringLiteral("IdArticuloTieneInsumos"), [](const QString& t) {
        QVector<RegArticuloCantidad> insumos;
        QVERIFY(!IdArticuloTieneInsumos(t, insumos, false));
    });
    lee(QStringLiteral("ArticuloTieneLotes"), [](const QString& t) {
        QVector<RegArticuloCantidad> lotes;
        QVERIFY(!ArticuloTieneLotes(t, t, lotes, 1));
    });
    lee(QStringLiteral("ArticuloTieneLotes, a deposit literal"), [](const QString& t) {
        QVector<RegArticuloCantidad> lotes;
        QVERIFY(!ArticuloTieneLotes(QStringLiteral("PARA500"), QLatin1Char('\'') + QString(t).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''),
                                    lotes, 1));
    });
    lee(QStringLiteral("ObtieneUnidadArticulo"), [](const QString& t) { QCOMPARE(ObtieneUnidadArticulo(t), QString()); });
    lee(QStringLiteral("ConvierteCantidadxEquiv"), [](const QString& t) {
        QString base = t;
        QCOMPARE(ConvierteCantidadxEquiv(t, base, 1, QStringLiteral("UN")), 0.0);
    });
    lee(QStringLiteral("ConvierteCantidadUnidad"), [](const QString& t) {
        QString base = t;
        QCOMPARE(ConvierteCantidadUnidad(t, base, 1, QStringLiteral("UN")), 1.0);
    });
    return out;
}

} // namespace

class TstStockInjection : public QObject {
    Q_OBJECT

private slots:
    void init() { escenario_.emplace(); }
    void cleanup() { escenario_.reset(); }

    void everyTextArgument_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("texto");
        const QList<Caso> todos = casos();
        for (int i = 0; i < todos.size(); ++i)
            for (const QString& texto : {kComilla, kNumero})
                QTest::addRow("%s, %s", qPrintable(todos[i].nombre), texto == kComilla ? "quote" : "number") << i << texto;
    }
    void everyTextArgument()
    {
        QFETCH(int, caso);
        QFETCH(QString, texto);
        const Caso c = casos()[caso];
        PostingDb db;
        const QMap<QString, QStringList> antes = testsupport::TableContents();
        {
            ScriptedOperator op;
            if (!c.mensaje.isEmpty())
                op.expectMsgBox(c.mensaje, c.respuesta);
            c.corre(texto);
        }
        // Nothing else changed; the written text is as stored.
        const QMap<QString, QStringList> despues = testsupport::TableContents();
        for (auto it = antes.cbegin(); it != antes.cend(); ++it)
            if (!c.escribe.contains(it.key(), Qt::CaseInsensitive))
                QVERIFY2(despues.value(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(despues.keys(), antes.keys());
        if (c.consulta.isEmpty())
            return;
        QCOMPARE(db.db.Scalar(c.consulta).toString(), c.guardado(texto));
    }

private:
    std::optional<stocktest::Escenario> escenario_;
};

TESTSUPPORT_MAIN(TstStockInjection)
#include "tst_stock_injection.moc"
