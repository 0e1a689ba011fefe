#pragma once

class AppContext;
class QWidget;
enum class WindowId;

// The pictures of the picture screen shown before some windows.
enum class ScreenPicture {
    Kalk, // calculator
    Cal,  // calendar
    Adr,  // addresses
    Tel,  // phone book and area codes
    Nast, // settings
    Spt,  // consumption logs
    Info, // before the about box
};

// Shows the picture registered for window `id` on the picture screen (only
// while the setting Scr is on; otherwise nothing and no delay), then opens
// the window modally, owned by `parent`, and destroys it when it has
// closed. Returns false, showing nothing at all, when no window `id` is
// registered.
bool showPictureThenWindow(const AppContext &context, WindowId id, QWidget *parent);
