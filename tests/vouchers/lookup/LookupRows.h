#pragma once
// The voucher lookup as tests read it: a form loaded on the test database, and its list
// rows as "text|sub-item 1|...|sub-item n" texts.
#include "vouchers/lookup/FrmConsComprobantes.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace ui {
class ListItem;
}

namespace lookuptest {

// A form for TC and Filtro, loaded (its list filled) but not shown.
std::unique_ptr<FrmConsComprobantes> Loaded(const QString& TC, const QString& Filtro = QString());
// Every row, in the list's order.
QStringList Rows(FrmConsComprobantes& form);
QString RowText(const ui::ListItem& item, int columns);
// The first row with `id` as its text or one of its sub-items; Nothing when none.
ui::ListItem ItemOf(FrmConsComprobantes& form, const QString& id);
// The column headers.
QStringList Headers(FrmConsComprobantes& form);

} // namespace lookuptest
