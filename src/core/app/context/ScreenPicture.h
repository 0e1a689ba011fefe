#pragma once

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
