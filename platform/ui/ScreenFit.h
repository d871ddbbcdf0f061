#pragma once
// Keeping a top-level window inside the available area of its screen.

class QWidget;

namespace ui {

// A window larger than the available area of its screen (the area less panels and
// docks), its frame counted, is made as small as that area; one placed by the program
// partly outside it is moved in. A window not sized by the program takes its own size
// first. Windows that fit are left as they are.
void FitOnScreen(QWidget& window);

} // namespace ui
