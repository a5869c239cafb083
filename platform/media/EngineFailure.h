#pragma once

#include <QString>
#include <QStringList>

namespace vyx {

// Why the engine could not play something, in words a user can act on: from the engine's error
// code and the errors it logged while it tried (an address's answer, a codec without decoder).
[[nodiscard]] QString failureReason(int error, const QStringList& engineMessages, bool stream);

// What a stream of pieces left out as it played, when the engine said it skipped one that it could
// not read; empty for any other message.
[[nodiscard]] QString skippedPiece(const QString& engineMessage);

// Whether the engine said it has no decoder for a track's codec.
[[nodiscard]] bool decoderFailed(const QStringList& engineMessages);

} // namespace vyx
