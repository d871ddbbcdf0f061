// The number of a voucher by its family, the entry lookup and the invoice letter.
#include "data/DB_Dll.h"
#include "numbering/Internal.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

using namespace numbering_detail;
using voucherkey::SqlText;

namespace {

const QString kNumeroMaximo = QStringLiteral("99999999");

QString eightDigits(vb::Currency value)
{
    return vb::Format(vb::Variant(value), QStringLiteral("00000000"));
}

// The number part (characters 5 to 12) of an IdComprobante read as an amount.
vb::Currency numberPart(const vb::Variant& idComprobante)
{
    return Utilidades->TextoAMoneda(vb::Mid(idComprobante.toString(), 5, 8));
}

// Runs the steps in turn under the procedure's trap; false when the procedure must be left.
bool runSteps(const Trap& trap, std::initializer_list<std::function<void()>> steps)
{
    for (const auto& step : steps)
        if (!trap(step))
            return false;
    return true;
}

} // namespace

void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool&& ModificaNumeracion, bool ValidaNumero, const QString& Reservado,
                             const QString& UNegocio)
{
    bool flag = ModificaNumeracion;
    Obtener_Nro_Comprobante(TC, Sucursal, Numero, Letra, flag, ValidaNumero, Reservado, UNegocio);
}

