#include "platform/ui/SSTab.h"

#include "platform/vb/VbError.h"

namespace ui {

SSTab::SSTab(QWidget* parent, int tabs) : QTabWidget(parent)
{
    for (int i = 0; i < tabs; ++i)
        addTab(new QWidget(this), QStringLiteral("Tab %1").arg(i));
}

void SSTab::check(int index) const
{
    if (index < 0 || index >= count())
        throw vb::VbError(380, QStringLiteral("Invalid property value"), QStringLiteral("SSTab"));
}

void SSTab::SetTab(int index)
{
    check(index);
    setCurrentIndex(index);
}

bool SSTab::TabVisible(int index) const
{
    check(index);
    return isTabVisible(index);
}

void SSTab::SetTabVisible(int index, bool visible)
{
    check(index);
    setTabVisible(index, visible);
}

QString SSTab::TabCaption(int index) const
{
    check(index);
    return tabText(index);
}

void SSTab::SetTabCaption(int index, const QString& caption)
{
    check(index);
    setTabText(index, caption);
}

QWidget* SSTab::Page(int index) const
{
    check(index);
    return widget(index);
}

} // namespace ui
