#include "random_definitions.h"

#include "core/script/text_lines.h"

namespace defwright::test {
namespace {

const std::vector<std::string> kKinds = {"ITEMDEF", "CHARDEF", "TYPEDEF",  "SPAWN",  "TEMPLATE", "SKILL",
                                         "SPELL",   "AREADEF", "REGIONTYPE", "EVENTS", "FUNCTION", "MULTIDEF"};

class Writer {
public:
    Writer(RandomScripts& random, std::string_view lineBreak)
        : random_(random)
        , lineBreak_(lineBreak)
    {
    }

    void line(const std::string& text)
    {
        std::string lineBreak(lineBreak_);
        if (lineBreak.empty()) {
            do
                lineBreak = random_.pick(std::vector<std::string>{"\r\n", "\n", "\r"});
            while (lineBreak == "\n" && text.empty() && out_.ends_with('\r'));
        }
        out_ += text + lineBreak;
    }

    std::string& text() { return out_; }

private:
    RandomScripts& random_;
    std::string_view lineBreak_;
    std::string out_;
};

std::string bodyLine(RandomScripts& random)
{
    switch (random.below(6)) {
    case 0:
        return random.blanks();
    case 1:
        return random.blanks() + "// a note";
    case 2:
        return random.blanks() + random.pick(std::vector<std::string>{"f_call 1,2", "a line without equals", "x"});
    default:
        break;
    }
    return random.blanks() + randomKey(random) + random.blanks() + "=" + random.blanks() + random.value()
        + random.comment();
}

std::string triggerBodyLine(RandomScripts& random)
{
    return random.pick(std::vector<std::string>{"", "  SAY " + random.value(), "  COLOR=1", "// old", "  IF <x>"});
}

// Lines up to the last one that holds something.
std::size_t heldLines(const std::vector<std::string>& lines)
{
    std::size_t held = lines.size();
    while (held > 0 && (trimBlanks(lines[held - 1]).empty() || trimBlanks(lines[held - 1]).starts_with("//")))
        --held;
    return held;
}

void writeTriggers(RandomScripts& random, Writer& out, RandomDefinition& definition)
{
    for (std::size_t count = random.below(4); count > 0; --count) {
        const std::string name = random.pick(std::vector<std::string>{"@Create", "@Click", "@DClick", "@Timer"});
        out.line(random.anyCase("ON") + "=" + name);
        std::vector<std::string> lines(random.below(5));
        for (std::string& line : lines) {
            line = triggerBodyLine(random);
            out.line(line);
        }
        definition.triggers.push_back({name, heldLines(lines)});
    }
}

RandomDefinition writeDefinition(RandomScripts& random, Writer& out)
{
    RandomDefinition definition;
    definition.header = out.text().size();
    definition.kind = random.anyCase(random.pick(kKinds));
    definition.name = random.chance(0.1) ? "" : random.identifier();
    definition.name.erase(std::min(definition.name.find_first_of(" \t"), definition.name.size()));
    out.line(random.blanks() + "[" + definition.kind + (definition.name.empty() ? "" : " " + definition.name)
             + (!definition.name.empty() && random.chance(0.1) ? " 2 x" : "") + "]" + random.comment());
    for (std::size_t count = random.below(random.chance(0.1) ? 60 : 8); count > 0; --count) {
        definition.body.push_back(bodyLine(random));
        out.line(definition.body.back());
    }
    writeTriggers(random, out, definition);
    if (definition.triggers.empty())
        definition.body.resize(heldLines(definition.body));
    return definition;
}

} // namespace

std::string randomKey(RandomScripts& random)
{
    if (random.chance(0.1))
        return "TAG." + random.anyCase("owner");
    return random.anyCase(random.pick(std::vector<std::string>{"DEFNAME", "NAME", "TYPE", "VALUE", "WEIGHT", "ID",
                                                               "COMPONENT", "RESOURCES", "DUPEITEM", "CAN", "K9"}));
}

RandomDefinitions randomDefinitions(RandomScripts& random, std::string_view lineBreak)
{
    Writer out(random, lineBreak);
    RandomDefinitions script;
    out.line("VERSION=X1");
    for (std::size_t count = 1 + random.below(6); count > 0; --count) {
        script.definitions.push_back(writeDefinition(random, out));
        for (std::size_t notes = random.below(3); notes > 0; --notes)
            out.line(random.pick(std::vector<std::string>{"", "// banner", "  "}));
    }
    script.text = std::move(out.text());
    if (random.chance(0.3)) {
        while (!script.text.empty() && (script.text.back() == '\r' || script.text.back() == '\n'))
            script.text.pop_back();
    }
    return script;
}

} // namespace defwright::test
