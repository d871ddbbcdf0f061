// The rows of the list lookup.
#include "lookup/LookupListModel.h"
#include <QStringView>
#include <numeric>

namespace lookup {

namespace {

QStringView trimmedBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

} // namespace

void LookupListModel::reset(const QStringList& headers, QVector<ui::SortAs> sortAs, QVector<QString> cells,
                            QVector<char> ticks, QVector<QColor> colours)
{
    beginResetModel();
    headers_ = headers;
    sortAs_ = std::move(sortAs);
    sortAs_.resize(headers_.size(), ui::SortAs::Text);
    cells_ = std::move(cells);
    const int rows = headers_.isEmpty() ? 0 : int(cells_.size() / headers_.size());
    ticks_ = std::move(ticks);
    ticks_.resize(rows);
    colours_ = std::move(colours);
    colours_.resize(rows);
    order_.resize(rows);
    std::iota(order_.begin(), order_.end(), 0);
    endResetModel();
}

void LookupListModel::clear()
{
    reset({}, {}, {}, {}, {});
}

int LookupListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(order_.size());
}

int LookupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant LookupListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = dataRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cells_.at(r * headers_.size() + index.column());
    case Qt::CheckStateRole:
        if (checkable_ && index.column() == 0)
            return ticks_.at(r) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        if (colours_.at(r).isValid())
            return colours_.at(r);
        return {};
    default:
        return {};
    }
}

bool LookupListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !checkable_ || index.column() != 0)
        return false;
    setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant LookupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headers_.value(section);
    return {};
}

Qt::ItemFlags LookupListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (checkable_ && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void LookupListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= headers_.size())
        return;
    const int cols = int(headers_.size());
    const int rows = int(order_.size());
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QVector<int> dataRows;
    dataRows.reserve(before.size());
    for (const QModelIndex& i : before)
        dataRows << dataRow(i.row());
    ui::SortRows(order_, [&](int r) { return cells_.at(r * cols + column); }, sortAs_.at(column),
                 order == Qt::DescendingOrder);
    QVector<int> position(rows);
    for (int v = 0; v < rows; ++v)
        position[order_.at(v)] = v;
    QModelIndexList after;
    after.reserve(before.size());
    for (int k = 0; k < before.size(); ++k)
        after << index(position.at(dataRows.at(k)), before.at(k).column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void LookupListModel::setCheckable(bool checkable)
{
    if (checkable_ == checkable)
        return;
    beginResetModel();
    checkable_ = checkable;
    endResetModel();
}

QString LookupListModel::text(int row, int column) const
{
    if (row < 0 || row >= order_.size() || column < 0 || column >= headers_.size())
        return QString();
    return cells_.at(dataRow(row) * headers_.size() + column);
}

void LookupListModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= order_.size() || column < 0 || column >= headers_.size())
        return;
    cells_[dataRow(row) * headers_.size() + column] = text;
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

bool LookupListModel::ticked(int row) const
{
    return row >= 0 && row < order_.size() && ticks_.at(dataRow(row));
}

void LookupListModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= order_.size())
        return;
    ticks_[dataRow(row)] = ticked ? 1 : 0;
    const QModelIndex i = index(row, 0);
    emit dataChanged(i, i, {Qt::CheckStateRole});
}

void LookupListModel::invertTicks()
{
    for (char& t : ticks_)
        t = t ? 0 : 1;
    if (!order_.isEmpty())
        emit dataChanged(index(0, 0), index(int(order_.size()) - 1, 0), {Qt::CheckStateRole});
}

int LookupListModel::findPrefix(int column, const QString& prefix, int from) const
{
    if (column < 0 || column >= headers_.size())
        return -1;
    const QStringView wanted = trimmedBlanks(prefix);
    const int cols = int(headers_.size());
    for (int v = qMax(0, from); v < order_.size(); ++v) {
        const QStringView t = trimmedBlanks(cells_.at(order_.at(v) * cols + column));
        if (t.startsWith(wanted, Qt::CaseInsensitive))
            return v;
    }
    return -1;
}

} // namespace lookup
