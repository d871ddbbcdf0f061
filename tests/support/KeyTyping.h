#pragma once
// Typing any text as a keyboard does: one key press and release per character (an emoji
// is one), with the key a keyboard reports for it and the character as the event's text.
// QTest's own keyClicks knows ASCII only ("Nación" stops it).
#include <QString>

class QWidget;

namespace testsupport {

void TypeText(QWidget* widget, const QString& text);

} // namespace testsupport
