// The column chooser: what the list offers for the columns and the previous choice,
// ticks, moves, and the texts it writes back.
#include "lookup/FrmCampos.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using testsupport::ScriptedOperator;

namespace {

// The list as "A* B": ticked items marked with "*".
QString listed(const FrmCampos& frm)
{
    QStringList items;
    for (int i = 0; i < frm.LstLista->count(); ++i)
        items << frm.LstLista->item(i)->text()
                     + (frm.LstLista->item(i)->checkState() == Qt::Checked ? QStringLiteral("*") : QString());
    return items.join(QLatin1Char(' '));
}

void selectItem(FrmCampos& frm, int position)
{
    frm.LstLista->setCurrentRow(position - 1);
}

// The operator's moves: "c2" ticks item 2, "u2"/"d2" select item 2 and press the up or
// down image, "A" applies, "T" ticks all and applies, "X" closes. Positions are 1-based.
void play(FrmCampos& frm, const QString& actions)
{
    for (const QString& a : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int position = a.mid(1).toInt();
        switch (a.at(0).toLatin1()) {
        case 'c':
            frm.LstLista->item(position - 1)->setCheckState(Qt::Checked);
            break;
        case 'u':
            selectItem(frm, position);
            QTest::mouseClick(frm.ImgSubir, Qt::LeftButton);
            break;
        case 'd':
            selectItem(frm, position);
            QTest::mouseClick(frm.ImgBajar, Qt::LeftButton);
            break;
        case 'A':
            QTest::mouseClick(frm.CmdAplica, Qt::LeftButton);
            break;
        case 'T':
            QTest::mouseClick(frm.CmdAll, Qt::LeftButton);
            break;
        case 'X':
            QTest::mouseClick(frm.ImgCancelar, Qt::LeftButton);
            break;
        }
    }
}

} // namespace

class TstLookupCampos : public QObject {
    Q_OBJECT

private slots:
    void chooser_data()
    {
        QTest::addColumn<QString>("campos");
        QTest::addColumn<QString>("sel");
        QTest::addColumn<QString>("ordinal");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("selOut");
        QTest::addColumn<QString>("ordinalOut");
        QTest::addColumn<QString>("ordenOut");
        QTest::addColumn<bool>("cancelled");

        const QString abc = QStringLiteral("[A]|[B]|[C]|");
        const QString abcd = QStringLiteral("[A]|[B]|[C]|[D]|");
        QTest::newRow("first choice") << abc << "" << "" << "c1 A" << "A* B" << "C" << "[A], [C]" << "1|"
                                      << "[A], [B], [C]" << false;
        QTest::newRow("nothing chosen") << abc << "" << "" << "A" << "A B" << "C" << "" << "" << "[A], [B], [C]" << false;
        QTest::newRow("the previous choice again") << abc << "[A], [C]" << "1|" << "A" << "A* B" << "C" << "[A], [C]"
                                                   << "1|" << "[A], [B], [C]" << false;
        QTest::newRow("the previous order first")
            << abcd << "[C], [A], [D]" << "1|2|" << "A" << "C* A* B" << "D" << "[C], [A], [D]" << "1|2|"
            << "[C], [A], [B], [D]" << false;
        QTest::newRow("whole names") << "Cod|Codigo|Fin|" << "[Codigo], [Fin]" << "1|" << "" << "Codigo* Cod" << "Fin"
                                     << "[Codigo], [Fin]" << "1|" << "" << false;
        QTest::newRow("all") << abc << "" << "" << "T" << "A* B*" << "C" << "[A], [B], [C]" << "1|2|"
                             << "[A], [B], [C]" << false;
        QTest::newRow("up one place, tick kept") << abcd << "" << "" << "c3 u3 A" << "A C* B" << "D" << "[C], [D]"
                                                 << "2|" << "[A], [C], [B], [D]" << false;
        QTest::newRow("down one place, tick kept") << abcd << "" << "" << "c1 d1 A" << "B A* C" << "D" << "[A], [D]"
                                                   << "2|" << "[B], [A], [C], [D]" << false;
        QTest::newRow("first up, last down: no change") << abcd << "" << "" << "u1 d3" << "A B C" << "D" << "" << ""
                                                        << "" << false;
        QTest::newRow("a second apply") << abc << "" << "" << "c2 A A" << "A B*" << "C" << "[B], [C]" << "2|"
                                        << "[A], [B], [C]" << false;
        QTest::newRow("closed") << abc << "[A], [C]" << "1|" << "c2 X" << "A* B*" << "C" << "[A], [C]" << "1|" << ""
                                << true;
        QTest::newRow("last entries without their bar") << "[A]|[B]" << "[A], [B]" << "1" << "A" << "A*" << "B"
                                                        << "[A], [B]" << "1|" << "[A], [B]" << false;
        QTest::newRow("no columns") << "" << "" << "" << "A" << "" << "" << "" << "" << "" << false;
    }
    void chooser()
    {
        QFETCH(QString, campos);
        QFETCH(QString, sel);
        QFETCH(QString, ordinal);
        QFETCH(QString, actions);
        QFETCH(QString, list);
        QFETCH(QString, fixed);
        QFETCH(QString, selOut);
        QFETCH(QString, ordinalOut);
        QFETCH(QString, ordenOut);
        QFETCH(bool, cancelled);

        FrmCampos frm;
        frm.gCampos = campos;
        frm.gCamposSel = sel;
        frm.gOrdinalSel = ordinal;
        frm.show();   // loads
        QCOMPARE(frm.gCampos, QString());
        QCOMPARE(frm.CampoFijo(), fixed);
        play(frm, actions);
        QCOMPARE(listed(frm), list);
        QCOMPARE(frm.gCamposSel, selOut);
        QCOMPARE(frm.gOrdinalSel, ordinalOut);
        QCOMPARE(frm.gCamposOrden, ordenOut);
        QCOMPARE(frm.cancelar, cancelled);
        if (actions.contains(QLatin1Char('A')) || actions.contains(QLatin1Char('X')) || actions.contains(QLatin1Char('T')))
            QVERIFY(frm.isHidden());
    }

