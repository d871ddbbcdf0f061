#pragma once
// The rows of the list lookup: texts by column, a tick and a colour per row, and the
// order the list shows them in (the rows themselves never move when the list is sorted).
#include "platform/ui/ListSort.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QVector>

namespace lookup {

class LookupListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Columns and rows are replaced together; `cells` holds the rows one after the other.
    // `sortAs` says how each column sorts (texts when it says nothing).
    void reset(const QStringList& headers, QVector<ui::SortAs> sortAs, QVector<QString> cells, QVector<char> ticks,
               QVector<QColor> colours);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The column's texts in the workstation's alphabet without regard to case, or its
    // dates or numbers by value; rows that compare equal keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setCheckable(bool checkable);
    bool checkable() const { return checkable_; }

    // By row in list order (0-based) and column (0-based).
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    bool ticked(int row) const;
    void setTicked(int row, bool ticked);
    void invertTicks();
    QString header(int column) const { return headers_.value(column); }

    // The first row in list order, from `from` on, whose text in `column` (outer blanks
    // ignored) begins with `prefix` in any case; -1 when none.
    int findPrefix(int column, const QString& prefix, int from = 0) const;

private:
    int dataRow(int row) const { return order_.at(row); }

    QStringList headers_;
    QVector<ui::SortAs> sortAs_;
    QVector<QString> cells_;
    QVector<char> ticks_;
    QVector<QColor> colours_;
    QVector<int> order_;
    bool checkable_ = false;
};

} // namespace lookup
