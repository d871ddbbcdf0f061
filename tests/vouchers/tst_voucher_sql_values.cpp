// Texts that would break out of an SQL literal, handed to every text argument of the
// voucher class's operations that build statements (stock posting and balances apart:
// their own test does the same) and of BuscaArticulo and the article unit procedures: no
// table changes but the one the operation writes, the audit row holds each text as the
// row stores it, and no statement fails. Conditions that callers pass as SQL by contract
// (AsignarDatosComprobante's WhrTareas, ConsultaComprobante's Filtro) are not values.
#include "data/DB_Dll.h"
#include "frame/Startup.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/TableContents.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"
#include "vouchers/Stock.h"
#include "vouchers/grids/BuscaArticulo.h"

#include <QDate>
#include <QDialog>
#include <QMap>
#include <QTest>
#include <functional>
#include <memory>

using testsupport::VoucherFixture;
using testsupport::VoucherHostForm;

namespace {

// Texts that close a text literal or a number (in a condition, in a list of values, or in
// the audit row's own list), each followed by a statement of its own.
const QStringList kInjections = {
    QStringLiteral("x'); DELETE FROM V_MV_CPTE_Observ; --"),
    QStringLiteral("0,1); DELETE FROM V_MA_ARTICULOS; --"),
    QStringLiteral("x'; DELETE FROM V_MV_CPTE_Observ; --"),
    QStringLiteral("0; DELETE FROM V_MA_ARTICULOS; --"),
    QStringLiteral("0,'A','x','y','z','w',0); DELETE FROM V_MV_CPTE_Observ; --"),
};

const QString kAudit = QStringLiteral("V_MV_CPTEACCIONES");

// Answers every box OK and cancels every form after showing it (so that it loads as it
// does for an operator); what was shown is kept.
class AnsweringOperator : public ui::Operator {
public:
    AnsweringOperator() { ui::SetOperator(this); }
    ~AnsweringOperator() override { ui::SetOperator(nullptr); }
    QStringList boxes;
    int MsgBox(const QString& prompt, int, const QString&) override
    {
        boxes << prompt;
        return ui::vbOK;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return QString(); }
    int ShowModal(QDialog& form) override
    {
        form.show();
        form.hide();
        return QDialog::Rejected;
    }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return QString(); }
    QDate PickDate(const QString&, const QDate&) override { return QDate(); }
};

// The audit row the call wrote holds the text as its column stores it.
using Check = std::function<void(const VoucherFixture&, const QString& text)>;

// One text argument of one operation, called with the text in that argument and valid
// values in the others; `writes` is the one table it may change.
struct Argument {
    const char* name;
    std::function<void(VoucherHostForm&, const QString& text)> call;
    QString writes = {};
    Check check = {};
};

void buchon(VoucherHostForm& f, const QString& tc, const QString& id, const QString& complemento,
            const QString& asiento, bool collect)
{
    QString sentencia;
    f.Cptes().ActualizaBuchon(tc, id, complemento, true, false, collect, sentencia, asiento);
    // The caller runs the collected statement in its batch.
    if (collect)
        gDBPrincipal->EjecutaConsultaSQL(sentencia);
}

// The one audit row, its type, id, complement and entry number.
Check auditRow(const std::function<QVariantList(const QString& text)>& expected)
{
    return [expected](const VoucherFixture& db, const QString& text) {
        const QList<QVariantList> rows = db.Query(
            QStringLiteral("SELECT TC, IdComprobante, IdComplemento, NUMEROASIENTO FROM V_MV_CPTEACCIONES"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], expected(text));
    };
}

QString code4(const QString& text)
{
    return Utilidades->AjustaLargo(text.trimmed(), 4);
}

void loadInto(VoucherHostForm& f, const QString& tc, const QString& id, const QString& complemento, bool compras,
              const QString& proveedor, const QString& destino, const QString& letra)
{
    qint16 reparto = 0;
    QString letraDestino = letra;
    f.InicializaGrids(QStringLiteral("FC"));
    f.Cptes().AsignarDatosComprobante(tc, id, complemento, f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3, vb::Variant(),
                                      nullptr, compras, proveedor, reparto, false, QString(), destino, letraDestino);
}

