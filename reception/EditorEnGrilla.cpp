// The grid's cell editor: one text box floated over the current cell, validated field
// by field, its text copied back into the cell when the grid takes the focus again or
// the cursor leaves the cell.
#include "reception/frmRecepcionMutuales.h"

#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "reception/ErrorTraps.h"
#include "widgets/UtilKor.h"

using reception::Ignora;
using reception::Paso;
using reception::PasoSalvo5;

namespace {

bool blank(const QString& s) { return vb::Trim(s).isEmpty(); }

// The cells an edit of the column changes: a refused account empties its description too.
QList<int> CeldasDeLaEdicion(int col)
{
    return col == 1 ? QList<int>{1, 2} : QList<int>{col};
}

} // namespace

// ---- helpers ----

void frmRecepcionMutuales::focusGrid()
{
    if (!MSFlexGrid1->hasFocus())
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    if (!txtEdit->isHidden())
        MSFlexGrid1_GotFocus();
}

void frmRecepcionMutuales::hideEditor()
{
    if (txtEdit->hasFocus()) {
        m_hidingEditor = true;
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
        m_hidingEditor = false;
    }
    txtEdit->hide();
}

void frmRecepcionMutuales::RecuerdaAntesDeEditar(int fila, int col)
{
    if (fila != m_filaAntes) {
        m_antesEdicion.clear();
        m_filaAntes = fila;
    }
    for (int c : CeldasDeLaEdicion(col))
        if (!m_antesEdicion.contains(c))
            m_antesEdicion.insert(c, MSFlexGrid1->TextMatrix(fila, c));
}

void frmRecepcionMutuales::OlvidaAntesDeEditar(int fila, int col)
{
    if (fila != m_filaAntes)
        return;
    for (int c : CeldasDeLaEdicion(col))
        m_antesEdicion.remove(c);
}

void frmRecepcionMutuales::DevuelveAntesDeEditar(int fila, int col)
{
    if (fila != m_filaAntes)
        return;
    for (int c : CeldasDeLaEdicion(col))
        if (m_antesEdicion.contains(c))
            MSFlexGrid1->SetTextMatrix(fila, c, m_antesEdicion.value(c));
    OlvidaAntesDeEditar(fila, col);
}

void frmRecepcionMutuales::EditorACelda()
{
    const int fila = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    MSFlexGrid1->SetTextMatrix(fila, col, txtEdit->text());
    OlvidaAntesDeEditar(fila, col);
}

// ---- the convention's procedures ----

bool frmRecepcionMutuales::ColEdit(int Col, int Row)
{
    const bool guardada = !blank(MSFlexGrid1->TextMatrix(Row, 7));
    switch (Col) {
    case 1:
        return !guardada;
    case 3:
    case 4:
    case 5:
    case 6:
        return !guardada && !blank(MSFlexGrid1->TextMatrix(Row, 1));
    default:
        return false;
    }
}

void frmRecepcionMutuales::TextPropiedades(CajaTexto* Edt, int Col)
{
    const auto set = [Edt](int maxLength, const QString& field, const QString* tag) {
        Edt->SetMaxLength(maxLength);
        Edt->SetDataField(field);
        if (tag)
            Edt->SetTag(*tag);
    };
    const QString vacio;
    const QString cuentas = QStringLiteral("MA_CUENTAS");
    const QString unidades = QStringLiteral("V_TA_UNIDADNEGOCIO");
    switch (Col) {
    case 0: set(25, QString(), nullptr); break;
    case 1: set(15, QStringLiteral("Cuenta"), &cuentas); break;
    case 2: set(50, QStringLiteral("Descripcion"), &vacio); break;
    case 3: set(13, QStringLiteral("Comprobante"), &vacio); break;
    // Room for the largest amount typed with its grouping and a sign, -999.999.999,99:
    // a shorter limit would cut it and store another number.
    case 4: set(15, QStringLiteral("Importe"), &vacio); break;
    case 5: set(4, QStringLiteral("UNegocio"), &unidades); break;
    case 6: set(250, QStringLiteral("Obs"), &vacio); break;
    case 7: set(25, QString(), nullptr); break;
    default: break;
    }
}

