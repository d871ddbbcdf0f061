#pragma once
// Message boxes held back while the program holds the database's write lock: a box
// that only informs (the OK button alone) is kept and shown once the lock is let go;
// its answer is OK either way. Any other prompt goes to the operator at once.
#include "platform/ui/Operator.h"
#include <QList>

namespace ui {

class HeldMessages : public Operator {
public:
    HeldMessages();    // installs itself as the operator in charge
    ~HeldMessages() override;   // shows what is still held
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    // Shows the held boxes, in order, and stops holding.
    void Release();
    // Forgets the held boxes (the work that raised them is being done again).
    void Discard();

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    int ShowModal(QDialog& form) override;
    QString OpenFileName(const QString& title, const QString& filter, const QString& folder) override;
    QDate PickDate(const QString& title, const QDate& initial) override;

private:
    struct Held {
        QString prompt;
        int style;
        QString title;
    };
    Operator* previous_;
    bool holding_ = true;
    QList<Held> held_;
};

} // namespace ui
