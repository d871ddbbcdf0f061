#include "tests/support/KeyTyping.h"

#include <QTest>

namespace testsupport {

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        // Keys of Latin-1 characters carry the upper-case character's code ("ó" is
        // Key_Oacute, "'" Key_Apostrophe).
        const ushort upper = c.toUpper().unicode();
        const Qt::Key key = upper < 0x100 ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

} // namespace testsupport
