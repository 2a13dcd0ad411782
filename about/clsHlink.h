#pragma once

#include <string>

class QWidget;

/// The one way the program hands a link (a web page or a mailto: link) to the desktop, which
/// opens it with the user's default browser or mail program. Each user makes a fresh object for
/// its one link, sets URL and Maximized, and calls OpenURL.
class clsHlink
{
public:
    explicit clsHlink(QWidget *parent = nullptr) : m_parent(parent) {}

    void URL(std::string link) { m_url = std::move(link); }
    // The window-show flags: once set, a flag stays set. The desktop decides how a browser or
    // mail program opens, so they only make up the show code.
    void Maximized(bool on) { m_maximized = on ? 3 : m_maximized; }
    void Minimized(bool on) { m_minimized = on ? 2 : m_minimized; }
    void Normal(bool on) { m_normal = on ? 1 : m_normal; }

    /// Hands the link to the desktop; only http:, https: and mailto: links are opened.
    void OpenURL() const;
    /// Hands "mailto:" + the link text to the desktop.
    void Mail() const;

    /// The show code the flags make: the OR of the three.
    [[nodiscard]] int ShowCode() const { return m_normal | m_minimized | m_maximized; }

private:
    QWidget *m_parent;
    std::string m_url;
    int m_maximized = 0;
    int m_minimized = 0;
    int m_normal = 0;
};
