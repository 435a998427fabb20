#include "core/index/reference_search.h"

#include "core/index/definition_name.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"
#include "core/script/text_lines.h"

#include <algorithm>
#include <tuple>

namespace defwright {
namespace {

constexpr std::uint8_t kIdKinds = NameUse::ItemId | NameUse::CharId;

struct Wanted {
    std::string_view name;
    std::uint8_t idKind = 0;
};

std::uint8_t idKindOf(std::string_view sectionKind)
{
    return sectionKind == "ITEMDEF" ? NameUse::ItemId : sectionKind == "CHARDEF" ? NameUse::CharId : 0;
}

ReferenceHit hitAt(const FolderIndex& index, std::uint32_t file, const NameUse& use)
{
    const std::string_view text = *index.summary(file).text;
    const std::size_t lineStart = lineStartAt(text, use.offset);
    return {index.filePath(file), use.line, use.offset - lineStart, use.offset - lineStart + use.length,
            std::string(TextLines(text).line(lineStart)), (use.flags & NameUse::Defines) != 0, index.isLoaded(file)};
}

std::vector<ReferenceHit> find(const FolderIndex& index, const std::vector<Wanted>& wanted)
{
    std::vector<std::uint32_t> files = index.files();
    std::sort(files.begin(), files.end(),
              [&index](std::uint32_t left, std::uint32_t right) { return index.shownPath(left) < index.shownPath(right); });
    std::vector<ReferenceHit> hits;
    for (const std::uint32_t file : files) {
        const ScriptSummary& summary = index.summary(file);
        for (const NameUse& use : summary.uses) {
            const std::string_view written = summary.word(use);
            if (std::any_of(wanted.begin(), wanted.end(), [&](const Wanted& one) {
                    return usesName(use, written, one.name, one.idKind);
                }))
                hits.push_back(hitAt(index, file, use));
        }
    }
    return hits;
}

} // namespace

bool usesName(const NameUse& use, std::string_view written, std::string_view name, std::uint8_t idKind)
{
    const bool number = (use.flags & kIdKinds) != 0 || (!written.empty() && written.front() >= '0' && written.front() <= '9');
    if (!number)
        return written.size() == name.size() && equalsIgnoringCase(written, name);
    return (use.flags & kIdKinds) == idKind && isIdNumber(name) && compareNameKeys(written, name) == 0;
}

std::vector<ReferenceHit> findReferences(const FolderIndex& index, std::string_view name)
{
    return find(index, {{name, NameUse::ItemId}});
}

std::vector<ReferenceHit> findReferences(const FolderIndex& index, const NamePlace& place)
{
    const SectionEntry& section = index.section(place);
    std::vector<Wanted> wanted;
    if (section.use == SectionUse::List) {
        wanted.push_back({index.writtenName(place).text});
    } else {
        wanted.push_back({section.name.text, idKindOf(section.kind)});
        if (section.use == SectionUse::Definition) {
            for (const WrittenName& alias : section.aliases)
                wanted.push_back({alias.text});
        }
    }
    std::erase_if(wanted, [](const Wanted& one) { return one.name.empty(); });
    return find(index, wanted);
}

} // namespace defwright
