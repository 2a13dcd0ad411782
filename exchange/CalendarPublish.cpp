// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarPublish.h"

#include "ContentStamp.h"
#include "FileRead.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view TokenMark = "#token\t";

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
        const bool fields = std::count(line.begin(), line.end(), '\t') >= 2;
        PublishedObject object;
        object.uid = nextField(line);
        if (!fields || object.uid.empty() || !readHash(nextField(line), object.hash))
            continue;
        object.etag = nextField(line);
        object.href = nextField(line);
        const std::string_view serverHash = nextField(line);
        if (!serverHash.empty() && !readHash(serverHash, object.serverHash))
            continue;
        object.unheld = line;
        state.objects.push_back(std::move(object));
    }
    std::sort(state.objects.begin(), state.objects.end(),
              [](const PublishedObject &a, const PublishedObject &b) { return a.uid < b.uid; });
    return state;
}

std::string SyncStateText(const SyncState &state)
{
    std::string text;
    if (!state.token.empty())
        text.append(TokenMark).append(state.token) += '\n';
    for (const PublishedObject &object : state.objects) {
        text += object.uid + '\t' + hashText(object.hash) + '\t' + object.etag;
        if (!object.href.empty() || object.serverHash != 0 || !object.unheld.empty())
            text += '\t' + object.href + '\t' + hashText(object.serverHash) + '\t' + object.unheld;
        text += '\n';
    }
    return text;
}

PublishedObject PublishStep::Agreed(std::string answeredEtag) const
{
    return PublishedObject{uid, hash, std::move(answeredEtag), href, ObjectHash(text), {}};
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

std::string PublishedStatePath(const std::string &eventFile)
{
    return eventFile + std::string(PublishedSuffix);
}

SyncState ReadSyncStateFile(const std::string &path)
{
    return ReadSyncState(ReadWholeFile(path, {.noun = "a state file"}).value_or(""));
}
