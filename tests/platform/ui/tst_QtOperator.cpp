// The production operator: VB's style bits become Qt dialogs with the Spanish
// captions, in VB's order, and the button pressed becomes VB's answer.
#include "platform/ui/Operator.h"
#include "tests/support/TestMain.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>

using namespace ui;

namespace {

// Runs `act` on the modal dialog as soon as the operator shows it.
void onceModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

// The buttons of a message box from left to right, as the operator sees them.
QList<QAbstractButton*> buttonsLeftToRight(QMessageBox* box)
{
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
        return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
    });
    return buttons;
}

QStringList captions(const QList<QAbstractButton*>& buttons)
{
    QStringList out;
    for (QAbstractButton* b : buttons)
        out << b->text();
    return out;
}

struct SeenBox {
    QStringList captions;
    QString defaultCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString title;
    bool stayedAfterEscape = false;
};

} // namespace

class tst_QtOperator : public QObject {
    Q_OBJECT
private slots:
    void msgBoxButtons_data();
    void msgBoxButtons();
    void msgBoxEscape_data();
    void msgBoxEscape();
    void msgBoxLetterKeys_data();
    void msgBoxLetterKeys();
    void inputBox_data();
    void inputBox();
    void showModalReturnsTheFormsResult();
    void pickDate();
    void answerNames_data();
    void answerNames();
};

void tst_QtOperator::msgBoxButtons_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("captions");     // left to right
    QTest::addColumn<QString>("defaultCaption");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("click");                 // index of the button pressed
    QTest::addColumn<int>("answer");

    const QString si = QString::fromUtf8("&Sí");
    QTest::newRow("0 OK") << 0 << QStringList{"Aceptar"} << "Aceptar" << int(QMessageBox::NoIcon) << 0 << int(vbOK);
    QTest::newRow("1 OK/Cancel, cancel") << 1 << QStringList{"Aceptar", "Cancelar"} << "Aceptar" << int(QMessageBox::NoIcon) << 1 << int(vbCancel);
    QTest::newRow("18 Abort/Retry/Ignore critical, retry") << 18 << QStringList{"&Anular", "&Reintentar", "&Omitir"} << "&Anular" << int(QMessageBox::Critical) << 1 << int(vbRetry);
    QTest::newRow("18 ignore") << 18 << QStringList{"&Anular", "&Reintentar", "&Omitir"} << "&Anular" << int(QMessageBox::Critical) << 2 << int(vbIgnore);
    QTest::newRow("18 abort") << 18 << QStringList{"&Anular", "&Reintentar", "&Omitir"} << "&Anular" << int(QMessageBox::Critical) << 0 << int(vbAbort);
    QTest::newRow("35 Yes/No/Cancel question, no") << 35 << QStringList{si, "&No", "Cancelar"} << si << int(QMessageBox::Question) << 1 << int(vbNo);
    QTest::newRow("36 Yes/No question, yes") << 36 << QStringList{si, "&No"} << si << int(QMessageBox::Question) << 0 << int(vbYes);
    QTest::newRow("292 Yes/No, default No") << 36 + 256 << QStringList{si, "&No"} << "&No" << int(QMessageBox::Question) << 1 << int(vbNo);
    QTest::newRow("547 Yes/No/Cancel, default Cancel") << 3 + 32 + 512 << QStringList{si, "&No", "Cancelar"} << "Cancelar" << int(QMessageBox::Question) << 2 << int(vbCancel);
    QTest::newRow("53 Retry/Cancel exclamation") << 53 << QStringList{"&Reintentar", "Cancelar"} << "&Reintentar" << int(QMessageBox::Warning) << 0 << int(vbRetry);
    QTest::newRow("64 information") << 64 << QStringList{"Aceptar"} << "Aceptar" << int(QMessageBox::Information) << 0 << int(vbOK);
}

