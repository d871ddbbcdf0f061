// VB colour values (&HBBGGRR) to and from QColor.
#include "platform/ui/Metrics.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

namespace {

// VB's system colours (&H800000nn) stand for the workstation's palette entries.
QColor systemColor(int index)
{
    const QPalette p = QGuiApplication::palette();
    switch (index) {
    case 0: return p.color(QPalette::Button);                       // vbScrollBars
    case 1: case 12: return p.color(QPalette::Dark);                // vbDesktop, vbApplicationWorkspace
    case 2: case 13: return p.color(QPalette::Highlight);           // vbActiveTitleBar, vbHighlight
    case 3: case 10: case 11: return p.color(QPalette::Mid);        // inactive title bar, borders
    case 4: case 15: return p.color(QPalette::Button);              // vbMenuBar, vbButtonFace
    case 5: return p.color(QPalette::Base);                         // vbWindowBackground
    case 6: case 21: return p.color(QPalette::Shadow);              // vbWindowFrame, vb3DDKShadow
    case 7: case 8: return p.color(QPalette::Text);                 // vbMenuText, vbWindowText
    case 9: case 14: return p.color(QPalette::HighlightedText);     // vbTitleBarText, vbHighlightText
    case 16: return p.color(QPalette::Dark);                        // vbButtonShadow
    case 17: case 19: return p.color(QPalette::Disabled, QPalette::Text); // vbGrayText, inactive caption text
    case 18: return p.color(QPalette::ButtonText);                  // vbButtonText
    case 20: return p.color(QPalette::Light);                       // vb3DHighlight
    case 22: return p.color(QPalette::Midlight);                    // vb3DLight
    case 23: return p.color(QPalette::ToolTipText);                 // vbInfoText
    case 24: return p.color(QPalette::ToolTipBase);                 // vbInfoBackground
    default: return p.color(QPalette::Window);
    }
}

} // namespace

QColor FromVbColor(long bbggrr)
{
    const unsigned long v = static_cast<unsigned long>(bbggrr) & 0xFFFFFFFFul;   // a VB Long
    if ((v >> 24) == 0x80)
        return systemColor(int(v & 0xFF));
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

long ToVbColor(const QColor& color)
{
    if (!color.isValid())
        return 0;
    const QColor c = color.toRgb();
    return long(c.red()) | (long(c.green()) << 8) | (long(c.blue()) << 16);
}

} // namespace ui
