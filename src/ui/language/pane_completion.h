#pragma once

#include <QObject>

#include <optional>
#include <string>
#include <vector>

namespace defwright {

class ScriptPane;
class VocabularySource;

/// Completion in a script pane, with the editor's own list: at the start of
/// a line of a definition's body, the keys its kind accepts, the folder's
/// own among them; after "ON=@", the triggers its kind of object fires and
/// those the folder uses for it; in the value of a naming key, the names the
/// folder defines of the fitting kind. What begins with the letters typed
/// comes first, then what holds them, and the list follows each letter. It
/// comes after two letters of a key, the "@" of a trigger or a name's first
/// letter, or on Ctrl+Space; Enter or Tab takes the choice, Escape closes
/// it. Nothing typed changes until a choice is taken.
class PaneCompletion : public QObject {
    Q_OBJECT

public:
    PaneCompletion(ScriptPane* pane, const VocabularySource* vocabulary);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Offer {
        std::size_t typed = 0;
        std::vector<std::string> words;
    };

    void offerSoon();
    void offer(bool asked);
    [[nodiscard]] std::optional<Offer> languageOffer(std::size_t caret, std::size_t lineStart) const;
    [[nodiscard]] std::size_t sectionStart(std::size_t line) const;

    ScriptPane* pane_;
    const VocabularySource* vocabulary_;
    bool offering_ = false;
};

} // namespace defwright
