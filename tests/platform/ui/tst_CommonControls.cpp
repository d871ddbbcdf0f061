// The status bar, tab control, toolbar and edit box that voucher forms and dialogs carry.
#include "platform/ui/CajaTexto.h"
#include "platform/ui/SSTab.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/Toolbar.h"
#include "platform/vb/VbError.h"
#include "tests/support/TestMain.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TstCommonControls : public QObject {
    Q_OBJECT

private slots:
    void statusBarPanelsCountFromOne()
    {
        ui::StatusBar bar;
        bar.Panels().Add();
        bar.Panels().Add(QStringLiteral("Stock"), QStringLiteral("Stock: 0"));
        QCOMPARE(bar.Panels().Count(), 2);
        QCOMPARE(bar.Panels(2).Key(), QStringLiteral("Stock"));
        QCOMPARE(bar.Panels(2).Text(), QStringLiteral("Stock: 0"));
        QCOMPARE(bar.Panels(2).Index(), 2);
        bar.Panels(1).SetText(QStringLiteral("A1 - Uno"));
        QCOMPARE(bar.Panels()(1).Text(), QStringLiteral("A1 - Uno"));
        QCOMPARE(bar.Panels(1).Key(), QString());
    }

    void statusBarIndexOutOfBounds_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("zero") << 0;
        QTest::newRow("past the last") << 3;
        QTest::newRow("negative") << -1;
    }
    void statusBarIndexOutOfBounds()
    {
        QFETCH(int, index);
        ui::StatusBar bar;
        bar.Panels().Add();
        bar.Panels().Add();
        try {
            bar.Panels(index).SetText(QStringLiteral("x"));
            QFAIL("no error");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 35600);
        }
    }

    void tabsVisibleAndCaptioned()
    {
        ui::SSTab tabs(nullptr, 3);
        QCOMPARE(tabs.Tabs(), 3);
        tabs.SetTabCaption(1, QStringLiteral("Artículos"));
        QCOMPARE(tabs.TabCaption(1), QStringLiteral("Artículos"));
        QVERIFY(tabs.TabVisible(0));
        tabs.SetTabVisible(0, false);
        QVERIFY(!tabs.TabVisible(0));
        QVERIFY(tabs.TabVisible(2));
        QVERIFY(tabs.Page(2) != nullptr);
        for (int bad : {-1, 3}) {
            try {
                tabs.TabVisible(bad);
                QFAIL("no error");
            } catch (const vb::VbError& e) {
                QCOMPARE(e.Number, 380);
            }
        }
    }

    void toolbarClickReportsTheButtonIndex()
    {
        QWidget form;
        ui::Toolbar bar(&form);
        bar.AddButton(QStringLiteral("Llenar las demas celdas con el valor de las seleccionadas"));
        bar.AddButton(QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada"));
        bar.AddButton(QStringLiteral("Proponer Automaticamente"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(bar.ButtonCount(), 3);
        QCOMPARE(bar.Buttons(2).ToolTipText(), QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada"));
        QSignalSpy clicks(&bar, &ui::Toolbar::ButtonClick);
        for (int index : {3, 1}) {
            auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(bar.Buttons(index).Action()));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.at(0).at(0).toInt(), 3);
        QCOMPARE(clicks.at(1).at(0).toInt(), 1);
        // A disabled button reports nothing.
        bar.Buttons(1).SetEnabled(false);
        QTest::mouseClick(bar.widgetForAction(bar.Buttons(1).Action()), Qt::LeftButton);
        QCOMPARE(clicks.count(), 2);
        try {
            bar.Buttons(4);
            QFAIL("no error");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 35600);
        }
    }

    void editBoxMaxLengthZeroIsNoLimit()
    {
        CajaTexto box;
        QCOMPARE(box.MaxLength(), 0);
        box.SetMaxLength(4);
        QCOMPARE(box.MaxLength(), 4);
        box.show();
        QTest::keyClicks(&box, QStringLiteral("ABCDEF"));
        QCOMPARE(box.text(), QStringLiteral("ABCD"));
        box.SetMaxLength(0);
        QCOMPARE(box.MaxLength(), 0);
        QTest::keyClicks(&box, QStringLiteral("EFGH"));
        QCOMPARE(box.text(), QStringLiteral("ABCDEFGH"));
    }
};

TESTSUPPORT_MAIN(TstCommonControls)
#include "tst_CommonControls.moc"
