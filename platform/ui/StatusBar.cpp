#include "platform/ui/StatusBar.h"

#include "platform/vb/VbError.h"

namespace ui {

StatusBarPanel::StatusBarPanel(int index, const QString& key, QWidget* parent)
    : QLabel(parent), m_index(index), m_key(key)
{
}

StatusBarPanel& StatusBarPanels::Item(int index) const
{
    if (index < 1 || index > Count())
        throw vb::VbError(35600, QStringLiteral("Index out of bounds"), QStringLiteral("StatusBar"));
    return *m_panels[size_t(index - 1)];
}

StatusBarPanel& StatusBarPanels::Add(const QString& key, const QString& text)
{
    auto* panel = new StatusBarPanel(Count() + 1, key, &m_bar);
    panel->setText(text);
    // The panels share the bar's width.
    m_bar.addWidget(panel, 1);
    m_panels.push_back(panel);
    return *panel;
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

} // namespace ui
