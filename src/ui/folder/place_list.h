#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

#include <vector>

namespace defwright {

/// Places in the files of the scripts folder, one a row: what the list shows
/// of each in its columns, and the line of text it copies as. Rows may stand
/// in groups, each under a row of its own. Enter or a double-click on a row
/// asks for its place; Ctrl+C copies the lines of the rows selected.
class PlaceList : public QTreeWidget {
    Q_OBJECT

public:
    struct Row {
        QStringList columns;
        QString file;
        int line = 0; ///< from 0
        QString copied;
        QIcon icon; ///< before the first column, if any
        bool strong = false;
    };
    struct Group {
        QString caption;
        std::vector<Row> rows;
    };

    PlaceList(const QStringList& headers, QWidget* parent);

    /// Shows the rows in place of what it showed; the first is the current one.
    void showRows(const std::vector<Row>& rows);
    /// The same, each group under a row of its own that spans the columns.
    void showGroups(const std::vector<Group>& groups);

    /// The lines of the rows, one a line: of those selected (every row of a
    /// group selected), or of them all.
    [[nodiscard]] QString copiedText(bool selectedOnly) const;
    void copy(bool selectedOnly) const;

signals:
    /// A row was chosen: its file and line, from 0.
    void placeChosen(const QString& file, int line);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] static QTreeWidgetItem* itemOf(const Row& row);
    void choose(const QTreeWidgetItem* item);
    void fitColumns();
};

} // namespace defwright
