#pragma once

#include "core/index/folder_check.h"

#include <QIcon>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace defwright {

class PlaceList;

/// What Check Folder found, one row each: its severity, file, line and what is
/// wrong. The rows shown can be narrowed to some severities and to the words
/// typed, ordered by file or by kind, and copied as text ("file:line:
/// message", a line each). Enter or a double-click on a row asks for its
/// place. A window of its own beside the main one, not modal, so the list
/// stays while the scripts are mended.
class FolderCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit FolderCheckWindow(QWidget* owner);

    /// Shows the problems of the folder as the filter and the order chosen
    /// say; files are named relative to the folder.
    void showProblems(std::vector<FolderProblem> problems, const QString& folder);

signals:
    /// A row was chosen: the file and its line, from 0.
    void placeChosen(const QString& file, int line);

private:
    QWidget* createBar();
    void showFiltered();
    void countSeverities();

    std::vector<FolderProblem> problems_;
    QString folder_;
    std::array<QCheckBox*, 3> severities_{};
    std::array<QIcon, 3> icons_;
    QLineEdit* filter_;
    QComboBox* order_;
    QLabel* count_;
    PlaceList* list_;
};

} // namespace defwright
