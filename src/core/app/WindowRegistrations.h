#pragma once

// Registers the windows of every subsystem with the application context.
// Each subsystem that brings windows adds its one call here.
void registerSubsystemWindows();
