#pragma once

#include "core/files/script_format.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace defwright {

/// Where a pane's view stood: the selection (caret and anchor as byte
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

/// One script pane at the end of a run. A pane that matched its file keeps
/// only the file and the view; otherwise its text is kept with its format.
struct KeptPane {
    std::string name;     // which pane: "item", "npc"
    std::string filePath; // UTF-8; empty while the pane had no file
    std::optional<std::string> text; // the pane's bytes, none when it matched its file
    ScriptFormat format;
    bool modified = false;
    std::optional<KeptFileStamp> fileStamp;
    KeptView view;

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
