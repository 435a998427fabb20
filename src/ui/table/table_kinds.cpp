#include "ui/table/table_kinds.h"

#include "core/language/language_tables.h"

#include <algorithm>

namespace defwright {
namespace {

constexpr std::string_view kFirstKinds[] = {"ITEMDEF", "CHARDEF"};

int rank(std::string_view kind)
{
    const auto* found = std::find(std::begin(kFirstKinds), std::end(kFirstKinds), kind);
    return static_cast<int>(found - std::begin(kFirstKinds));
}

} // namespace

std::vector<TableKind> tableKinds()
{
    std::vector<TableKind> kinds;
    for (const SectionKindRow& row : sectionKindRows()) {
        if (row.part.empty() && row.body == SectionBody::Definition)
            kinds.push_back({row.kind, {std::string(row.kind)}});
    }
    for (const SectionAliasRow& alias : sectionAliasRows()) {
        for (TableKind& kind : kinds) {
            if (alias.means == kind.kind)
                kind.sections.emplace_back(alias.written);
        }
    }
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const TableKind& a, const TableKind& b) { return rank(a.kind) < rank(b.kind); });
    return kinds;
}

} // namespace defwright
