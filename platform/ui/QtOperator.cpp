// The production operator: Qt dialogs with the captions of a Spanish-language suite.
#include "platform/ui/Operator.h"
#include "platform/ui/ActiveWindow.h"
#include "platform/ui/ScreenFit.h"
#include "platform/vb/App.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVector>
#include <utility>

namespace ui {

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

// VB shows the application's title when the caller gives none.
QString captionOrDefault(const QString& title)
{
    return title.isEmpty() ? vb::App::EXEName() : title;
}

// VB prompts break lines with CR LF; a Qt label wants LF.
QString plainLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

struct ButtonSpec {
    const char* caption;            // UTF-8
    int answer;
};

// The buttons of a VB button set, in VB's order. As on a Spanish Windows box, the
// letter marked with & answers the box on its own (S, N, A, R, O); Aceptar and
// Cancelar are Enter and Escape.
QVector<ButtonSpec> buttonsOf(int buttonSet)
{
    switch (buttonSet) {
    case vbOKCancel: return {{"Aceptar", vbOK}, {"Cancelar", vbCancel}};
    case vbAbortRetryIgnore: return {{"&Anular", vbAbort}, {"&Reintentar", vbRetry}, {"&Omitir", vbIgnore}};
    case vbYesNoCancel: return {{"&Sí", vbYes}, {"&No", vbNo}, {"Cancelar", vbCancel}};
    case vbYesNo: return {{"&Sí", vbYes}, {"&No", vbNo}};
    case vbRetryCancel: return {{"&Reintentar", vbRetry}, {"Cancelar", vbCancel}};
    default: return {{"Aceptar", vbOK}};
    }
}

QMessageBox::Icon iconOf(int iconBits)
{
    switch (iconBits) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A calendar with Aceptar/Cancelar; a double click (or Enter) on a day accepts it.
class DatePickerDialog : public QDialog {
public:
    DatePickerDialog(const QString& title, const QDate& initial, QWidget* parent)
        : QDialog(parent)
    {
        setWindowTitle(captionOrDefault(title));
        setObjectName(QStringLiteral("PickDate"));
        calendar = new QCalendarWidget(this);
        calendar->setGridVisible(true);
        calendar->setFirstDayOfWeek(Qt::Monday);
        if (initial.isValid())
            calendar->setSelectedDate(initial);
        auto* buttons = new QDialogButtonBox(this);
        buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(calendar);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    }
    QCalendarWidget* calendar;
};

// VB's CommonDialog filter ("Texto (*.txt)|*.txt|Todos|*.*") to Qt's ("Texto (*.txt);;Todos (*.*)").
QString qtFilter(const QString& filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QLatin1String(" (") + patterns.trimmed() + QLatin1Char(')');
    }
    return out.join(QLatin1String(";;"));
}

} // namespace

// Every dialog below gives the window it was shown over the activation back as it goes
// (KeepActiveWindow, declared before the dialog so that it acts once the dialog is gone):
// the focus the program gives next is a real one, with its focus events.

int QtOperator::MsgBox(const QString& prompt, int style, const QString& title)
{
    KeepActiveWindow keep;
    QMessageBox box(dialogParent());
    box.setWindowTitle(captionOrDefault(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(plainLines(prompt));
    box.setIcon(iconOf(style & 0x70));

    const QVector<ButtonSpec> buttonList = buttonsOf(style & 0x7);
    QVector<std::pair<QAbstractButton*, int>> answers;
    QPushButton* cancel = nullptr;
    // All buttons share one role so that Qt keeps VB's order and guesses no escape
    // button of its own (VB's Yes/No and Abort/Retry/Ignore boxes ignore Escape).
    for (const ButtonSpec& button : buttonList) {
        QPushButton* b = box.addButton(QString::fromUtf8(button.caption), QMessageBox::ActionRole);
        answers.append({b, button.answer});
        if (button.answer == vbCancel)
            cancel = b;
    }
    const int defaultIndex = (style & 0x300) >> 8;   // 0, 256 → 1, 512 → 2
    box.setDefaultButton(static_cast<QPushButton*>(
        answers[defaultIndex < answers.size() ? defaultIndex : 0].first));
    // Escape answers Cancel where there is one, OK on a lone OK (as VB does).
    if (cancel)
        box.setEscapeButton(cancel);
    else if (answers.size() == 1)
        box.setEscapeButton(answers.first().first);

    FitOnScreen(box);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (const auto& [button, answer] : answers)
        if (button == clicked)
            return answer;
    // Closed without a button (only possible where VB would not allow it): the
    // answer of the escape button, else the last button's.
    return cancel ? vbCancel : answers.last().second;
}

QString QtOperator::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    KeepActiveWindow keep;
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(captionOrDefault(title));
    dialog.setLabelText(plainLines(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    FitOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

int QtOperator::ShowModal(QDialog& form)
{
    KeepActiveWindow keep;
    // exec() returns when the form is accepted, rejected, closed or hidden.
    return form.exec();
}

QString QtOperator::OpenFileName(const QString& title, const QString& filter, const QString& folder)
{
    KeepActiveWindow keep;
    QFileDialog dialog(dialogParent(), captionOrDefault(title), folder, qtFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Abrir"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    FitOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QDate QtOperator::PickDate(const QString& title, const QDate& initial)
{
    KeepActiveWindow keep;
    DatePickerDialog dialog(title, initial, dialogParent());
    FitOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QDate();
    return dialog.calendar->selectedDate();
}

} // namespace ui
