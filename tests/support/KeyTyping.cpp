#include "tests/support/KeyTyping.h"

#include <QTest>

namespace testsupport {

void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane (an emoji) is one key with both halves
        // of its surrogate pair as the event's text, as a keyboard or an input method
        // gives it.
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        // Keys of Latin-1 characters carry the upper-case character's code ("ó" is
        // Key_Oacute, "'" Key_Apostrophe).
        const ushort upper = character.at(0).toUpper().unicode();
        const Qt::Key key = !pair && upper < 0x100 ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, character, Qt::NoModifier);
    }
}

} // namespace testsupport
