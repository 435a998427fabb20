#include "ui/folder/rename_dialog.h"

#include "ui/widgets/wait_cursor.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace defwright {

RenameDialog::RenameDialog(const QString& oldName, Check check, Check plan, QWidget* parent)
    : QDialog(parent)
    , check_(std::move(check))
    , plan_(std::move(plan))
    , name_(new QLineEdit(oldName, this))
    , problem_(new QLabel(this))
{
    setObjectName(QStringLiteral("diaRename"));
    setWindowTitle(tr("Rename %1").arg(oldName));
    auto* label = new QLabel(tr("&New name for %1, in every file of the scripts folder:").arg(oldName), this);
    label->setBuddy(name_);
    name_->setObjectName(QStringLiteral("txtNewName"));
    name_->setAccessibleName(tr("New name"));
    name_->selectAll();
    problem_->setObjectName(QStringLiteral("lblRenameProblem"));
    problem_->setWordWrap(true);
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    preview_ = buttons->addButton(tr("&Preview..."), QDialogButtonBox::AcceptRole);
    preview_->setObjectName(QStringLiteral("cmdRenamePreview"));
    preview_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &RenameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RenameDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(name_);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    connect(name_, &QLineEdit::textChanged, this, &RenameDialog::checkTyped);
    checkTyped();
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

QString RenameDialog::newName() const
{
    return name_->text().trimmed();
}

// The reason is the label's text and the box's description, so a screen reader hears it with the box.
void RenameDialog::checkTyped()
{
    const QString problem = check_(newName());
    problem_->setText(problem);
    name_->setAccessibleDescription(problem);
    preview_->setEnabled(problem.isEmpty());
}

void RenameDialog::accept()
{
    if (!preview_->isEnabled())
        return;
    const QString problem = withWaitCursor([this] { return plan_(newName()); });
    if (!problem.isEmpty()) {
        problem_->setText(problem);
        name_->setAccessibleDescription(problem);
        return;
    }
    QDialog::accept();
}

} // namespace defwright
