#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace defwright {

/// Asks the new name of a definition. What is typed is checked as it is
/// typed, the reason it cannot be shown under it; Preview goes on only with a
/// name that can be, and only once the rename is planned: a plan that cannot
/// be made keeps the dialog open and says why.
class RenameDialog : public QDialog {
    Q_OBJECT

public:
    /// Why the name cannot be the new one; empty when it can.
    using Check = std::function<QString(const QString& newName)>;

    RenameDialog(const QString& oldName, Check check, Check plan, QWidget* parent);

    [[nodiscard]] QString newName() const;

public slots:
    void accept() override;

private:
    void checkTyped();

    Check check_;
    Check plan_;
    QLineEdit* name_;
    QLabel* problem_;
    QPushButton* preview_;
};

} // namespace defwright
