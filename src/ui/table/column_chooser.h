#pragma once

#include "ui/table/column_choice.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace defwright {

/// Chooses the keys the table shows: every key the kind accepts or the
/// folder's definitions give, with how many give it, a tick for each shown.
/// Keys kept stay in their order; keys ticked come after them.
class ColumnChooser : public QDialog {
    Q_OBJECT

public:
    ColumnChooser(std::vector<KeyChoice> choices, std::vector<std::string> shown, std::vector<std::string> mostUsed,
                  QWidget* parent);

    [[nodiscard]] std::vector<std::string> chosenKeys() const;

private:
    void tick(const std::vector<std::string>& keys);
    void findKey(const QString& typed);

    QLineEdit* find_;
    QListWidget* list_;
    std::vector<std::string> shown_;
    std::vector<std::string> mostUsed_;
};

} // namespace defwright