    void downWithoutKeepingTheChoice()
    {
        FrmCampos frm;
        frm.gCampos = QStringLiteral("[A]|[B]|[C]|[D]|");
        frm.show();
        selectItem(frm, 1);
        frm.ImgBaja_Click();
        QCOMPARE(listed(frm), QStringLiteral("B A C"));
        QCOMPARE(frm.LstLista->currentRow(), 1);
        frm.ImgBajar_Click();
        QCOMPARE(listed(frm), QStringLiteral("B C A"));
        QVERIFY(frm.LstLista->selectedItems().isEmpty());
    }

    void plainList_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("selOut");
        QTest::addColumn<QString>("ordinalOut");
        QTest::newRow("chosen, positions from 0") << QList<int>{0, 2} << false << "[X], [Z], [F]" << "0|2|";
        QTest::newRow("Todas") << QList<int>{} << true << "[X], [Y], [Z], [F]" << "0|1|2|";
        QTest::newRow("none") << QList<int>{} << false << "" << "";
    }
    void plainList()
    {
        QFETCH(QList<int>, selected);
        QFETCH(bool, all);
        QFETCH(QString, selOut);
        QFETCH(QString, ordinalOut);
        ScriptedOperator op;
        FrmCampos frm;
        frm.gCampos = QStringLiteral("[A]|[F]|");
        frm.LstCampos->addItems({"X", "Y", "Z"});
        op.expectForm(QStringLiteral("FrmCampos"), [&](QDialog&) {
            for (int i : selected)
                frm.LstCampos->item(i)->setSelected(true);
            QTest::mouseClick(all ? frm.cmdTodos : frm.cmdAplicar, Qt::LeftButton);
            return int(QDialog::Accepted);
        });
        ui::ShowModal(frm);
        QCOMPARE(frm.CampoFijo(), QStringLiteral("F"));
        QCOMPARE(frm.gCamposSel, selOut);
        QCOMPARE(frm.gOrdinalSel, ordinalOut);
        QCOMPARE(frm.gCamposOrden, QStringLiteral("[X], [Y], [Z], [F]"));
        QVERIFY(!frm.cancelar);
    }

    void closeImageHighlights()
    {
        FrmCampos frm;
        frm.show();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(frm.ImgCancelar, &enter);
        QCOMPARE(frm.Shape1State(), 1);
        QTest::mouseMove(frm.Label1);
        QCOMPARE(frm.Shape1State(), 0);
        QCOMPARE(frm.ImgCancelar->toolTip(), QStringLiteral("Cerrar"));
    }
};

TESTSUPPORT_MAIN(TstLookupCampos)
#include "tst_lookup_campos.moc"
