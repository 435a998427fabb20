#pragma once

#include "core/language/folder_vocabulary.h"

#include <QDialog>
#include <QString>

#include <string>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace defwright {

/// Asks for the key and value of a line to add to a definition: the key
/// box completes the keys its kind accepts and the folder uses, in any case.
/// Enter in the key box goes on to the value box.
/// OK stays off until the two make a line that reads as that key; a key the
/// kind does not take is let through with a note, as the folder may be
/// written for a server that takes it.
class AddRowDialog : public QDialog {
    Q_OBJECT

public:
    /// @param kind the section kind, upper case; empty for a kind the language does not know
    AddRowDialog(const QString& header, std::string kind, const FolderVocabulary& vocabulary, QWidget* parent);

    [[nodiscard]] QString key() const;
    [[nodiscard]] QString value() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    std::string kind_;
    const FolderVocabulary& vocabulary_;
    bool kindHasKeys_ = false;
    QLineEdit* key_;
    QLineEdit* value_;
    QLabel* note_;
    QDialogButtonBox* buttons_;
};

} // namespace defwright
