// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

/// Sets an environment variable (or unsets it, for nullopt) for the object's life, then puts
/// back what was there.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const std::optional<std::string> &value) : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

/// The process's local zone (TZ) set to `zone` for the object's life, then put back.
class LocalZone
{
public:
    explicit LocalZone(const char *zone) : m_tz(std::in_place, "TZ", zone) { ::tzset(); }
    ~LocalZone()
    {
        m_tz.reset();
        ::tzset();
    }
    LocalZone(const LocalZone &) = delete;
    LocalZone &operator=(const LocalZone &) = delete;

private:
    std::optional<ScopedEnv> m_tz;
};
