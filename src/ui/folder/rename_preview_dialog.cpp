#include "ui/folder/rename_preview_dialog.h"

#include "ui/index/index_paths.h"
#include "ui/index/pane_text.h"
#include "ui/widgets/wait_cursor.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace defwright {
namespace {

constexpr QSize kSize(820, 460);
constexpr Qt::ItemFlags kTickable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;

QTreeWidgetItem* fileRow(const RenameFile& file, const QDir& base)
{
    QString caption = QStringLiteral("%1  (%2)")
                          .arg(QDir::toNativeSeparators(base.relativeFilePath(toQString(file.file))))
                          .arg(file.changes.size());
    if (!file.loaded)
        caption += RenamePreviewDialog::tr(", not loaded by the server");
    auto* row = new QTreeWidgetItem({caption});
    row->setFlags(kTickable | Qt::ItemIsAutoTristate);
    for (const RenameChange& change : file.changes) {
        auto* line = new QTreeWidgetItem({QString::number(change.line + 1), fromUtf8(change.before).trimmed(),
                                          fromUtf8(change.after).trimmed()});
        line->setFlags(kTickable);
        line->setCheckState(0, Qt::Checked);
        row->addChild(line);
    }
    return row;
}

} // namespace

RenamePreviewDialog::RenamePreviewDialog(const RenamePlan& plan, const QString& folder, const QString& heading,
                                         Apply apply, QWidget* parent)
    : QDialog(parent)
    , apply_(std::move(apply))
    , changes_(new QTreeWidget(this))
    , count_(new QLabel(this))
    , result_(new QLabel(this))
{
    setObjectName(QStringLiteral("diaRenamePreview"));
    setWindowTitle(heading);
    changes_->setObjectName(QStringLiteral("treRenameChanges"));
    changes_->setAccessibleName(tr("Changes of the rename; untick those to leave as they are"));
    changes_->setHeaderLabels({tr("Line"), tr("Before"), tr("After")});
    changes_->setUniformRowHeights(true);
    count_->setObjectName(QStringLiteral("lblRenameCount"));
    result_->setObjectName(QStringLiteral("lblRenameResult"));
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    rename_ = buttons->addButton(tr("&Rename"), QDialogButtonBox::AcceptRole);
    rename_->setObjectName(QStringLiteral("cmdRenameApply"));
    rename_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &RenamePreviewDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RenamePreviewDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(changes_);
    layout->addWidget(result_);
    layout->addWidget(buttons);
    fill(plan, folder);
    connect(changes_, &QTreeWidget::itemChanged, this, &RenamePreviewDialog::countChosen);
    countChosen();
    resize(kSize);
}

void RenamePreviewDialog::fill(const RenamePlan& plan, const QString& folder)
{
    const QDir base(folder);
    QList<QTreeWidgetItem*> rows;
    for (const RenameFile& file : plan.files)
        rows.append(fileRow(file, base));
    changes_->addTopLevelItems(rows);
    for (QTreeWidgetItem* row : std::as_const(rows)) {
        row->setFirstColumnSpanned(true);
        row->setExpanded(true);
    }
    if (!rows.isEmpty())
        changes_->setCurrentItem(rows.constFirst());
    changes_->resizeColumnToContents(0);
    changes_->setColumnWidth(1, (kSize.width() - changes_->columnWidth(0)) / 2);
}

RenamePreviewDialog::Chosen RenamePreviewDialog::chosen() const
{
    Chosen chosen;
    for (int file = 0; file < changes_->topLevelItemCount(); ++file) {
        const QTreeWidgetItem* row = changes_->topLevelItem(file);
        std::vector<bool>& ticks = chosen.emplace_back();
        for (int change = 0; change < row->childCount(); ++change)
            ticks.push_back(row->child(change)->checkState(0) == Qt::Checked);
    }
    return chosen;
}

void RenamePreviewDialog::countChosen()
{
    std::size_t ticked = 0;
    std::size_t all = 0;
    std::size_t files = 0;
    for (const std::vector<bool>& ticks : chosen()) {
        const auto inFile = static_cast<std::size_t>(std::count(ticks.begin(), ticks.end(), true));
        ticked += inFile;
        all += ticks.size();
        files += inFile > 0 ? 1 : 0;
    }
    count_->setText(tr("%L1 of %L2 changes ticked, in %L3 of %L4 files")
                        .arg(ticked)
                        .arg(all)
                        .arg(files)
                        .arg(changes_->topLevelItemCount()));
    rename_->setEnabled(ticked > 0);
}

void RenamePreviewDialog::accept()
{
    if (!rename_->isEnabled())
        return;
    const QString problem = withWaitCursor([this] { return apply_(chosen()); });
    if (!problem.isEmpty()) {
        result_->setText(problem);
        result_->show();
        rename_->setAccessibleDescription(problem);
        return;
    }
    QDialog::accept();
}

} // namespace defwright
