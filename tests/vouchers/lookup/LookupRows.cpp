#include "LookupRows.h"

#include "platform/ui/ListView.h"

namespace lookuptest {

std::unique_ptr<FrmConsComprobantes> Loaded(const QString& TC, const QString& Filtro)
{
    auto form = std::make_unique<FrmConsComprobantes>();
    form->TC = TC;
    form->Filtro = Filtro;
    form->Form_Load();
    form->ListView1->sync();
    return form;
}

QString RowText(const ui::ListItem& item, int columns)
{
    QStringList cells{item.Text()};
    for (int k = 1; k < columns; ++k)
        cells << item.SubItems(k);
    return cells.join(QLatin1Char('|'));
}

QStringList Rows(FrmConsComprobantes& form)
{
    QStringList rows;
    const int columns = form.ListView1->ColumnHeaders().Count();
    for (int i = 1; i <= form.ListView1->ListItems().Count(); ++i)
        rows << RowText(form.ListView1->ListItems(i), columns);
    return rows;
}

ui::ListItem ItemOf(FrmConsComprobantes& form, const QString& id)
{
    const int columns = form.ListView1->ColumnHeaders().Count();
    for (int i = 1; i <= form.ListView1->ListItems().Count(); ++i) {
        const ui::ListItem item = form.ListView1->ListItems(i);
        if (RowText(item, columns).split(QLatin1Char('|')).contains(id))
            return item;
    }
    return ui::ListItem();
}

QStringList Headers(FrmConsComprobantes& form)
{
    QStringList headers;
    for (int i = 1; i <= form.ListView1->ColumnHeaders().Count(); ++i)
        headers << form.ListView1->ColumnHeaders(i).Text();
    return headers;
}

} // namespace lookuptest
