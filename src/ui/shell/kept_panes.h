#pragma once

// What a script pane keeps between runs, and how it comes back.

#include "core/session/kept_session.h"

#include <QString>

#include <optional>

namespace defwright {

class PaneDocument;

/// The pane as it stands: its file and view, and its text and format unless
/// it matches its file. None for a pane with neither file nor text.
[[nodiscard]] std::optional<KeptPane> keptPane(const PaneDocument& document);

/// Puts the kept pane back, the text as one undoable edit over the file as it
/// is now (or over nothing), so "Modified" is as it was and Ctrl+Z shows
/// the file. Returns what the scripter should know: that the file changed
/// on disk since, or could not be read again; else an empty string.
QString restorePane(PaneDocument* document, const KeptPane& kept);

} // namespace defwright
