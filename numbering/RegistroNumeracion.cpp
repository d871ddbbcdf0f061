// Validating a number against its book and recording an issued number.
#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "numbering/Internal.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

using namespace numbering_detail;
using voucherkey::SqlText;

namespace {

const QString kCr = QStringLiteral("\r");
const QString kCrLf = QStringLiteral("\r\n");

// A book without number control for the letter: Modificanumeracion set and a zero range.
bool sinControl(ado::Recordset& rs, const QString& L)
{
    return FieldSet(rs, QStringLiteral("Modificanumeracion"))
        && FieldAmount(rs, L + QStringLiteral("_NRO_DESDE")) == vb::Currency()
        && FieldAmount(rs, L + QStringLiteral("_NRO_HASTA")) == vb::Currency();
}

// A value for a column of the book: numbers for numeric columns, the text otherwise.
vb::Variant valueFor(ado::Field& field, const QString& text)
{
    switch (field.Type()) {
    case ado::adChar: case ado::adVarChar: case ado::adLongVarChar:
    case ado::adWChar: case ado::adVarWChar: case ado::adLongVarWChar: case ado::adBSTR:
        return vb::Variant(text);
    default:
        return vb::Variant(Utilidades->TextoADoble(text));
    }
}

QString currencyText(vb::Currency value)
{
    return value.toString();
}

} // namespace

bool ValidaNumeracionComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                                 QString& Mensaje, const QString& Fecha)
{
    DB_Dll& db = *gDBPrincipal;
    const QString code = SqlText(Utilidades->AjustaLargo(vb::Trim(TC), 4));
    const vb::Currency numero = Utilidades->TextoAMoneda(Numero);

    // 1.
    const bool validoHastaAqui = numero > vb::Currency();
    // 2. A single letter of the list (an empty one goes on as "X").
    if (!vb::Trim(Letra).isEmpty() && !voucherkey::IsValidLetter(Letra)) {
        Mensaje = QStringLiteral(" La letra Informada no es Valida, la misma debe ser ") + voucherkey::kLetras;
        return false;
    }
    // 3.
    if (vb::Trim(Letra).isEmpty())
        Letra = QStringLiteral("X");
    const QString L = vb::Trim(Letra);

    // 4. An external type passes without checks.
    const QString externo = db.DatosTabla(QStringLiteral("V_TA_CPTE"), vb::Variant(TC), QStringLiteral("EXTERNO"),
                                          QStringLiteral("CODIGO")).toString();
    if (!externo.isEmpty() && ValorBooleano(externo, true)) {
        Mensaje.clear();
        return true;
    }

    // 5. The book by branch and number: the last qualifying row wins.
    bool externoFila = false;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("Select * from v_ta_cpte") + Hint(QStringLiteral("  with(nolock)  ")) + QStringLiteral("where codigo = '") + code + QStringLiteral("' and ") + L
                          + QStringLiteral("_SUC_DEFAULT = ") + SqlNumber(vb::Val(Sucursal)),
                      rs);
    while (!rs.EOF()) {
        externoFila = FieldSet(rs, QStringLiteral("Externo"));
        if (externoFila || sinControl(rs, L))
            break;
        if (FieldAmount(rs, L + QStringLiteral("_NRO_DESDE")) <= numero && FieldAmount(rs, L + QStringLiteral("_NRO_HASTA")) >= numero)
            TalonarioActual = vb::CInt(FieldValue(rs, QStringLiteral("Talonario")));
        rs.MoveNext();
    }
    db.CierraRecordset(rs);

    // 6. The current book.
    db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral("  with(nolock)  ")) + QStringLiteral("WHERE CODIGO = '") + code
                          + QStringLiteral("' and Talonario = ") + QString::number(TalonarioActual),
                      rs);
    if (rs.EOF()) {
        db.CierraRecordset(rs);
        Mensaje = QStringLiteral("Debe configurar la numeracióN de Comprobantes");
        return false;
    }

    // 7. No control: external row, or no range.
    bool resultado;
    if (externoFila || sinControl(rs, L)) {
        resultado = true;
    } else {
        // 8.
        resultado = validoHastaAqui;
        const QString control = QString::number(TalonarioActual);
        const vb::Variant vence = FieldValue(rs, QStringLiteral("Vence") + L);
        const bool sinVence = vence.type() == vb::VarType::String && vb::Trim(vence.toString()).isEmpty();
        if (!Fecha.isEmpty() && !sinVence) {
            const QDate limite = vence.type() == vb::VarType::String ? vb::CDate(vb::Trim(vence.toString())).date()
                                                                     : vence.toDate().date();
            if (limite < vb::CDate(Fecha).date()) {
                Mensaje = QStringLiteral("El rango de numeracion del comprobante ") + TC + QStringLiteral(" Control nro: ") + control
                        + QStringLiteral(" se encuenta vencida...! Debe dar de alta un nuevo talonario para el comprobante ") + TC;
                resultado = false;
            }
        }
        const vb::Currency desde = FieldAmount(rs, L + QStringLiteral("_NRO_DESDE"));
        const vb::Currency hasta = FieldAmount(rs, L + QStringLiteral("_NRO_HASTA"));
        if (resultado && numero < desde) {
            Mensaje += kCr + QStringLiteral("El Número de comprobante (") + currencyText(numero)
                     + QStringLiteral(") no respeta el parametro NRO DESDE del comprobante (") + currencyText(desde)
                     + QStringLiteral(") , Nro de Control: ") + control;
            resultado = false;
        }
        if (resultado && numero > hasta) {
            Mensaje += kCr + QStringLiteral("El Número de comprobante (") + currencyText(numero)
                     + QStringLiteral(") no respeta el parametro NRO HASTA del comprobante (") + currencyText(hasta)
                     + QStringLiteral(") , Nro de Control: ") + control;
            resultado = false;
        }
        Mensaje += kCr + kCr + QStringLiteral("Verifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo");
    }
    db.CierraRecordset(rs);

    // 9.
    if (resultado)
        Mensaje.clear();
    return resultado;
}

