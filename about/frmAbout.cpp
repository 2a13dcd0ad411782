// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "Animation.h"
#include "ButtonKeys.h"
#include "HelpViewer.h"
#include "LinkLabel.h"
#include "Maker.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "SystemInformation.h"
#include "TextWidth.h"
#include "Version.h"
#include "clsHlink.h"

#include <QFrame>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_clipView(nullptr), anmAbout(nullptr)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Moonrill"));
    setModal(true);
    setFixedSize(379, 307);

    QLabel *title = label(this, "lblTitle", QStringLiteral("         Moonrill"), {8, 8, 300, 44});
    QFont big(QStringLiteral("Arial"), 24);
    big.setBold(true);
    title->setFont(big);
    m_clipView = label(this, "anmAbout", {}, {16, 12, 32, 32});
    anmAbout = new Animation(m_clipView);
    label(this, "lblVersion", tr("Version ") + QString::fromStdString(ProgramVersionText()),
          {72, 56, 290, 18});
    QLabel *description = label(this, "lblDescription",
                                tr("This application remembers important events for you and makes "
                                   "you aware of them. Add, edit, print, copy and search with this "
                                   "utility."),
                                {72, 80, 290, 70});
    description->setWordWrap(true);
    // Room for a second line: a larger font, or a longer language, wraps the notice, never
    // cuts it.
    label(this, "lblNotice", tr("Free software under the GNU GPL, version 3 or later."),
          {72, 152, 290, 34})
        ->setWordWrap(true);

    auto *email = new LinkLabel(tr("Send e-mail"), this);
    email->setObjectName(QStringLiteral("lblEmail"));
    email->setGeometry(72, 188, 120, 18);
    connect(email, &LinkLabel::clicked, this,
            [this] { openLink("mailto:" + std::string(SupportAddress) + "?subject=Moonrill"); });
    auto *web = new LinkLabel(tr("Moonrill on Web"), this);
    web->setObjectName(QStringLiteral("lblUrl"));
    web->setGeometry(200, 188, 140, 18);
    connect(web, &LinkLabel::clicked, this, [this] { openLink(std::string(HomePage)); });

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, 220, 363, 3);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(264, 236, 100, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(264, 270, 100, 27);
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    // Where a language needs more room for the buttons' words, they grow to the left.
    const int width = std::max({ok->width(), TextWidth(*ok), TextWidth(*sysInfo)});
    for (QPushButton *button : {ok, sysInfo})
        button->setGeometry(button->geometry().right() + 1 - width, button->y(), width,
                            button->height());
    // OK has the keyboard first; Tab goes on to the links.
    setTabOrder(ok, sysInfo);
    setTabOrder(sysInfo, email);
    setTabOrder(email, web);
    ok->setFocus();

    AddHelpKey(this, [] { return HelpContextID; });
    PressFocusedButtonOnEnter(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::openLink(const std::string &link)
{
    try {
        clsHlink hlink(this);
        hlink.URL(link);
        hlink.OpenURL();
    } catch (const std::exception &error) {
        ShowErrorReport(error.what(), this);
    }
}

void frmAbout::StartSysInfo()
{
    if (!StartSystemInformation())
        ShowMessage(std::string_view(QT_TRANSLATE_NOOP(
                        "Messages", "System Information Is Unavailable At This Time")),
                    MsgStyle::OkPlain, this);
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Qt activates the box again after each message box: the clip starts once per opening.
    if (m_opened)
        return;
    m_opened = true;
    QTimer::singleShot(0, this, [this] {
        if (anmAbout->OpenClip("clock.avi", this))
            anmAbout->SetAutoPlay(true);
    });
}

void frmAbout::done(int result)
{
    anmAbout->Close();
    QDialog::done(result);
}
