#pragma once
// The size of the program's interface font.

namespace ui {

// Qt's platforms without a desktop (VNC, the framebuffer) propose a 12-point interface
// font where a desktop's is 9: the forms, laid out in twips for the desktop's font,
// would cut their labels, boxes and headings there. On those platforms the application
// gets the desktop's size; elsewhere the desktop's own font is kept.
void UseDesktopFontSize();

} // namespace ui
