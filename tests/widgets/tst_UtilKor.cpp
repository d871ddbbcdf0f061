// The toolbar control: keys and presses raise click with the button key, the flags
// drive the buttons, the icon strip follows the workstation's "Styles" value.
#include "widgets/UtilKor.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/TextFile.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <map>

class tst_UtilKor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void keys_data();
    void keys();
    void buttonPress_data();
    void buttonPress();
    void flagsDriveButtons();
    void buttonsHaveNoShortcuts();
    void flagSettersConvertAndNotify();
    void theme_data();
    void theme();
    void actualizarBotonesRestoresEverything();
    void savedProperties();

    void stripChoice_data();
    void stripChoice();
    void stripForStyleText_data();
    void stripForStyleText();
    void captionsWithoutStrip_data();
    void captionsWithoutStrip();
    void captionDisplay();
    void docking_data();
    void docking();
};

namespace {

using Setter = void (UtilKor::*)(const vb::Variant&);
const std::map<QString, Setter>& setters()
{
    static const std::map<QString, Setter> table = {
        {"NuevoEnabled", &UtilKor::SetNuevoEnabled}, {"BorrarEnabled", &UtilKor::SetBorrarEnabled},
        {"ReporteEnabled", &UtilKor::SetReporteEnabled}, {"ConsultaEnabled", &UtilKor::SetConsultaEnabled},
        {"PlanillaEnabled", &UtilKor::SetPlanillaEnabled}, {"CancelarEnabled", &UtilKor::SetCancelarEnabled},
        {"GrabarEnabled", &UtilKor::SetGrabarEnabled}, {"CerrarEnabled", &UtilKor::SetCerrarEnabled},
        {"NuevoVisible", &UtilKor::SetNuevoVisible}, {"BorrarVisible", &UtilKor::SetBorrarVisible},
        {"ReporteVisible", &UtilKor::SetReporteVisible}, {"consultarVisible", &UtilKor::SetconsultarVisible},
        {"PlanillaVisible", &UtilKor::SetPlanillaVisible}, {"CancelarVisible", &UtilKor::SetCancelarVisible},
        {"GrabarVisible", &UtilKor::SetGrabarVisible}, {"CerrarVisible", &UtilKor::SetCerrarVisible},
        {"ConTitulo", &UtilKor::SetConTitulo}, {"Enabled", &UtilKor::SetEnabled},
    };
    return table;
}

void setFalse(UtilKor& bar, const QStringList& names)
{
    for (const QString& name : names) {
        const auto it = setters().find(name);
        QVERIFY2(it != setters().end(), qPrintable(name));
        (bar.*(it->second))(false);
    }
}

QStringList spied(const QSignalSpy& spy)
{
    QStringList keys;
    for (const QList<QVariant>& call : spy)
        keys << call.at(0).toString();
    return keys;
}

QToolBar* standard(UtilKor& bar) { return bar.findChild<QToolBar*>(QStringLiteral("Standard")); }

// The bar's buttons in the order they stand.
QList<QAction*> actions(UtilKor& bar)
{
    QToolBar* tb = standard(bar);
    return tb ? tb->actions() : QList<QAction*>();
}

QToolButton* button(UtilKor& bar, int position)
{
    return qobject_cast<QToolButton*>(standard(bar)->widgetForAction(actions(bar).at(position)));
}

const QStringList kStripNames = {"ABM2021.bmp", "ABM2021B.bmp", "ABM2021M.bmp", "ABM2021V.bmp", "ABM2021i.bmp"};

// Each strip's tile k in a colour of its own, so an icon tells which strip and which
// tile it was cut from.
QColor tileColour(int strip, int tile) { return QColor(30 + 40 * strip, 20 + 25 * tile, 90); }

QByteArray testStrip(int strip)
{
    constexpr int side = 6;
    QImage img(8 * side, side, QImage::Format_RGB32);
    for (int k = 0; k < 8; ++k)
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                img.setPixelColor(k * side + x, y, (x == 0 && y == 0) ? QColor(255, 0, 255) : tileColour(strip, k));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return bytes;
}

QByteArray ini(const QStringList& lines) { return vb::ToCp1252(lines.join("\r\n") + "\r\n"); }

} // namespace

void tst_UtilKor::initTestCase()
{
    ui::SetTwipsPerPixel(15);
    // The workstation user whose "Styles" section the toolbar reads.
    qputenv("USER", "operador");
}

