// The driver's pick lists: options ticked or chosen and the lines of a file, shown in
// the list lookup, with the width the longest text asks for.
#include "LookupFixture.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/LookupListModel.h"
#include "lookup/PickLists.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>

using lookuptest::LookupFixture;
using lookuptest::columnTexts;
using testsupport::ScriptedOperator;

namespace {

struct Seen {
    QString title;
    QString header;
    QStringList rows;
    QList<bool> ticks;
    bool nuevaVisible = true;
    int width = 0;
    int minimumWidth = 0;
    int screenWidth = 0;
};

Seen look(Lib_FrmCons3& frm)
{
    Seen seen;
    seen.title = frm.windowTitle();
    seen.header = frm.model()->header(0);
    seen.rows = columnTexts(frm, 0);
    for (int r = 0; r < frm.model()->rowCount(); ++r)
        seen.ticks << frm.model()->ticked(r);
    seen.nuevaVisible = frm.CmdNueva->isVisible();
    seen.width = frm.width();
    seen.minimumWidth = frm.minimumSizeHint().width();
    seen.screenWidth = frm.screen()->availableGeometry().width();
    return seen;
}

// The operator's keys on the list: `keys` in order, then Enter.
void press(Lib_FrmCons3& frm, const QList<Qt::Key>& keys)
{
    frm.ListView1->setFocus();
    for (Qt::Key key : keys)
        QTest::keyClick(frm.ListView1, key);
}

} // namespace

