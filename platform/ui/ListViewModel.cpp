// ListViewModel: a list's rows and columns, the order it shows them in and its sort.
#include "platform/ui/ListViewModel.h"

#include <utility>

namespace ui {

ListViewModel::ListViewModel(QObject* parent) : QAbstractTableModel(parent)
{
}

// ---- columns ----

void ListViewModel::addColumn(const Column& column)
{
    const int at = columns();
    beginInsertColumns(QModelIndex(), at, at);
    m_columns.append(column);
    endInsertColumns();
}

void ListViewModel::setColumnText(int index, const QString& text)
{
    m_columns[index].text = text;
    emit headerDataChanged(Qt::Horizontal, index, index);
}

void ListViewModel::setColumnSortAs(int index, SortAs sortAs)
{
    if (m_columns[index].sortAs == sortAs)
        return;
    m_columns[index].sortAs = sortAs;
    if (m_sorted && m_sortKey == index)
        m_sortPending = true;
}

void ListViewModel::clearColumns()
{
    if (m_columns.isEmpty())
        return;
    beginRemoveColumns(QModelIndex(), 0, columns() - 1);
    m_columns.clear();
    endRemoveColumns();
}

// ---- rows ----

int ListViewModel::appendRow(Row row)
{
    m_rows.append(std::move(row));
    return storedRows() - 1;
}

QString ListViewModel::text(int id, int column) const
{
    return m_rows[id].texts.value(column);
}

void ListViewModel::setText(int id, int column, const QString& text)
{
    QList<QString>& texts = m_rows[id].texts;
    if (column >= texts.size()) {
        if (text.isEmpty())
            return;
        texts.resize(column + 1);
    }
    texts[column] = text;
    rowChanged(id, column, column, {Qt::DisplayRole});
    if (m_sorted && column == m_sortKey)
        m_sortPending = true;
}

void ListViewModel::setIcons(int id, int icon, int smallIcon)
{
    m_rows[id].icon = icon;
    m_rows[id].smallIcon = smallIcon;
    rowChanged(id, 0, 0, {Qt::DecorationRole});
}

void ListViewModel::setChecked(int id, bool checked)
{
    if (m_rows[id].checked == checked)
        return;
    m_rows[id].checked = checked;
    rowChanged(id, 0, 0, {Qt::CheckStateRole});
}

void ListViewModel::rowChanged(int id, int firstColumn, int lastColumn, const QList<int>& roles)
{
    // Rows the view does not know yet are read when they are announced.
    if (id >= m_announced || firstColumn >= columns())
        return;
    const int position = positionOf(id);
    emit dataChanged(index(position, firstColumn), index(position, qMin(lastColumn, columns() - 1)), roles);
}

void ListViewModel::clearRows()
{
    beginResetModel();
    m_rows.clear();
    m_order.clear();
    m_position.clear();
    m_positionStale = true;
    m_announced = 0;
    m_sortPending = false;
    ++m_generation;
    endResetModel();
}

int ListViewModel::positionOf(int id)
{
    if (id >= m_announced)
        return -1;
    if (m_positionStale) {
        m_position.resize(m_announced);
        for (int p = 0; p < m_order.size(); ++p)
            m_position[m_order[p]] = p;
        m_positionStale = false;
    }
    return m_position[id];
}

// ---- sync and sort ----

bool ListViewModel::sync()
{
    const bool added = m_announced < storedRows();
    if (added) {
        beginInsertRows(QModelIndex(), m_announced, storedRows() - 1);
        for (int id = m_announced; id < storedRows(); ++id)
            m_order.append(id);
        m_announced = storedRows();
        m_positionStale = true;
        endInsertRows();
        if (m_sorted)
            m_sortPending = true;
    }
    if (m_sortPending)
        applySort();
    return added;
}

void ListViewModel::setSorted(bool sorted)
{
    // Switching sorting off leaves the rows where they are.
    m_sorted = sorted;
    m_sortPending = sorted;
}

void ListViewModel::setSortKey(int column)
{
    m_sortKey = column;
    m_sortPending = m_sorted;
}

void ListViewModel::setDescending(bool descending)
{
    m_descending = descending;
    m_sortPending = m_sorted;
}

void ListViewModel::applySort()
{
    m_sortPending = false;
    if (!m_sorted || m_order.size() < 2)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QVector<int> ids;
    ids.reserve(before.size());
    for (const QModelIndex& index : before)
        ids.append(m_order[index.row()]);

    const int key = m_sortKey;
    const SortAs sortAs = key >= 0 && key < columns() ? m_columns[key].sortAs : SortAs::Text;
    // sync() has announced every row: the ids are 0 to the row count - 1.
    SortRows(m_order, [&](int id) { return text(id, key); }, sortAs, m_descending);
    m_positionStale = true;

    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i)
        after.append(index(positionOf(ids[i]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListViewModel::setCheckable(bool checkable)
{
    if (m_checkable == checkable)
        return;
    m_checkable = checkable;
    if (m_announced > 0 && columns() > 0)
        emit dataChanged(index(0, 0), index(m_announced - 1, 0), {Qt::CheckStateRole});
}

// ---- the model the view reads ----

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_announced;
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_order.size())
        return {};
    const Row& r = m_rows[m_order[index.row()]];
    switch (role) {
    case Qt::DisplayRole:
        return r.texts.value(index.column());
    case Qt::DecorationRole:
        if (index.column() == 0 && r.smallIcon > 0 && m_iconSource) {
            const QIcon icon = m_iconSource(r.smallIcon);
            if (!icon.isNull())
                return icon;
        }
        return {};
    case Qt::CheckStateRole:
        if (index.column() == 0 && m_checkable)
            return r.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool ListViewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !m_checkable || !index.isValid() || index.column() != 0)
        return false;
    setChecked(m_order[index.row()], value.toInt() == Qt::Checked);
    return true;
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].text;
    return {};
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

} // namespace ui
