// ActualizaBuchon: the audit row of an action on a voucher.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/ErrorReport.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/loader/LoadContext.h"

using voucherloader::Literal;
using vouchergrids::ResumeNext;

void ClsCmnCptes::ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                                  bool lEsAlta, bool lEsModificacion, bool GeneraSentencia, QString& SentenciaSQL,
                                  const QString& NroAsiento)
{
    // Its own field list: a caller building another statement in gVecCampos keeps it.
    QVector<CampoValor> campos(9);
    QString sentencia = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
    auto field = [&](int i, const char* name, const std::function<QString()>& literal) {
        ResumeNext([&] {
            campos[i].Campo = QString::fromLatin1(name);
            campos[i].Valor = literal();
        });
    };
    field(0, "TC", [&] { return Literal(Utilidades->AjustaLargo(vb::Trim(TC), 4)); });
    field(1, "IdComprobante", [&] { return Literal(SucNroLetra); });
    field(2, "IdComplemento", [&] { return IdComplemento; });
    field(3, "Tipo_accion", [&] {
        return lEsAlta ? QStringLiteral("'A'") : lEsModificacion ? QStringLiteral("'M'") : QStringLiteral("'B'");
    });
    field(4, "FECHAHORA", [&] { return Literal(vb::Format(vb::Variant(vb::App::Now()), FormatoFechaHora())); });
    field(5, "Usuario", [&] { return Literal(gUsuarioLogeado); });
    field(6, "PC", [&] { return Literal(InfoEquipo->NombreEquipo()); });
    field(7, "SYSTEMUSER", [&] { return Literal(vb::App::EXEName()); });
    field(8, "NUMEROASIENTO", [&] { return Utilidades->TextoAMoneda(NroAsiento).toString(); });
    ResumeNext([&] { ArmaInsert(sentencia, campos, true); });

    if (GeneraSentencia) {
        SentenciaSQL = sentencia;
        return;
    }
    ResumeNext([&] {
        gDBPrincipal->EjecutaConsultaSQL(sentencia);
        ado::Errors& errores = gDBPrincipal->gCnn->Errors();
        if (errores.Count() > 0) {
            const ado::Error primero = errores.Item(0);
            zeltrix::LogError(vb::VbError(primero.Number, primero.Description), QStringLiteral("ActualizaBuchon"),
                              zeltrix::DefaultErrorLog(vb::App::Path()));
        }
    });
}
