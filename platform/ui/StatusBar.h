#pragma once
// The Common Controls status bar: panels numbered from 1, each with its Text and Key.
#include <QLabel>
#include <QStatusBar>
#include <QString>
#include <vector>

namespace ui {

class StatusBar;

// One panel: a label in the bar that carries a key.
class StatusBarPanel : public QLabel {
    Q_OBJECT
public:
    StatusBarPanel(int index, const QString& key, QWidget* parent);

    int Index() const { return m_index; }
    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    QString Key() const { return m_key; }
    void SetKey(const QString& key) { m_key = key; }

private:
    int m_index;
    QString m_key;
};

// The bar's Panels collection.
class StatusBarPanels {
public:
    explicit StatusBarPanels(StatusBar& bar) : m_bar(bar) {}
    int Count() const { return int(m_panels.size()); }
    // A panel by its index, from 1; any other index raises 35600.
    StatusBarPanel& Item(int index) const;
    StatusBarPanel& operator()(int index) const { return Item(index); }
    // A new panel at the end.
    StatusBarPanel& Add(const QString& key = QString(), const QString& text = QString());

private:
    StatusBar& m_bar;
    std::vector<StatusBarPanel*> m_panels;
};

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    QString Name() const { return objectName(); }
    StatusBarPanels& Panels() { return m_panels; }
    StatusBarPanel& Panels(int index) { return m_panels.Item(index); }

private:
    StatusBarPanels m_panels{*this};
};

} // namespace ui
