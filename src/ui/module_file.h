#pragma once
// Where the program's run-time modules lie.

#include <QString>

namespace liorna {

// The module file `name` beside the executable (the build tree), or else in the prefix's library
// folder (installed).
QString moduleFile(const QString& name);

} // namespace liorna
