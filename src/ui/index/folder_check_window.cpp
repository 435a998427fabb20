#include "ui/index/folder_check_window.h"

#include "core/index/problem_list.h"
#include "ui/index/index_paths.h"

#include <QDir>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace defwright {
namespace {

enum Column { kFile, kLine, kSeverity, kProblem };
constexpr int kPathRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;
constexpr QSize kSize(760, 360);

QString severityName(FolderProblem::Severity severity)
{
    const std::string_view name = kSeverityNames.at(static_cast<std::size_t>(severity));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

FolderCheckWindow::FolderCheckWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("frmFolderCheck"));
    setWindowTitle(tr("Check Folder"));
    list_->setObjectName(QStringLiteral("lstFolderProblems"));
    list_->setAccessibleName(tr("Problems found in the scripts folder"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("File"), tr("Line"), tr("Severity"), tr("Problem")});
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this, &FolderCheckWindow::choose);
    resize(kSize);
}

void FolderCheckWindow::showProblems(const std::vector<FolderProblem>& problems, const QString& folder)
{
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    const QDir base(folder);
    for (const FolderProblem& problem : problems) {
        const QString path = toQString(problem.file);
        auto* row = new QTreeWidgetItem({QDir::toNativeSeparators(base.relativeFilePath(path)),
                                         QString::number(problem.line + 1), severityName(problem.severity),
                                         QString::fromStdString(problem.message)});
        row->setData(kFile, kPathRole, path);
        row->setData(kFile, kLineRole, static_cast<int>(problem.line));
        row->setTextAlignment(kLine, Qt::AlignRight | Qt::AlignVCenter);
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    list_->resizeColumnToContents(kFile);
    list_->resizeColumnToContents(kLine);
    list_->resizeColumnToContents(kSeverity);
    if (!rows.isEmpty())
        list_->setCurrentItem(rows.constFirst());
    setWindowTitle(tr("Check Folder: %1").arg(QDir::toNativeSeparators(folder)));
    show();
    raise();
    activateWindow();
    list_->setFocus(Qt::OtherFocusReason);
}

void FolderCheckWindow::choose(const QTreeWidgetItem* row)
{
    if (row != nullptr)
        emit placeChosen(row->data(kFile, kPathRole).toString(), row->data(kFile, kLineRole).toInt());
}

} // namespace defwright
