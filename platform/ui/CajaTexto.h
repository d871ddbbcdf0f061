#pragma once
// The suite's edit box: a line edit that carries its bound field (DataField), the lookup
// it opens (Tag), its longest text (MaxLength), its index in its control group and its
// validation mark (DataChanged), and raises VB's focus, key, mouse and Validate events
// with VB key codes.
#include <QLineEdit>
#include <QString>

class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaTexto(QWidget* parent = nullptr, int index = -1);

    // Kept as dynamic properties, where AyudaEdicion's IndiceCampo reads DataField.
    QString DataField() const;
    void SetDataField(const QString& field);
    QString Tag() const;
    void SetTag(const QString& tag);
    int Index() const { return m_index; }
    // The most characters the box takes; 0 is no limit.
    int MaxLength() const;
    void SetMaxLength(int length);

    // True while the text still has to be validated when the box is left.
    bool DataChanged() const { return m_dataChanged; }
    void SetDataChanged(bool changed) { m_dataChanged = changed; }

    // VB's BackColor (&HBBGGRR) of the box.
    void SetBackColor(long bbggrr);
    long BackColor() const { return m_backColor; }

signals:
    void GotFocus();
    void LostFocus();
    // Raised when the focus leaves for another control of the program, before LostFocus.
    void Validate(bool& Cancel);
    // A handler that sets KeyCode to 0 keeps the box from acting on the key.
    void KeyDown(int& KeyCode, int Shift);
    // A handler may change the character or drop it (0).
    void KeyPress(int& KeyAscii);
    void MouseDown(int Button, int Shift, double X, double Y);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_index = -1;
    bool m_focused = false;   // has the focus as VB counts it (a message box does not take it)
    bool m_dataChanged = false;
    long m_backColor = 0xFFFFFF;
};
