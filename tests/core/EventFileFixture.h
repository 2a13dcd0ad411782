// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixture the event file's tests share: a temporary folder, an event state, and the load
// and save of a given content.

#include "EventFile.h"

#include "EventLine.h"
#include "EventState.h"
#include "Rows.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

/// The whole content a save writes for `state`, built plainly: every record's line and CR LF,
/// then the closing empty line.
inline std::string EventFileContent(const EventState &state)
{
    std::string content;
    for (const clsEvent &event : state.Events())
        content += FormatEventLine(event) + "\r\n";
    return content + "\r\n";
}

inline const Date Today = Date::fromYmd(2023, 4, 15);
inline const std::string Name(EventFileName);

class EventFileTest : public ::testing::Test
{
protected:
    LoadResult load(const std::string &content)
    {
        folder.write(Name, content);
        return LoadEvents(state, path(), Today);
    }
    [[nodiscard]] std::string path() const { return folder.file(Name); }
    [[nodiscard]] std::string saved()
    {
        SaveEvents(state, path());
        return folder.read(Name);
    }
    [[nodiscard]] std::vector<std::string> descriptionsShown() const
    {
        std::vector<std::string> texts;
        for (const EventRow &row : AllRows(state))
            texts.push_back(row.Text);
        return texts;
    }

    TempFolder folder;
    EventState state;
};