void frmRecepcionMutuales::MsflexGridEdt(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyAscii)
{
    const QString rutina = QStringLiteral("MSFLEXGRIDEDT");
    bool editable = false;
    if (vb::shouldLeave(PasoSalvo5(rutina, [&] { editable = ColEdit(MsFlexGrid->Col(), MsFlexGrid->Row()); })))
        return;
    if (editable) {
        // The cell is brought into view first, so that the editor lands on it.
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] { MSFlexGrid1->ShowCurrentCell(); })))
            return;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] {
                Edt->setGeometry(ui::TwipsToPixels(MsFlexGrid->Left() + MsFlexGrid->CellLeft()),
                                 ui::TwipsToPixels(MsFlexGrid->Top() + MsFlexGrid->CellTop()),
                                 ui::TwipsToPixels(MsFlexGrid->CellWidth()), ui::TwipsToPixels(MsFlexGrid->CellHeight()));
            })))
            return;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] {
                RecuerdaAntesDeEditar(MsFlexGrid->Row(), MsFlexGrid->Col());
                Edt->show();
                Edt->raise();
                TextPropiedades(Edt, MsFlexGrid->Col());
            })))
            return;
        if (vb::shouldLeave(PasoSalvo5(rutina, [&] {
                if (KeyAscii >= 0 && KeyAscii <= 32) {
                    Edt->setText(MsFlexGrid->TextMatrix(MsFlexGrid->Row(), MsFlexGrid->Col()));
                    Edt->setCursorPosition(int(Edt->text().size()));
                } else {
                    // The typed character itself, whatever it is: an emoji is one too.
                    Edt->setText(MsFlexGrid->TypedText(KeyAscii));
                    Edt->setCursorPosition(int(Edt->text().size()));
                }
            })))
            return;
        PasoSalvo5(rutina, [&] { Edt->setFocus(Qt::OtherFocusReason); });
        return;
    }
    PasoSalvo5(rutina, [&] {
        if (MsFlexGrid->Col() == 6) {
            if (MsFlexGrid->Row() == MsFlexGrid->Rows() - 1)
                MsFlexGrid->SetRows(MsFlexGrid->Rows() + 1);
            MsFlexGrid->SetCol(1);
        } else if (MsFlexGrid->Col() < MsFlexGrid->Cols() - 1) {
            // What the Right key does on the grid, at once.
            MsFlexGrid->SetCol(MsFlexGrid->Col() + 1);
            MSFlexGrid1->ShowCurrentCell();
        }
    });
}

void frmRecepcionMutuales::EditKeyCode(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    const QString rutina = QStringLiteral("EditKeyCode");
    const auto paso = [&](const std::function<void()>& f) { return !vb::shouldLeave(PasoSalvo5(rutina, f)); };
    switch (KeyCode) {
    case ui::vbKeyReturn:
        if (!paso([&] { focusGrid(); }) || !paso([] { ui::DoEvents(); }))
            return;
        paso([&] {
            const int col = MsFlexGrid->Col();
            if (col == 6) {
                if (MsFlexGrid->Row() == MsFlexGrid->Rows() - 1)
                    MsFlexGrid->AddItem(QString(), MsFlexGrid->Row() + 1);
                MsFlexGrid->SetCol(1);
            } else if (col == 1) {
                MsFlexGrid->SetCol(3);
            } else if (col < MsFlexGrid->Cols() - 1) {
                MsFlexGrid->SetCol(col + 1);
            }
        });
        return;
    case ui::vbKeyEscape:
        // The cell gets back what it held before the edit, also after a row check that put
        // a refused text there; the grid then counts it again.
        if (!paso([&] {
                Edt->SetDataChanged(false);
                DevuelveAntesDeEditar(MsFlexGrid->Row(), MsFlexGrid->Col());
                hideEditor();
            }))
            return;
        if (!paso([&] { focusGrid(); }))
            return;
        break;
    case ui::vbKeyUp:
        if (!paso([&] { focusGrid(); }) || !paso([] { ui::DoEvents(); }))
            return;
        if (!paso([&] {
                if (MsFlexGrid->Row() > MsFlexGrid->FixedRows())
                    MsFlexGrid->SetRow(MsFlexGrid->Row() - 1);
            }))
            return;
        break;
    case ui::vbKeyDown:
        if (!paso([&] { focusGrid(); }) || !paso([] { ui::DoEvents(); }))
            return;
        if (!paso([&] {
                if (MsFlexGrid->Row() < MsFlexGrid->Rows() - 1) {
                    MsFlexGrid->SetRow(MsFlexGrid->Row() + 1);
                    MsFlexGrid->SetCol(0);
                }
            }))
            return;
        break;
    default:
        break;
    }
    paso([&] { MSFlexGrid1->ShowCurrentCell(); });
}

void frmRecepcionMutuales::MsflexKey(ui::FlexGrid* MsFlexGrid, int& KeyCode)
{
    const QString rutina = QStringLiteral("MSFlexGrid1_KeyDown");
    if (KeyCode == ui::vbKeyDelete) {
        Paso(rutina, [&] { EliminaFila(); });
    } else if (KeyCode == ui::vbKeyInsert) {
        Paso(rutina, [&] { MsFlexGrid->AddItem(QString(), MsFlexGrid->Row() + 1); });
    }
}

