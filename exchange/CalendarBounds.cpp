// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarBounds.h"

#include "TextEncoding.h"
#include "Translatable.h"

#include <algorithm>
#include <strings.h>
#include <unordered_map>

namespace {

/// The most of a line's beginning looked at: room for its name and a name for reports.
constexpr size_t HeadBytes = 256;

bool startsWith(std::string_view line, std::string_view name)
{
    return line.size() > name.size() && strncasecmp(line.data(), name.data(), name.size()) == 0 &&
           (line[name.size()] == ':' || line[name.size()] == ';');
}

/// The value of a content line's beginning, what follows its first colon, as a name for reports:
/// control characters blanked, a character cut at the end left out.
std::string valueOf(std::string_view head)
{
    const size_t colon = head.find(':');
    std::string value(head.substr(colon == std::string_view::npos ? head.size() : colon + 1));
    if (head.size() >= HeadBytes) {
        while (!value.empty() && (static_cast<unsigned char>(value.back()) & 0xC0) == 0x80)
            value.pop_back();
        if (!value.empty() && static_cast<unsigned char>(value.back()) >= 0xC0)
            value.pop_back();
    }
    return WithoutControlCharacters(std::move(value));
}

} // namespace

CalendarTextCheck CheckCalendarText(std::string_view text)
{
    CalendarTextCheck check;
    size_t depth = 0;
    std::string head;  // the unfolded line's beginning
    size_t length = 0; // the unfolded line's length so far
    // Looks at one whole unfolded line; false where it breaks a bound.
    const auto line = [&]() {
        if (startsWith(head, "BEGIN") && ++depth > MostNesting) {
            check.whyNot =
                QT_TRANSLATE_NOOP("Messages", "components nested deeper than calendars nest them");
            return false;
        }
        if (startsWith(head, "END") && depth > 0)
            --depth;
        else if (check.name.empty() && startsWith(head, "SUMMARY"))
            check.name = valueOf(head);
        else if (check.uid.empty() && startsWith(head, "UID"))
            check.uid = valueOf(head);
        return true;
    };
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view piece = text.substr(at, end - at);
        at = end + 1;
        if (!piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        // A line that begins with a space or a tab goes on from the one before it.
        const bool folded = !piece.empty() && (piece.front() == ' ' || piece.front() == '\t');
        if (folded) {
            piece.remove_prefix(1);
        } else {
            if (length > 0 && !line())
                break;
            head.clear();
            length = 0;
        }
        if (piece.find('\0') != std::string_view::npos) {
            check.whyNot = QT_TRANSLATE_NOOP("Messages", "a NUL character");
            break;
        }
        length += piece.size();
        if (length > MostLineBytes) {
            check.whyNot = QT_TRANSLATE_NOOP("Messages", "a line longer than calendars write");
            break;
        }
        if (head.size() < HeadBytes)
            head.append(piece.substr(0, HeadBytes - head.size()));
    }
    if (check.whyNot == nullptr && length > 0)
        (void)line();
    if (check.name.empty())
        check.name = check.uid;
    return check;
}

void FitToRoom(SyncPlan &plan, size_t room)
{
    size_t added = 0;
    std::unordered_map<std::string, UnheldObject> left; // by the UID of the event
    std::erase_if(plan.edits, [&](const SyncEdit &edit) {
        if (edit.kind != SyncEdit::Kind::Add || ++added <= room)
            return false;
        const UnheldObject unheld{edit.event.Description,
                                  QT_TRANSLATE_NOOP("Messages", "no room left in the list"), true};
        plan.unheld.push_back(unheld);
        left.emplace(edit.uid, unheld);
        --plan.takenNew;
        return true;
    });
    // The state then keeps them as objects the list does not hold: left on the server, never
    // removed from it, and named again at each sync.
    for (AgreedObject &agreed : plan.state.objects) {
        std::string_view uid = agreed.uid;
        if (uid.ends_with("-february"))
            uid.remove_suffix(std::string_view("-february").size());
        if (const auto found = left.find(std::string(uid)); found != left.end()) {
            agreed.hash = 0;
            agreed.unheld = found->second.Kept();
        }
    }
}
