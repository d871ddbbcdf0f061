// FlexGrid: the operator's keys, mouse and focus, turned into the grid's VB events.
#include "platform/ui/FlexGrid.h"

#include "platform/ui/FlexGridPainting.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/Strings.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

namespace {

int vbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

} // namespace

// ---- keys ----

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    int keyCode = VbKeyCode(*event);
    const int shift = VbShift(event->modifiers());
    if (keyCode != 0) {
        emit KeyDown(keyCode, shift);
        if (keyCode != 0)
            navigate(keyCode, shift);
    }
    int ascii = VbKeyAscii(*event);
    if (ascii == 0)
        return;
    m_keyText = event->text();
    m_keyAscii = ascii;
    emit KeyPress(ascii);
    m_keyText.clear();
}

QString FlexGrid::TypedText(int KeyAscii) const
{
    if (!m_keyText.isEmpty() && KeyAscii == m_keyAscii)
        return m_keyText;
    return KeyAscii >= 0 && KeyAscii <= 255 ? vb::Chr(KeyAscii) : QString();
}

void FlexGrid::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    if (event->isAutoRepeat())
        return;
    int keyCode = VbKeyCode(*event);
    if (keyCode != 0)
        emit KeyUp(keyCode, VbShift(event->modifiers()));
}

int FlexGrid::rowsPerPage() const
{
    return qMax(1, viewport()->height() / qMax(1, defaultRowPixels()));
}

bool FlexGrid::navigate(int keyCode, int shift)
{
    const bool ctrl = shift & vbCtrlMask;
    int r = m_row;
    int c = m_col;
    switch (keyCode) {
    case vbKeyLeft: if (c > FixedCols()) --c; break;
    case vbKeyRight: if (c < Cols() - 1) ++c; break;
    case vbKeyUp: if (r > FixedRows()) --r; break;
    case vbKeyDown: if (r < Rows() - 1) ++r; break;
    case vbKeyHome: c = FixedCols(); if (ctrl) r = FixedRows(); break;
    case vbKeyEnd: c = Cols() - 1; if (ctrl) r = Rows() - 1; break;
    case vbKeyPageUp: r = qMax(FixedRows(), r - rowsPerPage()); break;
    case vbKeyPageDown: r = qMin(Rows() - 1, r + rowsPerPage()); break;
    default: return false;
    }
    if (r < 0 || c < 0 || r >= Rows() || c >= Cols())
        return false;
    moveByOperator(r, c);
    return true;
}

// ---- mouse ----

void FlexGrid::mouseDown(QMouseEvent* event, QPoint gridPos, bool onCells)
{
    emit MouseDown(vbButton(event->button()), VbShift(event->modifiers()),
                   PixelsToTwips(gridPos.x()), PixelsToTwips(gridPos.y()));
    if (event->button() != Qt::LeftButton)
        return;   // only the left button moves the cursor
    m_leftPressed = true;
    if (!onCells)
        return;
    const QModelIndex index = indexAt(viewport()->mapFrom(this, gridPos));
    if (index.isValid())
        moveByOperator(index.row() + FixedRows(), index.column() + FixedCols());
}

void FlexGrid::mouseUp(QMouseEvent* event, QPoint gridPos)
{
    emit MouseUp(vbButton(event->button()), VbShift(event->modifiers()),
                 PixelsToTwips(gridPos.x()), PixelsToTwips(gridPos.y()));
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        emit Click();
    }
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    mouseDown(event, viewport()->mapTo(this, event->position().toPoint()), true);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    mouseUp(event, viewport()->mapTo(this, event->position().toPoint()));
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is VB's DblClick, not a MouseDown; the
    // release that follows raises MouseUp but no second Click.
    event->accept();
    m_leftPressed = false;
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();   // no drag selection
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    auto* area = qobject_cast<QWidget*>(watched);
    const bool fixedArea = area && (area == m_topHeader->viewport()
                                    || area == m_leftHeader->viewport() || area == m_corner);
    if (!fixedArea)
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        setFocus(Qt::MouseFocusReason);
        mouseDown(mouse, area->mapTo(this, mouse->position().toPoint()), false);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        mouseUp(mouse, area->mapTo(this, mouse->position().toPoint()));
        return true;
    }
    case QEvent::MouseButtonDblClick:
        mouseDoubleClickEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        return true;
    default:
        return QTableView::eventFilter(watched, event);
    }
}

// ---- focus ----

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    // QAbstractItemView would pick a current index of its own here.
    QWidget::focusInEvent(event);
    viewport()->update();
    if (IsVbFocusChange(event->reason()))
        emit GotFocus();
}

void FlexGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    viewport()->update();
    if (IsVbFocusChange(event->reason()))
        emit LostFocus();
}

} // namespace ui
