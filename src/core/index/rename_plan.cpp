#include "core/index/rename_plan.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/name_uses.h"
#include "core/index/server_names.h"
#include "core/script/script_line.h"
#include "core/script/text_lines.h"

#include <algorithm>

namespace defwright {
namespace {

bool namesIn(const ScriptSummary& summary, std::string_view name)
{
    return !usesOf(summary, name, 0).empty();
}

// The changes in a file's text as it is now, read anew.
std::vector<RenameChange> changesIn(std::string_view text, std::string_view oldName, std::string_view newName)
{
    const ScriptSummary summary = summarizeScript(text);
    std::vector<RenameChange> changes;
    for (const NameUse& use : usesOf(summary, oldName, 0)) {
        const std::size_t lineStart = lineStartAt(text, use.offset);
        std::string before(TextLines(text).line(lineStart));
        std::string after = before;
        after.replace(use.offset - lineStart, use.length, newName);
        changes.push_back({{use.offset, use.offset + use.length, std::string(newName)}, use.line, std::move(before),
                           std::move(after)});
    }
    return changes;
}

} // namespace

std::string renameProblem(const FolderIndex& index, std::string_view oldName, std::string_view newName)
{
    const std::string quoted = "\"" + std::string(newName) + "\"";
    if (!isDefinitionName(oldName))
        return std::string(oldName) + " is no name to rename: ids and words of other forms keep their places";
    if (index.lookup(oldName).empty())
        return std::string(oldName) + " is defined nowhere in the folder";
    if (!isDefinitionName(newName))
        return quoted + " is not a valid name: a letter or \"_\" first, then letters, digits and \"_\"";
    if (newName == oldName)
        return "The new name is the name as it is";
    if (nameKey(newName) != nameKey(oldName)) {
        const std::span<const NamePlace> taken = index.lookup(newName);
        if (!taken.empty())
            return quoted + " is defined already, at " + index.shownPath(taken.front().file) + ":"
                + std::to_string(index.writtenName(taken.front()).line + 1);
        if (isServerName(newName))
            return quoted + " is a name the server defines itself";
    }
    return {};
}

RenamePlan planRename(const FolderIndex& index, std::string_view oldName, std::string_view newName,
                      const ScriptTexts& texts)
{
    RenamePlan plan{renameProblem(index, oldName, newName), {}};
    if (!plan.error.empty())
        return plan;
    std::vector<std::uint32_t> files = index.files();
    std::sort(files.begin(), files.end(),
              [&index](std::uint32_t left, std::uint32_t right) { return index.shownPath(left) < index.shownPath(right); });
    for (const std::uint32_t file : files) {
        if (!namesIn(index.summary(file), oldName))
            continue;
        const std::optional<std::string> text = texts(index.filePath(file));
        if (!text)
            return {index.shownPath(file) + " cannot be read, so nothing is renamed", {}};
        std::vector<RenameChange> changes = changesIn(*text, oldName, newName);
        if (!changes.empty())
            plan.files.push_back({index.filePath(file), index.isLoaded(file), std::move(changes)});
    }
    return plan;
}

std::vector<TextEdit> chosenEdits(const RenameFile& file, const std::vector<bool>& chosen)
{
    std::vector<TextEdit> edits;
    for (std::size_t i = 0; i < file.changes.size(); ++i) {
        if (i < chosen.size() && chosen[i])
            edits.push_back(file.changes[i].edit);
    }
    return edits;
}

} // namespace defwright
