// The scripted operator: answers prompts in the expected order and fails the running
// test on anything else.
#include "tests/support/ScriptedOperator.h"

#include <QDialog>
#include <QTest>
#include <exception>

namespace testsupport {

namespace {

const char* kindName(ShownPrompt::Kind kind)
{
    switch (kind) {
    case ShownPrompt::Message: return "MsgBox";
    case ShownPrompt::Input: return "InputBox";
    case ShownPrompt::Form: return "modal form";
    case ShownPrompt::File: return "file dialog";
    case ShownPrompt::Date: return "date picker";
    }
    return "prompt";
}

QString describe(ShownPrompt::Kind kind, const QString& text, const QString& title, int style)
{
    QString d = QString::fromLatin1(kindName(kind)) + QLatin1String(" \"") + text + QLatin1Char('"');
    if (!title.isEmpty())
        d += QLatin1String(" title \"") + title + QLatin1Char('"');
    if (kind == ShownPrompt::Message)
        d += QLatin1String(" style ") + QString::number(style);
    return d;
}

} // namespace

ScriptedOperator::ScriptedOperator()
    : previous_(&ui::CurrentOperator())
{
    ui::SetOperator(this);
}

ScriptedOperator::~ScriptedOperator()
{
    // Put back whatever was in charge before (the Qt operator normally).
    if (&ui::CurrentOperator() == this)
        ui::SetOperator(previous_);
    // Unwinding from an unexpected prompt, or the test failed already: the first
    // failure is the one worth reading.
    if (!checkedAtEnd_ && std::uncaught_exceptions() == 0 && !QTest::currentTestFailed())
        verifyAllUsed();
}

ScriptedOperator& ScriptedOperator::expectMsgBox(const QString& textPart, int answer,
                                                 const QString& title, int style)
{
    Expectation e;
    e.kind = ShownPrompt::Message;
    e.textPart = textPart;
    e.title = title;
    e.style = style;
    e.answer = answer;
    queue_.append(e);
    return *this;
}

ScriptedOperator& ScriptedOperator::expectInputBox(const QString& textPart, const QString& answer)
{
    Expectation e;
    e.kind = ShownPrompt::Input;
    e.textPart = textPart;
    e.textAnswer = answer;
    queue_.append(e);
    return *this;
}

ScriptedOperator& ScriptedOperator::expectForm(const QString& objectName, std::function<int(QDialog&)> script)
{
    Expectation e;
    e.kind = ShownPrompt::Form;
    e.textPart = objectName;
    e.formScript = std::move(script);
    queue_.append(e);
    return *this;
}

ScriptedOperator& ScriptedOperator::expectOpenFile(const QString& answer)
{
    Expectation e;
    e.kind = ShownPrompt::File;
    e.textAnswer = answer;
    queue_.append(e);
    return *this;
}

ScriptedOperator& ScriptedOperator::expectDate(const QDate& answer)
{
    Expectation e;
    e.kind = ShownPrompt::Date;
    e.dateAnswer = answer;
    queue_.append(e);
    return *this;
}

int ScriptedOperator::pending() const
{
    return int(queue_.size());
}

void ScriptedOperator::verifyAllUsed()
{
    checkedAtEnd_ = true;
    if (queue_.isEmpty())
        return;
    QString list;
    for (const Expectation& e : queue_)
        list += QLatin1String("\n  ") + describe(e.kind, e.textPart, e.title, e.style);
    const QByteArray message =
        QStringLiteral("ScriptedOperator: %1 expected prompt(s) never shown:%2")
            .arg(queue_.size()).arg(list).toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

ScriptedOperator::Expectation ScriptedOperator::take(ShownPrompt::Kind kind, const QString& text,
                                                     const QString& title, int style)
{
    shown_.append(ShownPrompt{kind, text, title, style});

    QString problem;
    if (queue_.isEmpty()) {
        problem = QStringLiteral("nothing more was expected");
    } else {
        const Expectation& e = queue_.first();
        if (e.kind != kind)
            problem = QStringLiteral("expected a %1").arg(QString::fromLatin1(kindName(e.kind)));
        else if (kind == ShownPrompt::Form ? text != e.textPart : !text.contains(e.textPart))
            problem = QStringLiteral("expected text \"%1\"").arg(e.textPart);
        else if (!e.title.isNull() && title != e.title)
            problem = QStringLiteral("expected title \"%1\"").arg(e.title);
        else if (e.style >= 0 && style != e.style)
            problem = QStringLiteral("expected style %1").arg(e.style);
    }
    if (problem.isEmpty())
        return queue_.takeFirst();

    const QString description = QStringLiteral("ScriptedOperator: unexpected %1 (%2)")
                                    .arg(describe(kind, text, title, style), problem);
    const QByteArray message = description.toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
    throw UnexpectedPrompt{description};
}

int ScriptedOperator::MsgBox(const QString& prompt, int style, const QString& title)
{
    return take(ShownPrompt::Message, prompt, title, style).answer;
}

QString ScriptedOperator::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return take(ShownPrompt::Input, prompt, title, 0).textAnswer;
}

int ScriptedOperator::ShowModal(QDialog& form)
{
    const Expectation e = take(ShownPrompt::Form, form.objectName(), form.windowTitle(), 0);
    // Shown (offscreen) as production shows it, so that the form's load and
    // activation run; the script plays the operator; the modal show ends hidden.
    form.show();
    const int result = e.formScript ? e.formScript(form) : int(QDialog::Rejected);
    if (form.isVisible())
        form.hide();
    form.setResult(result);
    return result;
}

QString ScriptedOperator::OpenFileName(const QString& title, const QString& filter, const QString& folder)
{
    return take(ShownPrompt::File, filter, title, 0).textAnswer;
}

QDate ScriptedOperator::PickDate(const QString& title, const QDate& initial)
{
    return take(ShownPrompt::Date, initial.toString(QStringLiteral("dd/MM/yyyy")), title, 0).dateAnswer;
}

} // namespace testsupport
