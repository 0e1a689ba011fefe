#pragma once

class AppContext;

// Makes the calculator dialog available to its openers.
void registerCalculatorWindow(AppContext &context);
