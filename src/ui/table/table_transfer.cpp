#include "ui/table/table_transfer.h"

#include "core/language/accepted_words.h"
#include "core/table/table_csv.h"
#include "core/table/table_import.h"
#include "ui/documents/native_paths.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/import_preview.h"
#include "ui/table/table_editor.h"
#include "ui/widgets/wait_cursor.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace defwright {
namespace {

QFileDialog* csvDialog(QWidget* window, const QString& name, QFileDialog::AcceptMode mode)
{
    auto* dialog = new QFileDialog(window);
    dialog->setObjectName(name);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(TableTransfer::tr("CSV Files (*.csv)"));
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    return dialog;
}

QString chosen(QFileDialog* dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

// The CSV's bytes, or why they cannot be read; never more than the largest CSV taken.
QString readCsvBytes(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return TableTransfer::tr("It is a folder, not a file.");
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    bytes = file.read(TableTransfer::kMaxCsvBytes + 1);
    if (bytes.size() > TableTransfer::kMaxCsvBytes)
        return TableTransfer::tr("It is larger than 64 MiB, more than any table of the folder.");
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

} // namespace

TableTransfer::TableTransfer(QWidget* window, DefinitionTableModel* model, TableEditor* editor)
    : QObject(window)
    , window_(window)
    , model_(model)
    , editor_(editor)
    , diaExport_(csvDialog(window, QStringLiteral("diaExportTable"), QFileDialog::AcceptSave))
    , diaImport_(csvDialog(window, QStringLiteral("diaImportTable"), QFileDialog::AcceptOpen))
{
}

void TableTransfer::exportTable()
{
    if (const QString path = chosen(diaExport_); !path.isEmpty())
        exportTo(path);
}

void TableTransfer::exportTo(const QString& path)
{
    const DefinitionTable* table = model_->table();
    if (table == nullptr)
        return;
    std::vector<std::uint32_t> keys;
    for (const ShownColumn& column : model_->columns()) {
        if (const auto key = column.kind == ColumnKind::Key ? table->keyNumber(column.key) : std::nullopt)
            keys.push_back(*key);
    }
    const std::string csv = withWaitCursor([&] { return tableCsv(*table, model_->shownRows(), keys); });
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), static_cast<qint64>(csv.size())) < 0
        || !file.commit()) {
        emit told(tr("Cannot export to %1: %2").arg(shownPath(path), file.errorString()));
        return;
    }
    emit told(tr("Exported %L1 definitions with %L2 keys to %3").arg(model_->shownRows().size()).arg(keys.size())
                  .arg(shownPath(path)));
}

void TableTransfer::importTable(std::string_view kind)
{
    if (const QString path = chosen(diaImport_); !path.isEmpty())
        importFrom(path, kind);
}

void TableTransfer::importFrom(const QString& path, std::string_view kind)
{
    const DefinitionTable* table = model_->table();
    if (table == nullptr)
        return;
    const QString name = QFileInfo(path).fileName();
    QByteArray bytes;
    if (const QString reason = readCsvBytes(path, bytes); !reason.isEmpty()) {
        emit told(tr("Cannot import %1: %2 Nothing was changed.").arg(shownPath(path), reason));
        return;
    }
    const std::string kindName(kind);
    const auto [csv, plan] = withWaitCursor([&] {
        CsvText read = readCsv({bytes.constData(), static_cast<std::size_t>(bytes.size())});
        ImportPlan planned = planImport(*table, read, [&kindName](std::string_view key) {
            return acceptsKey(kindName, key, FolderVocabulary{});
        });
        return std::pair(std::move(read), std::move(planned));
    });
    if (plan.problem) {
        emit told(tr("Cannot import %1: line %L2: %3 Nothing was changed.")
                      .arg(name)
                      .arg(plan.problem->line)
                      .arg(QString::fromUtf8(kCsvFaultTexts[static_cast<std::size_t>(plan.problem->fault)].data())));
        return;
    }
    if (plan.headerMissing) {
        emit told(tr("Cannot import %1: its first row must name the columns, beginning with Definition and File, "
                     "as Export Table writes it. Nothing was changed.")
                      .arg(name));
        return;
    }
    if (plan.changes.empty() && plan.skipped.empty() && plan.refusedColumns.empty()) {
        emit told(tr("%1 changes nothing: every cell says what the table does.").arg(name));
        return;
    }
    ImportPreview preview(*table, plan, name, csv.encoding, window_);
    if (preview.exec() != QDialog::Accepted)
        return;
    editor_->change(importedChanges(plan, preview.ticked()), tr("Import %1").arg(name));
}

} // namespace defwright
