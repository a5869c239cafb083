#pragma once

#include <QString>
#include <QStringList>

namespace vyx {

// How far into a file this process has read: the furthest offset of any descriptor it holds open
// on it, or -1 when it holds none (or the system cannot tell). The descriptors are looked for
// once and then only read, while they stay open on the file: the look goes through all of the
// process's descriptors, and it is asked for ten times a second.
class ReadPosition {
public:
    explicit ReadPosition(const QString& entry = {});

    [[nodiscard]] qint64 offset();

private:
    // Reads the known descriptors; false when one of them no longer names the file.
    bool readKnown(qint64* furthest) const;
    void findDescriptors();

    QString m_target;
    QStringList m_descriptors;
};

} // namespace vyx
