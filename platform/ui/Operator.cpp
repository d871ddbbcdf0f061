// The operator in charge and the free functions the program calls.
#include "platform/ui/Operator.h"
#include "platform/ui/ScreenFit.h"

#include <QCoreApplication>
#include <QDialog>

namespace ui {

namespace {
Operator* installed = nullptr;

Operator& qtOperator()
{
    static QtOperator op;
    return op;
}
} // namespace

Operator& CurrentOperator()
{
    return installed ? *installed : qtOperator();
}

void SetOperator(Operator* op)
{
    installed = op;
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    return CurrentOperator().MsgBox(prompt, style, title);
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return CurrentOperator().InputBox(prompt, title, defaultText);
}

int ShowModal(QDialog& form)
{
    // However large it was made, a form opens inside the screen's free area.
    FitOnScreen(form);
    return CurrentOperator().ShowModal(form);
}

QString OpenFileName(const QString& title, const QString& filter, const QString& folder)
{
    return CurrentOperator().OpenFileName(title, filter, folder);
}

QDate PickDate(const QString& title, const QDate& initial)
{
    return CurrentOperator().PickDate(title, initial);
}

QString AnswerName(int answer)
{
    switch (answer) {
    case vbOK: return QStringLiteral("Aceptar");
    case vbCancel: return QStringLiteral("Cancelar");
    case vbAbort: return QStringLiteral("Abortar");
    case vbRetry: return QStringLiteral("Reintentar");
    case vbIgnore: return QStringLiteral("Ignorar");
    case vbYes: return QStringLiteral("Sí");
    case vbNo: return QStringLiteral("No");
    }
    return QString();
}

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace ui
