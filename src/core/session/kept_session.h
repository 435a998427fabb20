#pragma once

#include "core/files/script_format.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace defwright {

/// Where a document's view stood: the selection (caret and anchor as byte
/// positions) and the scroll position.
struct KeptView {
    std::uint64_t caret = 0;
    std::uint64_t anchor = 0;
    std::uint64_t firstLine = 0;
    std::uint64_t xOffset = 0;

    friend bool operator==(const KeptView&, const KeptView&) = default;
};

/// What is kept of a file, to tell at the next start whether it changed.
struct KeptFileStamp {
    std::uint64_t size = 0;
    std::uint64_t modifiedMs = 0; // since the epoch

    friend bool operator==(const KeptFileStamp&, const KeptFileStamp&) = default;
};

/// The definition the fields were tied to: its header's line (from 0) and
/// the header as it read, "[ITEMDEF 0f5e]".
struct KeptTie {
    std::uint64_t line = 0;
    std::string header;

    friend bool operator==(const KeptTie&, const KeptTie&) = default;
};

/// One document of a pane at the end of a run. A document that matched its
/// file keeps only the file and the view; otherwise its text is kept with
/// its format.
struct KeptDocument {
    bool formScript = false; // the script the fields write, else a file's
    std::string filePath;    // UTF-8; empty while the document had no file
    std::optional<std::string> text; // its bytes, none when it matched its file
    ScriptFormat format;
    bool modified = false;
    std::optional<KeptFileStamp> fileStamp; // of the file as the document last read or wrote it
    KeptView view;
    std::optional<KeptTie> tie;

    friend bool operator==(const KeptDocument&, const KeptDocument&) = default;
};

/// One script pane at the end of a run: its documents in the order of their
/// tabs, the form's script first, and which of them was in front.
struct KeptPane {
    std::string name; // which pane: "item", "npc"
    std::vector<KeptDocument> documents;
    std::uint64_t front = 0;

    friend bool operator==(const KeptPane&, const KeptPane&) = default;
};

/// Which of the NPC field page's frames showed, and its switch buttons with it.
enum class KeptNpcFrames { Start, Basic, Create };

/// The unsaved work of a run: the panes and the texts of all fields, by the
/// field's name.
struct KeptSession {
    std::vector<KeptPane> panes;
    std::vector<std::pair<std::string, std::string>> fields;
    KeptNpcFrames npcFrames = KeptNpcFrames::Start;

    friend bool operator==(const KeptSession&, const KeptSession&) = default;
};

} // namespace defwright
