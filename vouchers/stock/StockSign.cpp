// The stock sign and the VAT-book sign of a voucher type.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

using vouchergrids::RunSteps;
using namespace voucherstock;

namespace {

// Stock signs of the types whose row does not say whether they enter or leave.
const QStringList kEntran{QStringLiteral("IR"), QStringLiteral("AJP"), QStringLiteral("FCC"), QStringLiteral("NDC"),
                          QStringLiteral("LNDC"), QStringLiteral("FPC"), QStringLiteral("NC"), QStringLiteral("RMC")};
const QStringList kSalen{QStringLiteral("VS"), QStringLiteral("AJN"), QStringLiteral("FC"), QStringLiteral("ND"),
                         QStringLiteral("FP"), QStringLiteral("NCC"), QStringLiteral("LNCC"), QStringLiteral("RM"),
                         QStringLiteral("TR")};
// VAT-book signs.
const QStringList kSumanIVA{QStringLiteral("FCC"), QStringLiteral("NDC"), QStringLiteral("LNDC"), QStringLiteral("FC"),
                            QStringLiteral("TK"),  QStringLiteral("TKFC"), QStringLiteral("FP"), QStringLiteral("FPC")};
const QStringList kRestanIVA{QStringLiteral("NC"), QStringLiteral("NCC"), QStringLiteral("LNCC"), QStringLiteral("NCP"),
                             QStringLiteral("NCCP")};

} // namespace

qint16 ClsCmnCptes::ObtieneSignoComprobante(const QString& TC, bool LibroIVA)
{
    const DbTrap trap(QStringLiteral("ObtieneSignoComprobante%"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    qint16 signo = 0;
    bool existe = true;
    // The lists know the codes without their filling blanks ("FC  " is "FC").
    auto en = [](const QString& tc, const QStringList& lista) { return Utilidades->EstaEnLista(vb::Trim(tc), lista); };
    const qint16 notaDeDebito = DebitoProveedor ? qint16(-1) : qint16(1);

    const bool terminado = RunSteps(trap, {
        // 1.
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO=")
                                  + Literal(Code(TC, 4)),
                              rs);
        },
        // 2.
        [&] { existe = !rs.BOF(); },
        [&] {
            if (!existe)
                return;
            if (!LibroIVA) {
                // 3.
                const QString es = FieldText(rs, QStringLiteral("ES"));
                if (IsCode(es, "E"))
                    signo = 1;
                else if (IsCode(es, "S"))
                    signo = -1;
                else if (en(TC, kEntran))
                    signo = 1;
                else if (en(TC, kSalen))
                    signo = -1;
                return;
            }
            // 4.
            const vb::Variant signoIVA = rs.Fields(QStringLiteral("Signo")).Value();
            if (IsCode(TC, "ND"))
                signo = notaDeDebito;
            else if (en(TC, kSumanIVA))
                signo = 1;
            else if (!signoIVA.isNull())
                signo = vb::CInt(signoIVA);
            else if (en(TC, kRestanIVA))
                signo = -1;
            else {
                const QString sistema = FieldText(rs, QStringLiteral("Sistema"));
                const QString debeHaber = FieldText(rs, QStringLiteral("DebeHaber"));
                signo = (IsCode(sistema, "Ventas") && IsCode(debeHaber, "H")) || (IsCode(sistema, "Compras") && IsCode(debeHaber, "D")) ? -1 : 1;
            }
        },
        // 5.
        [&] { db.CierraRecordset(rs); },
    });
    if (!terminado) {
        db.CierraRecordset(rs);
        return signo;
    }
    if (!existe) {
        ui::MsgBox(QStringLiteral("El Tipo de Comprobante informado no existe en la tabla de comprobantes"), ui::vbCritical,
                   QStringLiteral("Aviso al operador!!!"));
        return 0;
    }
    return signo == 0 ? qint16(1) : signo;
}
