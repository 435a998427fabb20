#pragma once

#include "core/session/kept_session.h"

#include <optional>
#include <string>
#include <string_view>

namespace defwright {

inline constexpr int kSessionFormatVersion = 2;

/// The kept session as bytes: a first line "Defwright session <version>", then
/// one entry after another, each a line "<key> <byte count>", that many bytes
/// of value and a LF, ending with the entry "end". Values are copied as they
/// are, so texts keep every byte and line break. A pane's entry is followed
/// by the one of its front document and by its documents, each begun by an
/// entry "document".
[[nodiscard]] std::string encodeSession(const KeptSession& session);

/// Either a session or why the bytes are not one.
struct DecodedSession {
    std::optional<KeptSession> session;
    std::string damage; // empty when the session was read
};

/// Reads what encodeSession wrote, and what the version before wrote, where a
/// pane held one text: it comes back as the pane's one document, the form's
/// script when it had no file. Anything else, a store cut short, of another
/// version, with an unknown key or a value out of place, is damaged.
[[nodiscard]] DecodedSession decodeSession(std::string_view bytes);

} // namespace defwright
