#include "CountingOperator.h"

#include <cstdio>

namespace testsupport {

int CountingOperator::MsgBox(const QString& prompt, int, const QString& title)
{
    ++boxes;
    std::fprintf(stderr, "BOX %s: %s\n", qPrintable(title), qPrintable(QString(prompt).replace(QLatin1Char('\n'), u' ')));
    return ui::vbOK;
}

QString CountingOperator::InputBox(const QString&, const QString&, const QString&)
{
    ++boxes;
    return QString();
}

int CountingOperator::ShowModal(QDialog&)
{
    ++boxes;
    return 0;
}

QString CountingOperator::OpenFileName(const QString&, const QString&, const QString&)
{
    ++boxes;
    return QString();
}

QDate CountingOperator::PickDate(const QString&, const QDate&)
{
    ++boxes;
    return QDate();
}

} // namespace testsupport
