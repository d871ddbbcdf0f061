// The controls the lot, position and size dialogs build alike.
#include "vouchers/lots/DialogButtons.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Toolbar.h"

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace lotdialogs {

QLabel* ArticleLabel(QWidget* form)
{
    auto* label = new QLabel(QStringLiteral("Artículo-Descripción"), form);
    label->setObjectName(QStringLiteral("lblArticulo"));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

ui::Toolbar* FillToolbar(QWidget* form, const QStringList& toolTips)
{
    auto* toolbar = new ui::Toolbar(form);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    const QStyle::StandardPixmap pictures[] = {QStyle::SP_ArrowDown, QStyle::SP_DialogResetButton,
                                               QStyle::SP_BrowserReload};
    // The same key for the same button in every dialog: Llenar, Blanquear, Proponer.
    const QKeySequence keys[] = {QKeySequence(Qt::ALT | Qt::Key_L), QKeySequence(Qt::ALT | Qt::Key_B),
                                 QKeySequence(Qt::ALT | Qt::Key_P)};
    for (int i = 0; i < toolTips.size() && i < 3; ++i) {
        const QString key = keys[i].toString(QKeySequence::NativeText);
        ui::ToolbarButton& button = toolbar->AddButton(QLatin1Char('(') + key + QStringLiteral(") ") + toolTips.at(i),
                                                       form->style()->standardIcon(pictures[i]));
        button.Action()->setShortcut(keys[i]);
        // Tab reaches the button as it does the other controls.
        if (QWidget* w = toolbar->widgetForAction(button.Action()))
            w->setFocusPolicy(Qt::TabFocus);
    }
    return toolbar;
}

QList<QWidget*> ToolbarButtons(ui::Toolbar* toolbar)
{
    QList<QWidget*> buttons;
    for (int i = 1; i <= toolbar->ButtonCount(); ++i)
        if (QWidget* w = toolbar->widgetForAction(toolbar->Buttons(i).Action()))
            buttons << w;
    return buttons;
}

CajaTexto* FloatingEditor(QWidget* form)
{
    auto* box = new CajaTexto(form);
    box->setObjectName(QStringLiteral("txtEdit"));
    box->hide();
    return box;
}

QPushButton* DialogButton(QWidget* form, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, form);
    button->setObjectName(name);
    return button;
}

void LayOut(QDialog* form, QLabel* label, ui::Toolbar* toolbar, ui::FlexGrid* grid, QPushButton* ok,
            QPushButton* cancel)
{
    auto* top = new QHBoxLayout;
    top->addWidget(toolbar);
    top->addWidget(label, 1);
    auto* layout = new QVBoxLayout(form);
    layout->addLayout(top);
    layout->addWidget(grid, 1);
    layout->addLayout(ButtonRow(ok, cancel));
}

QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace lotdialogs
