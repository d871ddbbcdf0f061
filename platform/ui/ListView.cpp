// ListView: columns, items and their handles, selection, sorting, and the operator's
// keys and mouse turned into the list's VB events.
#include "platform/ui/ListView.h"

#include "platform/ui/CellFit.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/VbError.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyleOption>

namespace ui {

namespace {

[[noreturn]] void fail(int number, const QString& description = QString())
{
    throw vb::VbError(number, description, QStringLiteral("ListView"));
}

[[noreturn]] void outOfBounds()
{
    fail(35600, QStringLiteral("Index out of bounds"));
}

constexpr int kDefaultColumnWidth = 1440;   // twips

} // namespace

// ---- ColumnHeader ----

int ColumnHeader::checked() const
{
    if (!m_view || m_column >= m_view->m_model->columns())
        fail(91);
    return m_column;
}

int ColumnHeader::Index() const { return checked() + 1; }
QString ColumnHeader::Text() const { return m_view->m_model->column(checked()).text; }
void ColumnHeader::SetText(const QString& text) { m_view->m_model->setColumnText(checked(), text); }
int ColumnHeader::Width() const { return m_view->m_model->column(checked()).width; }

void ColumnHeader::SetWidth(int twips)
{
    const int column = checked();
    const int width = twips < 0 ? kDefaultColumnWidth : twips;
    m_view->m_model->setColumnWidth(column, width);
    m_view->header()->resizeSection(column, TwipsToPixels(width));
}

QString ColumnHeader::Tag() const { return m_view->m_model->column(checked()).tag; }
void ColumnHeader::SetTag(const QString& tag) { m_view->m_model->setColumnTag(checked(), tag); }
SortAs ColumnHeader::sortAs() const { return m_view->m_model->column(checked()).sortAs; }

void ColumnHeader::setSortAs(SortAs sortAs)
{
    m_view->m_model->setColumnSortAs(checked(), sortAs);
    m_view->scheduleSync();
}

// ---- ListItem ----

ListViewModel& ListItem::model() const
{
    if (!m_view || m_generation != m_view->m_model->generation() || m_id >= m_view->m_model->storedRows())
        fail(91);
    return *m_view->m_model;
}

int ListItem::Index() const
{
    ListViewModel& m = model();
    m_view->sync();
    return m.positionOf(m_id) + 1;
}

QString ListItem::Text() const { return model().text(m_id, 0); }
void ListItem::SetText(const QString& text) { model().setText(m_id, 0, text); }

QString ListItem::SubItems(int k) const
{
    ListViewModel& m = model();
    if (k < 1 || k >= m.columns())
        fail(380, QStringLiteral("Invalid property value"));
    return m.text(m_id, k);
}

void ListItem::SetSubItems(int k, const QString& text)
{
    ListViewModel& m = model();
    if (k < 1 || k >= m.columns())
        fail(380, QStringLiteral("Invalid property value"));
    m.setText(m_id, k, text);
    if (m.sorted() && m.sortKey() == k)
        m_view->scheduleSync();
}

int ListItem::Icon() const { return model().row(m_id).icon; }
void ListItem::SetIcon(int index) { model().setIcons(m_id, index, model().row(m_id).smallIcon); }
int ListItem::SmallIcon() const { return model().row(m_id).smallIcon; }
void ListItem::SetSmallIcon(int index) { model().setIcons(m_id, model().row(m_id).icon, index); }
bool ListItem::Checked() const { return model().row(m_id).checked; }
void ListItem::SetChecked(bool checked) { model().setChecked(m_id, checked); }

bool ListItem::Selected() const
{
    ListViewModel& m = model();
    m_view->sync();
    const int position = m.positionOf(m_id);
    return m_view->selectionModel()->isRowSelected(position, QModelIndex());
}

void ListItem::SetSelected(bool selected)
{
    ListViewModel& m = model();
    m_view->sync();
    const int position = m.positionOf(m_id);
    if (selected) {
        m_view->selectRow(position, !m_view->MultiSelect());
        return;
    }
    const QModelIndex index = m.index(position, 0);
    m_view->selectionModel()->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

// ---- ColumnHeaders ----

int ListViewColumns::Count() const { return m_view.m_model->columns(); }

ColumnHeader ListViewColumns::Item(int index) const
{
    if (index < 1 || index > Count())
        outOfBounds();
    return ColumnHeader(&m_view, index - 1);
}

ColumnHeader ListViewColumns::Add(const QString& Text, int Width)
{
    ListViewModel::Column column;
    column.text = Text;
    column.width = Width < 0 ? kDefaultColumnWidth : Width;
    m_view.m_model->addColumn(column);
    const int at = Count() - 1;
    m_view.header()->resizeSection(at, TwipsToPixels(column.width));
    return ColumnHeader(&m_view, at);
}

void ListViewColumns::Clear()
{
    m_view.m_model->clearColumns();
}

// ---- ListItems ----

int ListViewItems::Count() const { return m_view.m_model->storedRows(); }

ListItem ListViewItems::Item(int index) const
{
    if (index < 1 || index > Count())
        outOfBounds();
    m_view.sync();
    return ListItem(&m_view, m_view.m_model->idAt(index - 1), m_view.m_model->generation());
}

ListItem ListViewItems::Add(const QString& Text, int Icon, int SmallIcon)
{
    ListViewModel::Row row;
    row.texts.reserve(qMax(1, m_view.m_model->columns()));
    row.texts.append(Text);
    row.icon = Icon;
    row.smallIcon = SmallIcon;
    const int id = m_view.m_model->appendRow(std::move(row));
    m_view.scheduleSync();
    return ListItem(&m_view, id, m_view.m_model->generation());
}

void ListViewItems::Clear()
{
    m_view.m_model->clearRows();
}

// ---- ListView ----

ListView::ListView(QWidget* parent) : QTreeView(parent)
{
    m_model = new ListViewModel(this);
    setModel(m_model);
    m_model->setIconSource([this](int index) { return m_smallIcons ? m_smallIcons->iconAt(index) : QIcon(); });

    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(16, 16));

    QHeaderView* h = header();
    h->setStretchLastSection(false);
    h->setSectionsMovable(false);
    h->setSectionsClickable(true);
    h->setHighlightSections(false);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setSortIndicatorShown(false);
    connect(h, &QHeaderView::sectionClicked, this, [this](int section) {
        sync();
        emit ColumnClick(ColumnHeader(this, section));
    });
    connect(h, &QHeaderView::sectionResized, this, [this](int section, int, int pixels) {
        if (section < m_model->columns())
            m_model->setColumnWidth(section, PixelsToTwips(pixels));
    });
}

ListView::~ListView() = default;

bool ListView::Checkboxes() const { return m_model->checkable(); }
void ListView::SetCheckboxes(bool on) { m_model->setCheckable(on); }
bool ListView::MultiSelect() const { return selectionMode() == ExtendedSelection; }

void ListView::SetMultiSelect(bool on)
{
    setSelectionMode(on ? ExtendedSelection : SingleSelection);
}

ListItem ListView::SelectedItem()
{
    sync();
    const QModelIndex current = selectionModel()->currentIndex();
    int position = -1;
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), QModelIndex()))
        position = current.row();
    else if (const QModelIndexList rows = selectionModel()->selectedRows(); !rows.isEmpty())
        position = rows.first().row();
    if (position < 0)
        return ListItem();
    return ListItem(this, m_model->idAt(position), m_model->generation());
}

