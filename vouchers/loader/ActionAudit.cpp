// ActualizaBuchon: the audit row of an action on a voucher.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Format.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"

using vouchergrids::ComplementLiteral;
using vouchergrids::Literal;
using vouchergrids::MoneyLiteral;

namespace {

// The INSERT of the audit row. Every value goes in through its literal builder, so that a
// value that cannot be one (a number out of range) stops the statement instead of
// leaving a hole in it.
QString auditInsert(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool lEsAlta,
                    bool lEsModificacion, const QString& NroAsiento)
{
    // Its own field list: a caller building another statement in gVecCampos keeps it.
    QVector<CampoValor> campos{
        {QStringLiteral("TC"), Literal(Utilidades->AjustaLargo(vb::Trim(TC), 4))},
        {QStringLiteral("IdComprobante"), Literal(SucNroLetra)},
        {QStringLiteral("IdComplemento"), ComplementLiteral(IdComplemento)},
        {QStringLiteral("Tipo_accion"),
         lEsAlta ? QStringLiteral("'A'") : lEsModificacion ? QStringLiteral("'M'") : QStringLiteral("'B'")},
        {QStringLiteral("FECHAHORA"), Literal(vb::Format(vb::Variant(vb::App::Now()), FormatoFechaHora()))},
        {QStringLiteral("Usuario"), Literal(gUsuarioLogeado)},
        {QStringLiteral("PC"), Literal(InfoEquipo->NombreEquipo())},
        {QStringLiteral("SYSTEMUSER"), Literal(vb::App::EXEName())},
        {QStringLiteral("NUMEROASIENTO"), MoneyLiteral(NroAsiento, QStringLiteral("El número de asiento"))},
    };
    QString sentencia = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
    ArmaInsert(sentencia, campos, true);
    return sentencia;
}

} // namespace

void ClsCmnCptes::ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                  bool lEsAlta, bool lEsModificacion, bool GeneraSentencia, QString& SentenciaSQL,
                                  const QString& NroAsiento)
{
    // A refused value or a failed write goes to the error dialog (and its log line); the
    // operator may retry, and the action is not recorded otherwise.
    const DbTrap trap(QStringLiteral("ActualizaBuchon"));
    QString sentencia;
    bool armada = false;
    trap([&] {
        sentencia = auditInsert(TC, SucNroLetra, IdComplemento, lEsAlta, lEsModificacion, NroAsiento);
        armada = true;
    });
    if (!armada) {
        // The caller's batch gets no statement rather than a broken or a stale one.
        if (GeneraSentencia)
            SentenciaSQL.clear();
        return;
    }
    if (GeneraSentencia) {
        SentenciaSQL = sentencia;
        return;
    }
    trap([&] {
        gDBPrincipal->EjecutaConsultaSQL(sentencia);
        ado::Errors& errores = gDBPrincipal->gCnn->Errors();
        if (errores.Count() > 0) {
            const ado::Error primero = errores.Item(0);
            vb::Raise(primero.Number, primero.Description);
        }
    });
}
