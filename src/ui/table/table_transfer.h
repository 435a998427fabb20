#pragma once

#include <QObject>
#include <QString>

#include <string_view>

class QFileDialog;
class QWidget;

namespace defwright {

class DefinitionTableModel;
class TableEditor;

/// The table's round trip through a spreadsheet. Export writes the rows
/// shown, in their order, with the key columns shown, as CSV. Import reads
/// such a CSV back, shows every change it would make before any is made, and
/// applies those ticked as one table action; a CSV that cannot be read
/// changes nothing and says why.
class TableTransfer : public QObject {
    Q_OBJECT

public:
    /// The largest CSV read: several times an export of a whole folder.
    static constexpr qint64 kMaxCsvBytes = qint64{64} * 1024 * 1024;

    TableTransfer(QWidget* window, DefinitionTableModel* model, TableEditor* editor);

    void exportTable();
    void importTable(std::string_view kind);

    /// The same without the file dialogs.
    void exportTo(const QString& path);
    void importFrom(const QString& path, std::string_view kind);

signals:
    void told(const QString& message);

private:
    QWidget* window_;
    DefinitionTableModel* model_;
    TableEditor* editor_;
    QFileDialog* diaExport_;
    QFileDialog* diaImport_;
};

} // namespace defwright