void tst_QtOperator::msgBoxButtons()
{
    QFETCH(int, style);
    QFETCH(QStringList, captions);
    QFETCH(QString, defaultCaption);
    QFETCH(int, icon);
    QFETCH(int, click);
    QFETCH(int, answer);

    SeenBox seen;
    onceModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) {
            w->close();
            return;
        }
        const QList<QAbstractButton*> buttons = buttonsLeftToRight(box);
        seen.captions = ::captions(buttons);
        seen.defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        seen.icon = box->icon();
        seen.text = box->text();
        seen.title = box->windowTitle();
        if (click < buttons.size())
            QTest::mouseClick(buttons[click], Qt::LeftButton);
    });
    QtOperator op;
    const int got = op.MsgBox("Línea uno\r\nLínea dos", style, "Recepción");

    QCOMPARE(seen.captions, captions);
    QCOMPARE(seen.defaultCaption, defaultCaption);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.text, QString::fromUtf8("Línea uno\nLínea dos"));
    QCOMPARE(seen.title, QString::fromUtf8("Recepción"));
    QCOMPARE(got, answer);
}

void tst_QtOperator::msgBoxEscape_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer");   // 0: Escape does nothing (as in VB)

    QTest::newRow("OK") << int(vbOKOnly) << int(vbOK);
    QTest::newRow("OK/Cancel") << int(vbOKCancel) << int(vbCancel);
    QTest::newRow("Yes/No/Cancel") << int(vbYesNoCancel) << int(vbCancel);
    QTest::newRow("Retry/Cancel") << int(vbRetryCancel) << int(vbCancel);
    QTest::newRow("Yes/No") << int(vbYesNo) << 0;
    QTest::newRow("Abort/Retry/Ignore") << int(vbAbortRetryIgnore) << 0;
}

void tst_QtOperator::msgBoxEscape()
{
    QFETCH(int, style);
    QFETCH(int, answer);

    bool stayed = false;
    onceModal([&](QWidget* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        stayed = w->isVisible();
        if (stayed)   // end it with the last button
            QTest::mouseClick(buttonsLeftToRight(qobject_cast<QMessageBox*>(w)).last(), Qt::LeftButton);
    });
    QtOperator op;
    const int got = op.MsgBox("¿Seguro?", style, QString());
    if (answer == 0) {
        QVERIFY(stayed);
    } else {
        QVERIFY(!stayed);
        QCOMPARE(got, answer);
    }
}

// A keyboard-only operator answers with the letter the box underlines, alone or with
// Alt, as on a Spanish Windows box; a letter no button carries does nothing.
void tst_QtOperator::msgBoxLetterKeys_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("answer");   // 0: the box stays open

    QTest::newRow("Yes/No, S") << int(vbYesNo + vbQuestion) << int(Qt::Key_S) << 0 << int(vbYes);
    QTest::newRow("Yes/No, N") << int(vbYesNo + vbQuestion) << int(Qt::Key_N) << 0 << int(vbNo);
    QTest::newRow("Yes/No default No, S") << int(vbYesNo + vbDefaultButton2) << int(Qt::Key_S) << 0 << int(vbYes);
    QTest::newRow("Yes/No, Alt+N") << int(vbYesNo) << int(Qt::Key_N) << int(Qt::AltModifier) << int(vbNo);
    QTest::newRow("Yes/No/Cancel, N") << int(vbYesNoCancel) << int(Qt::Key_N) << 0 << int(vbNo);
    QTest::newRow("Abort/Retry/Ignore, R") << int(vbAbortRetryIgnore) << int(Qt::Key_R) << 0 << int(vbRetry);
    QTest::newRow("Abort/Retry/Ignore, O") << int(vbAbortRetryIgnore) << int(Qt::Key_O) << 0 << int(vbIgnore);
    QTest::newRow("Abort/Retry/Ignore, A") << int(vbAbortRetryIgnore) << int(Qt::Key_A) << 0 << int(vbAbort);
    QTest::newRow("Retry/Cancel, R") << int(vbRetryCancel) << int(Qt::Key_R) << 0 << int(vbRetry);
    QTest::newRow("Yes/No, X") << int(vbYesNo) << int(Qt::Key_X) << 0 << 0;
}

