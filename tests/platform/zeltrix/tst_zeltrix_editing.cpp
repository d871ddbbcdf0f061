// Keyboard help on a small offscreen form laid out like the reception header: boxes
// found by their bound field, confirm keys, focus moves in tab order, typed-character
// filter; and the per-form hook that centres a form.
#include "platform/zeltrix/AyudaEdicion.h"
#include "platform/zeltrix/Utilidades.h"
#include "platform/ui/Keys.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Five boxes bound to fields, a label, a check box, and a tab order that is not the
// creation order: box 0, then the report filters 3, 1, 2, 4, then the check box.
struct HeaderForm {
    QWidget window;
    QList<QLineEdit*> txtFields;
    QCheckBox* chkPendiente = nullptr;

    HeaderForm()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel("Fecha de Recepcion:"));
        for (const char* field : {"FechaRecepcion", "FHD", "FHH", "CUENTAD", "UNEG_rpt"}) {
            auto* box = new QLineEdit(&window);
            box->setProperty("DataField", QString::fromLatin1(field));
            box->setObjectName(QString::fromLatin1(field));
            layout->addWidget(box);
            txtFields.append(box);
        }
        chkPendiente = new QCheckBox("Pendientes", &window);
        layout->addWidget(chkPendiente);
        QWidget::setTabOrder(txtFields[0], txtFields[3]);
        QWidget::setTabOrder(txtFields[3], txtFields[1]);
        QWidget::setTabOrder(txtFields[1], txtFields[2]);
        QWidget::setTabOrder(txtFields[2], txtFields[4]);
        QWidget::setTabOrder(txtFields[4], chkPendiente);
    }
};

QString focusedName()
{
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

} // namespace

class tst_zeltrix_editing : public QObject {
    Q_OBJECT
private slots:
    void fieldIndex_data();
    void fieldIndex();
    void fieldIndexSkipsBoxesWithoutField();
    void confirmKeys_data();
    void confirmKeys();
    void focusMoves_data();
    void focusMoves();
    void focusSkipsHiddenAndDisabledControls();
    void typedCharacters_data();
    void typedCharacters();
    void formIsCentred();
    void childWidgetIsNotMoved();

private:
    zeltrix::AyudaEdicion ayuda;
    zeltrix::Utilidades util;
};

void tst_zeltrix_editing::fieldIndex_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");
    QTest::newRow("reception date, other case") << "FECHARECEPCION" << 0;
    QTest::newRow("exact") << "FHD" << 1;
    QTest::newRow("lower case") << "fhh" << 2;
    QTest::newRow("blanks around") << " CUENTAD " << 3;
    QTest::newRow("business unit, other case") << "UNEG_RPT" << 4;
    QTest::newRow("unknown") << "Importe" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_zeltrix_editing::fieldIndex()
{
    QFETCH(QString, field);
    QFETCH(int, expected);
    HeaderForm form;
    QCOMPARE(ayuda.IndiceCampo(field, form.txtFields), expected);
}

void tst_zeltrix_editing::fieldIndexSkipsBoxesWithoutField()
{
    QLineEdit unbound;
    QLineEdit bound;
    bound.setProperty("DataField", "Obs");
    QCOMPARE(ayuda.IndiceCampo("Obs", QList<QObject*>{nullptr, &unbound, &bound}), 2);
    QCOMPARE(ayuda.IndiceCampo("", QList<QObject*>{&bound}), -1);
}

void tst_zeltrix_editing::confirmKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<bool>("confirms");
    QTest::newRow("Enter") << int(ui::vbKeyReturn) << true;
    QTest::newRow("Esc") << int(ui::vbKeyEscape) << true;
    QTest::newRow("Up") << int(ui::vbKeyUp) << true;
    QTest::newRow("Down") << int(ui::vbKeyDown) << true;
    QTest::newRow("Tab") << int(ui::vbKeyTab) << false;
    QTest::newRow("Left") << int(ui::vbKeyLeft) << false;
    QTest::newRow("Right") << int(ui::vbKeyRight) << false;
    QTest::newRow("F2") << int(ui::vbKeyF2) << false;
    QTest::newRow("letter A") << int(ui::vbKeyA) << false;
    QTest::newRow("none") << 0 << false;
}

void tst_zeltrix_editing::confirmKeys()
{
    QFETCH(int, keyCode);
    QFETCH(bool, confirms);
    QCOMPARE(ayuda.EsTeclaConfirmar(keyCode), confirms);
}

