// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsHlink.h"

#include "Desktop.h"

void clsHlink::OpenURL() const
{
    OpenLink(m_url, m_parent);
}

void clsHlink::Mail() const
{
    OpenLink("mailto:" + m_url, m_parent);
}
