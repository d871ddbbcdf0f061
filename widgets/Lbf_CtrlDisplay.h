#pragma once
// The progress notice's window: borderless, centred, translucent, white, with three
// centred lines, a 12-frame animation on its own timer and an optional cancel button.
// The cancel state is the button's caption: "&Cancelar" until pressed, "Abortado" after.
#include <QPixmap>
#include <QVector>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

class Lbf_CtrlDisplay : public QWidget {
    Q_OBJECT
public:
    explicit Lbf_CtrlDisplay(QWidget* parent = nullptr);

    QLabel* LblCtrol[3] = {nullptr, nullptr, nullptr};
    QLabel* Image1 = nullptr;
    QVector<QPixmap> ImageList1;          // frames 1 to 12 at indexes 0 to 11
    QTimer* Timer1 = nullptr;
    QPushButton* CmdDisplayCancelar = nullptr;

    // The frame shown in Image1 (1 to 12).
    int CurrentFrame() const { return m_currentFrame; }

public slots:
    void Timer1_Timer();
    void CmdDisplayCancelar_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void showFrame(int number);

    qint16 m_counter = 0;
    int m_currentFrame = 0;
};
