#include "lookup/FormButtons.h"
#include "platform/ui/Metrics.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

namespace lookup {

QFrame* NewButtonFrame(QWidget* form)
{
    auto* frame = new QFrame(form);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QPushButton* NewButton(QFrame* frame, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), frame);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void LayOutButtons(QFrame* frame, const QList<QPushButton*>& left, const QList<QPushButton*>& right)
{
    auto* buttons = new QHBoxLayout(frame);
    buttons->setContentsMargins(ui::TwipsToPixels(100), 6, ui::TwipsToPixels(150), 6);
    for (QPushButton* b : left)
        buttons->addWidget(b);
    buttons->addStretch(1);
    for (QPushButton* b : right)
        buttons->addWidget(b);
}

} // namespace lookup