void tst_UtilKor::keys_data()
{
    QTest::addColumn<QStringList>("offFlags");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("raised");

    const QStringList none;
    QTest::newRow("Esc, all enabled") << none << int(ui::vbKeyEscape) << QStringList{"CANCELAR"};
    QTest::newRow("Esc, Cerrar off") << QStringList{"CerrarEnabled"} << int(ui::vbKeyEscape) << QStringList{"CANCELAR"};
    QTest::newRow("Esc, Cancelar off") << QStringList{"CancelarEnabled"} << int(ui::vbKeyEscape) << QStringList{"CERRAR"};
    QTest::newRow("Esc, both off") << QStringList{"CancelarEnabled", "CerrarEnabled"} << int(ui::vbKeyEscape) << none;
    QTest::newRow("Esc, Cancelar hidden") << QStringList{"CancelarVisible"} << int(ui::vbKeyEscape) << QStringList{"CANCELAR"};
    QTest::newRow("F2") << none << int(ui::vbKeyF2) << QStringList{"GRABAR"};
    QTest::newRow("F2, Grabar off") << QStringList{"GrabarEnabled"} << int(ui::vbKeyF2) << none;
    QTest::newRow("F3") << none << int(ui::vbKeyF3) << QStringList{"NUEVO"};
    QTest::newRow("F3, Nuevo off") << QStringList{"NuevoEnabled"} << int(ui::vbKeyF3) << none;
    QTest::newRow("F4") << none << int(ui::vbKeyF4) << QStringList{"REPORTE"};
    QTest::newRow("F4, Reporte off") << QStringList{"ReporteEnabled"} << int(ui::vbKeyF4) << none;
    QTest::newRow("F5") << none << int(ui::vbKeyF5) << QStringList{"CONSULTAR"};
    QTest::newRow("F5, Consulta off") << QStringList{"ConsultaEnabled"} << int(ui::vbKeyF5) << none;
    QTest::newRow("F6") << none << int(ui::vbKeyF6) << QStringList{"PLANILLA"};
    QTest::newRow("F6, Planilla off") << QStringList{"PlanillaEnabled"} << int(ui::vbKeyF6) << none;
    QTest::newRow("F10") << none << int(ui::vbKeyF10) << QStringList{"BORRAR"};
    QTest::newRow("F10, Borrar off") << QStringList{"BorrarEnabled"} << int(ui::vbKeyF10) << none;
    QTest::newRow("F10, Borrar hidden") << QStringList{"BorrarVisible"} << int(ui::vbKeyF10) << QStringList{"BORRAR"};
    QTest::newRow("F3, control Enabled off") << QStringList{"Enabled"} << int(ui::vbKeyF3) << QStringList{"NUEVO"};
    QTest::newRow("F3, all but Nuevo off")
        << QStringList{"BorrarEnabled", "ReporteEnabled", "ConsultaEnabled", "PlanillaEnabled",
                       "CancelarEnabled", "GrabarEnabled", "CerrarEnabled"}
        << int(ui::vbKeyF3) << QStringList{"NUEVO"};
    for (int key : {int(ui::vbKeyF1), int(ui::vbKeyF7), int(ui::vbKeyF8), int(ui::vbKeyF9),
                    int(ui::vbKeyF11), int(ui::vbKeyF12), int(ui::vbKeyReturn), int(ui::vbKeyA), 0})
        QTest::addRow("key %d", key) << none << key << none;
}

void tst_UtilKor::keys()
{
    QFETCH(QStringList, offFlags);
    QFETCH(int, key);
    QFETCH(QStringList, raised);

    testsupport::TempProgramFolder folder;
    UtilKor bar;
    setFalse(bar, offFlags);
    const bool borrarBefore = bar.BorrarEnabled();
    QSignalSpy spy(&bar, &UtilKor::click);

    int keyCode = key;
    bar.KeyAnalisis(keyCode);

    QCOMPARE(spied(spy), raised);
    QCOMPARE(keyCode, key);
    // The key path leaves Borrar alone, unlike a press of Nuevo.
    QCOMPARE(bar.BorrarEnabled(), borrarBefore);
}

void tst_UtilKor::buttonPress_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("borrarBefore");
    QTest::addColumn<QString>("raised");
    QTest::addColumn<bool>("borrarAfter");

    QTest::newRow("Nuevo clears Borrar") << 0 << true << "NUEVO" << false;
    QTest::newRow("Borrar") << 1 << true << "BORRAR" << true;
    QTest::newRow(" Reporte") << 2 << false << "REPORTE" << false;
    QTest::newRow(" Consultar") << 3 << false << "CONSULTAR" << false;
    QTest::newRow("  Planilla") << 4 << false << "PLANILLA" << false;
    QTest::newRow("Cancelar") << 5 << false << "CANCELAR" << false;
    QTest::newRow("Grabar sets Borrar") << 6 << false << "GRABAR" << true;
    QTest::newRow("   Cerrar sets Borrar") << 7 << false << "CERRAR" << true;
}

