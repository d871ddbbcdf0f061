// FlexGridCells: a FlexGrid's texts and colours, and the scrolling part of them as a model.
#include "platform/ui/FlexGridCells.h"

#include <QBrush>

namespace ui {

FlexGridCells::FlexGridCells(QObject* parent)
    : QAbstractTableModel(parent)
{
}

const QString& FlexGridCells::text(int row, int col) const
{
    static const QString empty;
    const QList<QString>& line = m_lines[row].text;
    return col < line.size() ? line[col] : empty;
}

void FlexGridCells::setText(int row, int col, const QString& text)
{
    for (const auto& [watched, watch] : m_watches)
        if (watched == col) {
            const QString before = this->text(row, col);
            if (before != text) {
                store(row, col, text);
                watch(row, before, text);
            }
            return;
        }
    store(row, col, text);
}

void FlexGridCells::store(int row, int col, const QString& text)
{
    QList<QString>& line = m_lines[row].text;
    if (col >= line.size()) {
        if (text.isEmpty())
            return;
        // A line that gets one text usually gets the others: room for all at once.
        if (line.capacity() <= col)
            line.reserve(qMax(col + 1, m_cols));
        line.resize(col + 1);
    }
    line[col] = text;
}

void FlexGridCells::setColor(QList<QColor>& colors, int col, const QColor& color)
{
    if (col >= colors.size()) {
        if (!color.isValid())
            return;
        colors.resize(col + 1);
    }
    colors[col] = color;
}

void FlexGridCells::dropping(int first, int last, int fromCol) const
{
    for (const auto& [col, watch] : m_watches) {
        if (col < fromCol)
            continue;
        for (int row = first; row < last; ++row) {
            const QString& gone = text(row, col);
            if (!gone.isEmpty())
                watch(row, gone, QString());
        }
    }
}

void FlexGridCells::watch(int col, ColumnWatch watch)
{
    m_watches.removeIf([col](const auto& w) { return w.first == col; });
    if (watch)
        m_watches.append({col, std::move(watch)});
}

void FlexGridCells::truncateColumns(int cols)
{
    dropping(0, rows(), cols);
    for (Line& line : m_lines) {
        if (line.text.size() > cols)
            line.text.resize(cols);
        if (line.back.size() > cols)
            line.back.resize(cols);
        if (line.fore.size() > cols)
            line.fore.resize(cols);
    }
}

void FlexGridCells::resize(int rows, int cols)
{
    const int oldRows = this->rows();
    if (rows > oldRows) {
        beginInsertRows(QModelIndex(), oldRows - m_fixedRows, rows - m_fixedRows - 1);
        m_lines.resize(rows);
        endInsertRows();
    } else if (rows < oldRows) {
        dropping(rows, oldRows);
        beginRemoveRows(QModelIndex(), rows - m_fixedRows, oldRows - m_fixedRows - 1);
        m_lines.resize(rows);
        endRemoveRows();
    }
    if (cols > m_cols) {
        beginInsertColumns(QModelIndex(), m_cols - m_fixedCols, cols - m_fixedCols - 1);
        m_cols = cols;
        endInsertColumns();
    } else if (cols < m_cols) {
        beginRemoveColumns(QModelIndex(), cols - m_fixedCols, m_cols - m_fixedCols - 1);
        m_cols = cols;
        truncateColumns(cols);
        endRemoveColumns();
    }
}

void FlexGridCells::insertLine(int row, const QStringList& texts)
{
    Line line;
    const int count = qMin(int(texts.size()), m_cols);
    int last = count;
    while (last > 0 && texts[last - 1].isEmpty())
        --last;
    line.text = texts.mid(0, last);
    beginInsertRows(QModelIndex(), row - m_fixedRows, row - m_fixedRows);
    m_lines.insert(row, std::move(line));
    endInsertRows();
    for (const auto& [col, watch] : m_watches) {
        const QString& added = text(row, col);
        if (!added.isEmpty())
            watch(row, QString(), added);
    }
}

void FlexGridCells::removeLine(int row)
{
    dropping(row, row + 1);
    beginRemoveRows(QModelIndex(), row - m_fixedRows, row - m_fixedRows);
    m_lines.remove(row);
    endRemoveRows();
}

void FlexGridCells::clearCells()
{
    dropping(0, rows());
    for (Line& line : m_lines)
        line = Line{};
}

void FlexGridCells::reshape(int fixedRows, int fixedCols, int rows, int cols)
{
    beginResetModel();
    if (rows < this->rows())
        dropping(rows, this->rows());
    m_fixedRows = fixedRows;
    m_fixedCols = fixedCols;
    m_lines.resize(rows);
    if (cols < m_cols)
        truncateColumns(cols);
    m_cols = cols;
    endResetModel();
}

int FlexGridCells::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows() - m_fixedRows;
}

int FlexGridCells::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols - m_fixedCols;
}

QVariant FlexGridCells::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row() + m_fixedRows;
    const int col = index.column() + m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return text(row, col);
    case Qt::BackgroundRole: {
        const QColor c = back(row, col);
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor c = fore(row, col);
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    default:
        return QVariant();
    }
}

} // namespace ui
