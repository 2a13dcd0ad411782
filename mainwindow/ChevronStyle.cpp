// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChevronStyle.h"

#include "Artwork.h"

QIcon ChevronStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return MoreImage(Qt::Horizontal);
    case SP_ToolBarVerticalExtensionButton:
        return MoreImage(Qt::Vertical);
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}
