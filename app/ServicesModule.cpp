// SPDX-License-Identifier: GPL-3.0-or-later
// The services library: what needs the network, the keyring, the printer or the calendar
// library, loaded only when it is used.
#include "GuiModule.h"

#include "SyncCommand.h"
#include "WindowServices.h"

#include <QCoreApplication>

#include <iostream>

extern "C" __attribute__((visibility("default"))) WindowServices *
MoonrillStartWindowServices(ServiceHost &host)
{
    return MakeWindowServices(host).release();
}

extern "C" __attribute__((visibility("default"))) int MoonrillSync(int *argc, char **argv)
{
    const QCoreApplication application(*argc, argv);
    const std::string_view word = *argc == 3 ? argv[2] : "";
    return RunSyncCommand(std::cout, std::cerr,
                          word == ConfirmRemovalOption ? EmptiedSide::Follow
                          : word == RestoreOption      ? EmptiedSide::Restore
                                                       : EmptiedSide::Ask);
}

extern "C" __attribute__((visibility("default"))) void MoonrillSyncAfterLogonScan(int *argc,
                                                                                  char **argv)
{
    const QCoreApplication application(*argc, argv);
    SyncAfterLogonScan();
}
