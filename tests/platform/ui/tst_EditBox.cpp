// What the suite's edit box takes from the operator: a typed character in place of the
// selection whatever the limit, whole characters only at the limit, a paste taken as
// typed text, a limit that leaves the text alone; and a Validate that keeps the focus.
#include "platform/ui/CajaTexto.h"
#include "tests/support/KeyTyping.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Shown and focused, as the operator finds a box.
struct Box {
    explicit Box(int limit)
    {
        box.SetMaxLength(limit);
        box.show();
        QApplication::setActiveWindow(&box);
        box.setFocus(Qt::OtherFocusReason);
    }
    CajaTexto box;
};

// Two boxes in one window; the first has the focus.
struct TwoBoxes {
    TwoBoxes()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
        first->setFocus(Qt::OtherFocusReason);
    }
    QWidget window;
    CajaTexto* first = new CajaTexto;
    CajaTexto* second = new CajaTexto;
};

} // namespace

class TstEditBox : public QObject {
    Q_OBJECT

private slots:
    // The limit is five units; -1 puts the caret at the end without a selection.
    void typedCharacterAtTheLimit_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full, all selected: replaced") << "12345" << 0 << 5 << "7" << "7";
        QTest::newRow("full, part selected: replaced") << "12345" << 1 << 3 << "7" << "175";
        QTest::newRow("full, nothing selected: refused") << "12345" << -1 << 0 << "7" << "12345";
        QTest::newRow("one unit left, an emoji: refused whole") << "ABCD" << -1 << 0 << "😀" << "ABCD";
        QTest::newRow("two units left, an emoji") << "ABC" << -1 << 0 << "😀" << "ABC😀";
        QTest::newRow("full, one letter selected, an emoji: refused") << "ABCDE" << 4 << 1 << "😀" << "ABCDE";
        QTest::newRow("full, two letters selected, an emoji") << "ABCDE" << 3 << 2 << "😀" << "ABC😀";
        QTest::newRow("a letter outside Windows-1252") << "AB" << -1 << 0 << "Łx" << "ABŁx";
    }
    void typedCharacterAtTheLimit()
    {
        QFETCH(QString, start);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Box b(5);
        b.box.setText(start);
        if (selStart >= 0)
            b.box.setSelection(selStart, selLength);
        testsupport::TypeText(&b.box, typed);
        QCOMPARE(b.box.text(), expected);
    }

    // Changing the limit (as a cell editor does on every key) keeps the text, the caret
    // and the selection; text the program sets is never cut; a box holding more than
    // its limit takes a typed character only in place of enough selected text.
    void limitLeavesTheTextAlone()
    {
        Box b(0);
        b.box.setText(QStringLiteral("0123456789"));
        b.box.setSelection(2, 3);
        b.box.SetMaxLength(4);
        QCOMPARE(b.box.text(), QStringLiteral("0123456789"));
        QCOMPARE(b.box.selectedText(), QStringLiteral("234"));
        QCOMPARE(b.box.MaxLength(), 4);
        QTest::keyClick(&b.box, Qt::Key_X);
        QCOMPARE(b.box.text(), QStringLiteral("0123456789"));
        b.box.selectAll();
        QTest::keyClick(&b.box, Qt::Key_X);
        QCOMPARE(b.box.text(), QStringLiteral("x"));
        b.box.setText(QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(b.box.text(), QStringLiteral("ABCDEFGHIJ"));
    }

    // A KeyPress handler that changes the character gets the Windows-1252 character of
    // its code (128 is the euro sign).
    void keyPressMayChangeTheCharacter()
    {
        Box b(0);
        connect(&b.box, &CajaTexto::KeyPress, &b.box, [](int& k) {
            if (k == 'e')
                k = 128;
        });
        QTest::keyClicks(&b.box, QStringLiteral("5e"));
        QCOMPARE(b.box.text(), QStringLiteral("5€"));
    }

    void pasteIsTypedText_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("upperLettersOnly");   // a KeyPress handler that drops all but letters
        QTest::addColumn<QString>("expected");
        const int ctrlV = Qt::Key_V;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+V") << ctrlV << ctrl << "abc" << 0 << false << "abc";
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "abc" << 0 << false << "abc";
        QTest::newRow("exactly the limit") << ctrlV << ctrl << "0001-00046206" << 13 << false << "0001-00046206";
        QTest::newRow("past the limit: refused whole") << ctrlV << ctrl << "0001-000461109999" << 13 << false << "";
        QTest::newRow("line breaks and tabs are keys, not text") << ctrlV << ctrl << "\t01/12/2026\r\n" << 10 << false
                                                                 << "01/12/2026";
        QTest::newRow("emojis past the limit: refused whole") << ctrlV << ctrl << "VW😀😀😀😀😀😀" << 13 << false << "";
        QTest::newRow("an accent past the limit: refused whole") << ctrlV << ctrl << QStringLiteral("abe\u0301") << 3
                                                                 << false << "";
        QTest::newRow("through the box's KeyPress") << ctrlV << ctrl << "a1b2c3" << 0 << true << "ABC";
    }
    void pasteIsTypedText()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clip);
        QFETCH(int, limit);
        QFETCH(bool, upperLettersOnly);
        QFETCH(QString, expected);
        Box b(limit);
        if (upperLettersOnly)
            connect(&b.box, &CajaTexto::KeyPress, &b.box, [](int& k) {
                k = (k >= 'a' && k <= 'z') ? k - 32 : 0;
            });
        QApplication::clipboard()->setText(clip);
        QTest::keyClick(&b.box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(b.box.text(), expected);
    }

    // A paste that does not fit what is left of the box leaves the box as it was: its
    // text, and the selection it would have replaced.
    void pasteThatDoesNotFitLeavesTheBox_data()
    {
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing selected, one too many") << -1 << 0 << "xyz" << "ABCDE";
        QTest::newRow("nothing selected, fits") << -1 << 0 << "xy" << "ABCDExy";
        QTest::newRow("a selection, too long for it") << 1 << 2 << "wxyzv" << "ABCDE";
        QTest::newRow("a selection, fits in its place") << 1 << 2 << "wxyz" << "AwxyzDE";
    }
    void pasteThatDoesNotFitLeavesTheBox()
    {
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, clip);
        QFETCH(QString, expected);
        Box b(7);
        b.box.setText(QStringLiteral("ABCDE"));
        if (selStart >= 0)
            b.box.setSelection(selStart, selLength);
        QApplication::clipboard()->setText(clip);
        QTest::keyClick(&b.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.box.text(), expected);
        if (b.box.text() == QLatin1String("ABCDE") && selStart >= 0)
            QCOMPARE(b.box.selectedText(), QStringLiteral("ABCDE").mid(selStart, selLength));
    }

    // Ctrl+A, Ctrl+C and Ctrl+X as in any edit box of the desktop (also Ctrl+Insert and
    // Shift+Delete), and a character typed after Ctrl+A replaces the whole text, even in
    // a full box.
    void editKeys_data()
    {
        QTest::addColumn<QString>("keys");       // A select all, C copy, X cut, I Ctrl+Insert, D Shift+Delete, V paste, letters typed
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("Ctrl+A, typed") << "A7" << -1 << 0 << "7" << "before";
        QTest::newRow("Ctrl+A, Ctrl+C") << "AC" << -1 << 0 << "12345" << "12345";
        QTest::newRow("Ctrl+A, Ctrl+X") << "AX" << -1 << 0 << "" << "12345";
        QTest::newRow("part, Ctrl+C") << "C" << 1 << 2 << "12345" << "23";
        QTest::newRow("part, Ctrl+X") << "X" << 1 << 2 << "145" << "23";
        QTest::newRow("part, Ctrl+Insert") << "I" << 3 << 2 << "12345" << "45";
        QTest::newRow("part, Shift+Delete") << "D" << 0 << 1 << "2345" << "1";
        QTest::newRow("Ctrl+X, Ctrl+V elsewhere") << "XV" << 0 << 2 << "34512" << "12";
        QTest::newRow("Ctrl+A, Ctrl+V of what it held") << "ACV" << -1 << 0 << "12345" << "12345";
    }
    void editKeys()
    {
        QFETCH(QString, keys);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, text);
        QFETCH(QString, clipboard);
        Box b(5);
        b.box.setText(QStringLiteral("12345"));
        if (selStart >= 0)
            b.box.setSelection(selStart, selLength);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        for (const QChar k : keys) {
            switch (k.unicode()) {
            case 'A': QTest::keyClick(&b.box, Qt::Key_A, Qt::ControlModifier); break;
            case 'C': QTest::keyClick(&b.box, Qt::Key_C, Qt::ControlModifier); break;
            case 'X': QTest::keyClick(&b.box, Qt::Key_X, Qt::ControlModifier); break;
            case 'I': QTest::keyClick(&b.box, Qt::Key_Insert, Qt::ControlModifier); break;
            case 'D': QTest::keyClick(&b.box, Qt::Key_Delete, Qt::ShiftModifier); break;
            case 'V':
                b.box.setCursorPosition(int(b.box.text().size()));
                QTest::keyClick(&b.box, Qt::Key_V, Qt::ControlModifier);
                break;
            default: testsupport::TypeText(&b.box, QString(k)); break;
            }
        }
        QCOMPARE(b.box.text(), text);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    void pasteReplacesTheSelection()
    {
        Box b(5);
        b.box.setText(QStringLiteral("ABCDE"));
        b.box.setSelection(1, 3);
        QApplication::clipboard()->setText(QStringLiteral("xyz"));
        QTest::keyClick(&b.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.box.text(), QStringLiteral("AxyzE"));
    }

    // Cancel keeps the focus in the box: no LostFocus, no second GotFocus, and the click
    // that was taking the focus to the other box does nothing there. Without Cancel the
    // focus moves as usual.
    void validateCancelKeepsTheFocus_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("byClick");
        QTest::newRow("Tab, cancelled") << true << false;
        QTest::newRow("click, cancelled") << true << true;
        QTest::newRow("Tab") << false << false;
        QTest::newRow("click") << false << true;
    }
    void validateCancelKeepsTheFocus()
    {
        QFETCH(bool, cancel);
        QFETCH(bool, byClick);
        TwoBoxes w;
        w.first->setText(QStringLiteral("refused"));
        QTRY_VERIFY(w.first->hasFocus());
        bool refuse = cancel;
        connect(w.first, &CajaTexto::Validate, w.first, [&refuse](bool& c) { c = refuse; });
        QSignalSpy lost(w.first, &CajaTexto::LostFocus);
        QSignalSpy got(w.first, &CajaTexto::GotFocus);
        QSignalSpy clicked(w.second, &CajaTexto::MouseDown);
        if (byClick)
            QTest::mouseClick(w.second, Qt::LeftButton);
        else
            QTest::keyClick(w.first, Qt::Key_Tab);
        QCOMPARE(w.first->hasFocus(), cancel);
        QCOMPARE(w.second->hasFocus(), !cancel);
        QCOMPARE(lost.count(), cancel ? 0 : 1);
        QCOMPARE(got.count(), 0);
        if (byClick)
            QCOMPARE(clicked.count(), cancel ? 0 : 1);
        // once the value is taken, the next click is the operator's own again
        refuse = false;
        QTest::qWait(0);
        QTest::mouseClick(w.second, Qt::LeftButton);
        QVERIFY(w.second->hasFocus());
        if (byClick)
            QCOMPARE(clicked.count(), cancel ? 1 : 2);
    }
};

TESTSUPPORT_MAIN(TstEditBox)
#include "tst_EditBox.moc"
