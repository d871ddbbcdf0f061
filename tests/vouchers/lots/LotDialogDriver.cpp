#include "LotDialogDriver.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/GridColumns.h"

#include <QTest>

namespace lotstest {

void Activate(QWidget& dialog)
{
    if (!dialog.isVisible())
        dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        qWarning("the dialog did not become the active window");
}

void GoTo(ui::FlexGrid* grid, int row, int col)
{
    grid->setFocus(Qt::OtherFocusReason);
    grid->SetRow(row);
    grid->SetCol(col);
}

void TypeCell(ui::FlexGrid* grid, CajaTexto* editor, const QString& text, Qt::Key confirm)
{
    if (text.isEmpty()) {
        QTest::keyClick(grid, Qt::Key_Return);
    } else {
        QTest::keyClicks(grid, text.left(1));
        if (text.size() > 1)
            QTest::keyClicks(editor, text.mid(1));
    }
    QTest::keyClick(editor, confirm);
}

void VoucherLines(ui::FlexGrid* grid, const QList<QStringList>& lines)
{
    grid->SetCols(ColArticulo::Count);
    grid->SetRows(int(lines.size()) + 1);
    for (int i = 0; i < lines.size(); ++i) {
        grid->SetTextMatrix(i + 1, ColArticulo::IdArticulo, lines[i][0]);
        grid->SetTextMatrix(i + 1, ColArticulo::NroLote, lines[i][1]);
        grid->SetTextMatrix(i + 1, ColArticulo::NroSerie, lines[i][2]);
    }
}

QStringList Column(const ui::FlexGrid* grid, int col)
{
    QStringList texts;
    for (int row = grid->FixedRows(); row < grid->Rows(); ++row)
        texts << grid->TextMatrix(row, col);
    return texts;
}

} // namespace lotstest
