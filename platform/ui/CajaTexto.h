#pragma once
// The suite's edit box: a line edit that carries its bound field (DataField), the lookup
// it opens (Tag), its longest text (MaxLength), its index in its control group and its
// validation mark (DataChanged), and raises VB's focus, key, mouse and Validate events
// with VB key codes.
//
// It takes text as a Windows edit box does: a typed character replaces the selection,
// whatever the limit; a character that does not fit is refused whole (never half of
// it); Ctrl+V and Shift+Insert paste the clipboard as if its characters were typed, each
// through KeyPress, and a paste that does not fit is refused whole, the box unchanged.
// Ctrl+A selects the whole text, Ctrl+C (Ctrl+Insert) copies and Ctrl+X (Shift+Delete)
// cuts the selection. The limit bounds only what the operator enters:
// text set by the program is never cut, and changing the limit leaves the text, the
// caret and the selection alone.
#include <QClipboard>
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
    // The most characters (UTF-16 units, as VB's Len counts them) the operator may enter;
    // 0 is no limit.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    // The box keeps its own limit: QLineEdit's would cut the text and drop the selection.
    void setMaxLength(int) = delete;
    int maxLength() const = delete;

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
    // A handler that sets Cancel keeps the focus in the box (no LostFocus is raised).
    void Validate(bool& Cancel);
    // A handler that sets KeyCode to 0 keeps the box from acting on the key.
    void KeyDown(int& KeyCode, int Shift);
    // A handler may change the character or drop it (0).
    void KeyPress(int& KeyAscii);
    void MouseDown(int Button, int Shift, double X, double Y);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What the box takes of a text entered at once (pasted, composed): its printable
    // characters, each as KeyPress leaves it.
    QString admitted(const QString& text);
    // Units the operator may still enter, the selection counted as given up.
    int room() const;
    // True when the operator may enter `text` in place of the selection: the box takes
    // edits and the text is no longer than the room left.
    bool fits(const QString& text) const;
    // Enters `text` in place of the selection; false (nothing entered) when it does not fit.
    bool enter(const QString& text);
    void pasteAsTyped(QClipboard::Mode mode);
    // Select all, copy and cut; true when the key was one of them.
    bool editShortcut(QKeyEvent* event);

    int m_index = -1;
    int m_maxLength = 0;
    bool m_focused = false;    // has the focus as VB counts it (a message box does not take it)
    bool m_keepingFocus = false;   // a cancelled Validate takes the focus back: no new GotFocus
    bool m_dataChanged = false;
    long m_backColor = 0xFFFFFF;
};
