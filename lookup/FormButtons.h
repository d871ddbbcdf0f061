#pragma once
// The framed strip of command buttons at the foot of the lookup forms.
#include <QList>

class QFrame;
class QPushButton;
class QWidget;

namespace lookup {

// The strip, named Frame1, on the form.
QFrame* NewButtonFrame(QWidget* form);
// A button on the strip; Enter on the form's other controls never presses it.
QPushButton* NewButton(QFrame* frame, const char* name, const char* caption);
// The left buttons, then the free space, then the right ones.
void LayOutButtons(QFrame* frame, const QList<QPushButton*>& left, const QList<QPushButton*>& right);

} // namespace lookup
