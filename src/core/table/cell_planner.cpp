#include "core/table/cell_planner.h"

#include "core/definitions/definition_rows.h"
#include "core/definitions/row_edits.h"
#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

namespace defwright {

std::vector<std::string_view> cellValues(std::string_view value)
{
    std::vector<std::string_view> values;
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find_first_of("\r\n", start), value.size());
        if (const std::string_view each = trimBlanks(value.substr(start, end - start)); !each.empty())
            values.push_back(each);
        start = end + (value.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return values;
}

CellPlanner::CellPlanner(std::string_view text, const ScriptLine& header, std::string_view lineBreak)
    : text_(text)
    , header_(header)
    , body_(bodyLines(text, header))
    , lineBreak_(lineBreak)
    , removed_(body_.size(), false)
{
}

std::vector<std::size_t> CellPlanner::linesOf(std::string_view key) const
{
    std::vector<std::size_t> lines;
    for (std::size_t row = 0; row < body_.size(); ++row) {
        if (body_[row].kind == LineKind::Keyed && equalsIgnoringCase(body_[row].key.of(text_), key))
            lines.push_back(row);
    }
    return lines;
}

std::size_t CellPlanner::lastKept(const std::vector<std::size_t>& lines, const std::vector<bool>& removed) const
{
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (!removed[lines[i]])
            return lines[i];
    }
    return body_.size();
}

bool CellPlanner::plan(std::string_view key, std::string_view value)
{
    const std::vector<std::string_view> values = cellValues(value);
    const std::vector<std::size_t> lines = linesOf(key);
    std::vector<bool> removed = removed_;
    std::vector<TextEdit> edits;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ScriptLine& line = body_[lines[i]];
        if (i >= values.size()) {
            removed[lines[i]] = true;
        } else if (values[i] != line.value.of(text_)) {
            std::optional<TextEdit> edit = planValueChange(text_, line, values[i]);
            if (!edit)
                return false;
            edits.push_back(std::move(*edit));
        }
    }
    const std::string_view written = lines.empty() ? key : body_[lines.front()].key.of(text_);
    std::vector<std::string> added;
    for (std::size_t i = lines.size(); i < values.size(); ++i) {
        std::optional<std::string> line = keyedLine(written, values[i]);
        if (!line)
            return false;
        added.push_back(std::move(*line));
    }
    const std::size_t anchor = lastKept(lines, removed);
    if (anchor == body_.size()) {
        atEnd_.insert(atEnd_.end(), added.begin(), added.end());
    } else if (!added.empty()) {
        std::string text;
        for (const std::string& line : added)
            text += lineBreak_ + std::string(body_[anchor].indent.of(text_)) + line;
        edits.push_back({body_[anchor].text.end, body_[anchor].text.end, std::move(text)});
    }
    removed_ = std::move(removed);
    edits_.insert(edits_.end(), edits.begin(), edits.end());
    return true;
}

void CellPlanner::addRemovals(std::vector<TextEdit>& edits) const
{
    for (std::size_t row = 0; row < body_.size(); ++row) {
        if (!removed_[row])
            continue;
        std::size_t last = row;
        while (last + 1 < body_.size() && removed_[last + 1])
            ++last;
        edits.push_back(planLinesRemoval(text_, body_[row], body_[last]));
        row = last;
    }
}

std::vector<TextEdit> CellPlanner::edits() const
{
    std::vector<TextEdit> edits = edits_;
    addRemovals(edits);
    if (atEnd_.empty())
        return edits;
    const ScriptLine* anchor = &header_;
    for (std::size_t row = body_.size(); row-- > 0;) {
        if (!removed_[row] && holdsContent(body_[row])) {
            anchor = &body_[row];
            break;
        }
    }
    const std::string indent(anchor == &header_ ? std::string_view() : anchor->indent.of(text_));
    std::string lines;
    for (const std::string& line : atEnd_)
        lines += lineBreak_ + indent + line;
    edits.push_back({anchor->text.end, anchor->text.end, std::move(lines)});
    return edits;
}

} // namespace defwright
