#include "ui/table/column_choice.h"

#include "core/language/accepted_words.h"
#include "core/script/ascii_case.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <map>

namespace defwright {
namespace {

constexpr std::size_t kDefaultKeys = 10;

QString settingOf(std::string_view kind)
{
    const QString name = QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size()));
    return QStringLiteral("definitionsTable/%1/columns").arg(name);
}

} // namespace

std::vector<KeyChoice> keyChoices(std::string_view kind, const DefinitionTable& table)
{
    std::map<std::string, std::size_t> uses;
    for (const std::string_view key : acceptedKeys(kind, FolderVocabulary{}))
        uses.emplace(upperCase(key), 0);
    for (std::uint32_t key = 0; key < table.keyCount(); ++key) {
        if (table.keyUse(key) > 0)
            uses[table.keyName(key)] = table.keyUse(key);
    }
    std::vector<KeyChoice> choices;
    for (const auto& [key, count] : uses)
        choices.push_back({key, count});
    std::stable_sort(choices.begin(), choices.end(),
                     [](const KeyChoice& a, const KeyChoice& b) { return a.uses > b.uses; });
    return choices;
}

std::vector<ShownColumn> columnsOfKeys(const std::vector<std::string>& keys)
{
    std::vector<ShownColumn> columns = {{ColumnKind::Definition, {}}};
    const auto defname = std::find(keys.begin(), keys.end(), kDefnameKey);
    if (defname != keys.end())
        columns.push_back({ColumnKind::Key, *defname});
    columns.push_back({ColumnKind::File, {}});
    columns.push_back({ColumnKind::Line, {}});
    for (const std::string& key : keys) {
        if (key != kDefnameKey)
            columns.push_back({ColumnKind::Key, key});
    }
    return columns;
}

std::vector<std::string> keysOfColumns(const std::vector<ShownColumn>& columns)
{
    std::vector<std::string> keys;
    for (const ShownColumn& column : columns) {
        if (column.kind == ColumnKind::Key)
            keys.push_back(column.key);
    }
    return keys;
}

std::vector<std::string> mostUsedKeys(const DefinitionTable& table)
{
    std::vector<std::string> keys;
    if (const auto defname = table.keyNumber(kDefnameKey); defname && table.keyUse(*defname) > 0)
        keys.emplace_back(kDefnameKey);
    for (const std::uint32_t key : table.defaultKeys(kDefaultKeys))
        keys.push_back(table.keyName(key));
    return keys;
}

std::vector<std::string> rememberedKeys(std::string_view kind, const DefinitionTable& table)
{
    const QVariant remembered = QSettings().value(settingOf(kind));
    if (!remembered.isValid())
        return mostUsedKeys(table);
    std::vector<std::string> keys;
    for (const QString& key : remembered.toString().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        std::string upper = upperCase(key.toStdString());
        if (!upper.empty() && std::find(keys.begin(), keys.end(), upper) == keys.end())
            keys.push_back(std::move(upper));
    }
    return keys;
}

void rememberKeys(std::string_view kind, const std::vector<std::string>& keys)
{
    QStringList names;
    for (const std::string& key : keys)
        names.append(QString::fromStdString(key));
    // One text, not a list: an empty list would read back as nothing remembered.
    QSettings().setValue(settingOf(kind), names.join(QLatin1Char(',')));
}

} // namespace defwright
