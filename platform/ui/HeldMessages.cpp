#include "platform/ui/HeldMessages.h"

#include <utility>

namespace ui {

HeldMessages::HeldMessages() : previous_(&CurrentOperator())
{
    SetOperator(this);
}

HeldMessages::~HeldMessages()
{
    Release();
}

void HeldMessages::Release()
{
    if (!holding_)
        return;
    holding_ = false;
    SetOperator(previous_);
    const QList<Held> held = std::exchange(held_, {});
    for (const Held& h : held)
        previous_->MsgBox(h.prompt, h.style, h.title);
}

void HeldMessages::Discard()
{
    held_.clear();
}

int HeldMessages::MsgBox(const QString& prompt, int style, const QString& title)
{
    if ((style & 7) != vbOKOnly)
        return previous_->MsgBox(prompt, style, title);
    held_.append({prompt, style, title});
    return vbOK;
}

QString HeldMessages::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return previous_->InputBox(prompt, title, defaultText);
}

int HeldMessages::ShowModal(QDialog& form)
{
    return previous_->ShowModal(form);
}

QString HeldMessages::OpenFileName(const QString& title, const QString& filter, const QString& folder)
{
    return previous_->OpenFileName(title, filter, folder);
}

QDate HeldMessages::PickDate(const QString& title, const QDate& initial)
{
    return previous_->PickDate(title, initial);
}

} // namespace ui
