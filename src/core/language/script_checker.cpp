#include "core/language/script_checker.h"

#include "core/language/accepted_words.h"
#include "core/language/fired_triggers.h"
#include "core/language/nearest_word.h"
#include "core/language/table_lookup.h"

#include <algorithm>

namespace defwright {
namespace {

// The suggestion in lower case when the scripter writes the word so.
std::string inCaseOf(std::string_view written, std::string_view suggestion)
{
    std::string text(suggestion);
    if (std::none_of(written.begin(), written.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        std::transform(text.begin(), text.end(), text.begin(), asciiLower);
    return text;
}

TextSpan firstWord(std::string_view text, TextSpan body)
{
    std::size_t end = body.start;
    while (end < body.end && !isBlank(text[end]))
        ++end;
    return {body.start, end};
}

} // namespace

ScriptChecker::ScriptChecker(std::string_view text, const FolderVocabulary& vocabulary)
    : text_(text)
    , vocabulary_(vocabulary)
    , blocks_(text, problems_)
{
}

void ScriptChecker::check(const ScriptWalk& walk)
{
    const ScriptLine& line = walk.line();
    switch (walk.place()) {
    case LinePlace::Header: header(walk); break;
    case LinePlace::UnclosedHeader: unclosedHeader(line); break;
    case LinePlace::Keys:
        if (line.kind == LineKind::Keyed)
            keyLine(line);
        else if (line.kind == LineKind::Other)
            bareLine(line);
        break;
    case LinePlace::Trigger: trigger(line); break;
    case LinePlace::Code:
        if (line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            blocks_.code({line.indent.end, line.commentGap.start}, statementOf(text_, line));
        break;
    case LinePlace::Outside:
    case LinePlace::Title:
    case LinePlace::Text: break;
    }
}

std::vector<ScriptProblem> ScriptChecker::finish()
{
    blocks_.finish();
    const auto earlier = [](const ScriptProblem& left, const ScriptProblem& right) {
        return left.span.start < right.span.start;
    };
    // Only the two ends of a block come out of order.
    if (!std::is_sorted(problems_.begin(), problems_.end(), earlier))
        std::stable_sort(problems_.begin(), problems_.end(), earlier);
    return std::move(problems_);
}

void ScriptChecker::header(const ScriptWalk& walk)
{
    blocks_.finish();
    kind_ = walk.kind();
    const std::string_view word = walk.kindWord();
    if (word.empty()) {
        report(walk.line().section, Severity::Warning, "Header without a section kind");
    } else if (!kind_ && !acceptsKind(word, vocabulary_)) {
        const TextSpan span{static_cast<std::size_t>(word.data() - text_.data()),
                            static_cast<std::size_t>(word.data() - text_.data()) + word.size()};
        reportUnknown(span, Severity::Warning, "Unknown section kind " + std::string(word), WordList::Kinds);
    }
}

void ScriptChecker::unclosedHeader(const ScriptLine& line)
{
    const std::size_t end = line.commentGap.start;
    report({line.indent.end, end}, Severity::Error, "Header without its ]", TextEdit{end, end, "]"});
}

void ScriptChecker::keyLine(const ScriptLine& line)
{
    const std::string_view key = line.key.of(text_);
    if (!kind_->keysListed || acceptsKey(kind_->name, key, vocabulary_))
        return;
    reportUnknown(line.key, Severity::Warning, "Unknown " + std::string(kind_->name) + " key " + std::string(key),
                  WordList::Keys);
}

// A line without "=" is a key only as "KEY value", with a blank for the "=".
void ScriptChecker::bareLine(const ScriptLine& line)
{
    const TextSpan body{line.indent.end, line.commentGap.start};
    const TextSpan word = firstWord(text_, body);
    const bool keyAndValue = word.end < body.end
        && (!kind_->keysListed || acceptsKey(kind_->name, word.of(text_), vocabulary_));
    if (!keyAndValue)
        report(body, Severity::Warning, "Not a key line: " + std::string(kind_->name) + " lines before ON= are KEY=value");
}

void ScriptChecker::trigger(const ScriptLine& line)
{
    blocks_.finish();
    const TextSpan name = triggerNameOf(text_, line);
    if (kind_->object == ObjectKind::None || name.size() < 2 || acceptsTrigger(kind_->object, name.of(text_), vocabulary_))
        return;
    const std::string message = "No " + std::string(objectKindName(kind_->object)) + " fires "
        + std::string(name.of(text_)) + " by itself";
    reportUnknown(name, Severity::Hint, message, WordList::Triggers, " (only a script that calls it runs it)");
}

void ScriptChecker::report(TextSpan span, Severity severity, std::string message, std::optional<TextEdit> fix)
{
    problems_.push_back({span, severity, std::move(message), std::move(fix)});
}

void ScriptChecker::reportUnknown(TextSpan word, Severity severity, const std::string& message, WordList list,
                                  std::string_view otherwise)
{
    // A script for another branch repeats its unknown words, so each is looked for once.
    const std::string_view written = word.of(text_);
    const std::string name = listName(list);
    const std::string memo = name + " " + upperCase(written);
    auto nearest = nearest_.find(memo);
    if (nearest == nearest_.end())
        nearest = nearest_.emplace(memo, nearestWord(written, words(list, name))).first;
    if (!nearest->second) {
        report(word, severity, message + std::string(otherwise));
        return;
    }
    std::string suggestion = inCaseOf(written, *nearest->second);
    report(word, severity, message + ": did you mean " + suggestion + "?", TextEdit{word.start, word.end, suggestion});
}

const std::vector<std::string_view>& ScriptChecker::words(WordList list, const std::string& name)
{
    if (const auto made = words_.find(name); made != words_.end())
        return made->second;
    std::vector<std::string_view> accepted;
    if (list == WordList::Kinds)
        accepted = acceptedKinds(vocabulary_);
    else if (list == WordList::Keys)
        accepted = acceptedKeys(kind_->name, vocabulary_);
    else
        accepted = acceptedTriggers(kind_->object, vocabulary_);
    return words_.emplace(name, std::move(accepted)).first->second;
}

std::string ScriptChecker::listName(WordList list) const
{
    if (list == WordList::Kinds)
        return "kinds";
    if (list == WordList::Keys)
        return "keys of " + std::string(kind_->name);
    return "triggers of " + std::string(objectKindName(kind_->object));
}

} // namespace defwright