void frmRecepcionMutuales::UpdateaCampo(CajaTexto* Txte)
{
    Q_UNUSED(Txte);
    ui::DoEvents();
}

void frmRecepcionMutuales::BlanqueaFila(ui::FlexGrid* MsFlexGrid, int Fila, int Desde)
{
    for (int c = Desde; c < MsFlexGrid->Cols(); ++c)
        MsFlexGrid->SetTextMatrix(Fila, c, QString());
}

bool frmRecepcionMutuales::ExisteEnGrid(const QString& Texto, int FilaOmitir, int& FilaEncontrada)
{
    const QString buscado = vb::Trim(Texto);
    for (int fila = 1; fila < MSFlexGrid1->Rows(); ++fila) {
        if (fila == FilaOmitir)
            continue;
        if (vb::Trim(MSFlexGrid1->TextMatrix(fila, 1)).compare(buscado, Qt::CaseInsensitive) == 0) {
            FilaEncontrada = fila;
            return true;
        }
    }
    return false;
}

// ---- the grid's events ----

void frmRecepcionMutuales::MSFlexGrid1_Click()
{
    ControlActivo = txtEdit;
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
}

void frmRecepcionMutuales::MSFlexGrid1_EnterCell()
{
    ControlActivo = txtEdit;
    if (txtEdit->isHidden())
        txtEdit->clear();
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    UtilKor1->SetConsultaEnabled(!txtEdit->Tag().isEmpty());
    // The cursor put back on a column scrolled out at the left (the account, after the
    // observations) brings it back into view, so the operator sees the cell he is on.
    const int col = MSFlexGrid1->Col();
    if (col >= MSFlexGrid1->FixedCols() && col < MSFlexGrid1->LeftCol())
        MSFlexGrid1->SetLeftCol(col);
}

void frmRecepcionMutuales::MSFlexGrid1_LeaveCell()
{
    if (txtEdit->isHidden())
        return;
    EditorACelda();
    hideEditor();
}

void frmRecepcionMutuales::MSFlexGrid1_GotFocus()
{
    Ignora([this] { MSFlexGrid1_RowColChange(); });
    ControlActivo = txtEdit;
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    if (!txtEdit->isHidden() && !m_hidingEditor) {
        EditorACelda();
        txtEdit->hide();
    }
}

void frmRecepcionMutuales::MSFlexGrid1_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    MsflexKey(MSFlexGrid1, KeyCode);
    ControlActivo = txtEdit;
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    txtEdit->setText(vb::Trim(txtEdit->text()));
}

void frmRecepcionMutuales::MSFlexGrid1_KeyPress(int& KeyAscii)
{
    MsflexGridEdt(MSFlexGrid1, txtEdit, KeyAscii);
}

void frmRecepcionMutuales::MSFlexGrid1_DblClick()
{
    int KeyAscii = 32;
    MsflexGridEdt(MSFlexGrid1, txtEdit, KeyAscii);
}

void frmRecepcionMutuales::MSFlexGrid1_MouseDown(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    if (Button == 2)
        CmdConsultar();
}

// ---- the editor's events ----

void frmRecepcionMutuales::txtEdit_GotFocus()
{
    txtEdit->SetDataChanged(true);
    ControlActivo = txtEdit;
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
}

void frmRecepcionMutuales::txtEdit_KeyPress(int& KeyAscii)
{
    ControlActivo = txtEdit;
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    AyudaEdicion->FiltraTecla(txtEdit, KeyAscii);
}

void frmRecepcionMutuales::txtEdit_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    bool confirma = false;
    Ignora([&] { confirma = AyudaEdicion->EsTeclaConfirmar(KeyCode); });
    if (!confirma)
        return;
    // Esc gives up the edit: nothing is checked, nothing is copied.
    if (KeyCode == ui::vbKeyEscape) {
        int tecla = KeyCode;
        Ignora([&] { EditKeyCode(MSFlexGrid1, txtEdit, tecla, 0); });
        return;
    }
    Ignora([&] { CampoValida(txtEdit, true); });
    txtEdit->SetDataChanged(false);
    if (ErrorEnCampo)
        return;
    ControlActivo = txtEdit;
    Ignora([&] { TextPropiedades(txtEdit, MSFlexGrid1->Col()); });
    if (!blank(txtEdit->text()) || !blank(MSFlexGrid1->TextMatrix(MSFlexGrid1->Row(), 1))) {
        Ignora([&] { UpdateaCampo(txtEdit); });
        Ignora([&] { LimpiaTotal(); });
    }
    int tecla = KeyCode;
    Ignora([&] { EditKeyCode(MSFlexGrid1, txtEdit, tecla, 0); });
}
