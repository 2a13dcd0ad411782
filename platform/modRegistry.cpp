// SPDX-License-Identifier: GPL-3.0-or-later
#include "modRegistry.h"

#include "AppId.h"
#include "AtomicFile.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view ArgumentSuffix = " whatsup";
// Where versions before the application id kept the entry.
constexpr std::string_view OldEntry = "autostart/moonrill.desktop";
constexpr std::string_view Reserved = " \t\n\"'\\><~|&;$*?#()`";

/// One Exec argument: "%" doubled (it introduces field codes), and the whole quoted when it
/// holds a reserved character, with the four characters that quoting does not protect escaped.
std::string execArgument(std::string_view text)
{
    std::string arg;
    bool quote = text.empty();
    for (const char c : text) {
        if (Reserved.find(c) != std::string_view::npos)
            quote = true;
    }
    if (quote)
        arg += '"';
    for (const char c : text) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            arg += '\\';
        arg += c;
        if (c == '%')
            arg += '%';
    }
    if (quote)
        arg += '"';
    return arg;
}

/// Escapes a value for a desktop-entry line (the string type's escapes).
std::string escapeValue(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescapeValue(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += text[i];
        }
    }
    return out;
}

/// Splits an Exec value into its arguments, undoing execArgument.
std::vector<std::string> execArguments(std::string_view exec)
{
    std::vector<std::string> args;
    std::string current;
    bool inArg = false;
    bool quoted = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() &&
                       std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == ' ' || c == '\t') {
            if (inArg)
                args.push_back(std::move(current));
            current.clear();
            inArg = false;
            continue;
        } else if (c == '"') {
            quoted = true;
        } else {
            current += c;
        }
        if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%')
            ++i;
        inArg = true;
    }
    if (inArg)
        args.push_back(std::move(current));
    return args;
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string AutostartEntryPath()
{
    return JoinPath(ConfigFolder(), "autostart/" + std::string(AppId) + ".desktop");
}

void MoveAutostartEntryToAppId()
{
    const std::string old = JoinPath(ConfigFolder(), OldEntry);
    if (old == AutostartEntryPath())
        return;
    // One rename both writes the new name and takes the old one away: a run killed at any point
    // leaves exactly one of them, whole. Where both are there, the old one is the newer: an
    // earlier version wrote it after this one had moved it.
    (void)::rename(old.c_str(), AutostartEntryPath().c_str());
}

std::string AutostartEntryText(std::string_view command)
{
    std::string_view program = command;
    std::string arguments;
    if (command.ends_with(ArgumentSuffix)) {
        program.remove_suffix(ArgumentSuffix.size());
        arguments = ArgumentSuffix;
    }
    // TryExec makes the desktop pass the entry over once the program is removed.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Moonrill\n"
           "Comment=Shows the events that fall due\n"
           "TryExec=" +
           escapeValue(program) +
           "\n"
           "Exec=" +
           escapeValue(execArgument(program) + arguments) +
           "\n"
           "Icon=moonrill\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string CommandOfAutostartEntry(std::string_view entry)
{
    bool inEntryGroup = false;
    bool sawGroup = false;
    std::string exec;
    bool hasExec = false;
    bool switchedOff = false;
    while (!entry.empty()) {
        const size_t lf = entry.find('\n');
        const std::string_view line = trim(entry.substr(0, lf));
        entry = lf == std::string_view::npos ? std::string_view{} : entry.substr(lf + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            // The first group must be the desktop entry itself.
            inEntryGroup = !sawGroup && line == "[Desktop Entry]";
            if (!sawGroup && !inEntryGroup)
                return {};
            sawGroup = true;
            continue;
        }
        if (!inEntryGroup)
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        if (key == "Exec") {
            exec = unescapeValue(value);
            hasExec = true;
        } else if ((key == "Hidden" && value == "true") ||
                   (key == "X-GNOME-Autostart-enabled" && value == "false")) {
            switchedOff = true;
        }
    }
    if (!sawGroup || !hasExec || switchedOff)
        return {};
    std::string command;
    for (const std::string &arg : execArguments(exec)) {
        if (!command.empty())
            command += ' ';
        command += arg;
    }
    return command.substr(0, command.find('\0'));
}

void SwitchAutostartOn(std::string_view command)
{
    if (!MakeFolders(JoinPath(ConfigFolder(), "autostart")))
        return;
    try {
        WriteFileAtomically(AutostartEntryPath(), AutostartEntryText(command));
    } catch (const MoonrillError &) {
        // Silent: the next start shows what was found.
    }
}

int SwitchAutostartOff()
{
    return ::unlink(AutostartEntryPath().c_str()) == 0 ? 0 : errno;
}

std::string AutostartCommand()
{
    try {
        const std::optional<std::string> entry = ReadWholeFile(AutostartEntryPath());
        return entry ? CommandOfAutostartEntry(*entry) : std::string{};
    } catch (const MoonrillError &) {
        return {};
    }
}
