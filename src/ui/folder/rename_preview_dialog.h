#pragma once

#include "core/index/rename_plan.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace defwright {

/// Every change a rename makes, by file: each line before and after, with a
/// tick box, all ticked. Unticking a file unticks its changes. Rename makes
/// the ticked ones; should that fail, the dialog stays and says why.
class RenamePreviewDialog : public QDialog {
    Q_OBJECT

public:
    /// Which changes of each file of the plan are ticked, in the plan's order.
    using Chosen = std::vector<std::vector<bool>>;
    /// Makes the changes chosen; returns why nothing was changed, or nothing.
    using Apply = std::function<QString(const Chosen& chosen)>;

    /// @param folder the files are named relative to it
    RenamePreviewDialog(const RenamePlan& plan, const QString& folder, const QString& heading, Apply apply,
                        QWidget* parent);

    [[nodiscard]] Chosen chosen() const;

public slots:
    void accept() override;

private:
    void fill(const RenamePlan& plan, const QString& folder);
    void countChosen();

    Apply apply_;
    QTreeWidget* changes_;
    QLabel* count_;
    QLabel* result_;
    QPushButton* rename_;
};

} // namespace defwright
