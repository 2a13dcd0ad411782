// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

/// The desktop's style, with our own drawings for the buttons that a menu bar and a toolbar keep
/// for what does not fit. The style's own pictures for them are image files, and reading the
/// first image file loads every image format plugin: each window with a menu bar paid for that
/// at its start, for a button it shows only when it is too narrow.
class ChevronStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChevronStyle)

public:
    ChevronStyle() = default;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
