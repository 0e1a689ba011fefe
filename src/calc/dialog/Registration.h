#pragma once

// Makes the calculator dialog available to its openers.
void registerCalculatorWindow();
