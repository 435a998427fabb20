#include "ui/inspector/inspector_model.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyle>

namespace defwright {
namespace {

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return InspectorModel::tr("Error");
    case Severity::Warning:
        return InspectorModel::tr("Warning");
    case Severity::Hint:
        break;
    }
    return InspectorModel::tr("Hint");
}

// Whether a row reads the same in both, wherever its bytes now stand; its problems are another matter.
bool sameRow(const InspectedDefinition& before, const InspectedDefinition& after, std::size_t row)
{
    const InspectedRow& left = before.shown[row];
    const InspectedRow& right = after.shown[row];
    return left.kind == right.kind && left.lineCount == right.lineCount
        && left.line.text.of(before.text) == right.line.text.of(after.text);
}

QString shortened(QString text)
{
    if (text.size() <= InspectorModel::kShownValueLength)
        return text;
    text.truncate(InspectorModel::kShownValueLength);
    return text + QChar(0x2026);
}

} // namespace

InspectorModel::InspectorModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void InspectorModel::show(std::optional<InspectedDefinition> definition)
{
    if (!definition || !definition_ || definition->shown.size() != definition_->shown.size()) {
        beginResetModel();
        definition_ = std::move(definition);
        endResetModel();
        return;
    }
    const bool sameHeader = sameRow(*definition_, *definition, 0);
    int first = -1;
    int last = -1;
    for (std::size_t row = 0; row < definition->shown.size(); ++row) {
        if (sameHeader)
            definition->shown[row].problems = std::move(definition_->shown[row].problems);
        if (sameRow(*definition_, *definition, row))
            continue;
        first = first < 0 ? static_cast<int>(row) : first;
        last = static_cast<int>(row);
    }
    definition_ = std::move(definition);
    tellChanged(first, last);
}

void InspectorModel::showProblems(const std::vector<std::vector<RowProblem>>& problems)
{
    if (!definition_ || problems.size() != definition_->shown.size())
        return;
    int first = -1;
    int last = -1;
    for (std::size_t row = 0; row < problems.size(); ++row) {
        if (definition_->shown[row].problems == problems[row])
            continue;
        definition_->shown[row].problems = problems[row];
        first = first < 0 ? static_cast<int>(row) : first;
        last = static_cast<int>(row);
    }
    tellChanged(first, last);
}

void InspectorModel::tellChanged(int first, int last)
{
    if (first >= 0)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

int InspectorModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !definition_ ? 0 : static_cast<int>(definition_->shown.size());
}

int InspectorModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant InspectorModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !definition_)
        return {};
    const int at = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == ValueColumn ? shortened(cell(at, ValueColumn)) : cell(at, index.column());
    case Qt::EditRole:
        return cell(at, index.column());
    case Qt::AccessibleTextRole:
        return index.column() == CommentColumn ? tr("Comment: %1").arg(cell(at, CommentColumn)) : spoken(at);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return problems(at);
    case Qt::DecorationRole:
        return index.column() == KeyColumn ? icon(at) : QVariant();
    case Qt::FontRole:
        if (row(at).kind != InspectedRow::Kind::Line) {
            QFont font;
            font.setBold(true);
            return font;
        }
        break;
    default:
        break;
    }
    return {};
}

QVariant InspectorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case KeyColumn:
        return tr("Key");
    case ValueColumn:
        return tr("Value");
    default:
        return tr("Comment");
    }
}

Qt::ItemFlags InspectorModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ValueColumn && isEditable(index.row()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool InspectorModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString edited = value.toString();
    if (edited != cell(index.row(), ValueColumn))
        emit valueEdited(index.row(), edited);
    return true;
}

bool InspectorModel::isEditable(int at) const
{
    if (!definition_ || at < 0 || at >= rowCount())
        return false;
    const InspectedRow& shown = row(at);
    return shown.kind == InspectedRow::Kind::Line
        && (shown.line.kind == LineKind::Keyed || shown.line.kind == LineKind::Other);
}

QString InspectorModel::spoken(int at) const
{
    const InspectedRow& shown = row(at);
    const QString value = shortened(cell(at, ValueColumn));
    switch (shown.kind) {
    case InspectedRow::Kind::Header:
        return tr("Header [%1]").arg((cell(at, KeyColumn) + u' ' + value).trimmed());
    case InspectedRow::Kind::Trigger:
        return cell(at, KeyColumn) + u'=' + value;
    case InspectedRow::Kind::Line:
        break;
    }
    if (shown.line.kind == LineKind::Comment)
        return tr("Comment: %1").arg(cell(at, CommentColumn));
    return shown.line.kind == LineKind::Keyed ? cell(at, KeyColumn) + u'=' + value : value;
}

QString InspectorModel::text(TextSpan span) const
{
    return QString::fromUtf8(span.of(definition_->text));
}

QString InspectorModel::cell(int at, int column) const
{
    const InspectedRow& shown = row(at);
    const ScriptLine& line = shown.line;
    if (column == CommentColumn)
        return text(line.comment);
    const HeaderSpans& words = definition_->rows.words;
    switch (shown.kind) {
    case InspectedRow::Kind::Header:
        return text(column == KeyColumn ? words.kind : TextSpan{words.name.start, words.arguments.end});
    case InspectedRow::Kind::Trigger:
        if (column == KeyColumn)
            return text(line.key);
        return shown.lineCount == 1 ? tr("%1, 1 line").arg(text(line.value))
                                    : tr("%1, %2 lines").arg(text(line.value), QString::number(shown.lineCount));
    case InspectedRow::Kind::Line:
        break;
    }
    if (line.kind == LineKind::Keyed)
        return text(column == KeyColumn ? line.key : line.value);
    if (line.kind == LineKind::Other && column == ValueColumn)
        return text({line.indent.end, line.commentGap.start});
    return {};
}

QString InspectorModel::problems(int at) const
{
    const InspectedRow& shown = row(at);
    QStringList messages;
    for (const RowProblem& problem : shown.problems) {
        QString message = severityName(problem.severity) + QStringLiteral(": ") + QString::fromStdString(problem.message);
        if (problem.line != shown.number)
            message = tr("Line %1: %2").arg(QString::number(problem.line + 1), message);
        messages << message;
    }
    return messages.join(u'\n');
}

QVariant InspectorModel::icon(int at) const
{
    const std::optional<Severity> severity = row(at).severity();
    if (!severity)
        return {};
    const QStyle::StandardPixmap pixmap = *severity == Severity::Error ? QStyle::SP_MessageBoxCritical
        : *severity == Severity::Warning                               ? QStyle::SP_MessageBoxWarning
                                                                       : QStyle::SP_MessageBoxInformation;
    return QApplication::style()->standardIcon(pixmap);
}

} // namespace defwright
