// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncStateFile.h"

#include "ContentStamp.h"
#include "FileRead.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view TokenMark = "#token\t";
constexpr std::string_view CalendarMark = "#calendar\t";
constexpr std::string_view PropfindMark = "#listing\tpropfind";
/// The longest sync token kept: a longer one is no token a server means.
constexpr size_t MaxTokenBytes = 4096;

bool controlCharacter(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

bool plainText(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), controlCharacter);
}

/// `text` as one field of a line: a control character (a tab or a line break among them) would
/// end the field or the line, and so let a name forge another object's line; it becomes a space.
std::string fieldText(std::string_view text)
{
    std::string field(text);
    std::replace_if(field.begin(), field.end(), controlCharacter, ' ');
    return field;
}

/// An ETag as a removal may name it: "*" would match whatever stands there.
std::string_view usableEtag(std::string_view etag)
{
    return etag == "*" ? std::string_view() : etag;
}

std::string_view nextField(std::string_view &line)
{
    const size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return field;
}

bool readHash(std::string_view text, uint64_t &hash)
{
    const auto [at, error] = std::from_chars(text.data(), text.data() + text.size(), hash, 16);
    return error == std::errc() && at == text.data() + text.size() && !text.empty();
}

std::string hashText(uint64_t hash)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

} // namespace

SyncState ReadSyncState(std::string_view text)
{
    SyncState state;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.starts_with(TokenMark)) {
            state.token = line.substr(TokenMark.size());
            continue;
        }
        if (line.starts_with(CalendarMark)) {
            state.calendar = line.substr(CalendarMark.size());
            continue;
        }
        if (line == PropfindMark) {
            state.propfindOnly = true;
            continue;
        }
        const bool fields = std::count(line.begin(), line.end(), '\t') >= 2;
        AgreedObject object;
        object.uid = nextField(line);
        if (!fields || object.uid.empty() || !readHash(nextField(line), object.hash))
            continue;
        object.etag = usableEtag(nextField(line));
        object.href = nextField(line);
        const std::string_view serverHash = nextField(line);
        if (!serverHash.empty() && !readHash(serverHash, object.serverHash))
            continue;
        object.unheld = line;
        state.objects.push_back(std::move(object));
    }
    std::sort(state.objects.begin(), state.objects.end(),
              [](const AgreedObject &a, const AgreedObject &b) { return a.uid < b.uid; });
    return state;
}

std::string SyncStateText(const SyncState &state)
{
    std::string text;
    if (!state.calendar.empty())
        text.append(CalendarMark).append(state.calendar) += '\n';
    // A token that is not one plain line of sane length is not kept: the next sync lists the
    // whole calendar instead.
    if (!state.token.empty() && state.token.size() <= MaxTokenBytes && plainText(state.token))
        text.append(TokenMark).append(state.token) += '\n';
    if (state.propfindOnly)
        text.append(PropfindMark) += '\n';
    for (const AgreedObject &object : state.objects) {
        text += fieldText(object.uid) + '\t' + hashText(object.hash) + '\t' +
                fieldText(usableEtag(object.etag));
        if (!object.href.empty() || object.serverHash != 0 || !object.unheld.empty()) {
            // The unheld field is a reason and a name with a tab between them: each part is
            // one field of its own.
            const std::string_view unheld = object.unheld;
            const size_t tab = unheld.find('\t');
            text += '\t' + fieldText(object.href) + '\t' + hashText(object.serverHash) + '\t' +
                    fieldText(unheld.substr(0, tab));
            if (tab != std::string_view::npos)
                text += '\t' + fieldText(unheld.substr(tab + 1));
        }
        text += '\n';
    }
    return text;
}

AgreedObject SyncStep::Agreed(std::string answeredEtag) const
{
    return AgreedObject{uid, hash, std::move(answeredEtag), href, ObjectHash(text), {}};
}

uint64_t ObjectHash(std::string_view text)
{
    const size_t stamp = text.find("\nDTSTAMP:");
    if (stamp == std::string_view::npos)
        return StampOf(text).hash;
    const size_t end = text.find('\n', stamp + 1);
    std::string rest(text.substr(0, stamp));
    if (end != std::string_view::npos)
        rest += text.substr(end);
    return StampOf(rest).hash;
}

std::string CalendarKey(std::string_view url, std::string_view user)
{
    return fieldText(url) + '\t' + fieldText(user);
}

bool InsideCollection(std::string_view href, std::string_view collectionPath)
{
    if (!href.starts_with(collectionPath) || !plainText(href))
        return false;
    const std::string_view name = href.substr(collectionPath.size());
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

SyncState StateFor(SyncState state, const std::string &calendarKey, std::string_view collectionPath)
{
    if (!state.calendar.empty() && state.calendar != calendarKey)
        return {{}, {}, calendarKey};
    state.calendar = calendarKey;
    std::erase_if(state.objects, [&](const AgreedObject &object) {
        return !object.href.empty() && !InsideCollection(object.href, collectionPath);
    });
    return state;
}

std::string SyncStatePath(const std::string &eventFile)
{
    return eventFile + std::string(SyncStateSuffix);
}

SyncState ReadSyncStateFile(const std::string &path)
{
    // A state file is some hundred bytes an object: one larger than any list's is no state.
    constexpr size_t MostStateBytes = 64 * 1024 * 1024;
    return ReadSyncState(
        ReadWholeFile(path, {.noun = "a state file", .maxBytes = MostStateBytes}).value_or(""));
}
