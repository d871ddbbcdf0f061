#pragma once
// Keyboard help for the suite's edit boxes: which box is bound to a field, which keys
// end an entry, where the focus goes next, and which typed characters a box takes.
// A box carries the name of its bound field in the dynamic property "DataField".
#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace zeltrix {

class AyudaEdicion {
public:
    // The index in Controles of the first box whose DataField equals Campo, case and
    // outer blanks ignored; -1 when none is.
    int IndiceCampo(const QString& Campo, const QList<QObject*>& Controles) const;
    // Any list or array of pointers to boxes (a form's group of QLineEdit*, …).
    template <class Group>
    int IndiceCampo(const QString& Campo, const Group& Controles) const
    {
        QList<QObject*> boxes;
        for (auto* box : Controles)
            boxes.append(box);
        return IndiceCampo(Campo, boxes);
    }

    // True for the keys that end the entry of a box: Enter, Esc, Up and Down.
    bool EsTeclaConfirmar(int KeyCode) const;
    // Moves the focus on from the focused box: Enter and Down to the next control in
    // tab order, Up to the previous one; other keys leave the focus where it is.
    void MueveFoco(int KeyCode) const;
    // Lets printable characters through and drops (sets to 0) control characters,
    // backspace excepted.
    void FiltraTecla(QWidget* Caja, int& KeyAscii) const;
};

} // namespace zeltrix
