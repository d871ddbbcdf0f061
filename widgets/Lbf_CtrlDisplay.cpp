#include "widgets/Lbf_CtrlDisplay.h"
#include "platform/ui/Metrics.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtMath>

namespace {

// Layout in twips, as the form was drawn.
constexpr int kClientWidth = 7845, kClientHeight = 2970;
constexpr int kLineWidth = 7815, kLineHeight = 255;
constexpr int kLineTops[3] = {240, 600, 960};
constexpr int kImageLeft = 3480, kImageTop = 1320;
constexpr int kButtonLeft = 3120, kButtonTop = 2400, kButtonWidth = 1695, kButtonHeight = 375;
constexpr int kFrameSide = 32;
constexpr int kFrames = 12;

int px(int twips) { return ui::TwipsToPixels(twips); }

// Frame n of the animation: twelve dots in a ring, the n-th one lit with a fading tail.
QPixmap animationFrame(int n)
{
    QPixmap frame(kFrameSide, kFrameSide);
    frame.fill(Qt::white);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kFrameSide / 2.0, kFrameSide / 2.0);
    for (int i = 0; i < kFrames; ++i) {
        const int behind = (n - 1 - i + kFrames) % kFrames;   // 0: the lit dot
        const double angle = qDegreesToRadians(i * 360.0 / kFrames - 90.0);
        const QPointF centre(12.0 * qCos(angle), 12.0 * qSin(angle));
        QColor colour(0, 84, 166);
        if (behind > 3)
            colour = QColor(205, 214, 226);
        else
            colour = QColor::fromRgbF(colour.redF() + (0.80 - colour.redF()) * behind / 4.0,
                                      colour.greenF() + (0.84 - colour.greenF()) * behind / 4.0,
                                      colour.blueF() + (0.89 - colour.blueF()) * behind / 4.0);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(centre, behind == 0 ? 3.3 : 2.6, behind == 0 ? 3.3 : 2.6);
    }
    return frame;
}

} // namespace

Lbf_CtrlDisplay::Lbf_CtrlDisplay(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Lbf_CtrlDisplay"));
    setWindowTitle(QStringLiteral("Procesando Datos"));
    // The notice informs; it must not take the focus from the form whose loop it reports
    // on (a focus change there would run that form's field validation inside the loop).
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFixedSize(px(kClientWidth), px(kClientHeight));

    QFont lineFont(QStringLiteral("MS Sans Serif"));
    lineFont.setPointSize(12);
    lineFont.setBold(true);
    // The lines keep their centres; a font taller than the drawn height gets its room.
    const int lineHeight = qMax(px(kLineHeight), QFontMetrics(lineFont).height());
    for (int i = 0; i < 3; ++i) {
        QLabel* line = new QLabel(this);
        line->setObjectName(QStringLiteral("LblCtrol_%1").arg(i));
        line->setTextFormat(Qt::PlainText);
        line->setAlignment(Qt::AlignCenter);
        line->setFont(lineFont);
        line->setAutoFillBackground(true);
        line->setPalette(pal);
        const int centre = px(kLineTops[i]) + px(kLineHeight) / 2;
        line->setGeometry(0, centre - lineHeight / 2, px(kLineWidth), lineHeight);
        LblCtrol[i] = line;
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(px(kImageLeft), px(kImageTop), kFrameSide, kFrameSide);
    for (int n = 1; n <= kFrames; ++n)
        ImageList1.append(animationFrame(n));

    CmdDisplayCancelar = new QPushButton(this);
    CmdDisplayCancelar->setObjectName(QStringLiteral("CmdDisplayCancelar"));
    CmdDisplayCancelar->setGeometry(px(kButtonLeft), px(kButtonTop), px(kButtonWidth), px(kButtonHeight));
    connect(CmdDisplayCancelar, &QPushButton::clicked, this, &Lbf_CtrlDisplay::CmdDisplayCancelar_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Lbf_CtrlDisplay::Timer1_Timer);

    Form_Load();
}

void Lbf_CtrlDisplay::Form_Load()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    CmdDisplayCancelar->setText(QStringLiteral("&Cancelar"));
    showFrame(1);
    // The whole window at a constant 200/255 opacity.
    setWindowOpacity(200.0 / 255.0);
    Timer1->start();
}

void Lbf_CtrlDisplay::showFrame(int number)
{
    if (number < 1 || number > ImageList1.size())
        return;
    Image1->setPixmap(ImageList1.at(number - 1));
    m_currentFrame = number;
}

void Lbf_CtrlDisplay::Timer1_Timer()
{
    // Frames 1 to 12 and over again; the first tick shows frame 1 once more.
    m_counter += 1;
    showFrame(m_counter);
    if (m_counter == kFrames)
        m_counter = 0;
}

void Lbf_CtrlDisplay::CmdDisplayCancelar_Click()
{
    CmdDisplayCancelar->setText(QStringLiteral("Abortado"));
}

void Lbf_CtrlDisplay::closeEvent(QCloseEvent* event)
{
    // Only the code that opened the notice closes it; the window manager cannot.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
