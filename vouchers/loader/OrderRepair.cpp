// The repair of the stored lines of a special-series order (point of sale 9999) before
// the loader reads them: a line without internal taxes takes its article's, and, with
// final prices, a line of an "A" customer stored without VAT gets it added into its
// amount and total. The updates of one order run as one transaction on the table the
// lines were read from.
#include "vouchers/loader/LoadContext.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/StatementBuilder.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

namespace voucherloader {

namespace {

QString money(double amount)
{
    return gDBPrincipal->SQLValue(vb::Variant(amount), QStringLiteral("@")).toString();
}

QString table(const LoadContext& ctx)
{
    return ctx.prefijo.toLower() + QStringLiteral("mv_cpteinsumos");
}

// The internal-taxes update of the line the recordset stands on, or "" when the line has
// taxes already (or none stored) or its article has none.
QString taxesUpdate(LoadContext& ctx, ado::Recordset& linea)
{
    const vb::Variant impuestos = linea.Fields(QStringLiteral("Impuestos")).Value();
    ado::Recordset articulo;
    qint16 modoUNegocio = 0;
    const bool encontrado = FindArticle(linea, articulo, modoUNegocio);
    const vb::Variant delArticulo = encontrado ? Value(articulo, QStringLiteral("Impuestos")) : vb::Variant(0);
    gDBPrincipal->CierraRecordset(articulo);
    if (delArticulo.toDouble() <= 0 || impuestos.isNull() || impuestos.toDouble() != 0)
        return QString();
    return QStringLiteral("update ") + table(ctx) + QStringLiteral(" set impuestos = ")
         + gDBPrincipal->SQLValue(delArticulo, QStringLiteral("@")).toString() + QStringLiteral(" where id = ")
         + gDBPrincipal->SQLValue(linea.Fields(QStringLiteral("ID")).Value(), QStringLiteral("@")).toString();
}

// The VAT update of the line the recordset stands on, or "" when the line keeps its
// amounts: exempt lines, lines whose amount already differs from the amount without
// VAT, and lines with a value missing are left alone.
QString vatUpdate(LoadContext& ctx, ado::Recordset& linea)
{
    auto stored = [&](const char* field) { return linea.Fields(QString::fromLatin1(field)).Value(); };
    const vb::Variant exento = stored("Exento");
    const vb::Variant importe = stored("Importe");
    const vb::Variant sinIva = stored("Importe_S_IVA");
    const vb::Variant alicuota = stored("AlicIVA");
    const vb::Variant cantidad = stored("Cantidad");
    for (const vb::Variant* v : {&exento, &importe, &sinIva, &alicuota, &cantidad})
        if (v->isNull())
            return QString();
    if (exento.toBool() || vb::Compare(sinIva, importe) != 0)
        return QString();
    const double monto = sinIva.toDouble() * (alicuota.toDouble() / 100 + 1);
    return QStringLiteral("update ") + table(ctx) + QStringLiteral(" set IMPORTE = ")
         + money(monto) + QStringLiteral(", TOTAL = ") + money(monto * cantidad.toDouble())
         + QStringLiteral(" where id = ") + gDBPrincipal->SQLValue(stored("ID"), QStringLiteral("@")).toString();
}

} // namespace

void RepairOrderLines(LoadContext& ctx)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset cabecera;
    ado::Recordset lineas;
    QStringList script;
    bool letraA = false;
    ctx.Step([&] {
        db.AbrirRecordset(QStringLiteral("SELECT * FROM ") + ctx.prefijo + QStringLiteral("MV_CPTE  ") + ctx.condicion
                              + QStringLiteral(" ORDER BY ID "),
                          cabecera);
    });
    ctx.Step([&] { cabecera.MoveFirst(); });
    ctx.Step([&] {
        db.AbrirRecordset(QStringLiteral("SELECT * FROM ") + ctx.prefijo + QStringLiteral("MV_CPTEINSUMOS  ") + ctx.condicion,
                          lineas);
    });
    ctx.Step([&] {
        letraA = ObtieneLetraComprobante(Cfg(QStringLiteral("CONDIVA")), FieldText(cabecera, QStringLiteral("CondicionIva")))
                     .compare(QLatin1String("A"), Qt::CaseInsensitive)
                 == 0;
    });

    bool eof = true;
    ctx.Step([&] { eof = lineas.EOF(); });
    while (!eof) {
        ctx.Step([&] {
            const QString update = taxesUpdate(ctx, lineas);
            if (!update.isEmpty())
                script << update;
        });
        if (ctx.preciosFinales && letraA)
            ctx.Step([&] {
                const QString update = vatUpdate(ctx, lineas);
                if (!update.isEmpty())
                    script << update;
            });
        eof = true;
        ctx.Step([&] { lineas.MoveNext(); });
        ctx.Step([&] { eof = lineas.EOF(); });
    }

    if (!script.isEmpty())
        ctx.Step([&] {
            bool hayError = false;
            qint32 nroError = 0;
            QString ejecutado;
            QString mensaje;
            GActualizarDatoScript(script, hayError, nroError, false, false, ejecutado, mensaje, true);
        });
    ctx.Step([&] { db.CierraRecordset(lineas); });
    ctx.Step([&] { db.CierraRecordset(cabecera); });
}

} // namespace voucherloader
