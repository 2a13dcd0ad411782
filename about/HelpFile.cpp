// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpFile.h"

#include <charconv>

std::vector<HelpTopic> ParseHelpFile(std::string_view content)
{
    std::vector<HelpTopic> topics;
    while (!content.empty()) {
        const size_t lf = content.find('\n');
        std::string_view line = content.substr(0, lf);
        content = lf == std::string_view::npos ? std::string_view{} : content.substr(lf + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.starts_with("== ")) {
            std::string_view rest = line.substr(3);
            HelpTopic topic;
            const auto [end, error] =
                std::from_chars(rest.data(), rest.data() + rest.size(), topic.number);
            if (error == std::errc() && topic.number > 0) {
                rest.remove_prefix(size_t(end - rest.data()));
                while (!rest.empty() && rest.front() == ' ')
                    rest.remove_prefix(1);
                topic.title = rest;
                topics.push_back(std::move(topic));
                continue;
            }
        }
        if (topics.empty())
            continue; // comments and blank lines before the first topic
        topics.back().text += line;
        topics.back().text += '\n';
    }
    for (HelpTopic &topic : topics) {
        while (!topic.text.empty() && (topic.text.back() == '\n' || topic.text.back() == ' '))
            topic.text.pop_back();
    }
    return topics;
}
