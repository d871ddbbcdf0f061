#pragma once
// A scripted operator for tests: answers prompts in the order they were expected,
// records everything shown, and fails the test on a prompt nobody expected.
#include "platform/ui/Operator.h"
#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class QDialog;

namespace testsupport {

struct ShownPrompt {
    enum Kind { Message, Input, Form, File, Date } kind = Message;
    QString text;    // prompt text; the form's objectName; the file filter; the initial date (dd/MM/yyyy)
    QString title;
    int style = 0;
};

class ScriptedOperator : public ui::Operator {
public:
    // Installs itself as the current operator; the destructor puts back the one that
    // was in charge before (the Qt one normally) and fails the running test when
    // expected prompts were left unused.
    ScriptedOperator();
    ~ScriptedOperator() override;

    // Expect a message box whose text contains `textPart` (empty: any text); answer it.
    // Title and style are checked only when given (title non-null, style >= 0).
    ScriptedOperator& expectMsgBox(const QString& textPart, int answer,
                                   const QString& title = QString(), int style = -1);
    ScriptedOperator& expectInputBox(const QString& textPart, const QString& answer);
    // Expect a modal form with exactly this objectName. The form is shown (offscreen),
    // then `script` fills it and returns the result code the modal show hands back
    // (it may also call accept()/reject()/hide()); the form ends hidden.
    ScriptedOperator& expectForm(const QString& objectName, std::function<int(QDialog&)> script);
    ScriptedOperator& expectOpenFile(const QString& answer);
    ScriptedOperator& expectDate(const QDate& answer);

    const QList<ShownPrompt>& shown() const { return shown_; }
    int pending() const;        // expectations not used yet
    void verifyAllUsed();       // fails the running test when some are left

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    int ShowModal(QDialog& form) override;
    QString OpenFileName(const QString& title, const QString& filter, const QString& folder) override;
    QDate PickDate(const QString& title, const QDate& initial) override;

private:
    struct Expectation {
        ShownPrompt::Kind kind;
        QString textPart;
        QString title;
        int style = -1;
        int answer = 0;
        QString textAnswer;
        QDate dateAnswer;
        std::function<int(QDialog&)> formScript;
    };
    Expectation take(ShownPrompt::Kind kind, const QString& text, const QString& title, int style);
    QList<Expectation> queue_;
    QList<ShownPrompt> shown_;
    ui::Operator* previous_ = nullptr;
    bool checkedAtEnd_ = false;
};

// An unexpected prompt throws this after recording a test failure, so that the code
// under test cannot loop on it (e.g. an error box answered Retry forever).
struct UnexpectedPrompt {
    QString description;
};

} // namespace testsupport
