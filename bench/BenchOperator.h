#pragma once
// Nobody answers a bench: any prompt is printed on stderr and answered Abort, and the
// bench reports a failed run when there was one.
#include "platform/ui/Operator.h"

#include <QDate>
#include <QString>
#include <cstdio>

namespace bench {

class NoOperator : public ui::Operator {
public:
    int prompts = 0;
    int MsgBox(const QString& prompt, int, const QString& title) override
    {
        ++prompts;
        std::fprintf(stderr, "prompt: %s: %s\n", qPrintable(title), qPrintable(prompt));
        return ui::vbAbort;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    int ShowModal(QDialog&) override { return 0; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QDate PickDate(const QString&, const QDate&) override { return {}; }
};

} // namespace bench
