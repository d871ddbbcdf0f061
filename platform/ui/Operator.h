#pragma once
// The operator service: every message box, input box and modal form of the program
// goes through it, so that production shows Qt dialogs and tests script the answers.
#include <QString>
#include <QStringList>
#include <QDate>

class QDialog;
class QWidget;

namespace ui {

// MsgBox styles (VB values): buttons, icons and default button, added together.
enum MsgBoxStyle : int {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3,
    vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
// MsgBox answers (VB values).
enum MsgBoxAnswer : int {
    vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7,
};

class Operator {
public:
    virtual ~Operator() = default;
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    // Returns the text typed, or "" when cancelled (as VB's InputBox).
    virtual QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // Shows the form modally and returns when it is hidden or closed; returns the
    // dialog's result code (QDialog::Accepted / Rejected).
    virtual int ShowModal(QDialog& form) = 0;
    // A file to open: "" when cancelled.
    virtual QString OpenFileName(const QString& title, const QString& filter, const QString& folder) = 0;
    // A date from a calendar: invalid when cancelled.
    virtual QDate PickDate(const QString& title, const QDate& initial) = 0;
};

// The operator in charge; the Qt one unless a test installed another.
Operator& CurrentOperator();
// Installs an operator (not owned); nullptr puts the Qt one back.
void SetOperator(Operator* op);

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
QString InputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString());
int ShowModal(QDialog& form);
QString OpenFileName(const QString& title, const QString& filter, const QString& folder = QString());
QDate PickDate(const QString& title, const QDate& initial);

// The name of the button an answer stands for, as the error logs write it:
// "Aceptar", "Cancelar", "Abortar", "Reintentar", "Ignorar", "Sí", "No".
QString AnswerName(int answer);

// Processes pending events (VB's DoEvents).
void DoEvents();

// The production operator: Qt dialogs with Spanish button captions.
class QtOperator : public Operator {
public:
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    int ShowModal(QDialog& form) override;
    QString OpenFileName(const QString& title, const QString& filter, const QString& folder) override;
    QDate PickDate(const QString& title, const QDate& initial) override;
};

} // namespace ui
