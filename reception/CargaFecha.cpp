// Loading the rows of a reception date into the grid, and the grid's totals.
#include "reception/frmRecepcionMutuales.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/ui/ActiveWindow.h"
#include "platform/ui/EventPulse.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include "widgets/Dll_Display.h"

#include <QHash>
#include <QLabel>

namespace {

QString texto(ado::Field& campo)
{
    return Utilidades->ValorATexto(Utilidades->ValorCampo(campo));
}

QString sqlTexto(QString s)
{
    return s.replace(QLatin1Char('\''), QStringLiteral("''"));
}

// Closes the progress notice and lets the grid paint again however the load ends. A
// platform that activated the notice leaves no window active once it is gone: the
// window that was active gets the activation back at once (KeepActiveWindow, which acts
// after the notice is closed), so that the focus moves the form makes next are real ones.
struct NoticeCloser {
    ui::FlexGrid* grid = nullptr;
    bool open = false;
    ui::KeepActiveWindow keep;
    ~NoticeCloser()
    {
        if (!open)
            return;
        grid->SetRedraw(true);
        gDisplay->CartelCerrar();
    }
};

} // namespace

void frmRecepcionMutuales::CargaMutualesFecha()
{
    Inicializa();
    const int indice = AyudaEdicion->IndiceCampo(QStringLiteral("FECHARECEPCION"), txtFields);
    const QString fecha = txtFields[indice < 0 ? 0 : indice]->text();

    // In the order the rows were received.
    QString sql = QStringLiteral("SELECT * FROM V_MV_MUTUALES WHERE FECHARECEPCION='") + sqlTexto(fecha)
                  + QStringLiteral("' ORDER BY ID");
    ado::Recordset rs;
    struct RecordsetCloser {
        ado::Recordset& rs;
        ~RecordsetCloser()
        {
            gDBPrincipal->CierraRecordset(rs);
        }
    } closeRs{rs};
    gDBPrincipal->AbrirRecordset(sql, rs);

    NoticeCloser notice{MSFlexGrid1};
    if (!rs.BOF()) {
        rs.MoveFirst();
        gDisplay->CartelInicio(QStringLiteral("Cargando Datos"), false);
        notice.open = true;
        MSFlexGrid1->SetRedraw(false);
        // A date's rows come from a handful of mutuals: each description is read once.
        QHash<QString, QString> descripciones;
        // Each field is found by its name once; it reads the current row as the cursor moves.
        ado::Field& fCuenta = rs.Fields(QStringLiteral("Cuenta"));
        ado::Field& fImporte = rs.Fields(QStringLiteral("Importe"));
        ado::Field& fFactura = rs.Fields(QStringLiteral("FACTURA"));
        ado::Field& fIdMutual = rs.Fields(QStringLiteral("idmutual"));
        ado::Field& fUNegocio = rs.Fields(QStringLiteral("UNegocio"));
        ado::Field& fObservaciones = rs.Fields(QStringLiteral("Observaciones"));
        ado::Field& fID = rs.Fields(QStringLiteral("ID"));
        ui::EventPulse latido;
        while (!rs.EOF()) {
            bool cancelado = false;
            const QString cuenta = texto(fCuenta);
            if (latido.due())
                gDisplay->CartelMostrar(cancelado, vb::Variant(QStringLiteral("Cargando Datos")),
                                        vb::Variant(QStringLiteral("Espere por favor")), vb::Variant(cuenta));
            const int ultima = MSFlexGrid1->Rows() - 1;
            if (!vb::Trim(MSFlexGrid1->TextMatrix(ultima, 1)).isEmpty())
                MSFlexGrid1->SetRows(MSFlexGrid1->Rows() + 1);
            const int fila = MSFlexGrid1->Rows() - 1;
            // An amount the database gives as money is written as it is; anything else is
            // read from its text (FmtMoneda reads it through TextoAMoneda).
            const vb::Variant importe = Utilidades->ValorCampo(fImporte);
            // An invoice mark of blanks names no invoice: the row is pending, as the report
            // and the delete take it.
            MSFlexGrid1->SetTextMatrix(fila, 0, vb::Trim(texto(fFactura)).isEmpty()
                                                    ? QStringLiteral("*")
                                                    : QStringLiteral("F"));
            MSFlexGrid1->SetTextMatrix(fila, 1, cuenta);
            auto descripcion = descripciones.constFind(cuenta);
            if (descripcion == descripciones.constEnd())
                descripcion = descripciones.insert(
                    cuenta, Utilidades->ValorATexto(gDBPrincipal->DatosTabla(QStringLiteral("ma_cuentas"), vb::Variant(cuenta),
                                                                              QStringLiteral("Descripcion"),
                                                                              QStringLiteral("codigo"))));
            MSFlexGrid1->SetTextMatrix(fila, 2, *descripcion);
            MSFlexGrid1->SetTextMatrix(fila, 3, texto(fIdMutual));
            const vb::Currency monto = importe.type() == vb::VarType::Currency
                                         ? importe.toCurrency()
                                         : Utilidades->TextoAMoneda(Utilidades->ValorATexto(importe));
            const QString textoMonto = FmtMoneda(monto, -1, false);
            MSFlexGrid1->SetTextMatrix(fila, 4, textoMonto);
            // An amount stored by another program beyond what the column is laid out for
            // widens it: a cell never shows part of an amount.
            if (monto > ImporteMaximo || -monto > ImporteMaximo)
                MSFlexGrid1->SetColWidth(4, qMax(MSFlexGrid1->ColWidth(4), ui::CellTextWidth(*MSFlexGrid1, textoMonto)));
            MSFlexGrid1->SetTextMatrix(fila, 5, texto(fUNegocio));
            MSFlexGrid1->SetTextMatrix(fila, 6, texto(fObservaciones));
            MSFlexGrid1->SetTextMatrix(fila, 7, texto(fID));
            rs.MoveNext();
        }
    }
    m_fechaFilas = vb::Trim(fecha);
}

vb::Currency frmRecepcionMutuales::SumaImportes()
{
    if (!m_sumaConocida) {
        vb::Currency suma;
        ui::EventPulse latido;
        latido.due();   // the event that asked for the sum has just been handled
        for (int fila = 1; fila < MSFlexGrid1->Rows(); ++fila) {
            if (latido.due())
                ui::DoEvents();
            suma += Utilidades->TextoAMoneda(MSFlexGrid1->TextMatrix(fila, 4));
        }
        m_sumaImportes = suma;
        m_sumaConocida = true;
    }
    return Utilidades->TextoAMoneda(TextoImporte(m_sumaImportes));
}

void frmRecepcionMutuales::SumaCambio(int fila, const QString& antes, const QString& despues)
{
    if (fila < 1 || !m_sumaConocida || m_limpiando)
        return;
    try {
        m_sumaImportes += Utilidades->TextoAMoneda(despues) - Utilidades->TextoAMoneda(antes);
    } catch (const vb::VbError&) {
        m_sumaConocida = false;
    }
}

QString frmRecepcionMutuales::TextoImporte(vb::Currency importe)
{
    return FmtMoneda(importe, -1, false);
}

void frmRecepcionMutuales::LimpiaTotal()
{
    lblTotal->setText(QStringLiteral("Total Recepcion: ") + QStringLiteral("0"));
}
