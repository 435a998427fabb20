#pragma once

#include "core/npcs/npc_record.h"
#include "ui/widgets/twips.h"

#include <QGroupBox>

#include <array>

class QComboBox;
class QLineEdit;

namespace defwright {

class FormBuilder;

/// The "Basic NPC Defs" frame: the NPC's identifier, basic values, and its
/// movement flag and trigger-list boxes.
class NpcBasicFrame : public QGroupBox {
    Q_OBJECT

public:
    /// Creates the frame at `rect` on the page that `page` builds.
    NpcBasicFrame(const FormBuilder& page, const TwipsRect& rect);

    /// Writes this frame's fields into the record.
    void readInto(NpcRecord& npc) const;

    /// Puts this frame's part of the record into its fields, raising no change.
    void writeFrom(const NpcRecord& npc);

    [[nodiscard]] QWidgetList focusOrder() const;

signals:
    void fieldChanged();

private:
    void createIdentifier(const FormBuilder& frame);
    void createBasicFields(const FormBuilder& frame);
    void createListBoxes(const FormBuilder& frame);
    void connectFields();

    QLineEdit* txtndef_ = nullptr;
    std::array<QLineEdit*, NpcRecord::kBasicCount> txtnBasic_{};
    std::array<QComboBox*, NpcRecord::kListCount> lstCan_{};
};

} // namespace defwright
