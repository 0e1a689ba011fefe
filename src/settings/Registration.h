#pragma once

class AppContext;

// The settings dialog TForm11, made once at start-up.
void registerSettings(AppContext &context);