void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool ValidaNumero, const QString& /*Reservado*/,
                             const QString& UNegocio)
{
    // 1.
    if (TC.isEmpty())
        return;
    const Trap trap(QStringLiteral("Obtener_Nro_Comprobante"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    QString tcNumeracion;
    bool conAsiento = false;

    const bool seguir = runSteps(trap, {
        // 2.
        [&] { tcNumeracion = ObtieneTcNumeracion(TC); },
        // 3. No date, so no expiry test; the upper bound is not used.
        [&] {
            QString numeroHasta = kNumeroMaximo;
            Obtener_Nro_Comprobante_Contable(tcNumeracion, Sucursal, Numero, Letra, ModificaNumeracion, QString(), UNegocio,
                                             numeroHasta);
        },
    });
    if (!seguir)
        return;
    // 4.
    if (!ValidaNumero)
        return;

    // 5. The caller's own TC from here on.
    const QString tc = SqlText(TC);
    const QString suc = SqlText(Sucursal);
    const QString num = SqlText(Numero);
    const QString let = SqlText(Letra);

    // 6. Stored-voucher check over MV_VIAJES or V_MV_STOCK.
    auto storedCheck = [&](const QString& table) {
        bool taken = false;
        vb::Variant ultimo;
        return runSteps(trap, {
            [&] {
                db.AbrirRecordset(QStringLiteral("SELECT * From ") + table + Hint(QStringLiteral("  with(nolock)  ")) + QStringLiteral("WHERE TC = '") + tc
                                      + QStringLiteral("' AND IDCOMPROBANTE = '") + suc + num + let + QStringLiteral("'"),
                                  rs);
            },
            [&] { taken = !rs.EOF(); },
            [&] {
                if (!taken)
                    return;
                db.AbrirRecordset(QStringLiteral("SELECT MAX(idcomprobante) AS ULTIMO From ") + table + Hint(QStringLiteral(" ")) + QStringLiteral("WHERE TC = '") + tc
                                      + QStringLiteral("' AND SUBSTRING(IDCOMPROBANTE,1,4)= '") + suc
                                      + QStringLiteral("' AND SUBSTRING(IDCOMPROBANTE,13,1) = '") + let + QStringLiteral("'"),
                                  rs);
            },
            [&] {
                if (!taken)
                    return;
                ultimo = rs.Fields(QStringLiteral("Ultimo")).Value();
                if (ultimo.isNull())
                    return;
                const vb::Currency h = numberPart(ultimo);
                if (Utilidades->TextoAMoneda(Numero) <= h)
                    Numero = eightDigits(h + vb::Currency::fromInt(1));
            },
            [&] { db.CierraRecordset(rs); },
        });
    };

    // 7. Entry rule: one above the highest entry number of type, branch and letter.
    auto entryRule = [&] {
        bool maximo = false;
        return runSteps(trap, {
            [&] {
                db.AbrirRecordset(QStringLiteral("SELECT MAX(NUMERO) AS ULTIMO From MV_ASIENTOS") + Hint(QStringLiteral(" with(nolock) ")) + QStringLiteral("WHERE TC = '") + tc
                                      + QStringLiteral("' AND SUCURSAL= '") + suc + QStringLiteral("' AND LETRA = '") + let + QStringLiteral("'"),
                                  rs);
            },
            [&] {
                maximo = !rs.BOF() && !rs.Fields(QStringLiteral("Ultimo")).Value().isNull();
                if (!maximo)
                    Numero = QStringLiteral("00000001");
                else
                    Numero = eightDigits(Utilidades->TextoAMoneda(rs.Fields(QStringLiteral("Ultimo")).Value().toString())
                                         + vb::Currency::fromInt(1));
            },
            // "CBFP" also goes above its highest stored voucher.
            [&] {
                if (maximo && IsCode(TC, {QStringLiteral("CBFP")}))
                    db.AbrirRecordset(QStringLiteral("SELECT MAX(idcomprobante) AS ULTIMO From V_MV_CPTE") + Hint(QStringLiteral(" ")) + QStringLiteral("WHERE TC = '") + tc
                                          + QStringLiteral("' AND SUBSTRING(IDCOMPROBANTE,1,4)= '") + suc
                                          + QStringLiteral("' AND SUBSTRING(IDCOMPROBANTE,13,1) = '") + let + QStringLiteral("'"),
                                      rs);
            },
            [&] {
                if (!maximo || !IsCode(TC, {QStringLiteral("CBFP")}))
                    return;
                const vb::Variant ultimo = rs.Fields(QStringLiteral("Ultimo")).Value();
                if (ultimo.isNull())
                    return;
                const vb::Currency h = numberPart(ultimo);
                if (Utilidades->TextoAMoneda(Numero) < h)
                    Numero = eightDigits(h + vb::Currency::fromInt(1));
            },
            [&] { db.CierraRecordset(rs); },
        });
    };

    // 8. Purchase orders.
    auto purchaseOrderCheck = [&] {
        bool taken = false;
        return runSteps(trap, {
            [&] {
                db.AbrirRecordset(QStringLiteral("SELECT * From C_MV_CPTE") + Hint(QStringLiteral("  with(nolock)  ")) + QStringLiteral("WHERE TC = '") + tc
                                      + QStringLiteral("' AND IDCOMPROBANTE = '") + suc + num + let + QStringLiteral("'"),
                                  rs);
            },
            [&] { taken = !rs.EOF(); },
            [&] {
                if (!taken)
                    return;
                db.AbrirRecordset(QStringLiteral("SELECT MAX(NUMERO) AS ULTIMO From C_MV_CPTE") + Hint(QStringLiteral("  with(nolock) ")) + QStringLiteral("WHERE TC = '") + tc
                                      + QStringLiteral("' AND SUCURSAL = '") + suc + QStringLiteral("' AND NUMERO < '") + kNumeroMaximo
                                      + QStringLiteral("' AND LETRA = '") + let + QStringLiteral("' "),
                                  rs);
            },
            [&] {
                if (!taken)
                    return;
                if (rs.BOF() || rs.Fields(QStringLiteral("Ultimo")).Value().isNull())
                    Numero = QStringLiteral("00000001");
                else
                    Numero = eightDigits(Utilidades->TextoAMoneda(rs.Fields(QStringLiteral("Ultimo")).Value().toString())
                                         + vb::Currency::fromInt(1));
            },
            [&] { db.CierraRecordset(rs); },
        });
    };

    if (IsCode(TC, {QStringLiteral("VJ")})) {
        storedCheck(QStringLiteral("MV_VIAJES"));
        return;
    }
    if (Utilidades->EstaEnLista(TC, {QStringLiteral("AJP"), QStringLiteral("AJN"), QStringLiteral("VS"), QStringLiteral("IR")})) {
        storedCheck(QStringLiteral("V_MV_STOCK"));
        return;
    }
    if (!trap([&] {
            QString asiento;
            conAsiento = ExisteAsiento(TC, Sucursal, Numero, Letra, asiento, QString(), true);
        }))
        return;
    if (conAsiento) {
        entryRule();
        return;
    }
    // Family 4: nothing more.
    static const QStringList sinExamen = {
        QStringLiteral("OPG"), QStringLiteral("PG"), QStringLiteral("FC"), QStringLiteral("NC"), QStringLiteral("ND"),
        QStringLiteral("NP"), QStringLiteral("GF"), QStringLiteral("PR"), QStringLiteral("RM"), QStringLiteral("TK"),
        QStringLiteral("TKFC"), QStringLiteral("FP"), QStringLiteral("VJ"), QStringLiteral("IR"), QStringLiteral("VS"),
        QStringLiteral("SI"), QStringLiteral("AJP"), QStringLiteral("AJN"), QStringLiteral("TRP")};
    if (IsCode(TC, sinExamen))
        return;
    if (IsCode(TC, {QStringLiteral("OC")})) {
        purchaseOrderCheck();
        return;
    }
    // 9. Any other type: its control row goes at once, outside the caller's transaction.
    trap([&] {
        db.EjecutaConsultaSQL(QStringLiteral("DELETE V_MV_CTROL_CPTE WHERE TC = '") + tc + QStringLiteral("' AND SUCURSAL = '") + suc
                              + QStringLiteral("' AND NUMERO = '") + num + QStringLiteral("' AND LETRA = '") + let + QStringLiteral("'"));
    });
}

bool ExisteAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                   QString& AsientoExistente, const QString& Cuenta, bool SinBloqueo)
{
    // 1.
    if (IsCode(TC, {QStringLiteral("OC")}))
        return false;
    DB_Dll& db = *gDBPrincipal;
    // 2.
    const QString cuenta = Cuenta.isEmpty() ? QString() : QStringLiteral(" AND CUENTA = '") + SqlText(Cuenta) + QStringLiteral("'");
    // 3.
    const QString head = QStringLiteral("SELECT * FROM MV_ASIENTOS")
                       + Hint(SinBloqueo ? QStringLiteral("  with(nolock)  ") : QStringLiteral(" ")) + QStringLiteral("WHERE TC = '");
    ado::Recordset rs;
    db.AbrirRecordset(head + SqlText(Utilidades->AjustaLargo(TC, 4)) + QStringLiteral("' AND SUCURSAL = '") + SqlText(Sucursal)
                          + QStringLiteral("' AND NUMERO = '") + SqlText(Numero) + QStringLiteral("' AND LETRA = '") + SqlText(Letra)
                          + QStringLiteral("'") + cuenta,
                      rs);
    // 4.
    if (rs.EOF()) {
        db.CierraRecordset(rs);
        return false;
    }
    // 5.
    AsientoExistente = vb::Format(FieldValue(rs, QStringLiteral("Mes_Operativo")), QStringLiteral("00")) + QStringLiteral(" - ")
                     + vb::Format(FieldValue(rs, QStringLiteral("numero asiento")), QStringLiteral("000000"));
    db.CierraRecordset(rs);
    return true;
}

QString ObtieneLetraComprobante(const QString& CondicionEmisor, const QString& CondicionCliente)
{
    if (vb::Val(CondicionEmisor) != 1)
        return QStringLiteral("C");
    if (vb::Val(CondicionCliente) > 2)
        return QStringLiteral("B");
    return QStringLiteral("A");
}
