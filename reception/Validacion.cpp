// Checking what the operator types: the reception date and the columns of a row.
#include "reception/frmRecepcionMutuales.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "reception/ErrorTraps.h"
#include "widgets/UtilKor.h"

using reception::Paso;

namespace {

// Whether a typed number, rounded to the decimals it is stored with, is an amount the
// grid, the status bar and the report show whole.
bool cabeEnImporte(const QString& V)
{
    try {
        const vb::Currency importe = Utilidades->TextoAMoneda(FmtMoneda(V, -1, false));
        return importe <= ImporteMaximo && -importe <= ImporteMaximo;
    } catch (const vb::VbError& e) {
        // Any other failure (decimals the configuration cannot give) is the rewrite's
        // below, under the procedure's trap.
        return e.Number != vb::ErrOverflow;
    }
}

} // namespace

void frmRecepcionMutuales::Detalleon(bool A)
{
    for (CajaTexto* box : txtFields)
        box->setEnabled(!A);
    UtilKor1->SetNuevoEnabled(true);
    UtilKor1->SetBorrarEnabled(false);
    UtilKor1->SetGrabarEnabled(false);
    UtilKor1->SetCancelarEnabled(A);
    UtilKor1->SetCerrarEnabled(true);
    UtilKor1->SetPlanillaEnabled(false);
    UtilKor1->SetReporteEnabled(true);
}

void frmRecepcionMutuales::CampoValida(CajaTexto* Texto, bool xNumero)
{
    Q_UNUSED(xNumero);
    const QString rutina = QStringLiteral("CAMPO_VALIDA");
    ErrorEnCampo = false;
    m_reloadDeclined = false;
    QString M;
    const auto falla = [&](const QString& mensaje) {
        ErrorEnCampo = true;
        M = mensaje;
    };
    const QString V = vb::Trim(Texto->text());
    const QString F = vb::Trim(Texto->DataField());
    const auto es = [&F](const char* nombre) { return F.compare(QLatin1String(nombre), Qt::CaseInsensitive) == 0; };
    // A statement under the procedure's trap; false when the operator chose to leave.
    // A value whose check could not run is refused: the error box was its message.
    const auto paso = [&](const std::function<void()>& statement) {
        if (!vb::shouldLeave(Paso(rutina, statement)))
            return true;
        ErrorEnCampo = true;
        return false;
    };

    if (es("FechaRecepcion")) {
        if (V.isEmpty()) {
            falla(QStringLiteral("Debe ingresar una fecha de recepción"));
        } else if (!vb::IsDate(V)) {
            falla(QStringLiteral("Debe ingresar un formato de fecha válido"));
        } else {
            // Loading a date empties the grid: rows being typed are given up only when
            // the operator says so; otherwise they stay, with the date they are for.
            bool carga = true;
            if (!paso([&] { carga = PuedeAbandonarCarga(); }))
                return;
            if (!carga) {
                // The box shows the date of the rows again, ready to be typed over.
                m_reloadDeclined = true;
                Texto->setText(m_fechaFilas);
                Texto->selectAll();
            } else {
                // The whole date goes back into the box: a day and month typed without a
                // year are this year's, and the rows are read and stored under that date.
                QDateTime fecha;
                vb::ParseDate(V, fecha);
                Texto->setText(fecha.date().toString(QStringLiteral("dd/MM/yyyy")));
                if (!paso([this] { CargaMutualesFecha(); }))
                    return;
            }
        }
    } else if (es("Cuenta")) {
        const int fila = MSFlexGrid1->Row();
        if (!paso([&] { MSFlexGrid1->SetTextMatrix(fila, 2, QString()); }))
            return;
        if (V.isEmpty()) {
            falla(QStringLiteral("Debe ingresar una cuenta"));
        } else {
            ado::Recordset rs;
            QString codigo = V;
            bool existe = false;
            if (!paso([&] { existe = ObtieneCuentaContable(codigo, rs, true, false); }))
                return;
            if (!existe) {
                falla(QStringLiteral("La Cuenta ingresada es inexistente"));
            } else {
                bool titulo = false;
                QString tipoVista;
                QString descripcion;
                if (!paso([&] {
                        const vb::Variant t = rs.Fields(QStringLiteral("Titulo")).Value();
                        titulo = !t.isNull() && t.toBool();
                        tipoVista = vb::Trim(Utilidades->ValorATexto(
                            Utilidades->ValorCampo(rs.Fields(QStringLiteral("TipoVista")))));
                        descripcion = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("Descripcion"))));
                        codigo = Utilidades->ValorATexto(rs.Fields(QStringLiteral("Codigo")).Value());
                    }))
                    return;
                if (titulo) {
                    falla(QStringLiteral("Debe ingresar una cuenta imputable"));
                } else if (!Utilidades->EstaEnLista(tipoVista, {QStringLiteral("CL"), QStringLiteral("PR"), QStringLiteral("PE"),
                                                                 QStringLiteral("CB"), QStringLiteral("CM")})) {
                    falla(QStringLiteral("La cuenta ingresada no es válida en este contexto"));
                } else {
                    Texto->setText(codigo);
                    // The row check before a save gives the description back (a saved row
                    // must not lose it on screen) but leaves the business unit as typed.
                    if (!paso([&] {
                            MSFlexGrid1->SetTextMatrix(fila, 2, descripcion);
                            if (!ValidandoFila)
                                MSFlexGrid1->SetTextMatrix(fila, 5, fila == 1 ? gUNegocio
                                                                              : MSFlexGrid1->TextMatrix(fila - 1, 5));
                        }))
                        return;
                }
            }
            gDBPrincipal->CierraRecordset(rs);
        }
    } else if (es("Comprobante")) {
        if (V.isEmpty())
            falla(QStringLiteral("Debe ingresar un Comprobante"));
    } else if (es("Importe")) {
        // A number in the workstation's format that an amount can hold; the box then
        // shows exactly the amount that will be stored.
        if (!V.isEmpty()) {
            if (!vb::IsNumeric(V) || !cabeEnImporte(V))
                falla(QStringLiteral("Debe ingresar un valor numérico"));
            else if (!paso([&] { Texto->setText(FmtMoneda(V, -1, false)); }))
                return;
        }
    } else if (es("UNegocio")) {
        if (V.isEmpty()) {
            falla(QStringLiteral("Debe ingresar una unidad de negocio"));
        } else {
            bool existe = false;
            if (!paso([&] {
                    const QString C = Utilidades->AjustaLargo(V, 4);
                    existe = gDBPrincipal->ExisteEnTabla(QStringLiteral("V_TA_UNIDADNEGOCIO"), vb::Variant(C),
                                                         QStringLiteral("CODIGO"), nullptr, vb::Variant(8), QString(), true);
                }))
                return;
            if (!existe)
                falla(QStringLiteral("La unidad de negocio ingresada es inexistente"));
        }
    }

    if (ErrorEnCampo) {
        ui::MsgBox(M, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador..."));
        // The refused text stays, selected: what the operator types next replaces it.
        Texto->selectAll();
    }
}