void find(const QString& code, const QString& account, const QString& list, const QString& tc)
{
    QString codigo = code;
    ado::Recordset rs;
    qint16 barras = 0;
    QString descripcion, udBase, lote;
    double cantidad = 0;
    vb::Currency importe;
    qint16 modo = 0;
    BuscaArticulo(codigo, rs, 1, barras, descripcion, account, udBase, list, cantidad, importe, lote, tc, modo);
}

const QList<Argument>& arguments()
{
    const QString order = QStringLiteral("000100000045X");
    const QString note = QStringLiteral("000100000057R");
    static const QList<Argument> list = {
        // grids and articles
        {"InicializaGrids TC", [](VoucherHostForm& f, const QString& t) { f.InicializaGrids(t); }},
        {"ValidaCantidadLineasCpte TC",
         [](VoucherHostForm& f, const QString& t) {
             qint16 lineas = 0, usadas = 0;
             f.Cptes().ValidaCantidadLineasCpte(t, QStringLiteral("A"), f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3,
                                                lineas, usadas, 0, false);
         }},
        {"ValidaCantidadLineasCpte Letra",
         [](VoucherHostForm& f, const QString& t) {
             qint16 lineas = 0, usadas = 0;
             f.Cptes().ValidaCantidadLineasCpte(QStringLiteral("FC"), t, f.MSFlexGrid1, f.MSFlexGrid2, f.MSFlexGrid3,
                                                lineas, usadas, 0, false);
         }},
        {"BuscaArticulo Codigo",
         [](VoucherHostForm&, const QString& t) { find(t, QStringLiteral("210101"), QStringLiteral("DSUD"), QString()); }},
        {"BuscaArticulo CuentaProveedor",
         [](VoucherHostForm&, const QString& t) { find(QStringLiteral("NOEXISTE.1"), t, QString(), QString()); }},
        {"BuscaArticulo ListaPrecio",
         [](VoucherHostForm&, const QString& t) {
             find(QStringLiteral("NOEXISTE"), QStringLiteral("210101"), t, QString());
         }},
        {"BuscaArticulo TC",
         [](VoucherHostForm&, const QString& t) { find(QStringLiteral("IBU400"), QString(), QString(), t); }},
        {"ObtieneUnidadArticulo IdArticulo", [](VoucherHostForm&, const QString& t) { ObtieneUnidadArticulo(t); }},
        {"IdArticuloTieneEquivalencias IdArticulo",
         [](VoucherHostForm&, const QString& t) {
             QString op, base;
             double c = 0;
             bool sinBase = false;
             IdArticuloTieneEquivalencias(t, QStringLiteral("CAJA"), op, base, c, sinBase);
         }},
        {"IdArticuloTieneEquivalencias Unidad",
         [](VoucherHostForm&, const QString& t) {
             QString op, base;
             double c = 0;
             bool sinBase = false;
             IdArticuloTieneEquivalencias(QStringLiteral("PARA500"), t, op, base, c, sinBase);
         }},
        // the audit row, written at once and collected
        {"ActualizaBuchon TC", [=](VoucherHostForm& f, const QString& t) { buchon(f, t, order, "0", "7", false); }, kAudit,
         auditRow([=](const QString& t) { return QVariantList{code4(t), order, 0, 7}; })},
        {"ActualizaBuchon SucNroLetra", [](VoucherHostForm& f, const QString& t) { buchon(f, "NP", t, "0", "7", false); },
         kAudit, auditRow([](const QString& t) { return QVariantList{"NP  ", t, 0, 7}; })},
        {"ActualizaBuchon IdComplemento",
         [=](VoucherHostForm& f, const QString& t) { buchon(f, "NP", order, t, "7", false); }, kAudit,
         auditRow([=](const QString&) { return QVariantList{"NP  ", order, 0, 7}; })},
        {"ActualizaBuchon NroAsiento", [=](VoucherHostForm& f, const QString& t) { buchon(f, "NP", order, "0", t, false); },
         kAudit, auditRow([=](const QString&) { return QVariantList{"NP  ", order, 0, 0}; })},
        {"ActualizaBuchon TC, collected",
         [=](VoucherHostForm& f, const QString& t) { buchon(f, t, order, "0", "7", true); }, kAudit,
         auditRow([=](const QString& t) { return QVariantList{code4(t), order, 0, 7}; })},
        {"ActualizaBuchon SucNroLetra, collected",
         [](VoucherHostForm& f, const QString& t) { buchon(f, "NP", t, "0", "7", true); }, kAudit,
         auditRow([](const QString& t) { return QVariantList{"NP  ", t, 0, 7}; })},
        {"ActualizaBuchon IdComplemento, collected",
         [=](VoucherHostForm& f, const QString& t) { buchon(f, "NP", order, t, "7", true); }, kAudit,
         auditRow([=](const QString&) { return QVariantList{"NP  ", order, 0, 7}; })},
        {"ActualizaBuchon NroAsiento, collected",
         [=](VoucherHostForm& f, const QString& t) { buchon(f, "NP", order, "0", t, true); }, kAudit,
         auditRow([=](const QString&) { return QVariantList{"NP  ", order, 0, 0}; })},
        // relations, real charges, pending delivery
        {"ImporteCargosReales Cuenta", [](VoucherHostForm& f, const QString& t) { f.Cptes().ImporteCargosReales(t); }},
        {"EstaRelacionadoAOtroComprobante TC",
         [=](VoucherHostForm& f, const QString& t) { f.Cptes().EstaRelacionadoAOtroComprobante(t, note, "0", true); }},
        {"EstaRelacionadoAOtroComprobante SucNroLetra",
         [](VoucherHostForm& f, const QString& t) { f.Cptes().EstaRelacionadoAOtroComprobante("RM", t, "0", true); }},
        {"EstaRelacionadoAOtroComprobante Complemento",
         [=](VoucherHostForm& f, const QString& t) { f.Cptes().EstaRelacionadoAOtroComprobante("RM", note, t, false); }},
        {"ObtieneImporteCptesAsociados TC",
         [=](VoucherHostForm& f, const QString& t) { f.Cptes().ObtieneImporteCptesAsociados(t, note); }},
        {"ObtieneImporteCptesAsociados SucNroLetra",
         [](VoucherHostForm& f, const QString& t) { f.Cptes().ObtieneImporteCptesAsociados("RM", t); }},
        {"CantRepartoPend TC",
         [=](VoucherHostForm& f, const QString& t) {
             double aplicado = 0;
             f.Cptes().CantRepartoPend(t, order, "IBU400", aplicado);
         }},
        {"CantRepartoPend SucNroLetra",
         [](VoucherHostForm& f, const QString& t) {
             double aplicado = 0;
             f.Cptes().CantRepartoPend("NP", t, "IBU400", aplicado);
         }},
        {"CantRepartoPend IdArticulo",
         [=](VoucherHostForm& f, const QString& t) {
             double aplicado = 0;
             f.Cptes().CantRepartoPend("NP", order, t, aplicado);
         }},
        // the loader
        {"AsignarDatosComprobante TC",
         [=](VoucherHostForm& f, const QString& t) { loadInto(f, t, order, "0", false, "", "FC", "A"); }},
        {"AsignarDatosComprobante SucNroLetra",
         [](VoucherHostForm& f, const QString& t) { loadInto(f, "NP", t, "0", false, "", "FC", "A"); }},
        {"AsignarDatosComprobante IdComplemento",
         [=](VoucherHostForm& f, const QString& t) { loadInto(f, "NP", order, t, false, "", "FC", "A"); }},
        {"AsignarDatosComprobante Proveedor",
         [](VoucherHostForm& f, const QString& t) { loadInto(f, "FCC", "000100004512A", "", true, t, "FC", "A"); }},
        {"AsignarDatosComprobante CpteDestino",
         [=](VoucherHostForm& f, const QString& t) { loadInto(f, "NP", order, "0", false, "", t, "A"); }},
        {"AsignarDatosComprobante LetraDestino",
         [=](VoucherHostForm& f, const QString& t) { loadInto(f, "NP", order, "0", false, "", "FC", t); }},
        // the voucher lookup
        {"ConsultaComprobante TC",
         [](VoucherHostForm& f, const QString& t) {
             QString respuesta, complemento, proveedor;
             f.Cptes().ConsultaComprobante(t, respuesta, std::nullopt, &complemento, &proveedor);
         }},
        // lots, serials, sizes and positions
        {"PideSerieLote Articulo",
         [](VoucherHostForm& f, const QString& t) {
             QString serie, lote;
             f.Cptes().PideSerieLote(t, 2, QString(), QString(), serie, lote, false, false, true);
         }},
        {"PideSerieLote_Salidas Articulo",
         [](VoucherHostForm& f, const QString& t) {
             f.InicializaGrids(QStringLiteral("RM"));
             double cantidad = 2;
             QString deposito = QStringLiteral("1"), lotes, cantidades;
             f.Cptes().PideSerieLote_Salidas(f.MSFlexGrid2, t, QString(), cantidad, QString(), QString(), lotes, cantidades,
                                             true, false, false, deposito, false);
         }},
        {"PideSerieLote_Salidas Deposito",
         [](VoucherHostForm& f, const QString& t) {
             f.InicializaGrids(QStringLiteral("RM"));
             double cantidad = 2;
             QString deposito = t, lotes, cantidades;
             f.Cptes().PideSerieLote_Salidas(f.MSFlexGrid2, QStringLiteral("PARA500"), QString(), cantidad, QString(),
                                             QString(), lotes, cantidades, true, false, false, deposito, false);
         }},
        {"PidePosicionLote Articulo",
         [](VoucherHostForm& f, const QString& t) {
             double cantidad = 2;
             QString posiciones, lotes;
             f.Cptes().PidePosicionLote(t, QStringLiteral("UN"), cantidad, QStringLiteral("1"), QString(), QString(),
                                        posiciones, lotes, true, true);
         }},
        {"PidePosicionLote IdUnidad",
         [](VoucherHostForm& f, const QString& t) {
             double cantidad = 2;
             QString posiciones, lotes;
             f.Cptes().PidePosicionLote(QStringLiteral("PARA500"), t, cantidad, QStringLiteral("1"), QString(), QString(),
                                        posiciones, lotes, true, true);
         }},
        {"PidePosicionLote Deposito",
         [](VoucherHostForm& f, const QString& t) {
             double cantidad = 2;
             QString posiciones, lotes;
             f.Cptes().PidePosicionLote(QStringLiteral("PARA500"), QStringLiteral("UN"), cantidad, t, QString(), QString(),
                                        posiciones, lotes, true, true);
         }},
    };
    return list;
}

} // namespace

