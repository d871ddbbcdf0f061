#pragma once
// The Common Controls ListView in report view: columns (ColumnHeaders, widths in twips),
// rows (ListItems: the item's text under the first column, SubItems(k) under column
// k + 1), small icons from an ImageList, check boxes, single or multiple selection,
// sorting by a column (SortKey, SortOrder, Sorted), and the events ColumnClick,
// DblClick and KeyDown with VB key codes. Row texts cannot be edited in place.
//
// The rows live in the list's own storage (ListViewModel), not in an object per row or
// cell: ColumnHeader and ListItem are small handles on it, as VB's objects are
// references. A handle outlives nothing: after ListItems().Clear() an old ListItem
// raises 91.
#include "platform/ui/ListViewModel.h"

#include <QString>
#include <QTreeView>

namespace ui {

class ImageList;
class ListView;

enum ListSortOrderConstants : int { lvwAscending = 0, lvwDescending = 1 };

class ColumnHeader {
public:
    ColumnHeader() = default;   // Nothing
    bool isNothing() const { return m_view == nullptr; }

    int Index() const;   // from 1
    QString Text() const;
    void SetText(const QString& text);
    int Width() const;   // twips
    void SetWidth(int twips);
    QString Tag() const;
    void SetTag(const QString& tag);
    // How the list compares this column's texts when it is sorted by it (text by default).
    SortAs sortAs() const;
    void setSortAs(SortAs sortAs);

private:
    friend class ListView;
    friend class ListViewColumns;
    ColumnHeader(ListView* view, int column) : m_view(view), m_column(column) {}
    int checked() const;   // the column, or 91 raised when it is gone

    ListView* m_view = nullptr;
    int m_column = -1;
};

class ListItem {
public:
    ListItem() = default;   // Nothing
    bool isNothing() const { return m_view == nullptr; }
    bool operator==(const ListItem& other) const
    {
        return m_view == other.m_view && m_id == other.m_id && m_generation == other.m_generation;
    }

    int Index() const;   // its place in the list, from 1
    QString Text() const;
    void SetText(const QString& text);
    // k from 1 to ColumnHeaders().Count() - 1; any other k raises 380.
    QString SubItems(int k) const;
    void SetSubItems(int k, const QString& text);
    // Image indexes in the list's ImageLists, from 1; 0 is none.
    int Icon() const;
    void SetIcon(int index);
    int SmallIcon() const;
    void SetSmallIcon(int index);
    bool Checked() const;
    void SetChecked(bool checked);
    bool Selected() const;
    void SetSelected(bool selected);

private:
    friend class ListView;
    friend class ListViewItems;
    ListItem(ListView* view, int id, quint32 generation) : m_view(view), m_id(id), m_generation(generation) {}
    ListViewModel& model() const;   // raises 91 when the item is gone

    ListView* m_view = nullptr;
    int m_id = -1;
    quint32 m_generation = 0;
};

// The ColumnHeaders collection.
class ListViewColumns {
public:
    explicit ListViewColumns(ListView& view) : m_view(view) {}
    int Count() const;
    // From 1; any other index raises 35600.
    ColumnHeader Item(int index) const;
    ColumnHeader operator()(int index) const { return Item(index); }
    // A new column at the right; a width below 0 is the default width (1440 twips).
    ColumnHeader Add(const QString& Text, int Width = -1);
    void Clear();

private:
    ListView& m_view;
};

// The ListItems collection.
class ListViewItems {
public:
    explicit ListViewItems(ListView& view) : m_view(view) {}
    int Count() const;
    // From 1, in the list's order; any other index raises 35600.
    ListItem Item(int index) const;
    ListItem operator()(int index) const { return Item(index); }
    // A new row at the end (in its sorted place when the list is sorted). The first row
    // of an empty list becomes its selected item, as VB's list does.
    ListItem Add(const QString& Text = QString(), int Icon = 0, int SmallIcon = 0);
    void Clear();

private:
    ListView& m_view;
};

class ListView : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);
    ~ListView() override;

    QString Name() const { return objectName(); }
    ListViewColumns& ColumnHeaders() { return m_columnHeaders; }
    ColumnHeader ColumnHeaders(int index) { return m_columnHeaders.Item(index); }
    ListViewItems& ListItems() { return m_listItems; }
    ListItem ListItems(int index) { return m_listItems.Item(index); }

    bool Checkboxes() const;
    void SetCheckboxes(bool on);
    bool MultiSelect() const;
    void SetMultiSelect(bool on);
    // The current item when it is selected, else the first selected one; Nothing when
    // no row is selected. Setting it selects that row and scrolls to it.
    ListItem SelectedItem();
    void SetSelectedItem(const ListItem& item);

    int SortKey() const;   // column from 0
    void SetSortKey(int column);
    int SortOrder() const;   // lvwAscending, lvwDescending
    void SetSortOrder(int order);
    bool Sorted() const;
    void SetSorted(bool sorted);

    ImageList* SmallIcons() const { return m_smallIcons; }
    void SetSmallIcons(ImageList* images);
    ImageList* Icons() const { return m_icons; }
    void SetIcons(ImageList* images) { m_icons = images; }

    // The width, in twips, a column needs to show `text` whole as its header, with room
    // for the sort arrow.
    int HeaderWidth(const QString& text) const;

    // Shows the rows added so far and applies a pending sort now rather than at the
    // next pass through the event loop.
    void sync();
    ListViewModel& model() const { return *m_model; }

signals:
    void ColumnClick(ui::ColumnHeader ColumnHeader);
    // A double click on a row (which it selects first).
    void DblClick();
    // Key codes and shift bits are VB's; a handler that sets KeyCode to 0 keeps the list
    // from acting on the key.
    void KeyDown(int& KeyCode, int Shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A cell too narrow for its text shows the whole text as its tool tip.
    bool viewportEvent(QEvent* event) override;

private:
    friend class ListItem;
    friend class ListViewItems;
    friend class ListViewColumns;
    friend class ColumnHeader;

    void scheduleSync();
    void selectRow(int position, bool only);
    void showSortIndicator();

    ListViewModel* m_model = nullptr;
    ListViewColumns m_columnHeaders{*this};
    ListViewItems m_listItems{*this};
    ImageList* m_smallIcons = nullptr;
    ImageList* m_icons = nullptr;
    bool m_syncScheduled = false;
};

} // namespace ui