class TstLookupPickLists : public QObject {
    Q_OBJECT

private slots:
    void checkOptions_data()
    {
        QTest::addColumn<QVariantList>("options");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<bool>>("ticks");
        QTest::addColumn<QStringList>("chosen");
        const QStringList colours{"1Red", "0Green", "XBlue"};
        // Space on the second row ticks it.
        QTest::newRow("one by one") << QVariantList{colours.at(0), colours.at(1), colours.at(2)}
                                    << QStringList{"Red", "Green", "Blue"} << QList<bool>{true, false, false}
                                    << QStringList{"Red", "Green"};
        QTest::newRow("one list") << QVariantList{QVariant(colours)} << QStringList{"Red", "Green", "Blue"}
                                  << QList<bool>{true, false, false} << QStringList{"Red", "Green"};
        QTest::newRow("a single option is shown") << QVariantList{QStringLiteral("0Solo")} << QStringList{"Solo"}
                                                  << QList<bool>{false} << QStringList{"Solo"};
        QTest::newRow("no options") << QVariantList{} << QStringList{} << QList<bool>{} << QStringList{};
    }
    void checkOptions()
    {
        QFETCH(QVariantList, options);
        QFETCH(QStringList, rows);
        QFETCH(QList<bool>, ticks);
        QFETCH(QStringList, chosen);
        LookupFixture fx;
        ScriptedOperator op;
        Seen seen;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [&](QDialog& d) {
            auto& frm = static_cast<Lib_FrmCons3&>(d);
            seen = look(frm);
            press(frm, {Qt::Key_Down, Qt::Key_Space});
            QTest::mouseClick(frm.CmdAceptar, Qt::LeftButton);
            return int(QDialog::Accepted);
        });
        Lib_ClsCons3 driver;
        QCOMPARE(CheckOpciones(driver, QStringLiteral("Colores"), nullptr, options), QString());
        QCOMPARE(seen.title, QStringLiteral("Colores"));
        QCOMPARE(seen.header, QStringLiteral("Colores"));
        QVERIFY(!seen.nuevaVisible);
        QCOMPARE(seen.rows, rows);
        QCOMPARE(seen.ticks, ticks);
        QVERIFY(driver.Valores);
        QCOMPARE(*driver.Valores, chosen);
    }

    void menuOptions_data()
    {
        QTest::addColumn<QVariantList>("options");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("second") << QVariantList{"Uno", "Dos", "Tres"} << false << "Dos";
        QTest::newRow("one list") << QVariantList{QVariant(QStringList{"1Uno", "0Dos"})} << false << "0Dos";
        QTest::newRow("cancelled") << QVariantList{"Uno", "Dos", "Tres"} << true << "";
    }
    void menuOptions()
    {
        QFETCH(QVariantList, options);
        QFETCH(bool, cancel);
        QFETCH(QString, expected);
        LookupFixture fx;
        ScriptedOperator op;
        Seen seen;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [&](QDialog& d) {
            auto& frm = static_cast<Lib_FrmCons3&>(d);
            seen = look(frm);
            if (cancel) {
                QTest::mouseClick(frm.CmdCancelar, Qt::LeftButton);
                return int(QDialog::Rejected);
            }
            press(frm, {Qt::Key_Down, Qt::Key_Return});
            return int(QDialog::Accepted);
        });
        Lib_ClsCons3 driver;
        QCOMPARE(MenuOpciones(driver, QStringLiteral("Opciones"), options), expected);
        QCOMPARE(seen.ticks, QList<bool>(seen.rows.size(), false));
        QCOMPARE(seen.rows.size(), options.first().typeId() == QMetaType::QStringList ? 2 : 3);
    }

    void fileLines()
    {
        LookupFixture fx;
        const QString path =
            fx.folder.write(QStringLiteral("Lista.txt"), QByteArray("uno, dos, tres\r\nCaf\xe9 con leche\r\n\r\nfin\r\n"));
        ScriptedOperator op;
        Seen seen;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [&](QDialog& d) {
            auto& frm = static_cast<Lib_FrmCons3&>(d);
            seen = look(frm);
            // A pick list has no statement to narrow: F5 runs no query.
            QTest::keyClicks(frm.CmbSearch.first()->lineEdit(), QStringLiteral("fin"));
            QTest::keyClick(frm.CmbSearch.first()->lineEdit(), Qt::Key_F5);
            seen.rows = columnTexts(frm, 0);
            frm.ListView1->selectRow(0);
            press(frm, {Qt::Key_Return});
            return int(QDialog::Accepted);
        });
        Lib_ClsCons3 driver;
        QCOMPARE(ConsultaDesdeArchivo(driver, QStringLiteral("Archivo"), path, QStringLiteral(",")),
                 QStringLiteral("uno, dos, tres"));
        QCOMPARE(seen.rows, (QStringList{"uno, dos, tres", "Café con leche", "", "fin"}));
    }

    void missingFile()
    {
        LookupFixture fx;
        const QString path = fx.folder.filePath(QStringLiteral("no-esta.txt"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("No existe el archivo ") + path + QStringLiteral(" que desea consultar consulta "),
                        ui::vbOK, QString(), ui::vbOKOnly);
        Lib_ClsCons3 driver;
        QCOMPARE(ConsultaDesdeArchivo(driver, QStringLiteral("Archivo"), path, QString()), QString());
        QCOMPARE(op.shown().size(), 1);
        QCOMPARE(op.shown().first().text, QStringLiteral("No existe el archivo ") + path
                                              + QStringLiteral(" que desea consultar consulta "));
    }

    void widthFollowsTheLongestText_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("twips");   // 0: the screen's width; -1: what the buttons need
        QTest::newRow("the title") << QString(90, QLatin1Char('t')) << QStringList{"1corto"} << 90 * 120;
        QTest::newRow("an option with its mark") << QStringLiteral("T") << QStringList{"1" + QString(94, QLatin1Char('o'))}
                                                 << 95 * 120;
        QTest::newRow("wider than the screen") << QString(200, QLatin1Char('t')) << QStringList{} << 0;
        QTest::newRow("short texts keep the buttons") << QString(10, QLatin1Char('t')) << QStringList{"1abcdefg"} << -1;
    }
    void widthFollowsTheLongestText()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, options);
        QFETCH(int, twips);
        LookupFixture fx;
        ScriptedOperator op;
        Seen seen;
        op.expectForm(QStringLiteral("Lib_FrmCons3"), [&](QDialog& d) {
            seen = look(static_cast<Lib_FrmCons3&>(d));
            return int(QDialog::Rejected);
        });
        Lib_ClsCons3 driver;
        CheckOpciones(driver, title, nullptr, {QVariant(options)});
        if (twips > 0)
            QCOMPARE(seen.width, ui::TwipsToPixels(twips));
        else if (twips == 0)
            QCOMPARE(seen.width, seen.screenWidth);
        else
            QCOMPARE(seen.width, seen.minimumWidth);
    }
};

TESTSUPPORT_MAIN(TstLookupPickLists)
#include "tst_lookup_picklists.moc"
