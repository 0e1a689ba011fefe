#pragma once

#include <QString>

// The program's HTML help: "help/index.html" in the program folder, or in
// the delivered files when the program folder has none.
namespace HelpFile {

QString path();

} // namespace HelpFile
