// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class QWidget;

/// The one way the program hands a link (a web page or a mailto: link) to the desktop, which
/// opens it with the user's default browser or mail program, in the window it chooses. Each user
/// makes a fresh object for its one link, sets URL and calls OpenURL.
class clsHlink
{
public:
    explicit clsHlink(QWidget *parent = nullptr) : m_parent(parent) {}

    void URL(std::string link) { m_url = std::move(link); }

    /// Hands the link to the desktop; only http:, https: and mailto: links are opened.
    void OpenURL() const;
    /// Hands "mailto:" + the link text to the desktop.
    void Mail() const;

private:
    QWidget *m_parent;
    std::string m_url;
};
