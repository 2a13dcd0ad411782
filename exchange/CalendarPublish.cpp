// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarPublish.h"

#include "ContentStamp.h"
#include "FileRead.h"

#include <charconv>
#include <cstdio>
#include <unordered_map>

std::vector<PublishedObject> ReadPublished(std::string_view text)
{
    std::vector<PublishedObject> objects;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const size_t first = line.find('\t');
        const size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
        if (second == std::string_view::npos || first == 0)
            continue;
        PublishedObject object{std::string(line.substr(0, first)), 0,
                               std::string(line.substr(second + 1))};
        const std::string_view hash = line.substr(first + 1, second - first - 1);
        const auto [at, error] =
            std::from_chars(hash.data(), hash.data() + hash.size(), object.hash, 16);
        if (error == std::errc() && at == hash.data() + hash.size())
            objects.push_back(std::move(object));
    }
    return objects;
}

std::string PublishedText(const std::vector<PublishedObject> &objects)
{
    std::string text;
    for (const PublishedObject &object : objects) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(object.hash));
        text += object.uid + '\t' + hash + '\t' + object.etag + '\n';
    }
    return text;
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

std::vector<PublishStep> PlanPublish(const std::vector<CalendarObject> &objects,
                                     const std::vector<PublishedObject> &published)
{
    std::unordered_map<std::string_view, const PublishedObject *> before;
    before.reserve(published.size());
    for (const PublishedObject &object : published)
        before.emplace(object.uid, &object);
    std::vector<PublishStep> steps;
    for (const CalendarObject &object : objects) {
        const uint64_t hash = ObjectHash(object.text);
        const auto known = before.find(object.uid);
        if (known == before.end()) {
            steps.push_back({PublishStep::Kind::Create, object.uid, object.text, hash, {}});
            continue;
        }
        const PublishedObject &old = *known->second;
        before.erase(known);
        if (old.hash != hash)
            steps.push_back({PublishStep::Kind::Change, object.uid, object.text, hash, old.etag});
    }
    // What is left was published and is no longer in the list; in the state file's order.
    for (const PublishedObject &object : published) {
        if (before.contains(object.uid))
            steps.push_back({PublishStep::Kind::Remove, object.uid, {}, 0, object.etag});
    }
    return steps;
}

std::string PublishedStatePath(const std::string &eventFile)
{
    return eventFile + std::string(PublishedSuffix);
}

std::vector<PublishedObject> ReadPublishedFile(const std::string &path)
{
    return ReadPublished(ReadWholeFile(path, {.noun = "a state file"}).value_or(""));
}
