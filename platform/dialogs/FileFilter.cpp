#include "FileFilter.h"

namespace vyx {

QStringList toNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString name = parts.at(i).trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            const QStringList pieces = parts.at(i + 1).split(u';');
            for (const QString& piece : pieces) {
                // Qt reads the parenthesised part of a name filter as a space-separated list,
                // so a pattern can contain neither a space nor a parenthesis.
                QString pattern = piece.trimmed();
                pattern.remove(u'(').remove(u')');
                pattern.replace(u' ', u'?');
                // "*.*" means every file, but matches only names with a dot here.
                if (pattern == QLatin1String("*.*")) {
                    pattern = QStringLiteral("*");
                }
                if (!pattern.isEmpty()) {
                    patterns.append(pattern);
                }
            }
        }
        if (name.isEmpty() && patterns.isEmpty()) {
            continue;
        }
        if (patterns.isEmpty()) {
            patterns.append(QStringLiteral("*"));
        }
        result.append((name.isEmpty() ? patterns.join(u' ') : name) + QStringLiteral(" (") +
                      patterns.join(u' ') + u')');
    }
    return result;
}

} // namespace vyx
