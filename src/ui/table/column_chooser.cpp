#include "ui/table/column_chooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace defwright {
namespace {

constexpr int kKeyRole = Qt::UserRole;

std::string keyOf(const QListWidgetItem* item)
{
    return item->data(kKeyRole).toString().toStdString();
}

} // namespace

ColumnChooser::ColumnChooser(std::vector<KeyChoice> choices, std::vector<std::string> shown,
                             std::vector<std::string> mostUsed, QWidget* parent)
    : QDialog(parent)
    , find_(new QLineEdit(this))
    , list_(new QListWidget(this))
    , shown_(std::move(shown))
    , mostUsed_(std::move(mostUsed))
{
    setObjectName(QStringLiteral("diaTableColumns"));
    setWindowTitle(tr("Columns"));
    find_->setObjectName(QStringLiteral("txtFindKey"));
    find_->setAccessibleName(tr("Find a key"));
    find_->setPlaceholderText(tr("Find a key"));
    find_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("lstTableKeys"));
    list_->setAccessibleName(tr("Keys shown as columns"));
    for (const KeyChoice& choice : choices) {
        const QString key = QString::fromStdString(choice.key);
        auto* item = new QListWidgetItem(choice.uses == 0 ? key : tr("%1  (%L2)").arg(key).arg(choice.uses), list_);
        item->setData(kKeyRole, key);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    tick(shown_);
    auto* label = new QLabel(tr("&Keys (how many definitions give each):"), this);
    label->setBuddy(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("btnTableColumns"));
    QPushButton* mostUsedButton = buttons->addButton(tr("Most &Used"), QDialogButtonBox::ResetRole);
    mostUsedButton->setObjectName(QStringLiteral("cmdMostUsed"));
    connect(mostUsedButton, &QPushButton::clicked, this, [this] { tick(mostUsed_); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(find_, &QLineEdit::textChanged, this, &ColumnChooser::findKey);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(find_);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

void ColumnChooser::tick(const std::vector<std::string>& keys)
{
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool shown = std::find(keys.begin(), keys.end(), keyOf(item)) != keys.end();
        item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    }
}

// Shows the keys that hold what is typed; the ticks of the others stay.
void ColumnChooser::findKey(const QString& typed)
{
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        item->setHidden(!item->data(kKeyRole).toString().contains(typed.trimmed(), Qt::CaseInsensitive));
    }
}

std::vector<std::string> ColumnChooser::chosenKeys() const
{
    std::vector<std::string> ticked;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked)
            ticked.push_back(keyOf(list_->item(row)));
    }
    std::vector<std::string> chosen;
    for (const std::string& key : shown_) {
        if (std::find(ticked.begin(), ticked.end(), key) != ticked.end())
            chosen.push_back(key);
    }
    for (const std::string& key : ticked) {
        if (std::find(chosen.begin(), chosen.end(), key) == chosen.end())
            chosen.push_back(key);
    }
    return chosen;
}

} // namespace defwright