void tst_QtOperator::msgBoxLetterKeys()
{
    QFETCH(int, style);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, answer);

    bool stayed = false;
    onceModal([&](QWidget* w) {
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // A button answers after its pressed look has shown: wait for the box to go (a
        // loaded machine can take longer than the look), or a while for one that stays.
        if (answer != 0)
            QTest::qWaitFor([w] { return !w->isVisible(); }, 10000);
        else
            QTest::qWait(300);
        stayed = w->isVisible();
        if (stayed)   // end it with the last button
            QTest::mouseClick(buttonsLeftToRight(qobject_cast<QMessageBox*>(w)).last(), Qt::LeftButton);
    });
    QtOperator op;
    const int got = op.MsgBox(QString::fromUtf8("¿Está seguro de eliminar el registro seleccionado?"), style, QString());
    if (answer == 0) {
        QVERIFY(stayed);
    } else {
        QVERIFY(!stayed);
        QCOMPARE(got, answer);
    }
}

void tst_QtOperator::inputBox_data()
{
    QTest::addColumn<QString>("typed");      // replaces the default text
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("result");

    QTest::newRow("accepted") << "0042" << true << "0042";
    QTest::newRow("default kept") << QString() << true << "15";
    QTest::newRow("cancelled") << "0042" << false << "";
}

void tst_QtOperator::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QString, result);

    QStringList buttonCaptions;
    onceModal([&](QWidget* w) {
        for (QPushButton* b : w->findChildren<QPushButton*>())
            buttonCaptions << b->text();
        auto* edit = w->findChild<QLineEdit*>();
        if (edit && !typed.isNull()) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
        }
        QTest::keyClick(edit ? static_cast<QWidget*>(edit) : w, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    QtOperator op;
    QCOMPARE(op.InputBox("Cantidad de días", "Vencimiento", "15"), result);
    buttonCaptions.sort();
    QCOMPARE(buttonCaptions, (QStringList{"Aceptar", "Cancelar"}));
}

void tst_QtOperator::showModalReturnsTheFormsResult()
{
    QDialog form;
    bool modalWhileShown = false;
    onceModal([&](QWidget* w) {
        modalWhileShown = (w == &form);
        form.setResult(QDialog::Accepted);
        form.hide();   // a form that hides itself ends the modal show, as in VB
    });
    QtOperator op;
    QCOMPARE(op.ShowModal(form), int(QDialog::Accepted));
    QVERIFY(modalWhileShown);

    onceModal([&](QWidget*) { form.reject(); });
    QCOMPARE(op.ShowModal(form), int(QDialog::Rejected));
}

void tst_QtOperator::pickDate()
{
    onceModal([](QWidget* w) {
        auto* calendar = w->findChild<QCalendarWidget*>();
        if (calendar)
            calendar->setSelectedDate(QDate(2024, 3, 20));
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == "Aceptar")
                return QTest::mouseClick(b, Qt::LeftButton);
    });
    QtOperator op;
    QCOMPARE(op.PickDate("Fecha de recepción", QDate(2024, 3, 15)), QDate(2024, 3, 20));

    QDate initialShown;
    onceModal([&](QWidget* w) {
        if (auto* calendar = w->findChild<QCalendarWidget*>())
            initialShown = calendar->selectedDate();
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == "Cancelar")
                return QTest::mouseClick(b, Qt::LeftButton);
    });
    QCOMPARE(op.PickDate("Fecha de recepción", QDate(2024, 3, 15)), QDate());
    QCOMPARE(initialShown, QDate(2024, 3, 15));
}

void tst_QtOperator::answerNames_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << "Aceptar";
    QTest::newRow("2") << 2 << "Cancelar";
    QTest::newRow("3") << 3 << "Abortar";
    QTest::newRow("4") << 4 << "Reintentar";
    QTest::newRow("5") << 5 << "Ignorar";
    QTest::newRow("6") << 6 << QString::fromUtf8("Sí");
    QTest::newRow("7") << 7 << "No";
    QTest::newRow("none") << 0 << "";
}

void tst_QtOperator::answerNames()
{
    QFETCH(int, answer);
    QFETCH(QString, name);
    QCOMPARE(AnswerName(answer), name);
}

TESTSUPPORT_MAIN(tst_QtOperator)
#include "tst_QtOperator.moc"
