// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace PrintLayout;

// Where rows and the notice fall is read back from a real PDF in PrintEventsTest.

TEST(PrintLayout, PrintingNowNamesThePort)
{
    EXPECT_EQ(PrintingNowText("Office", "LPT1:"),
              "The event-list has been sent to the  \r\nOffice printer on LPT1.");
    EXPECT_EQ(PrintingNowText("Office", ":"),
              "The event-list has been sent to the  \r\nOffice printer on .");
    EXPECT_EQ(PrintingNowText("PDF file", "/tmp/list.pdf"),
              "The event-list has been sent to the  \r\nPDF file printer on /tmp/list.pdf.");
}

TEST(PrintLayout, RowsGrowByTheirLinesAndStayOnOnePage)
{
    // Rows of one line: 32 on page 1, 36 on the next, as the printout always had.
    const std::vector<Place> plain = RowPlaces(std::vector<int>(69, 1), 5);
    EXPECT_EQ(plain[31].page, 0);
    EXPECT_DOUBLE_EQ(plain[31].y, LastRowY);
    EXPECT_EQ(plain[32].page, 1);
    EXPECT_DOUBLE_EQ(plain[32].y, LaterFirstRowY);
    EXPECT_EQ(plain[68].page, 2);
    // A row of two lines takes one line more; one whose second line would pass the last line
    // opens the next page.
    std::vector<int> lines(32, 1);
    lines[0] = 2;
    lines[31] = 2;
    const std::vector<Place> grown = RowPlaces(lines, 5);
    EXPECT_DOUBLE_EQ(grown[0].lastY, FirstRowY + 5);
    EXPECT_DOUBLE_EQ(grown[1].y, FirstRowY + RowPitch + 5);
    EXPECT_EQ(grown[30].page, 0);
    EXPECT_EQ(grown[31].page, 1);
    EXPECT_DOUBLE_EQ(grown[31].y, LaterFirstRowY);
    EXPECT_DOUBLE_EQ(NoticePlace(grown, 5).y, LaterFirstRowY + 5 + 5 * 5);
}

TEST(PrintLayout, TextWrapsBetweenWordsAndWithinOneTooWide)
{
    // Each character 1 wide, as in the printout's monospaced font; "ä" is one character.
    const auto measure = [](std::string_view text) {
        return double(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    };
    EXPECT_EQ(WrapText("Every 3th month on the last Friday", 18, measure),
              (std::vector<std::string>{"Every 3th month on", "the last Friday"}));
    EXPECT_EQ(WrapText("Weekly", 18, measure), std::vector<std::string>{"Weekly"});
    EXPECT_EQ(WrapText("Jährlichkeiten am", 5, measure),
              (std::vector<std::string>{"Jährl", "ichke", "iten", "am"}));
    EXPECT_EQ(WrapText("", 5, measure), std::vector<std::string>{""});
}

TEST(PrintLayout, ColumnsMakeRoomForTheWidestType)
{
    // A4's printable width: the types that fit keep the columns where they were.
    EXPECT_EQ(ColumnsFor(30, 200), (std::array<double, 4>{10, 100, 130, 160}));
    EXPECT_EQ(ColumnsFor(50, 200), (std::array<double, 4>{10, 80, 110, 140}));
    // The Event column keeps its narrowest; what is still wanting, the type wraps.
    EXPECT_EQ(ColumnsFor(120, 200), (std::array<double, 4>{10, 55, 85, 115}));
}
