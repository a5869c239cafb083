#pragma once

class QLabel;

namespace vyx {

// How far down a word-wrapped label's text reaches at its width: its lines but the last one's
// descent, which lies blank under all but a few letters.
[[nodiscard]] int inkHeight(const QLabel& label);

// Makes a word-wrapped label's font smaller, a step at a time down to a floor that stays
// readable, until its text fits in the given height at the label's width: a language's longer
// words then stay clear of what the design put below them.
void shrinkToFit(QLabel& label, int height);

} // namespace vyx
