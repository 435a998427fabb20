#include "core/index/header_reading.h"

#include "core/language/section_kind.h"
#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

#include <algorithm>
#include <array>
#include <optional>

namespace defwright {
namespace {

// Lists whose lines define the names they begin with.
constexpr std::array<std::string_view, 3> kNameLists = {"DEFNAME", "RESDEFNAME", "TYPEDEFS"};
// Kinds whose headers with words after the name are parts of the definition
// they name: a dialog's texts and buttons, a book's pages.
constexpr std::array<std::string_view, 2> kPartKinds = {"BOOK", "DIALOG"};

bool isOneOf(std::string_view kind, std::span<const std::string_view> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// What a list's body is: names it defines, the files the server loads, or entries.
BodyReading listReading(std::string_view kind)
{
    if (kind == "RESOURCES")
        return BodyReading::Loads;
    return isOneOf(kind, kNameLists) ? BodyReading::Names : BodyReading::Code;
}

void readKind(const std::optional<SectionKind>& known, HeaderReading& header)
{
    switch (known ? known->body : SectionBody::Code) {
    case SectionBody::EndOfFile:
        header.end = true;
        break;
    case SectionBody::Saved:
        header.listed = false;
        header.body = BodyReading::None;
        break;
    case SectionBody::List:
        header.use = SectionUse::List;
        header.body = listReading(header.kind);
        break;
    case SectionBody::Prose:
        header.listed = header.kind != "COMMENT";
        header.body = header.listed ? BodyReading::Text : BodyReading::None;
        break;
    case SectionBody::Definition:
        header.aliases = true;
        break;
    case SectionBody::Triggers:
    case SectionBody::Code:
        break;
    }
}

} // namespace

HeaderReading readHeader(std::string_view bracketed)
{
    const HeaderWords words = headerWords(bracketed);
    const std::optional<SectionKind> known = sectionKind(bracketed);
    HeaderReading header;
    header.kind = upperCase(known ? known->name : words.kind);
    header.name = words.name;
    header.arguments = headerArguments(bracketed, words.part);
    readKind(known, header);
    if (header.use == SectionUse::Definition && !header.arguments.empty() && isOneOf(header.kind, kPartKinds)) {
        header.use = SectionUse::Part;
        header.aliases = false;
    }
    return header;
}

std::string_view headerArguments(std::string_view bracketed, std::string_view partWord)
{
    return partWord.empty() ? std::string_view()
                            : trimBlanks(bracketed.substr(static_cast<std::size_t>(partWord.data() - bracketed.data())));
}

bool isAliasKey(std::string_view key)
{
    return equalsIgnoringCase(key, "DEFNAME") || equalsIgnoringCase(key, "DEFNAME2");
}

} // namespace defwright
