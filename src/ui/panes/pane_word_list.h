#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace defwright {

class ScriptPane;

/// How many words the pane's completion list shows at once.
inline constexpr int kWordListRows = 12;

/// Readies the pane's own completion list: words stay in the order given,
/// the typed letters match in any case, a single word is never taken
/// unasked, and the list stays open while what was typed only stands inside
/// the words; kWordListRows rows tall.
void useWordList(ScriptPane& pane);

/// Shows the words at the caret, the first of them chosen; the one taken
/// replaces the `typed` bytes before it.
void showWords(ScriptPane& pane, std::size_t typed, const std::vector<std::string>& words);

void hideWords(ScriptPane& pane);

} // namespace defwright