void tst_UtilKor::buttonPress()
{
    QFETCH(int, position);
    QFETCH(bool, borrarBefore);
    QFETCH(QString, raised);
    QFETCH(bool, borrarAfter);

    testsupport::TempProgramFolder folder;
    UtilKor bar;
    bar.resize(700, 60);
    bar.show();
    bar.SetBorrarEnabled(borrarBefore);
    QSignalSpy spy(&bar, &UtilKor::click);
    // The host's handler runs before the press returns, and sees the Borrar rule applied.
    bool borrarSeenByHost = !borrarAfter;
    connect(&bar, &UtilKor::click, &bar, [&] { borrarSeenByHost = bar.BorrarEnabled(); });

    QTest::mouseClick(button(bar, position), Qt::LeftButton);

    QCOMPARE(spied(spy), QStringList{raised});
    QCOMPARE(bar.BorrarEnabled(), borrarAfter);
    QCOMPARE(borrarSeenByHost, borrarAfter);
    QCOMPARE(button(bar, 1)->isEnabled(), borrarAfter);
}

void tst_UtilKor::flagsDriveButtons()
{
    testsupport::TempProgramFolder folder;
    UtilKor bar;
    bar.resize(700, 60);
    bar.show();
    QSignalSpy spy(&bar, &UtilKor::click);

    bar.SetConsultaEnabled(false);
    bar.SetPlanillaVisible(false);
    QVERIFY(!button(bar, 3)->isEnabled());
    // The bar lays its buttons out again when Qt delivers its layout request.
    QTRY_VERIFY(!button(bar, 4)->isVisible());
    QVERIFY(button(bar, 2)->isEnabled() && button(bar, 2)->isVisible());

    // A disabled button raises nothing when pressed.
    QTest::mouseClick(button(bar, 3), Qt::LeftButton);
    QVERIFY(spy.isEmpty());

    bar.SetConsultaEnabled(true);
    bar.SetPlanillaVisible(true);
    QVERIFY(button(bar, 3)->isEnabled());
    QTRY_VERIFY(button(bar, 4)->isVisible());
    QTest::mouseClick(button(bar, 3), Qt::LeftButton);
    QCOMPARE(spied(spy), QStringList{"CONSULTAR"});

    // The control-wide flag is only stored.
    bar.SetEnabled(false);
    QVERIFY(!bar.Enabled());
    for (int i = 0; i < 8; ++i)
        QVERIFY(button(bar, i)->isEnabled());
}

void tst_UtilKor::buttonsHaveNoShortcuts()
{
    // The host passes keys to KeyAnalisis: a shortcut on a button would raise twice.
    testsupport::TempProgramFolder folder;
    QWidget host;
    UtilKor* bar = new UtilKor(&host);
    bar->setGeometry(0, 0, 700, 60);
    host.resize(700, 200);
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QSignalSpy spy(bar, &UtilKor::click);

    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F10})
        QTest::keyClick(&host, key);
    QTest::keyClick(&host, Qt::Key_N, Qt::AltModifier);
    QVERIFY(spy.isEmpty());
    for (QAction* action : actions(*bar))
        QVERIFY(action->shortcuts().isEmpty());
}

void tst_UtilKor::flagSettersConvertAndNotify()
{
    testsupport::TempProgramFolder folder;
    UtilKor bar;
    QSignalSpy changed(&bar, &UtilKor::propertyChanged);

    bar.SetGrabarEnabled(0);
    QCOMPARE(bar.GrabarEnabled(), false);
    bar.SetGrabarEnabled(-1);
    QCOMPARE(bar.GrabarEnabled(), true);
    bar.SetconsultarVisible(QStringLiteral("False"));
    QCOMPARE(bar.consultarVisible(), false);
    bar.SetTheme(2);

    QCOMPARE(spied(changed), (QStringList{"GrabarEnabled", "GrabarEnabled", "consultarVisible", "Theme"}));
}

void tst_UtilKor::theme_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("read");
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("3") << 3 << 0;
}

void tst_UtilKor::theme()
{
    QFETCH(int, set);
    QFETCH(int, read);
    testsupport::TempProgramFolder folder;
    UtilKor bar;
    QCOMPARE(bar.Theme(), qint16(0));
    bar.SetTheme(qint16(set));
    QCOMPARE(int(bar.Theme()), read);
}

