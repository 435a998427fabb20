#include "ui/table/import_preview.h"

#include "core/table/table_import.h"
#include "ui/table/cell_text.h"
#include "ui/table/import_changes_model.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace defwright {
namespace {

constexpr QSize kSize(900, 560);

QTableView* changesView(ImportChangesModel* model, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("tblImportChanges"));
    view->setAccessibleName(ImportPreview::tr("Changes the CSV makes"));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setResizeContentsPrecision(200);
    view->resizeColumnsToContents();
    return view;
}

QPlainTextEdit* notAppliedBox(const QString& text, QWidget* parent)
{
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(QStringLiteral("txtImportSkipped"));
    box->setAccessibleName(ImportPreview::tr("Rows skipped and columns refused"));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVisible(!text.isEmpty());
    return box;
}

} // namespace

ImportPreview::ImportPreview(const DefinitionTable& table, const ImportPlan& plan, const QString& csvName,
                             CsvEncoding encoding, QWidget* parent)
    : QDialog(parent)
    , plan_(plan)
    , changes_(new ImportChangesModel(table, plan, this))
    , ticked_(new QLabel(this))
{
    setObjectName(QStringLiteral("diaImportPreview"));
    setWindowTitle(tr("Import Table: %1").arg(csvName));
    auto* heading = new QLabel(summary(csvName, encoding), this);
    heading->setObjectName(QStringLiteral("lblImportSummary"));
    heading->setWordWrap(true);
    ticked_->setObjectName(QStringLiteral("lblImportTicked"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    apply_ = buttons->button(QDialogButtonBox::Ok);
    apply_->setText(tr("&Apply"));
    apply_->setObjectName(QStringLiteral("cmdApplyImport"));
    QPushButton* all = buttons->addButton(tr("Tick &All"), QDialogButtonBox::ActionRole);
    all->setObjectName(QStringLiteral("cmdTickAll"));
    QPushButton* none = buttons->addButton(tr("Tick &None"), QDialogButtonBox::ActionRole);
    none->setObjectName(QStringLiteral("cmdTickNone"));
    connect(all, &QPushButton::clicked, changes_, [this] { changes_->tickAll(true); });
    connect(none, &QPushButton::clicked, changes_, [this] { changes_->tickAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(changes_, &ImportChangesModel::tickedChanged, this, &ImportPreview::showTicked);
    QTableView* view = changesView(changes_, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(view, 3);
    layout->addWidget(notAppliedBox(notApplied(), this), 1);
    layout->addWidget(ticked_);
    layout->addWidget(buttons);
    showTicked();
    view->setFocus();
    resize(kSize);
}

const std::vector<bool>& ImportPreview::ticked() const
{
    return changes_->ticked();
}

QString ImportPreview::summary(const QString& csvName, CsvEncoding encoding) const
{
    const std::size_t cells = plan_.changes.size();
    QString text = cells == 1 ? tr("%1 changes 1 cell").arg(csvName) : tr("%1 changes %L2 cells").arg(csvName).arg(cells);
    if (const std::size_t rows = plan_.skipped.size(); rows > 0)
        text += rows == 1 ? tr("; 1 row skipped") : tr("; %L1 rows skipped").arg(rows);
    if (const std::size_t columns = plan_.refusedColumns.size(); columns > 0)
        text += columns == 1 ? tr("; 1 column refused") : tr("; %L1 columns refused").arg(columns);
    text += QLatin1Char('.');
    if (encoding != CsvEncoding::Utf8 && encoding != CsvEncoding::Utf8WithBom)
        text += QLatin1Char(' ')
                + tr("The file is not UTF-8: it was read as %1. Check that its letters look right before applying.")
                      .arg(textOf(kCsvEncodingNames[static_cast<std::size_t>(encoding)]));
    return text;
}

QString ImportPreview::notApplied() const
{
    QStringList lines;
    for (const RefusedColumn& column : plan_.refusedColumns)
        lines << tr("Column %1 (%2): %3")
                     .arg(column.column + 1)
                     .arg(textOf(column.name), textOf(kColumnRefusalTexts[static_cast<std::size_t>(column.reason)]));
    for (const SkippedRow& row : plan_.skipped)
        lines << tr("Line %1, %2 in %3: %4")
                     .arg(row.csvLine)
                     .arg(textOf(row.name), textOf(row.file), textOf(kSkipReasonTexts[static_cast<std::size_t>(row.reason)]));
    return lines.join(QLatin1Char('\n'));
}

void ImportPreview::showTicked()
{
    const std::size_t count = changes_->tickedCount();
    ticked_->setText(tr("%L1 of %L2 changes ticked").arg(count).arg(plan_.changes.size()));
    apply_->setEnabled(count > 0);
}

} // namespace defwright
