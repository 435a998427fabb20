#pragma once

// What a script pane's documents keep between runs, and how they come back.

#include "core/session/kept_session.h"

#include <QStringList>

#include <functional>

namespace defwright {

class DocumentTabs;
class FrontDocument;

/// The pane as it stands: each document in the order of its tabs with its
/// file, view and tie, and its text and format unless it matches its file;
/// and which document is in front.
[[nodiscard]] KeptPane keptPane(const DocumentTabs& pane);

/// Ties the fields of the pane's page to the definition whose header is the
/// line, in the document in front of the pane; false when none begins there.
using TieAgain = std::function<bool(const DocumentTabs& pane, int line)>;

/// Puts the kept documents back into the pane. A kept text comes back as the
/// document's text, modified as it was, one undoable edit over its file as it
/// is now (or over nothing), so Ctrl+Z shows the file. A document that
/// matched its file reads the file again; one whose file is open already, in
/// either pane, is left out. Returns what the scripter should know: a file
/// that changed on disk since or could not be read again, a tie that could
/// not be made again.
QStringList restorePane(const FrontDocument& front, DocumentTabs* pane, const KeptPane& kept,
                        const TieAgain& tieAgain);

} // namespace defwright