void tst_UtilKor::actualizarBotonesRestoresEverything()
{
    testsupport::TempProgramFolder folder;
    UtilKor bar;
    bar.resize(700, 60);
    bar.show();
    QStringList all;
    for (const auto& [name, setter] : setters())
        all << name;
    setFalse(bar, all);
    QVERIFY(!bar.ConTitulo() && !bar.Enabled() && !bar.CerrarVisible());

    bar.ActualizarBotones();

    const QMap<QString, bool> saved = bar.WriteProperties();
    QCOMPARE(saved.size(), 18);
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        QVERIFY2(it.value(), qPrintable(it.key()));
    QCOMPARE(actions(bar).size(), 8);
    for (int i = 0; i < 8; ++i) {
        QVERIFY(button(bar, i)->isEnabled());
        QTRY_VERIFY(button(bar, i)->isVisible());
    }
    // Still one working bar after the rebuild.
    QSignalSpy spy(&bar, &UtilKor::click);
    QTest::mouseClick(button(bar, 6), Qt::LeftButton);
    QCOMPARE(spied(spy), QStringList{"GRABAR"});
}

void tst_UtilKor::savedProperties()
{
    testsupport::TempProgramFolder folder;
    UtilKor bar;
    bar.SetconsultarVisible(false);
    bar.SetNuevoEnabled(false);
    bar.SetTheme(2);

    const QMap<QString, bool> saved = bar.WriteProperties();
    const QStringList keys = {"ConTitulo", "Enabled", "NuevoEnabled", "BorrarEnabled", "ReporteEnabled",
                              "ConsultaEnabled", "PlanillaEnabled", "CancelarEnabled", "GrabarEnabled",
                              "CerrarEnabled", "NuevoVisible", "BorrarVisible", "ReporteVisible",
                              "ConsultarVisible", "PlanillaVisible", "CancelarVisible", "GrabarVisible",
                              "CerrarVisible"};
    QCOMPARE(QStringList(saved.keys()), [&] { QStringList k = keys; k.sort(); return k; }());
    QCOMPARE(saved.value("ConsultarVisible"), false);
    QCOMPARE(saved.value("NuevoEnabled"), false);

    // Reading: what is missing reads True; no change notice.
    UtilKor other;
    other.SetBorrarEnabled(false);
    QSignalSpy changed(&other, &UtilKor::propertyChanged);
    other.ReadProperties({{"ConsultarVisible", false}, {"GrabarEnabled", false}});
    QVERIFY(changed.isEmpty());
    QCOMPARE(other.consultarVisible(), false);
    QCOMPARE(other.GrabarEnabled(), false);
    QCOMPARE(other.BorrarEnabled(), true);
    QCOMPARE(other.Theme(), qint16(0));
}

void tst_UtilKor::stripChoice_data()
{
    QTest::addColumn<QByteArray>("iniFile");
    QTest::addColumn<int>("strip");   // index in kStripNames

    QTest::newRow("no INI: default 1") << QByteArray() << 1;
    QTest::newRow("1") << ini({"[OPERADORStyles]", "Styles=1"}) << 1;
    QTest::newRow("2") << ini({"[OPERADORStyles]", "Styles=2"}) << 2;
    QTest::newRow("3") << ini({"[OPERADORStyles]", "Styles=3"}) << 3;
    QTest::newRow("4: lower-case i") << ini({"[OPERADORStyles]", "Styles=4"}) << 4;
    QTest::newRow("empty") << ini({"[OPERADORStyles]", "Styles="}) << 0;
    QTest::newRow("5") << ini({"[OPERADORStyles]", "Styles=5"}) << 0;
    QTest::newRow("01") << ini({"[OPERADORStyles]", "Styles=01"}) << 0;
    QTest::newRow("another user's section") << ini({"[OTROStyles]", "Styles=3"}) << 1;
    QTest::newRow("section by the user name in capitals")
        << ini({"[operadorStyles]", "Styles=5", "[OPERADORSTYLES]", "Styles=2"}) << 0;
}

