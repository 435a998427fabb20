#pragma once

#include "ui/inspector/inspected_definition.h"

#include <QAbstractTableModel>
#include <QString>

#include <optional>

namespace defwright {

/// The rows of the definition the inspector shows: its header, each body
/// line that is not blank (key, value and comment, as written), and each
/// trigger; a row with problems carries an icon, and their messages as its
/// tool tip and accessible description. Only a body line's value is
/// editable; the model does not edit anything itself but asks for it.
class InspectorModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { KeyColumn, ValueColumn, CommentColumn, ColumnCount };

    /// Longer values are shown cut short, and in full when edited.
    static constexpr qsizetype kShownValueLength = 1000;

    explicit InspectorModel(QObject* parent = nullptr);

    /// Shows another definition, or none. The same number of rows as now
    /// only tells of the rows that changed, so what the view has in hand
    /// stays, and each row keeps the problems it showed until showProblems().
    void show(std::optional<InspectedDefinition> definition);
    /// The problems of the rows shown, by row.
    void showProblems(const std::vector<std::vector<RowProblem>>& problems);
    [[nodiscard]] const std::optional<InspectedDefinition>& definition() const { return definition_; }
    [[nodiscard]] const InspectedRow& row(int row) const { return definition_->shown[static_cast<std::size_t>(row)]; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    /// Whether the row's value may be edited: a keyed or bare body line's.
    [[nodiscard]] bool isEditable(int row) const;
    /// The row's key and value as a screen reader hears them, "NAME=Aegis".
    [[nodiscard]] QString spoken(int row) const;

signals:
    /// The value of a row was edited to `value`.
    void valueEdited(int row, const QString& value);

private:
    [[nodiscard]] QString text(TextSpan span) const;
    [[nodiscard]] QString cell(int row, int column) const;
    [[nodiscard]] QString problems(int row) const;
    [[nodiscard]] QVariant icon(int row) const;
    void tellChanged(int first, int last);

    std::optional<InspectedDefinition> definition_;
};

} // namespace defwright
