#pragma once

class AppContext;

// The calendar, and the alarm clock beside the main window with its
// settings window.
void registerCalendar(AppContext &context);
