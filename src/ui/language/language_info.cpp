#include "ui/language/language_info.h"

#include "core/index/definition_name.h"
#include "core/index/definition_preview.h"
#include "core/index/definition_search.h"
#include "core/index/reference_names.h"
#include "core/index/script_summary.h"
#include "core/language/language_facts.h"
#include "core/script/text_lines.h"
#include "ui/documents/pane_document.h"
#include "ui/index/index_paths.h"
#include "ui/index/scripts_index.h"
#include "ui/language/problem_texts.h"
#include "ui/index/vocabulary_source.h"
#include "ui/panes/pane_places.h"
#include "ui/panes/script_pane.h"

#include <QCoreApplication>

namespace defwright {
namespace {

// A definition's preview lines are near its header; a body longer than this is not read on.
constexpr std::size_t kMostPreviewBytes = 64 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("LanguageInfo", text);
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Ids name definitions only where a definition or a naming key gives them.
bool mayName(std::string_view line, std::string_view name)
{
    if (!isIdNumber(name))
        return isDefinitionName(name);
    const ScriptLine parts = scriptLineAt(line, 0);
    return parts.kind == LineKind::Header || (parts.kind == LineKind::Keyed && isNamingKey(parts.key.of(line)));
}

QStringList previewLines(std::string_view text, std::size_t lineStart)
{
    QStringList lines;
    for (const std::string_view line : definitionPreview(text, lineStart))
        lines << fromView(line);
    return lines;
}

} // namespace

QStringList LanguageInfo::at(const PaneDocument& document, std::size_t position) const
{
    const ScriptPane& pane = *document.pane();
    const std::size_t start = lineStart(pane, lineOf(pane, position));
    const std::string_view line = pane.bytesIn(start, lineEnd(pane, lineOf(pane, position)));
    if (position < start || position >= start + line.size())
        return {};
    const std::size_t offset = position - start;
    const LanguageWord word = languageWordAt(line, offset);
    const FolderVocabulary& vocabulary = *vocabulary_->vocabulary();
    if (word.kind == LanguageWord::Kind::Key) {
        if (QStringList lines = keyLines(keyFacts(word.span.of(line), vocabulary)); !lines.isEmpty())
            return lines;
    } else if (word.kind == LanguageWord::Kind::Trigger) {
        return triggerLines(triggerFacts(word.span.of(line), vocabulary));
    }
    if (const ScriptLine parts = scriptLineAt(line, 0); !parts.comment.empty() && offset >= parts.comment.start)
        return {};
    const std::string_view name = nameAt(line, offset);
    if (name.empty() || !mayName(line, name))
        return {};
    return nameLines(document, name);
}

// A document of a file the index holds is in the index as it is (its unsaved
// text among it); any other document's text is read as it stands.
QStringList LanguageInfo::nameLines(const PaneDocument& document, std::string_view name) const
{
    const ScriptsIndex& index = *vocabulary_->index();
    const bool indexed = !document.filePath().isEmpty() && index.contains(document.canonicalFilePath());
    const ScriptSummary own = indexed ? ScriptSummary() : summarizeScript(document.pane()->bytes());
    const std::vector<DefinitionHit> hits = findDefinitions(name, own, {}, index.index());
    if (hits.empty())
        return {};
    QStringList lines = hitLines(document, hits.front());
    if (hits.size() == 2)
        lines << tr("Defined once more elsewhere");
    else if (hits.size() > 2)
        lines << tr("Defined %L1 more times elsewhere").arg(hits.size() - 1);
    return lines;
}

QStringList LanguageInfo::hitLines(const PaneDocument& document, const DefinitionHit& hit) const
{
    const QString line = QString::number(hit.line + 1);
    if (hit.inPane) {
        const ScriptPane& pane = *document.pane();
        const std::size_t start = lineStart(pane, hit.line);
        QStringList lines = previewLines(pane.bytesIn(start, start + kMostPreviewBytes), 0);
        const QString file = document.filePath().isEmpty() ? tr("this script") : document.fileName();
        return lines << tr("%1:%2").arg(file, line);
    }
    const FolderIndex& index = vocabulary_->index()->index();
    for (const std::uint32_t file : index.files()) {
        if (index.filePath(file) != hit.file)
            continue;
        const std::shared_ptr<const std::string>& kept = index.summary(file).text;
        const std::string_view text = kept ? std::string_view(*kept) : std::string_view();
        QStringList lines = previewLines(text, TextLines(text).lineStart(hit.line).start);
        lines << tr("%1:%2").arg(QString::fromStdString(index.shownPath(file)), line);
        if (!hit.loaded)
            lines.back() += tr(" (not loaded)");
        return lines;
    }
    return {};
}

} // namespace defwright
