// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowServices.h"

#include <memory>

/// The main window's services, loaded from the services library the first time a command asks
/// for them (a sync, a print, an import or export, the sync settings, the update check). The
/// library lies beside the one that holds the window, and stays loaded to the end of the process.
class ServicesLoader
{
public:
    explicit ServicesLoader(ServiceHost &host);
    ~ServicesLoader();
    ServicesLoader(const ServicesLoader &) = delete;
    ServicesLoader &operator=(const ServicesLoader &) = delete;

    /// The services, loaded now where they were not yet; throws a MoonrillError (FileNotFound)
    /// saying why they cannot be.
    [[nodiscard]] WindowServices &operator()();
    /// Whether they were loaded.
    [[nodiscard]] bool Loaded() const { return m_services != nullptr; }

private:
    ServiceHost &m_host;
    std::unique_ptr<WindowServices> m_services;
};
