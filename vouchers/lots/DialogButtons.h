#pragma once
// The controls the lot, position and size dialogs build alike: the article label, the
// toolbar of fill buttons, the floating cell editor, the OK and Cancel buttons, and the
// layout of the two lot dialogs. Not part of the voucher class's interface.
#include <QList>
#include <QString>
#include <QStringList>

class CajaTexto;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace ui {
class FlexGrid;
class Toolbar;
} // namespace ui

namespace lotdialogs {

// The label over the grid that names the article ("Artículo-Descripción" until loaded).
QLabel* ArticleLabel(QWidget* form);
// A toolbar named Toolbar1 with one picture button per tool tip, numbered from 1: fill
// down (Alt+L), blank down (Alt+B), propose (Alt+P). Each tool tip begins with its
// button's key, and Tab reaches the button.
ui::Toolbar* FillToolbar(QWidget* form, const QStringList& toolTips);
// The toolbar's buttons as the widgets that take the focus, in button order.
QList<QWidget*> ToolbarButtons(ui::Toolbar* toolbar);
// The grid's floating editor txtEdit, hidden.
CajaTexto* FloatingEditor(QWidget* form);
QPushButton* DialogButton(QWidget* form, const QString& name, const QString& caption);
// OK and Cancel at the right of a row.
QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel);
// Label and toolbar on top, the grid below, OK and Cancel at the bottom right.
void LayOut(QDialog* form, QLabel* label, ui::Toolbar* toolbar, ui::FlexGrid* grid, QPushButton* ok,
            QPushButton* cancel);

} // namespace lotdialogs
