// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLayout.h"

#include <gtest/gtest.h>

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
