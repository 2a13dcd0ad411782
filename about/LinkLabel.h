// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

/// A label that reads as a link: underlined blue with a hand pointer; once the mouse button
/// has been released over it, it stays light blue. Tab reaches it, Enter or Space opens it, and
/// a screen reader is told it is a link it can press.
class LinkLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    LinkLabel(const QString &text, QWidget *parent);
    ~LinkLabel() override;
    /// Opens the link as a click does.
    void Press();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setColour(const QColor &colour);
};
