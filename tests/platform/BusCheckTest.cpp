// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a session bus that took the connection and says nothing: which socket an address
// names, and what a listener that never reads, or none at all, costs.

#include "BusCheck.h"

#include "FileDescriptor.h"
#include "ScopedEnv.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

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

namespace {

/// A bus at `path` that takes our credentials and then never answers a call.
struct HandshakeOnlyBus
{
    explicit HandshakeOnlyBus(const std::string &path)
    {
        sockaddr_un name{};
        name.sun_family = AF_UNIX;
        std::strcpy(name.sun_path, path.c_str());
        EXPECT_EQ(::bind(listener.get(), reinterpret_cast<const sockaddr *>(&name), sizeof name),
                  0);
        EXPECT_EQ(::listen(listener.get(), 4), 0);
        serving = std::thread([this] {
            const FileDescriptor client(::accept(listener.get(), nullptr, nullptr));
            char said[512];
            if (::recv(client.get(), said, sizeof said, 0) <= 0)
                return;
            const std::string ok = "OK 0123456789abcdef0123456789abcdef\r\n";
            (void)::send(client.get(), ok.data(), ok.size(), MSG_NOSIGNAL);
            while (::recv(client.get(), said, sizeof said, 0) > 0) {
            }
        });
    }
    ~HandshakeOnlyBus() { serving.join(); }

    const FileDescriptor listener{::socket(AF_UNIX, SOCK_STREAM, 0)};
    std::thread serving;
};

} // namespace

TEST(BusCheck, ABusThatTakesUsAndThenNeverAnswersIsMute)
{
    const TempFolder folder;
    const std::string path = folder.path() + "/bus";
    const ScopedEnv address("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path);
    const HandshakeOnlyBus bus(path);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(MuteBusTrouble(std::chrono::milliseconds(300)),
              "the session bus took the connection and did not answer");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(BusCheck, ARealBusAnswersOurHello)
{
    const TempFolder folder;
    const std::string path = folder.path() + "/bus";
    const std::string pidFile = folder.path() + "/pid";
    if (std::system(("dbus-daemon --session --fork --address=unix:path=" + path +
                     " --print-pid=3 3>" + pidFile + " 2>/dev/null")
                        .c_str()) != 0)
        GTEST_SKIP() << "dbus-daemon could not start";
    const ScopedEnv address("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path);
    EXPECT_EQ(MuteBusTrouble(std::chrono::milliseconds(2000)), std::nullopt);
    // The call as sent: the bus answers it with a method return (type 2) to serial 1.
    const FileDescriptor bus(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un name{};
    name.sun_family = AF_UNIX;
    std::strcpy(name.sun_path, path.c_str());
    ASSERT_EQ(::connect(bus.get(), reinterpret_cast<const sockaddr *>(&name), sizeof name), 0);
    const std::string auth = std::string(1, '\0') + "AUTH EXTERNAL " + [] {
        std::string hex;
        for (const char c : std::to_string(::getuid()))
            hex += "3" + std::string(1, c);
        return hex;
    }() + "\r\n";
    ASSERT_EQ(::send(bus.get(), auth.data(), auth.size(), 0), static_cast<ssize_t>(auth.size()));
    char answer[512];
    ASSERT_GT(::recv(bus.get(), answer, sizeof answer, 0), 3);
    ASSERT_EQ(std::string(answer, 3), "OK ");
    const std::string hello = "BEGIN\r\n" + BusHelloMessage();
    ASSERT_EQ(::send(bus.get(), hello.data(), hello.size(), 0), static_cast<ssize_t>(hello.size()));
    ASSERT_GT(::recv(bus.get(), answer, sizeof answer, 0), 12);
    EXPECT_EQ(answer[0], 'l');
    EXPECT_EQ(answer[1], 2);
    std::ifstream pid(pidFile);
    int daemon = 0;
    if (pid >> daemon && daemon > 0)
        ::kill(daemon, SIGTERM);
}
