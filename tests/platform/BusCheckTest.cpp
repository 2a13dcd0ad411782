// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a session bus that took the connection and says nothing: which socket an address
// names, and what a listener that never reads, or none at all, costs.

#include "BusCheck.h"

#include "FileDescriptor.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

TEST(BusCheck, TheSocketAnAddressNames)
{
    EXPECT_EQ(BusSocketOf("unix:path=/run/user/1000/bus"), "/run/user/1000/bus");
    EXPECT_EQ(BusSocketOf("unix:path=/tmp/a%2cb%3Dc,guid=0123"), "/tmp/a,b=c");
    EXPECT_EQ(BusSocketOf("unix:guid=1,abstract=/tmp/dbus-x"), std::string("\0/tmp/dbus-x", 12));
    // The first entry the program can reach is the one it uses.
    EXPECT_EQ(BusSocketOf("tcp:host=localhost,port=1;unix:path=/b;unix:path=/c"), "/b");
    EXPECT_EQ(BusSocketOf("tcp:host=localhost,port=1"), std::nullopt);
    EXPECT_EQ(BusSocketOf("unix:tmpdir=/tmp"), std::nullopt);
    EXPECT_EQ(BusSocketOf("unix:path=/a%2"), "/a%2"); // a cut escape stays as written
}

TEST(BusCheck, AListenerThatNeverAnswersIsMuteAndNoneIsNot)
{
    const TempFolder folder;
    const std::string path = folder.path() + "/bus";
    const ScopedEnv address("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path);
    constexpr std::chrono::milliseconds deadline(300);
    // Nothing listens: every library fails at once there, so there is nothing to avoid.
    EXPECT_EQ(MuteBusTrouble(deadline), std::nullopt);

    const FileDescriptor listener(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un name{};
    name.sun_family = AF_UNIX;
    std::strcpy(name.sun_path, path.c_str());
    ASSERT_EQ(::bind(listener.get(), reinterpret_cast<const sockaddr *>(&name), sizeof name), 0);
    ASSERT_EQ(::listen(listener.get(), 4), 0);
    EXPECT_EQ(MuteBusTrouble(deadline), "the session bus took the connection and did not answer");

    // Set aside, the process fails at once wherever it asks the bus.
    AvoidMuteSessionBus();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/dev/null");
    EXPECT_EQ(MuteBusTrouble(deadline), std::nullopt);
}
