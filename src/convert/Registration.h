#pragma once

class AppContext;

// The conversion of tables of the old format: the command line's
// "--import-paradox FOLDER".
void registerConvert(AppContext &context);
