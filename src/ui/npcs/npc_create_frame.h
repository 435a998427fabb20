#pragma once

#include "core/npcs/npc_record.h"
#include "ui/widgets/twips.h"

#include <QGroupBox>

#include <array>

class QComboBox;
class QLineEdit;

namespace defwright {

class FormBuilder;

/// The "@Create" frame: the NPC's brain, stat ranges, creation values and skills.
class NpcCreateFrame : public QGroupBox {
    Q_OBJECT

public:
    /// Creates the frame at `rect` on the page that `page` builds.
    NpcCreateFrame(const FormBuilder& page, const TwipsRect& rect);

    /// Writes this frame's fields into the record.
    void readInto(NpcRecord& npc) const;

    /// Puts this frame's part of the record into its fields, raising no change.
    void writeFrom(const NpcRecord& npc);

    [[nodiscard]] QWidgetList focusOrder() const;

signals:
    void fieldChanged();

private:
    void createBrainAndStats(const FormBuilder& frame);
    void createCreationValues(const FormBuilder& frame);
    void createSkills(const FormBuilder& frame);
    void connectFields();

    QComboBox* cmbbrain_ = nullptr;
    std::array<QLineEdit*, NpcRecord::kStatCount> txth_{};
    std::array<QLineEdit*, NpcRecord::kStatCount> txtl_{};
    std::array<QLineEdit*, NpcRecord::kCreationCount> txtncreate_{};
    std::array<QComboBox*, NpcRecord::kSkillCount> cmbskill1_{};
    std::array<QLineEdit*, NpcRecord::kSkillCount> txtsl_{};
    std::array<QLineEdit*, NpcRecord::kSkillCount> txtsh_{};
};

} // namespace defwright
