#include "ui/language/problem_texts.h"

#include "core/language/fired_triggers.h"

#include <QCoreApplication>

#include <array>

namespace defwright {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ProblemTexts", text);
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString joined(const std::vector<std::string_view>& words)
{
    QStringList list;
    for (const std::string_view word : words)
        list << fromView(word);
    return list.join(QStringLiteral(", "));
}

QString fieldLine(const FormField& field)
{
    const QString page = field.section == "ITEMDEF" ? tr("the item page") : tr("the NPC page");
    const QString where = field.inCreateBlock ? tr("%1, in its @Create lines").arg(page) : page;
    if (field.caption.empty())
        return tr("Fills a skill slot of %1").arg(where);
    return tr("Fills %1 on %2").arg(fromView(field.caption), where);
}

} // namespace

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return tr("Error");
    case Severity::Warning:
        return tr("Warning");
    case Severity::Hint:
        break;
    }
    return tr("Hint");
}

QString problemCount(const std::vector<ScriptProblem>& problems)
{
    std::array<int, 3> counts{};
    for (const ScriptProblem& problem : problems)
        ++counts.at(static_cast<std::size_t>(problem.severity));
    static const std::array<std::array<const char*, 2>, 3> kNames = {{
        {QT_TRANSLATE_NOOP("ProblemTexts", "1 error"), QT_TRANSLATE_NOOP("ProblemTexts", "%L1 errors")},
        {QT_TRANSLATE_NOOP("ProblemTexts", "1 warning"), QT_TRANSLATE_NOOP("ProblemTexts", "%L1 warnings")},
        {QT_TRANSLATE_NOOP("ProblemTexts", "1 hint"), QT_TRANSLATE_NOOP("ProblemTexts", "%L1 hints")},
    }};
    QStringList parts;
    for (std::size_t severity = 0; severity < counts.size(); ++severity) {
        if (counts.at(severity) == 1)
            parts << tr(kNames.at(severity)[0]);
        else if (counts.at(severity) > 1)
            parts << tr(kNames.at(severity)[1]).arg(counts.at(severity));
    }
    return parts.isEmpty() ? tr("No problems") : parts.join(QStringLiteral(", "));
}

QString problemLine(const ScriptProblem& problem)
{
    return tr("%1: %2").arg(severityName(problem.severity), QString::fromStdString(problem.message));
}

QStringList keyLines(const KeyFacts& facts)
{
    if (facts.empty())
        return {};
    QStringList lines{QString::fromStdString(facts.key) + QLatin1Char('=')};
    if (facts.tag)
        lines << tr("A tag: any definition may hold it");
    if (!facts.kinds.empty())
        lines << tr("Accepted in: %1").arg(joined(facts.kinds));
    for (const FormField& field : facts.fields)
        lines << fieldLine(field);
    if (!facts.note.empty())
        lines << fromView(facts.note);
    return lines;
}

QStringList triggerLines(const TriggerFacts& facts)
{
    if (facts.empty())
        return {};
    std::vector<std::string_view> objects;
    for (const ObjectKind object : facts.objects)
        objects.push_back(objectKindName(object));
    return {QString::fromStdString(facts.trigger), tr("Fired by: %1").arg(joined(objects))};
}

// Rich text only as far as the lines need it: a script's "<" and "&" stay as written.
QString tooltipText(const QStringList& lines)
{
    QStringList escaped;
    for (const QString& line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(escaped.join(QStringLiteral("<br>")));
}

} // namespace defwright
