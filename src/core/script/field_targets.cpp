#include "core/script/field_targets.h"

#include "core/script/range_text.h"
#include "core/script/text_lines.h"

namespace defwright {
namespace {

std::string_view withoutEquals(std::string_view key)
{
    return key.ends_with('=') ? key.substr(0, key.size() - 1) : key;
}

} // namespace

void FieldTargets::add(std::string_view key, std::string* field, bool inCreateBlock)
{
    targets_.push_back({withoutEquals(key), field, nullptr, inCreateBlock});
}

void FieldTargets::addRange(std::string_view key, std::string* low, std::string* high, bool inCreateBlock)
{
    targets_.push_back({withoutEquals(key), low, high, inCreateBlock});
}

FieldTargets::Fill FieldTargets::fill(std::string_view key, std::string_view value, bool inCreateBlock)
{
    Fill result = Fill::Unknown;
    for (Target& target : targets_) {
        if (target.inCreateBlock != inCreateBlock || !equalsIgnoringCase(target.key, key))
            continue;
        result = Fill::Taken;
        if (target.taken)
            continue;
        target.taken = true;
        if (target.high == nullptr) {
            target.field->assign(value);
        } else {
            const RangeText range = splitRange(value, false);
            target.field->assign(range.low);
            target.high->assign(range.high);
        }
        return Fill::Filled;
    }
    return result;
}

} // namespace defwright
