#pragma once

#include "core/table/csv_reader.h"
#include "core/table/definition_table.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace defwright {

struct ImportChange;
struct ImportPlan;

class ImportChangesModel;

/// What importing a CSV would change, before anything is: every change
/// (definition, file, key, before, after) with a tick box, the rows skipped
/// and the columns refused with why. Apply takes the ticked changes.
class ImportPreview : public QDialog {
    Q_OBJECT

public:
    ImportPreview(const DefinitionTable& table, const ImportPlan& plan, const QString& csvName, CsvEncoding encoding,
                  QWidget* parent);

    [[nodiscard]] const std::vector<bool>& ticked() const;

private:
    [[nodiscard]] QString summary(const QString& csvName, CsvEncoding encoding) const;
    [[nodiscard]] QString notApplied() const;
    void showTicked();

    const ImportPlan& plan_;
    ImportChangesModel* changes_;
    QLabel* ticked_;
    QPushButton* apply_;
};

} // namespace defwright