bool frmRecepcionMutuales::DatosValidos(bool xNumero)
{
    Q_UNUSED(xNumero);
    ValidandoFila = true;
    ErrorEnCampo = false;
    // What is still in the open editor belongs to its cell: it is checked with the row
    // instead of being replaced by the cell's older text.
    if (!txtEdit->isHidden()) {
        MSFlexGrid1->SetTextMatrix(MSFlexGrid1->Row(), MSFlexGrid1->Col(), txtEdit->text());
        txtEdit->SetDataChanged(false);
        hideEditor();
    }
    for (int C = 1; C <= 6; ++C) {
        MSFlexGrid1->SetCol(C);
        // A column the row does not let the operator edit is not opened: the editor
        // keeps the empty text and the field of that column.
        if (ColEdit(MSFlexGrid1->Col(), MSFlexGrid1->Row()))
            MSFlexGrid1_DblClick();
        CampoValida(txtEdit, true);
        txtEdit->SetDataChanged(false);
        if (ErrorEnCampo)
            break;
    }
    if (!ErrorEnCampo)
        MSFlexGrid1->SetCol(0);
    ValidandoFila = false;
    return !ErrorEnCampo;
}

// A refused value keeps the focus in its box: the keys go where the message said.
void frmRecepcionMutuales::txtEdit_Validate(bool& Cancel)
{
    if (!txtEdit->DataChanged())
        return;
    m_inValidate = true;
    CampoValida(txtEdit, true);
    m_inValidate = false;
    // The form closing the editor itself takes its text into the cell all the same.
    Cancel = ErrorEnCampo && !m_hidingEditor;
}

void frmRecepcionMutuales::txtFields_Validate(int Index, bool& Cancel)
{
    CajaTexto* box = txtFields[Index];
    if (!box->DataChanged())
        return;
    const bool esFecha = Index == AyudaEdicion->IndiceCampo(QStringLiteral("FechaRecepcion"), txtFields);
    // Passing through the date box without changing it loads nothing: the rows on screen
    // are those of its date already (today's, at start, load on Enter).
    if (esFecha && vb::Trim(box->text()) == m_fechaFilas)
        return;
    m_inValidate = true;
    CampoValida(box, true);
    m_inValidate = false;
    Cancel = ErrorEnCampo || m_reloadDeclined;
    // A date loaded by leaving the box hands over to the grid exactly as Enter does.
    if (esFecha && !Cancel)
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
}
