#pragma once
// The operator of a workstation process that tests start several times at once: every
// message box is answered OK, counted and written to stderr as "BOX <title>: <text>";
// any other prompt is counted and cancelled.
#include "platform/ui/Operator.h"

namespace testsupport {

class CountingOperator : public ui::Operator {
public:
    int boxes = 0;
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    int ShowModal(QDialog& form) override;
    QString OpenFileName(const QString& title, const QString& filter, const QString& folder) override;
    QDate PickDate(const QString& title, const QDate& initial) override;
};

} // namespace testsupport
