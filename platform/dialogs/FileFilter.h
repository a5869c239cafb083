#pragma once

#include <QStringList>

namespace vyx {

// "Name|*.a;*.b|Name2|*.*" as Qt's file dialogs take it: "Name (*.a *.b)", "Name2 (*.*)".
// Patterns are trimmed; a name without patterns lists every file; empty pieces are dropped.
QStringList toNameFilters(const QString& filter);

} // namespace vyx
