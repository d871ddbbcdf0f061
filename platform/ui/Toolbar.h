#pragma once
// The Common Controls toolbar: buttons numbered from 1, each with a picture and a tool
// tip; pressing one raises ButtonClick with the button's index.
#include <QIcon>
#include <QString>
#include <QToolBar>
#include <deque>

class QAction;

namespace ui {

class ToolbarButton {
public:
    ToolbarButton(int index, QString key, QAction* action) : m_index(index), m_key(std::move(key)), m_action(action) {}
    int Index() const { return m_index; }
    QString Key() const { return m_key; }
    QString ToolTipText() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);
    QAction* Action() const { return m_action; }

private:
    int m_index;
    QString m_key;
    QAction* m_action;
};

class Toolbar : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    QString Name() const { return objectName(); }
    // Adds a button at the end and returns it. Without a picture the button shows its
    // tool tip as its caption.
    ToolbarButton& AddButton(const QString& ToolTipText, const QIcon& Image = QIcon(), const QString& Key = QString());
    int ButtonCount() const { return int(m_buttons.size()); }
    // A button by its index, from 1; any other index raises 35600.
    ToolbarButton& Buttons(int index);

signals:
    void ButtonClick(int Index);

private:
    std::deque<ToolbarButton> m_buttons;   // references stay valid as buttons are added
};

} // namespace ui
