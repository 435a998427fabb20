#include "ui/inspector/add_row_dialog.h"

#include "core/definitions/row_edits.h"
#include "core/language/accepted_words.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>
#include <utility>

namespace defwright {
namespace {

constexpr int kCompletionRows = 12;

QCompleter* keyCompleter(const std::vector<std::string_view>& keys, QObject* parent)
{
    QStringList words;
    words.reserve(static_cast<qsizetype>(keys.size()));
    for (const std::string_view key : keys)
        words << QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    auto* completer = new QCompleter(words, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    completer->setMaxVisibleItems(kCompletionRows);
    completer->setObjectName(QStringLiteral("keyCompleter"));
    return completer;
}

} // namespace

AddRowDialog::AddRowDialog(const QString& header, std::string kind, const FolderVocabulary& vocabulary,
                           QWidget* parent)
    : QDialog(parent)
    , kind_(std::move(kind))
    , vocabulary_(vocabulary)
    , key_(new QLineEdit(this))
    , value_(new QLineEdit(this))
    , note_(new QLabel(this))
    , buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("dlgAddRow"));
    setWindowTitle(tr("Add a Line to %1").arg(header));
    key_->setObjectName(QStringLiteral("txtNewKey"));
    value_->setObjectName(QStringLiteral("txtNewValue"));
    value_->setMaxLength(std::numeric_limits<int>::max());
    note_->setObjectName(QStringLiteral("lblNewRowNote"));
    note_->setWordWrap(true);
    const std::vector<std::string_view> keys = acceptedKeys(kind_, vocabulary_);
    kindHasKeys_ = !keys.empty();
    key_->setCompleter(keyCompleter(keys, this));
    connect(key_->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            [this] { value_->setFocus(Qt::TabFocusReason); });

    auto* form = new QFormLayout;
    form->addRow(tr("&Key:"), key_);
    form->addRow(tr("&Value:"), value_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    key_->installEventFilter(this);
    connect(key_, &QLineEdit::textChanged, this, &AddRowDialog::check);
    connect(value_, &QLineEdit::textChanged, this, &AddRowDialog::check);
    check();
}

QString AddRowDialog::key() const
{
    return key_->text().trimmed();
}

QString AddRowDialog::value() const
{
    return value_->text();
}

// Enter in the key box goes on to the value, as taking a completion does.
bool AddRowDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == key_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            value_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The note says why OK is off, or what the key will be marked with.
void AddRowDialog::check()
{
    const std::string key = this->key().toStdString();
    const bool reads = keyedLine(key, value().toStdString()).has_value();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(reads);
    QString note;
    if (key.empty())
        note = tr("Type a key; the list offers those this kind of definition takes.");
    else if (value().contains(u'\n') || value().contains(u'\r'))
        note = tr("A value stays on one line.");
    else if (!reads)
        note = tr("A key is one word without \"=\", \"[\" or \"//\", and a trigger is added in the pane.");
    else if (kindHasKeys_ && !acceptsKey(kind_, key, vocabulary_))
        note = tr("%1 definitions do not take %2 here; the line will be marked.")
                   .arg(QString::fromStdString(kind_), this->key());
    note_->setText(note);
    note_->setAccessibleName(note);
}

} // namespace defwright
