#pragma once
// The tabbed container SSTab: tabs numbered from 0, each with a caption, a visibility
// and a page that holds the tab's controls.
#include <QString>
#include <QTabWidget>

namespace ui {

class SSTab : public QTabWidget {
    Q_OBJECT
public:
    explicit SSTab(QWidget* parent = nullptr, int tabs = 3);

    QString Name() const { return objectName(); }
    int Tabs() const { return count(); }
    // The tab in front.
    int Tab() const { return currentIndex(); }
    void SetTab(int index);

    // An index outside 0..Tabs - 1 raises 380.
    bool TabVisible(int index) const;
    void SetTabVisible(int index, bool visible);
    QString TabCaption(int index) const;
    void SetTabCaption(int index, const QString& caption);
    QWidget* Page(int index) const;

private:
    void check(int index) const;
};

} // namespace ui