void tst_UtilKor::stripChoice()
{
    QFETCH(QByteArray, iniFile);
    QFETCH(int, strip);

    testsupport::TempProgramFolder folder;
    for (int s = 0; s < kStripNames.size(); ++s)
        folder.write(kStripNames.at(s), testStrip(s));
    if (!iniFile.isNull())
        folder.write("TZ417qv.INI", iniFile);

    UtilKor bar;

    QCOMPARE(bar.IconStrip(), kStripNames.at(strip));
    QVERIFY(bar.IconsLoaded());
    // Tile k of the strip on the k-th button; the key colour is transparent.
    const QList<QAction*> all = actions(bar);
    QCOMPARE(all.size(), 8);
    for (int k = 0; k < 8; ++k) {
        const QImage icon = all.at(k)->icon().pixmap(6, 6).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.pixelColor(3, 3), tileColour(strip, k));
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    }
}

void tst_UtilKor::stripForStyleText_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("strip");
    QTest::newRow("1") << "1" << "ABM2021B.bmp";
    QTest::newRow("2") << "2" << "ABM2021M.bmp";
    QTest::newRow("3") << "3" << "ABM2021V.bmp";
    QTest::newRow("4") << "4" << "ABM2021i.bmp";
    QTest::newRow("blank before 1") << " 1" << "ABM2021.bmp";
    QTest::newRow("empty") << "" << "ABM2021.bmp";
    QTest::newRow("0") << "0" << "ABM2021.bmp";
}

void tst_UtilKor::stripForStyleText()
{
    QFETCH(QString, style);
    QFETCH(QString, strip);
    QCOMPARE(UtilKor::IconStripFor(style), strip);
}

void tst_UtilKor::captionsWithoutStrip_data()
{
    QTest::addColumn<QByteArray>("stripBytes");   // null: no file
    QTest::addColumn<bool>("conTitulo");
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("missing, ConTitulo off") << QByteArray() << false;
    QTest::newRow("not an image") << QByteArray("BM this is no bitmap") << true;
    QTest::newRow("fewer than eight icons") << [] {
        QImage img(12, 6, QImage::Format_RGB32);
        img.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "BMP");
        return bytes;
    }() << true;
}

void tst_UtilKor::captionsWithoutStrip()
{
    QFETCH(QByteArray, stripBytes);
    QFETCH(bool, conTitulo);

    testsupport::TempProgramFolder folder;
    folder.write("TZ417qv.INI", ini({"[OPERADORStyles]", "Styles=2"}));
    if (!stripBytes.isNull())
        folder.write("ABM2021M.bmp", stripBytes);
    testsupport::ScriptedOperator op;   // no prompt may appear

    UtilKor bar;
    bar.SetConTitulo(conTitulo);
    bar.resize(700, 60);
    bar.show();

    QVERIFY(!bar.IconsLoaded());
    QCOMPARE(standard(bar)->toolButtonStyle(), Qt::ToolButtonTextOnly);
    const QStringList captions = {"Nuevo", "Borrar", "Reporte", "Consultar", "Planilla", "Cancelar", "Grabar", "Cerrar"};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(button(bar, i)->text(), captions.at(i));
        QVERIFY(button(bar, i)->icon().isNull());
    }
    QSignalSpy spy(&bar, &UtilKor::click);
    QTest::mouseClick(button(bar, 7), Qt::LeftButton);
    QCOMPARE(spied(spy), QStringList{"CERRAR"});
}

void tst_UtilKor::captionDisplay()
{
    testsupport::TempProgramFolder folder;
    folder.write("ABM2021B.bmp", testStrip(1));
    UtilKor bar;
    QCOMPARE(standard(bar)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    bar.SetConTitulo(false);
    QCOMPARE(standard(bar)->toolButtonStyle(), Qt::ToolButtonIconOnly);
    bar.SetConTitulo(true);
    QCOMPARE(standard(bar)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void tst_UtilKor::docking_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("wider than high: top") << QSize(600, 50) << Qt::Horizontal;
    QTest::newRow("higher than wide: left") << QSize(60, 400) << Qt::Vertical;
    QTest::newRow("square: left") << QSize(300, 300) << Qt::Vertical;
}

void tst_UtilKor::docking()
{
    QFETCH(QSize, size);
    QFETCH(Qt::Orientation, orientation);

    testsupport::TempProgramFolder folder;
    QWidget host;
    host.resize(800, 600);
    UtilKor* bar = new UtilKor(&host);
    bar->setGeometry(QRect(QPoint(0, 0), size));
    host.show();

    QCOMPARE(standard(*bar)->orientation(), orientation);
    QCOMPARE(standard(*bar)->geometry().topLeft(), QPoint(0, 0));

    // A rebuilt bar keeps its side.
    bar->ActualizarBotones();
    QCOMPARE(standard(*bar)->orientation(), orientation);
}

TESTSUPPORT_MAIN(tst_UtilKor)
#include "tst_UtilKor.moc"
