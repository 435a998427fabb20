#include "core/index/reference_search.h"

#include "core/index/name_uses.h"
#include "core/script/script_line.h"
#include "core/script/text_lines.h"

#include <algorithm>

namespace defwright {
namespace {

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
        std::vector<NameUse> uses;
        for (const Wanted& one : wanted) {
            const std::vector<NameUse> ofOne = usesOf(index.summary(file), one.name, one.idKind);
            uses.insert(uses.end(), ofOne.begin(), ofOne.end());
        }
        std::sort(uses.begin(), uses.end(),
                  [](const NameUse& left, const NameUse& right) { return left.offset < right.offset; });
        uses.erase(std::unique(uses.begin(), uses.end(),
                               [](const NameUse& left, const NameUse& right) { return left.offset == right.offset; }),
                   uses.end());
        for (const NameUse& use : uses)
            hits.push_back(hitAt(index, file, use));
    }
    return hits;
}

} // namespace

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
