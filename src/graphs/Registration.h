#pragma once

class AppContext;

// The graph window and its special functions.
void registerGraphs(AppContext &context);