class TstVoucherSqlValues : public QObject {
    Q_OBJECT

private slots:
    // One database for every call: each call is checked against what it found, and the
    // audit rows it wrote are taken away after it.
    void initTestCase() { db_ = std::make_unique<VoucherFixture>(); }
    void cleanupTestCase() { db_.reset(); }
    void cleanup() { db_->Exec(QStringLiteral("DELETE FROM V_MV_CPTEACCIONES")); }

    void onlyItsOwnRows_data()
    {
        QTest::addColumn<int>("argument");
        QTest::addColumn<QString>("text");
        for (int a = 0; a < arguments().size(); ++a)
            for (int i = 0; i < kInjections.size(); ++i)
                QTest::addRow("%s, text %d", arguments()[a].name, i + 1) << a << kInjections[i];
    }
    void onlyItsOwnRows()
    {
        QFETCH(int, argument);
        QFETCH(QString, text);
        const Argument& a = arguments()[argument];
        const VoucherFixture& db = *db_;
        testsupport::RegionalPin regional;
        testsupport::FixedClock clock(2026, 12, 15, 10, 30);
        gUsuarioLogeado = QStringLiteral("Vandrel");
        VoucherHostForm f;
        f.InicializaGrids(QStringLiteral("FC"));
        AnsweringOperator op;
        const QMap<QString, QStringList> before = testsupport::TableContents();
        try {
            a.call(f, text);
        } catch (const vb::VbError& e) {
            QFAIL(qPrintable(QStringLiteral("raised %1 %2").arg(e.Number).arg(e.Description)));
        }
        const QStringList changed = testsupport::ChangedTables(before, testsupport::TableContents());
        QCOMPARE(changed, a.writes.isEmpty() ? QStringList() : QStringList{a.writes});
        for (const QString& box : op.boxes)
            QVERIFY2(!box.contains(QStringLiteral("Ha ocurrido el Siguiente Error")), qPrintable(box));
        if (a.check)
            a.check(db, text);
    }

private:
    std::unique_ptr<VoucherFixture> db_;
};

TESTSUPPORT_MAIN(TstVoucherSqlValues)
#include "tst_voucher_sql_values.moc"