void tst_zeltrix_editing::focusMoves_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("to");
    QTest::newRow("Enter follows tab order") << "FechaRecepcion" << int(ui::vbKeyReturn) << "CUENTAD";
    QTest::newRow("Enter from account") << "CUENTAD" << int(ui::vbKeyReturn) << "FHD";
    QTest::newRow("Down like Enter") << "FHD" << int(ui::vbKeyDown) << "FHH";
    QTest::newRow("Up goes back") << "FHD" << int(ui::vbKeyUp) << "CUENTAD";
    QTest::newRow("to the check box") << "UNEG_rpt" << int(ui::vbKeyReturn) << "chkPendiente";
    QTest::newRow("Esc stays") << "FHH" << int(ui::vbKeyEscape) << "FHH";
    QTest::newRow("other key stays") << "FHH" << int(ui::vbKeyF5) << "FHH";
}

void tst_zeltrix_editing::focusMoves()
{
    QFETCH(QString, from);
    QFETCH(int, keyCode);
    QFETCH(QString, to);
    HeaderForm form;
    form.chkPendiente->setObjectName("chkPendiente");
    form.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    form.window.findChild<QWidget*>(from)->setFocus();
    QTRY_COMPARE(focusedName(), from);

    ayuda.MueveFoco(keyCode);
    QTRY_COMPARE(focusedName(), to);
}

void tst_zeltrix_editing::focusSkipsHiddenAndDisabledControls()
{
    HeaderForm form;
    form.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    form.txtFields[3]->setEnabled(false);
    form.txtFields[1]->hide();
    form.txtFields[0]->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), form.txtFields[0]);
    ayuda.MueveFoco(ui::vbKeyReturn);
    QTRY_COMPARE(QApplication::focusWidget(), form.txtFields[2]);
    ayuda.MueveFoco(ui::vbKeyUp);
    QTRY_COMPARE(QApplication::focusWidget(), form.txtFields[0]);
}

void tst_zeltrix_editing::typedCharacters_data()
{
    QTest::addColumn<int>("keyAscii");
    QTest::addColumn<int>("expected");
    QTest::newRow("letter") << int('a') << int('a');
    QTest::newRow("digit") << int('7') << int('7');
    QTest::newRow("blank") << 32 << 32;
    QTest::newRow("slash of a date") << int('/') << int('/');
    QTest::newRow("backspace") << 8 << 8;
    QTest::newRow("Enter dropped") << 13 << 0;
    QTest::newRow("Esc dropped") << 27 << 0;
    QTest::newRow("Tab dropped") << 9 << 0;
    QTest::newRow("NUL") << 0 << 0;
    QTest::newRow("delete character dropped") << 127 << 0;
    QTest::newRow("y with diaeresis") << 255 << 255;
    QTest::newRow("enye") << 0xF1 << 0xF1;
}

void tst_zeltrix_editing::typedCharacters()
{
    QFETCH(int, keyAscii);
    QFETCH(int, expected);
    QLineEdit box;
    int key = keyAscii;
    ayuda.FiltraTecla(&box, key);
    QCOMPARE(key, expected);
}

void tst_zeltrix_editing::formIsCentred()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget sized;
    sized.resize(300, 200);
    util.PreparaFormulario(&sized, false);
    QCOMPARE(sized.pos(), QPoint(area.x() + (area.width() - 300) / 2, area.y() + (area.height() - 200) / 2));

    // A form that its code never sized is centred at the size it shows with.
    HeaderForm unsized;
    util.PreparaFormulario(&unsized.window, false);
    unsized.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&unsized.window));
    const QSize shown = unsized.window.size();
    QVERIFY(shown.width() >= unsized.window.sizeHint().width());
    QCOMPARE(unsized.window.pos(),
             QPoint(area.x() + (area.width() - shown.width()) / 2, area.y() + (area.height() - shown.height()) / 2));
    util.CierraFormulario(&unsized.window, QString());
    util.PreparaFormulario(nullptr);
    util.CierraFormulario(nullptr);
}

void tst_zeltrix_editing::childWidgetIsNotMoved()
{
    QWidget window;
    QWidget* child = new QWidget(&window);
    child->move(7, 9);
    util.PreparaFormulario(child, false);
    QCOMPARE(child->pos(), QPoint(7, 9));
}

TESTSUPPORT_MAIN(tst_zeltrix_editing)
#include "tst_zeltrix_editing.moc"