void ActualizaNumeracionComprobante(const QString& TC, const QString& Sistema, const QString& Sucursal,
                                    const QString& NumeroSiguiente, QString& Letra, bool ComoScript, QString& Script,
                                    bool RegistraControl, bool SoloControl)
{
    const Trap trap(QStringLiteral("ActualizaNumeracionComprobante"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    // 1. The caller's TC stays as it is; everything below works on the alias.
    QString tc;
    bool puedeCambiar = true;
    bool encontrado = false;
    bool otraSucursal = false;
    bool controlar = false;   // the row found asks for the control row

    if (!trap([&] { tc = ObtieneTcNumeracion(TC); }))
        return;
    const QString L4 = SqlText(Utilidades->AjustaLargo(vb::Trim(tc), 4));

    // The control row of step 6, appended to Script in collect mode.
    auto controlRow = [&] {
        if (!(controlar || RegistraControl || IsCode(tc, {QStringLiteral("OC")})))
            return;
        Script = Script + kCrLf + QStringLiteral(" INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('")
               + SqlText(Utilidades->AjustaLargo(tc, 4)) + QStringLiteral("','")
               + vb::Format(vb::Variant(Utilidades->TextoAMoneda(Sucursal)), QStringLiteral("0000")) + QStringLiteral("','")
               + vb::Format(vb::Variant(Utilidades->TextoAMoneda(NumeroSiguiente) - vb::Currency::fromInt(1)), QStringLiteral("00000000"))
               + QStringLiteral("','") + SqlText(Letra) + QStringLiteral("')") + kCrLf;
    };
    // Whether the branch differs from the row's default branch for the letter.
    auto branchDiffers = [&] {
        return Utilidades->TextoADoble(Sucursal)
            != Utilidades->TextoADoble(FieldText(rs, vb::Trim(Letra) + QStringLiteral("_SUC_DEFAULT")));
    };
    // A book row without a letter numbers under "X".
    auto defaultLetter = [&] {
        if (vb::Trim(Letra).isEmpty())
            Letra = QStringLiteral("X");
    };
    // Rows of the accounting system also want the control row.
    auto isContable = [&] {
        return vb::Trim(FieldText(rs, QStringLiteral("Sistema"))).compare(QLatin1String("Contable"), Qt::CaseInsensitive) == 0;
    };
    // Direct mode: the row's next number and its change time.
    auto storeInRow = [&] {
        const QString L = vb::Trim(Letra);
        ado::Field& ultimo = rs.Fields(L + QStringLiteral("_ULTIMO_NRO"));
        ultimo = valueFor(ultimo, NumeroSiguiente);
        rs.Fields(QStringLiteral("fechahora_modificacion")) = vb::Variant(vb::Format(vb::Variant(vb::App::Now()), FormatoFechaHora()));
        rs.Update();
    };

    const std::function<void()> steps[] = {
        // 2. Settles the letter and the current book.
        [&] {
            QString mensaje;
            ValidaNumeracionComprobante(tc, Sucursal, NumeroSiguiente, Letra, mensaje, QString());
        },
        // 3. The book's row.
        [&] {
            db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral("  with(nolock)  ")) + QStringLiteral("WHERE CODIGO = '") + L4
                                  + QStringLiteral("' AND TALONARIO =") + QString::number(TalonarioActual),
                              rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
        },
        [&] { encontrado = !rs.EOF(); },
    };
    for (const auto& step : steps)
        if (!trap(step))
            return;

    if (encontrado) {
        // 4.
        const std::function<void()> found[] = {
            defaultLetter,
            [&] { otraSucursal = branchDiffers(); },
            [&] {
                if (otraSucursal)
                    return;
                controlar = isContable();
                // 4.1 The next number never goes back.
                const QString L = vb::Trim(Letra);
                if (!rs.Fields(L + QStringLiteral("_ULTIMO_NRO")).Value().isNull()
                    && Utilidades->TextoAMoneda(NumeroSiguiente) <= FieldAmount(rs, L + QStringLiteral("_ULTIMO_NRO")))
                    puedeCambiar = false;
            },
            [&] {
                if (otraSucursal)
                    return;
                if (ComoScript) {
                    // 4.2
                    if (puedeCambiar && !SoloControl)
                        Script = QStringLiteral(" UPDATE V_TA_CPTE SET ") + vb::Trim(Letra) + QStringLiteral("_ULTIMO_NRO = ")
                               + NumeroSiguiente + QStringLiteral(" WHERE CODIGO = '") + SqlText(Utilidades->AjustaLargo(tc, 4))
                               + QStringLiteral("' AND TALONARIO=") + QString::number(TalonarioActual);
                    controlRow();
                } else if (puedeCambiar) {
                    // 4.3
                    storeInRow();
                }
            },
        };
        for (const auto& step : found)
            if (!trap(step))
                return;
    } else {
        // 5. The older store TA_Comprobantes.
        const QString sistema = SqlText(vb::Trim(Sistema));
        const std::function<void()> fallback[] = {
            [&] {
                db.AbrirRecordset(QStringLiteral("SELECT * FROM TA_Comprobantes WHERE CODIGO = '") + L4 + QStringLiteral("' AND SISTEMA = '")
                                      + sistema + QStringLiteral("' AND TALONARIO = ") + QString::number(TalonarioActual),
                                  rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
            },
            [&] { encontrado = !rs.EOF(); },
        };
        for (const auto& step : fallback)
            if (!trap(step))
                return;
        if (encontrado) {
            // 5.1
            const std::function<void()> found[] = {
                defaultLetter,
                [&] { otraSucursal = branchDiffers(); },
                [&] {
                    if (otraSucursal)
                        return;
                    controlar = isContable();
                    if (ComoScript) {
                        Script = QStringLiteral(" UPDATE TA_Comprobantes SET ") + vb::Trim(Letra) + QStringLiteral("_ULTIMO_NRO = ")
                               + NumeroSiguiente + QStringLiteral(" WHERE CODIGO = '") + SqlText(Utilidades->AjustaLargo(tc, 4))
                               + QStringLiteral("' AND SISTEMA = '") + sistema + QStringLiteral("' AND TALONARIO=")
                               + QString::number(TalonarioActual);
                        controlRow();
                    } else {
                        storeInRow();
                    }
                },
            };
            for (const auto& step : found)
                if (!trap(step))
                    return;
        } else {
            // 5.2 No book in either table.
            const std::function<void()> missing[] = {
                [&] {
                    db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE") + Hint(QStringLiteral("  with(nolock)  ")) + QStringLiteral("WHERE CODIGO = '") + L4 + QStringLiteral("'"), rs);
                },
                [&] {
                    if (rs.EOF())
                        ui::MsgBox(QStringLiteral("Error en grabación del Comprobante, no se ha encontrado el comprobante configurado"),
                                   ui::vbCritical, QStringLiteral("ATENCION"));
                    else if (FieldSet(rs, QStringLiteral("Externo")))
                        Script.clear();
                },
            };
            for (const auto& step : missing)
                if (!trap(step))
                    return;
        }
    }

    // 7.
    trap([&] { db.CierraRecordset(rs); });
}