void ListView::SetSelectedItem(const ListItem& item)
{
    if (item.isNothing()) {
        selectionModel()->clearSelection();
        return;
    }
    item.model();   // raises for an item that is gone
    sync();
    selectRow(m_model->positionOf(item.m_id), true);
}

void ListView::selectRow(int position, bool only)
{
    const QModelIndex index = m_model->index(position, 0);
    const auto flags = (only ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select)
                     | QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(index, flags);
    scrollTo(index, EnsureVisible);
}

int ListView::SortKey() const { return m_model->sortKey(); }

void ListView::SetSortKey(int column)
{
    if (column < 0)
        fail(380, QStringLiteral("Invalid property value"));
    m_model->setSortKey(column);
    showSortIndicator();
    scheduleSync();
}

int ListView::SortOrder() const { return m_model->descending() ? lvwDescending : lvwAscending; }

void ListView::SetSortOrder(int order)
{
    if (order != lvwAscending && order != lvwDescending)
        fail(380, QStringLiteral("Invalid property value"));
    m_model->setDescending(order == lvwDescending);
    showSortIndicator();
    scheduleSync();
}

bool ListView::Sorted() const { return m_model->sorted(); }

void ListView::SetSorted(bool sorted)
{
    m_model->setSorted(sorted);
    showSortIndicator();
    scheduleSync();
}

void ListView::showSortIndicator()
{
    // The header shows by which column and in which direction the rows are ordered, with
    // the arrow up for ascending as a Windows list has it. Qt's header points the arrow
    // up for its descending order, so it is given the other one.
    header()->setSortIndicatorShown(m_model->sorted());
    header()->setSortIndicator(m_model->sortKey(), m_model->descending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int ListView::HeaderWidth(const QString& text) const
{
    QStyleOptionHeader opt;
    opt.initFrom(header());
    opt.text = text;
    opt.fontMetrics = header()->fontMetrics();
    // Room for the sort arrow: the operator sorts by any column.
    opt.sortIndicator = QStyleOptionHeader::SortDown;
    return PixelsToTwips(header()->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), header()).width());
}

void ListView::SetSmallIcons(ImageList* images)
{
    m_smallIcons = images;
    if (images)
        setIconSize(QSize(images->ImageWidth(), images->ImageHeight()));
    viewport()->update();
}

void ListView::scheduleSync()
{
    if (m_syncScheduled)
        return;
    m_syncScheduled = true;
    QMetaObject::invokeMethod(this, [this] { sync(); }, Qt::QueuedConnection);
}

void ListView::sync()
{
    m_syncScheduled = false;
    if (!m_model->pending())
        return;
    const bool wasEmpty = !selectionModel()->currentIndex().isValid() && m_model->rowCount() == 0;
    const bool resorted = m_model->sortPending();
    const bool added = m_model->sync();
    if (added && wasEmpty && m_model->rowCount() > 0)
        selectRow(0, true);
    else if (const QModelIndex current = selectionModel()->currentIndex(); resorted && current.isValid())
        scrollTo(current, EnsureVisible);   // the chosen row stays in sight after a sort
}

// ---- the operator ----

void ListView::keyPressEvent(QKeyEvent* event)
{
    int keyCode = VbKeyCode(*event);
    if (keyCode != 0) {
        emit KeyDown(keyCode, VbShift(event->modifiers()));
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    // Space ticks or unticks the current row, whichever column has the focus.
    if (keyCode == vbKeySpace && Checkboxes()) {
        event->accept();
        sync();
        const QModelIndex current = selectionModel()->currentIndex();
        if (current.isValid()) {
            const int id = m_model->idAt(current.row());
            m_model->setChecked(id, !m_model->row(id).checked);
        }
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid())
        return;
    sync();
    selectRow(at.row(), !MultiSelect());
    emit DblClick();
}

} // namespace ui

namespace ui {

bool ListView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    ShowCutCellText(*this, *static_cast<QHelpEvent*>(event));
    return true;
}

} // namespace ui
