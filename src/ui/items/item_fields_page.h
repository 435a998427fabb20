#pragma once

#include "core/items/item_record.h"
#include "ui/widgets/twips.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace defwright {

class FormBuilder;

/// The "Basic Item Defs" page: the item's identifier, basic values, type, axis
/// values, hit points and color, each beside the key its script line begins with.
class ItemFieldsPage : public QWidget {
    Q_OBJECT

public:
    /// @param corner where the page's client area starts, in the window's twips
    explicit ItemFieldsPage(TwipsPoint corner, QWidget* parent = nullptr);

    [[nodiscard]] ItemRecord record() const;

    /// Fills every field from the record, then tells of one change, so the
    /// script is rebuilt once. The basic fields' focus rebuild does not run.
    void setRecord(const ItemRecord& item);

    /// Fills every field from the record and tells of no change.
    void showRecord(const ItemRecord& item);

    /// The page's controls in the order the Tab key visits them.
    [[nodiscard]] QWidgetList focusOrder() const;

signals:
    /// The text of any item field changed, by typing or by a pick from a list.
    void fieldChanged();
    /// The scripter moved into a basic field (txtBasic) by Tab, Shift+Tab or a click.
    void basicFieldEntered(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLeftColumn(const FormBuilder& page, const FormBuilder& frame);
    void createBasicFields(const FormBuilder& page, const FormBuilder& frame);
    void createRightColumn(const FormBuilder& page, const FormBuilder& frame);
    void setBoxFonts();
    void connectFields();

    QLineEdit* txtidef_ = nullptr;
    std::array<QLineEdit*, ItemRecord::kBasicCount> txtBasic_{};
    QComboBox* txtType_ = nullptr;
    std::array<QLineEdit*, ItemRecord::kAxisCount> txtAxis_{};
    QLineEdit* txticreatel_ = nullptr;
    QLineEdit* txticreateh_ = nullptr;
    QLineEdit* txtic_ = nullptr;
};

} // namespace defwright
