// The grid helpers of the lot, position and size dialogs.
#include "vouchers/lots/DialogGrid.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"
#include "platform/zeltrix/Services.h"

#include <QScrollBar>

namespace lotdialogs {

namespace {

const QString kNoEsNumero = QStringLiteral("La Cantidad debe ser un Número");
const QString kMenorACero = QStringLiteral("La Cantidad no puede ser Menor a Cero");
const QString kNoEntera = QStringLiteral("No Puede Informase Cantidades que no Sean Enteras");

} // namespace

bool ReadQuantity(const QString& text, vb::Currency& value)
{
    if (vb::Trim(text).isEmpty()) {
        value = vb::Currency();
        return true;
    }
    if (!vb::IsNumeric(text))
        return false;
    try {
        value = Utilidades->TextoAMoneda(text);
    } catch (const vb::VbError&) {
        return false;   // beyond the money range: no quantity of this system
    }
    return true;
}

vb::Currency CellQuantity(const QString& text)
{
    vb::Currency value;
    return ReadQuantity(text, value) ? value : vb::Currency();
}

QString QuantityText(vb::Currency value)
{
    return vb::CStr(vb::Variant(value));
}

QString QuantityText(double value)
{
    return QuantityText(vb::Currency::fromDouble(value));
}

QString TakeRefusal(const QString& text, vb::Currency available, const QString& aboveMessage, bool whole)
{
    vb::Currency take;
    if (!ReadQuantity(text, take))
        return kNoEsNumero;
    if (take < vb::Currency())
        return kMenorACero;
    if (whole && take != take.rounded(0))
        return kNoEntera;
    if (take > available)
        return aboveMessage;
    return QString();
}

void ShowRefusal(const QString& message)
{
    ui::MsgBox(message, ui::vbCritical + ui::vbOKOnly, kAviso);
}

vb::Currency SumColumn(const ui::FlexGrid& grid, int col, int except)
{
    vb::Currency sum;
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        if (row != except)
            sum += CellQuantity(grid.TextMatrix(row, col));
    return sum;
}

void Distribute(ui::FlexGrid& grid, int availableCol, int takeCol, vb::Currency requested)
{
    if (requested <= vb::Currency())
        return;   // nothing to take (a return line takes nothing from stock)
    vb::Currency remaining = requested;
    for (int row = grid.FixedRows(); row < grid.Rows() && remaining != vb::Currency(); ++row) {
        const vb::Currency current = CellQuantity(grid.TextMatrix(row, takeCol));
        const vb::Currency available = CellQuantity(grid.TextMatrix(row, availableCol));
        if (remaining + current <= available) {
            grid.SetTextMatrix(row, takeCol, QuantityText(remaining + current));
            remaining = vb::Currency();
        } else {
            grid.SetTextMatrix(row, takeCol, QuantityText(qMax(available, vb::Currency())));
            remaining = requested - SumColumn(grid, takeCol);
        }
    }
}

void FitColumns(ui::FlexGrid& grid, int minimumX)
{
    for (int col = 0; col < grid.Cols(); ++col) {
        if (grid.ColWidth(col) == 0)
            continue;
        int longest = 0;
        int widest = 0;
        for (int row = 0; row < grid.Rows(); ++row) {
            const QString& text = grid.TextMatrix(row, col);
            longest = qMax(longest, int(text.size()));
            if (!text.isEmpty())
                widest = qMax(widest, ui::CellTextWidth(grid, text));
        }
        // As many "X" in the grid's own font, with the cell's margins, and never narrower
        // than its widest text: no header or value is cut.
        if (longest != 0)
            grid.SetColWidth(col, qMax(widest, ui::CellTextWidth(grid, QString(qMax(longest, minimumX), QLatin1Char('X')))));
    }
}

void FitLength(ui::FlexGrid& grid, int col, int length)
{
    if (grid.ColWidth(col) == 0)
        return;
    grid.SetColWidth(col, qMax(grid.ColWidth(col), ui::CellTextWidth(grid, QString(length, QLatin1Char('X')))));
}

int GridWidth(const ui::FlexGrid& grid)
{
    int twips = 0;
    for (int col = 0; col < grid.Cols(); ++col)
        twips += grid.ColWidth(col);
    return ui::TwipsToPixels(twips) + 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
}

void FillDown(ui::FlexGrid& grid, int row, int col, const QString& text)
{
    for (int below = qMax(row + 1, grid.FixedRows()); below < grid.Rows(); ++below)
        grid.SetTextMatrix(below, col, text);
}

bool ConfirmTotal(vb::Currency total, double& requested, bool askBelow, const QString& belowNotice)
{
    const vb::Currency asked = vb::Currency::fromDouble(requested);
    if (total == asked)
        return true;
    if (total < asked && !askBelow) {
        ui::MsgBox(belowNotice, ui::vbInformation + ui::vbOKOnly, kAvisoTotal);
        return false;
    }
    const QString first = total > asked
        ? QStringLiteral("La suma de las cantidades Informadas, supera a la solicitada en el Formulario de Carga de Datos")
        : QStringLiteral("La suma de las cantidades Informadas, Es Menor a la solicitada en el Formulario de Carga de Datos");
    const int answer = ui::MsgBox(first + QStringLiteral("\r\n¿Desea Ajustar la Cantidad Solicitada en el Formulario?"),
                                  ui::vbQuestion + ui::vbYesNo, kAvisoTotal);
    if (answer == ui::vbYes) {
        requested = total.toDouble();
        return true;
    }
    ui::MsgBox(QStringLiteral("Debe Ajustar la suma de las cantidades a :") + QuantityText(asked),
               ui::vbCritical + ui::vbOKOnly, kAviso);
    return false;
}

void ConfirmingKey(int& KeyCode, const std::function<bool()>& check, const std::function<void()>& act)
{
    if (!AyudaEdicion->EsTeclaConfirmar(KeyCode))
        return;
    // Esc gives up the edit: nothing is checked.
    if (KeyCode == ui::vbKeyEscape || check())
        act();
    KeyCode = 0;
}

// ---- the floating editor ----

bool CellEditor::IsOpen() const
{
    return !box_.isHidden();
}

void CellEditor::Open(int KeyAscii)
{
    grid_.ShowCurrentCell();
    box_.setGeometry(ui::TwipsToPixels(grid_.Left() + grid_.CellLeft()), ui::TwipsToPixels(grid_.Top() + grid_.CellTop()),
                     ui::TwipsToPixels(grid_.CellWidth()), ui::TwipsToPixels(grid_.CellHeight()));
    // The box writes as the cell does, so that what is typed shows as it will stand.
    box_.setFont(ui::GridCellFont(grid_.font()));
    box_.show();
    box_.raise();
    if (KeyAscii > 32 || KeyAscii < 0) {
        box_.setText(grid_.TypedText(KeyAscii));
        box_.setCursorPosition(int(box_.text().size()));
    } else {
        const QString text = grid_.TextMatrix(grid_.Row(), grid_.Col());
        box_.setText(text);
        box_.setCursorPosition(int(text.size()));
    }
    box_.setFocus(Qt::OtherFocusReason);
}

void CellEditor::Drop()
{
    box_.hide();
    box_.clear();
    grid_.setFocus(Qt::OtherFocusReason);
}

void CellEditor::FocusGrid(const std::function<void()>& gotFocus)
{
    if (!grid_.hasFocus())
        grid_.setFocus(Qt::OtherFocusReason);
    if (IsOpen() && gotFocus)
        gotFocus();
}

void CellEditor::AfterConfirm(int KeyCode, const std::function<void()>& gotFocus,
                              const std::function<void()>& enterMove)
{
    if (KeyCode == ui::vbKeyEscape) {
        Drop();
    } else if (KeyCode == ui::vbKeyReturn || KeyCode == ui::vbKeyUp || KeyCode == ui::vbKeyDown) {
        FocusGrid(gotFocus);
        ui::DoEvents();
        const int row = grid_.Row();
        if (KeyCode == ui::vbKeyReturn) {
            if (enterMove)
                enterMove();
        } else if (KeyCode == ui::vbKeyUp && row > grid_.FixedRows()) {
            grid_.SetRow(row - 1);
        } else if (KeyCode == ui::vbKeyDown && row < grid_.Rows() - 1) {
            grid_.SetRow(row + 1);
        }
    }
    grid_.ShowCurrentCell();
}

} // namespace lotdialogs
