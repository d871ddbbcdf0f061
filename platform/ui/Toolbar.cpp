#include "platform/ui/Toolbar.h"

#include "platform/vb/VbError.h"

#include <QAction>

namespace ui {

QString ToolbarButton::ToolTipText() const { return m_action->toolTip(); }
bool ToolbarButton::Enabled() const { return m_action->isEnabled(); }
void ToolbarButton::SetEnabled(bool enabled) { m_action->setEnabled(enabled); }

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

ToolbarButton& Toolbar::AddButton(const QString& ToolTipText, const QIcon& Image, const QString& Key)
{
    QAction* action = addAction(Image, ToolTipText);
    action->setToolTip(ToolTipText);
    if (Image.isNull())
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    const int index = ButtonCount() + 1;
    connect(action, &QAction::triggered, this, [this, index] { emit ButtonClick(index); });
    m_buttons.emplace_back(index, Key, action);
    return m_buttons.back();
}

ToolbarButton& Toolbar::Buttons(int index)
{
    if (index < 1 || index > ButtonCount())
        throw vb::VbError(35600, QStringLiteral("Index out of bounds"), QStringLiteral("Toolbar"));
    return m_buttons[size_t(index - 1)];
}

} // namespace ui
