#pragma once

#include "core/index/folder_check.h"

#include <QWidget>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace defwright {

/// What Check Folder found, one row each: file, line, what is wrong. Enter or
/// a double-click on a row asks for its place. A window of its own beside the
/// main one, not modal, so the list stays while the scripts are mended.
class FolderCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit FolderCheckWindow(QWidget* owner);

    /// Shows the problems of the folder; files are named relative to it.
    void showProblems(const std::vector<FolderProblem>& problems, const QString& folder);

signals:
    /// A row was chosen: the file and its line, from 0.
    void placeChosen(const QString& file, int line);

private:
    void choose(const QTreeWidgetItem* row);

    QTreeWidget* list_;
};

} // namespace defwright
