#include "ui/folder/place_list.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

namespace defwright {
namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;
constexpr int kCopiedRole = Qt::UserRole + 2;

void appendCopied(const QTreeWidgetItem* item, QStringList& lines)
{
    if (item->childCount() == 0) {
        lines << item->data(0, kCopiedRole).toString();
        return;
    }
    for (int i = 0; i < item->childCount(); ++i)
        appendCopied(item->child(i), lines);
}

} // namespace

PlaceList::PlaceList(const QStringList& headers, QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderLabels(headers);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemActivated, this, &PlaceList::choose);
}

QTreeWidgetItem* PlaceList::itemOf(const Row& row)
{
    auto* item = new QTreeWidgetItem(row.columns);
    item->setData(0, kFileRole, row.file);
    item->setData(0, kLineRole, row.line);
    item->setData(0, kCopiedRole, row.copied);
    if (!row.icon.isNull())
        item->setIcon(0, row.icon);
    if (row.strong) {
        QFont strong = item->font(0);
        strong.setBold(true);
        for (int column = 0; column < row.columns.size(); ++column)
            item->setFont(column, strong);
    }
    return item;
}

void PlaceList::showRows(const std::vector<Row>& rows)
{
    clear();
    setRootIsDecorated(false);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const Row& row : rows)
        items.append(itemOf(row));
    addTopLevelItems(items);
    if (!items.isEmpty())
        setCurrentItem(items.constFirst());
    fitColumns();
}

void PlaceList::showGroups(const std::vector<Group>& groups)
{
    clear();
    setRootIsDecorated(true);
    QList<QTreeWidgetItem*> items;
    for (const Group& group : groups) {
        auto* heading = new QTreeWidgetItem({group.caption});
        for (const Row& row : group.rows)
            heading->addChild(itemOf(row));
        items.append(heading);
    }
    addTopLevelItems(items);
    for (QTreeWidgetItem* heading : std::as_const(items)) {
        heading->setFirstColumnSpanned(true);
        heading->setExpanded(true);
    }
    if (!items.isEmpty() && items.constFirst()->childCount() > 0)
        setCurrentItem(items.constFirst()->child(0));
    fitColumns();
}

// Every column but the last as wide as it needs; the last takes the rest.
void PlaceList::fitColumns()
{
    for (int column = 0; column + 1 < columnCount(); ++column)
        resizeColumnToContents(column);
}

QString PlaceList::copiedText(bool selectedOnly) const
{
    QStringList lines;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        if (!selectedOnly || item->isSelected()) {
            appendCopied(item, lines);
            continue;
        }
        for (int child = 0; child < item->childCount(); ++child) {
            if (item->child(child)->isSelected())
                appendCopied(item->child(child), lines);
        }
    }
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

void PlaceList::copy(bool selectedOnly) const
{
    QApplication::clipboard()->setText(copiedText(selectedOnly));
}

void PlaceList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copy(true);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// A group's own row opens nothing: it only folds.
void PlaceList::choose(const QTreeWidgetItem* item)
{
    if (item != nullptr && item->childCount() == 0 && !item->data(0, kFileRole).toString().isEmpty())
        emit placeChosen(item->data(0, kFileRole).toString(), item->data(0, kLineRole).toInt());
}

} // namespace defwright
