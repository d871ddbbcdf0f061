// Numbering books: the numbering alias and the choice of a book with its next number.
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "frame/SmallLookups.h"
#include "frame/Startup.h"
#include "numbering/Internal.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

using namespace numbering_detail;
using voucherkey::SqlText;

int TalonarioActual = 0;

QString ObtieneTcNumeracion(const QString& TC)
{
    QString aux;
    const QString alias = vb::Trim(Cfg(QStringLiteral("NUM_") + vb::Trim(TC), aux));
    return alias.isEmpty() ? TC : alias;
}

namespace {

// Whether the date text is after the expiry value, day by day (a Fecha that is no date
// raises 13, as the comparison of dates would).
bool isAfter(const QString& Fecha, const vb::Variant& vence)
{
    const QDate fecha = vb::CDate(Fecha).date();
    const QDate limite = vence.type() == vb::VarType::String ? vb::CDate(vb::Trim(vence.toString())).date()
                                                             : vence.toDate().date();
    return fecha > limite;
}

} // namespace

void Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                                      bool& ModificaNumeracion, const QString& Fecha, const QString& UNegocio,
                                      QString& NumeroHasta)
{
    const Trap trap(QStringLiteral("Obtener_Nro_Comprobante_Contable"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    const QString tipo = vb::Trim(TC);
    QString code, filtro, sql;
    bool agotado = false;   // the used-up mark
    bool vacia = false;

    if (!trap([&] { code = SqlText(Utilidades->AjustaLargo(tipo, 4)); }))
        return;

    // 1. The user's default branch and letter for OT, FC, NC and ND.
    if (!trap([&] {
            if (!IsCode(tipo, {QStringLiteral("OT"), QStringLiteral("FC"), QStringLiteral("NC"), QStringLiteral("ND")})
                || !vb::Trim(Sucursal).isEmpty())
                return;
            ado::Recordset usuario;
            if (ExisteRegistro(QStringLiteral("TA_Usuarios"), gUsuarioLogeado, QStringLiteral("Nombre"), &usuario,
                               std::nullopt, QString(), true)) {
                const QString sucot = vb::Trim(FieldText(usuario, QStringLiteral("sucot")));
                if (!sucot.isEmpty() && sucot != QLatin1String("0000")) {
                    Sucursal = QStringLiteral("*") + sucot;
                    const QString letot = vb::Trim(FieldText(usuario, QStringLiteral("letot")));
                    if (!letot.isEmpty())
                        Letra = letot;
                }
            }
            db.CierraRecordset(usuario);
        }))
        return;

    // 2.
    if (vb::Trim(Letra).isEmpty())
        Letra = QStringLiteral("X");

    // 3. Letter restriction.
    if (vb::Len(vb::Trim(Letra)) > 1 && vb::Left(vb::Trim(Letra), 1) == QLatin1String("*")) {
        Letra = vb::Mid(vb::Trim(Letra), 2);
        filtro = QStringLiteral(" AND (LETRAs LIKE('%") + SqlText(Letra) + QStringLiteral("%')) ");
    }

    // 4. Branch restriction (replaces the letter's); dropped when no book has the branch.
    if (vb::Len(vb::Trim(Sucursal)) > 1 && vb::Left(vb::Trim(Sucursal), 1) == QLatin1String("*")) {
        Sucursal = vb::Mid(vb::Trim(Sucursal), 2);
        filtro = QStringLiteral(" AND A_SUC_DEFAULT = '") + SqlText(Sucursal) + QStringLiteral("'");
        if (!trap([&] {
                db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral("  ")) + QStringLiteral("WHERE CODIGO = '") + code + QStringLiteral("' ") + filtro,
                                  rs, db.gCnn.get(), ado::adOpenForwardOnly, ado::adLockReadOnly);
            }))
            return;
        if (!trap([&] {
                if (rs.EOF())
                    filtro.clear();
            }))
            return;
    }

    // 5. The book list.
    if (!trap([&] {
            if (vb::Trim(UNegocio).isEmpty())
                sql = QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral("   ")) + QStringLiteral("WHERE CODIGO = '") + code + QStringLiteral("'") + filtro
                    + QStringLiteral(" ORDER BY TALONARIO");
            else
                sql = QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral(" ")) + QStringLiteral("WHERE  CODIGO = '") + code + QStringLiteral("' AND (UNEGOCIO = '")
                    + SqlText(Utilidades->AjustaLargo(UNegocio, 4))
                    + QStringLiteral("' OR (UNEGOCIO = '' OR UNEGOCIO is null) ) ") + filtro + QStringLiteral("  ORDER BY TALONARIO");
            db.AbrirRecordset(sql, rs, db.gCnn.get(), ado::adOpenForwardOnly, ado::adLockReadOnly);
        }))
        return;
    if (!trap([&] {
            if (rs.EOF() && !vb::Trim(UNegocio).isEmpty())
                db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral("  ")) + QStringLiteral("WHERE CODIGO = '") + code + QStringLiteral("' ORDER BY TALONARIO"),
                                  rs, db.gCnn.get(), ado::adOpenForwardOnly, ado::adLockReadOnly);
        }))
        return;
    if (!trap([&] { vacia = rs.EOF(); }))
        return;

    if (vacia) {
        // 6. No book: unformatted defaults, no message.
        Sucursal = QStringLiteral("1");
        Numero = QStringLiteral("1");
        Letra = QStringLiteral("X");
    } else {
        // 7. The walk, in TALONARIO order.
        for (;;) {
            bool fin = false;
            if (!trap([&] { fin = rs.EOF(); }))
                return;
            if (fin)
                break;
            bool siguiente = false;
            const std::function<void()> checks[] = {
                // 7.1 A book that does not serve the letter gives its first letter (not for OT).
                [&] {
                    const vb::Variant letras = rs.Fields(QStringLiteral("Letras")).Value();
                    if (letras.isNull())
                        return;
                    if (vb::InStr(letras.toString(), vb::Trim(Letra), vb::vbTextCompare) == 0 && !IsCode(tipo, {QStringLiteral("OT")}))
                        Letra = vb::Left(letras.toString(), 1);
                },
                // 7.2
                [&] {
                    if (vb::Trim(Letra).isEmpty())
                        Letra = QStringLiteral("X");
                },
                // 7.3 Used up for the letter.
                [&] {
                    const QString L = vb::Trim(Letra);
                    if (FieldAmount(rs, L + QStringLiteral("_ULTIMO_NRO")) >= FieldAmount(rs, L + QStringLiteral("_NRO_HASTA"))) {
                        agotado = true;
                        siguiente = true;
                    }
                },
                // 7.4 Expired for the date.
                [&] {
                    if (siguiente || Fecha.isEmpty())
                        return;
                    const vb::Variant vence = FieldValue(rs, QStringLiteral("Vence") + vb::Trim(Letra));
                    if (vence.type() == vb::VarType::String && vb::Trim(vence.toString()).isEmpty())
                        return;
                    if (isAfter(Fecha, vence))
                        siguiente = true;
                },
                // 7.5 Another branch, for FC, OT and PR.
                [&] {
                    if (siguiente || !IsCode(tipo, {QStringLiteral("FC"), QStringLiteral("OT"), QStringLiteral("PR")})
                        || vb::Trim(Sucursal).isEmpty())
                        return;
                    if (FieldAmount(rs, vb::Trim(Letra) + QStringLiteral("_SUC_DEFAULT")).toDouble() != vb::Val(Sucursal))
                        siguiente = true;
                },
            };
            for (const auto& check : checks)
                if (!trap(check))
                    return;
            if (!siguiente) {
                // 7.6 The chosen book.
                const std::function<void()> take[] = {
                    [&] {
                        Sucursal = vb::Format(FieldValue(rs, vb::Trim(Letra) + QStringLiteral("_SUC_DEFAULT")), QStringLiteral("0000"));
                    },
                    [&] {
                        const vb::Currency ultimo = FieldAmount(rs, vb::Trim(Letra) + QStringLiteral("_ULTIMO_NRO"));
                        Numero = ultimo == vb::Currency() ? QStringLiteral("00000001")
                                                          : vb::Format(vb::Variant(ultimo), QStringLiteral("00000000"));
                    },
                    [&] {
                        NumeroHasta = vb::Format(vb::Variant(FieldAmount(rs, vb::Trim(Letra) + QStringLiteral("_NRO_HASTA"))),
                                                 QStringLiteral("00000000"));
                    },
                    [&] { TalonarioActual = vb::CInt(FieldValue(rs, QStringLiteral("Talonario"))); },
                    [&] { ModificaNumeracion = ValorBooleano(FieldText(rs, QStringLiteral("Modificanumeracion")), true); },
                };
                for (const auto& statement : take)
                    if (!trap(statement))
                        return;
                agotado = false;
                break;
            }
            if (!trap([&] { rs.MoveNext(); }))
                return;
        }
    }

    // 8.
    Letra = vb::Trim(Letra);
    if (agotado)
        ui::MsgBox(QStringLiteral("Todos los talonarios del comprobante ") + TC
                       + QStringLiteral(" se encuentran utilizados, debe dar de alta un nuevo talonario para el comprobante ") + TC,
                   ui::vbOKOnly);
    // 9.
    trap([&] { db.CierraRecordset(rs); });
}
