#include "core/script/definition_reader.h"

#include "core/script/script_text.h"
#include "core/script/text_lines.h"

namespace defwright {
namespace {

enum class Block {
    Definition,
    Create,
    OtherTrigger,
};

constexpr std::string_view kTriggerKey = "ON";

// "ON=@CREATE" split as any keyed line is: the key and what follows the "=".
constexpr std::string_view kCreateTrigger = kCreateLine.substr(kTriggerKey.size() + 1);

bool isTrigger(std::string_view key, std::string_view value)
{
    return equalsIgnoringCase(key, kTriggerKey) && trimBlanks(value).starts_with('@');
}

} // namespace

std::vector<UnheldLine> DefinitionReader::read(const DefinitionText& definition, const Take& take)
{
    const TextLines lines(definition.text);
    std::vector<UnheldLine> unheld;
    Block block = Block::Definition;
    bool createSeen = false;
    std::size_t number = definition.headerLine + 1;
    for (std::size_t end = lines.lineEnd(0); end < lines.size();) {
        const std::size_t start = lines.nextLineStart(end);
        end = lines.lineEnd(start);
        ++number;
        const std::string_view line = lines.line(start);
        if (trimBlanks(line).empty())
            continue;
        const std::size_t equals = line.find('=');
        const std::string_view key = trimBlanks(line.substr(0, equals));
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
        if (equals != std::string_view::npos && isTrigger(key, value)) {
            const bool opensCreate = !createSeen && equalsIgnoringCase(trimBlanks(value), kCreateTrigger);
            createSeen = createSeen || opensCreate;
            block = opensCreate ? Block::Create : Block::OtherTrigger;
            if (opensCreate)
                continue;
        } else if (block != Block::OtherTrigger && equals != std::string_view::npos
                   && take({key, value, line, block == Block::Create})) {
            continue;
        }
        unheld.push_back({number, std::string(line)});
    }
    return unheld;
}

} // namespace defwright
