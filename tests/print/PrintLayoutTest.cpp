#include "PrintLayout.h"

#include <gtest/gtest.h>

using namespace PrintLayout;

TEST(PrintLayout, ThirtyTwoRowsOnPageOneAndThirtySixLater)
{
    const std::vector<Place> places = RowPlaces(69);
    EXPECT_EQ(places[0].page, 0);
    EXPECT_DOUBLE_EQ(places[0].y, 53);
    EXPECT_DOUBLE_EQ(places[31].y, 270);
    EXPECT_EQ(places[31].page, 0);
    EXPECT_EQ(places[32].page, 1);
    EXPECT_DOUBLE_EQ(places[32].y, 20);
    EXPECT_DOUBLE_EQ(places[67].y, 265);
    EXPECT_EQ(places[67].page, 1);
    EXPECT_EQ(places[68].page, 2);
}

TEST(PrintLayout, TheNoticeFollowsTheLastRow)
{
    EXPECT_EQ(NoticePlace(1, 5).page, 0);
    EXPECT_DOUBLE_EQ(NoticePlace(1, 5).y, 53 + 25);
    // 32 rows fill page 1: the notice stands at the top of page 2.
    EXPECT_EQ(NoticePlace(32, 5).page, 1);
    EXPECT_DOUBLE_EQ(NoticePlace(32, 5).y, 20);
    EXPECT_EQ(NoticePlace(33, 5).page, 1);
    EXPECT_EQ(NoticePlace(68, 5).page, 2);
    EXPECT_EQ(NoticePlace(69, 5).page, 2);
}

TEST(PrintLayout, PrintingNowNamesThePort)
{
    EXPECT_EQ(PrintingNowText("Office", "LPT1:"),
              "The event-list has been sent to the  \r\nOffice printer on LPT1.");
    EXPECT_EQ(PrintingNowText("Office", "X"),
              "The event-list has been sent to the  \r\nOffice printer on X.");
    EXPECT_EQ(PrintingNowText("Office", ":"),
              "The event-list has been sent to the  \r\nOffice printer on .");
    EXPECT_EQ(PrintingNowText("PDF file", "/tmp/list.pdf"),
              "The event-list has been sent to the  \r\nPDF file printer on /tmp/list.pdf.");
}
