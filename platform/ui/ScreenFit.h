#pragma once
// Keeping a top-level window inside the available area of its screen, frame and all.

class QRect;
class QWidget;

namespace ui {

// The rectangle of a window's frame brought inside `area`: made no larger than the area,
// then moved in, the left and top edges last so that they stay in view. A rectangle that
// lies inside is given back as it is.
QRect FitFrame(const QRect& frame, const QRect& area);

// A window larger than the available area of its screen (the area less panels and
// docks), its frame counted, is made as small as that area; one placed by the program
// partly outside it is moved in. A window not sized by the program takes its own size
// first. Windows that fit are left as they are.
// Before a window is first shown its frame is not known, and the window manager places
// it where it likes: from then on, each time it is shown and until the operator first
// clicks or types in it, the window is fitted again with its real frame wherever the
// window manager put it, once the window system has exposed it there.
void FitOnScreen(QWidget& window);

} // namespace ui
