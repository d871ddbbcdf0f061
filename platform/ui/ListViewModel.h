#pragma once
// The rows and columns of a ListView, kept in plain lists: a row is its texts (the
// item's own text, then its sub-items), its icons and its check mark; no cell is an
// object. Rows are numbered by an id that stays theirs until the list is cleared; the
// order the list shows them in is a separate list of ids, so sorting moves ids only.
//
// Rows added by code reach the view in one batch when the ListView syncs (on its next
// pass through the event loop, or before anything reads positions), so that filling
// tens of thousands of rows costs one insertion for the view, not one per row.
#include "platform/ui/ListSort.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QString>
#include <QVector>
#include <functional>

namespace ui {

class ListViewModel : public QAbstractTableModel {
public:
    struct Column {
        QString text;
        QString tag;
        int width = 1440;   // twips
        SortAs sortAs = SortAs::Text;
    };
    struct Row {
        QList<QString> texts;   // 0: the item's text; k: sub-item k; missing ones are empty
        int icon = 0;
        int smallIcon = 0;
        bool checked = false;
    };

    explicit ListViewModel(QObject* parent = nullptr);

    // --- Columns ---
    int columns() const { return int(m_columns.size()); }
    const Column& column(int index) const { return m_columns[index]; }
    void addColumn(const Column& column);
    void setColumnText(int index, const QString& text);
    void setColumnTag(int index, const QString& tag) { m_columns[index].tag = tag; }
    void setColumnWidth(int index, int twips) { m_columns[index].width = twips; }
    void setColumnSortAs(int index, SortAs sortAs);
    void clearColumns();

    // --- Rows by id ---
    int storedRows() const { return int(m_rows.size()); }
    // Bumped by clearRows(): ids of an older generation name no row.
    quint32 generation() const { return m_generation; }
    // A new row at the end of the list; shown at the next sync().
    int appendRow(Row row);
    const Row& row(int id) const { return m_rows[id]; }
    QString text(int id, int column) const;
    void setText(int id, int column, const QString& text);
    void setIcons(int id, int icon, int smallIcon);
    void setChecked(int id, bool checked);
    void clearRows();

    // --- Order (call sync() first) ---
    int idAt(int position) const { return m_order[position]; }
    int positionOf(int id);   // -1: not shown yet

    // Shows the rows added since the last sync and applies a pending sort. True when
    // rows were added.
    bool sync();
    bool pending() const { return m_announced < storedRows() || m_sortPending; }
    bool sortPending() const { return m_sortPending; }

    // VB's Sorted, SortKey (column from 0) and SortOrder (descending or not). The sort
    // itself happens at the next sync(); rows that compare equal keep their order.
    bool sorted() const { return m_sorted; }
    int sortKey() const { return m_sortKey; }
    bool descending() const { return m_descending; }
    void setSorted(bool sorted);
    void setSortKey(int column);
    void setDescending(bool descending);

    void setCheckable(bool checkable);
    bool checkable() const { return m_checkable; }
    // The picture of a small-icon index (null: none).
    void setIconSource(std::function<QIcon(int)> source) { m_iconSource = std::move(source); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void applySort();
    void rowChanged(int id, int firstColumn, int lastColumn, const QList<int>& roles = {});

    QList<Column> m_columns;
    QList<Row> m_rows;
    QVector<int> m_order;       // ids in list order; only the announced ones
    QVector<int> m_position;    // position by id, valid while !m_positionStale
    bool m_positionStale = true;
    int m_announced = 0;        // rows the view knows of
    quint32 m_generation = 0;
    bool m_sorted = false;
    int m_sortKey = 0;
    bool m_descending = false;
    bool m_sortPending = false;
    bool m_checkable = false;
    std::function<QIcon(int)> m_iconSource;
};

} // namespace ui
