// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmWhatsUp.h"

#include "Animation.h"
#include "BirthdayOffers.h"
#include "ColumnWidths.h"
#include "Desktop.h"
#include "FullTextTips.h"
#include "HelpViewer.h"
#include "MailLink.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "MutedText.h"
#include "Paths.h"
#include "ScanComputation.h"
#include "Text.h"
#include "UserWords.h"
#include "clsHlink.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace {

/// A row's label for `days` from today, in the user's language.
QString when(int32_t days)
{
    return QString::fromStdString(WhenText(days, UserWords()));
}

} // namespace

frmWhatsUp::frmWhatsUp(const std::vector<ScanRow> &rows, std::vector<MailOffer> &birthdayMails,
                       QWidget *parent, std::vector<MailOffer> belatedMails)
    : QDialog(parent), m_birthdayMails(birthdayMails), m_belatedMails(std::move(belatedMails))
{
    setObjectName(QStringLiteral("frmWhatsUp"));
    setWindowTitle(tr("Moonrill - Upcoming Events"));
    setModal(true);
    createControls(std::any_of(rows.begin(), rows.end(),
                               [](const ScanRow &row) { return !row.Time.empty(); }));
    AddHelpKey(this, [] { return HelpContextID; });
    fill(rows);
}

frmWhatsUp::~frmWhatsUp() = default;

void frmWhatsUp::createControls(bool timed)
{
    // Sizes in pixels at 96 dots per inch: a fixed window of 484 x 213.
    setFixedSize(484, 213);

    lstWhatsUp = new QTreeWidget(this);
    lstWhatsUp->setItemDelegate(new FullTextTips(lstWhatsUp));
    lstWhatsUp->setAccessibleName(tr("Upcoming events"));
    lstWhatsUp->setObjectName(QStringLiteral("lstWhatsUp"));
    lstWhatsUp->setGeometry(0, 0, 481, 161);
    lstWhatsUp->setRootIsDecorated(false);
    lstWhatsUp->setUniformRowHeights(true);
    lstWhatsUp->setSortingEnabled(false);
    lstWhatsUp->header()->setSectionsClickable(false);
    lstWhatsUp->header()->setSectionsMovable(false);
    lstWhatsUp->setHeaderLabels({tr("When"), tr("Date"), tr("Event description")});
    // The labels and dates get what their widest texts need in the font in use (bold, as
    // today's rows are); the description the rest of the 459 pixels the layout was drawn for.
    const QFont font = lstWhatsUp->font();
    const QStringList labels = {when(0), when(1), when(-1), WithWidestDigits(font, when(99999)),
                                WithWidestDigits(font, when(-99))};
    // A date with a time needs the room of both, where any row has one.
    const QString date = timed ? QStringLiteral("0000-00-00 00:00") : QStringLiteral("0000-00-00");
    FitColumns(lstWhatsUp, {labels, {WithWidestDigits(font, date)}, {}}, 2, 459, 150);

    m_bell1 = new QLabel(this);
    m_bell1->setObjectName(QStringLiteral("Animation1"));
    m_bell1->setGeometry(145, 176, 25, 25);
    Animation1 = new Animation(m_bell1);

    cmdOk = new QPushButton(tr("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setGeometry(182, 176, 113, 25);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    m_bell2 = new QLabel(this);
    m_bell2->setObjectName(QStringLiteral("Animation2"));
    m_bell2->setGeometry(313, 176, 25, 25);
    Animation2 = new Animation(m_bell2);

    setTabOrder(cmdOk, lstWhatsUp);
    cmdOk->setFocus();
}

void frmWhatsUp::fill(const std::vector<ScanRow> &rows)
{
    // The fourth column holds the padded day count the rows are ordered by; it is taken away
    // once the window has opened.
    lstWhatsUp->setColumnCount(4);
    // The sort column has no caption: while it stays in sight (no clip), its header is empty.
    lstWhatsUp->headerItem()->setText(3, QString());
    // Missed events are set apart from today's bold red rows: muted, in plain weight, and still
    // readable on the list's background.
    // A style may grey every row of a window in the background (Adwaita-Dark does, to about
    // the muted grey): the rows keep their colour whatever window has the focus, so that the
    // missed ones stand apart always.
    QPalette palette = lstWhatsUp->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    lstWhatsUp->setPalette(palette);
    const QColor muted =
        MutedTextColour(palette.color(QPalette::Text), palette.color(QPalette::Base));
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(rows.size()));
    for (const ScanRow &row : rows) {
        auto *item = new QTreeWidgetItem({when(row.Days), FromBytes(DateAndTime(row)),
                                          FromBytes(ShownDescription(row, UserWords())),
                                          FromBytes(row.SortKey)});
        item->setData(0, Qt::UserRole, FromBytes(row.Key));
        if (row.Missed) {
            for (int column = 0; column < 4; ++column)
                item->setForeground(column, muted);
        }
        items.append(item);
    }
    lstWhatsUp->addTopLevelItems(items);
    if (items.isEmpty())
        return;
    // The first row is where the keyboard starts in the list: a reader says it when the list
    // gets the focus, and Down goes on to the second. Nothing is selected until the user moves.
    lstWhatsUp->selectionModel()->setCurrentIndex(lstWhatsUp->model()->index(0, 0),
                                                  QItemSelectionModel::NoUpdate);
    // The window opens on OK: a reader says with it what is due, so the user need not go
    // looking through the list for it; of a long list, the soonest, and how many more.
    constexpr qsizetype said = 10;
    QStringList due;
    for (const QTreeWidgetItem *item : items.first(std::min(said, items.size())))
        due.append(item->text(0) + QLatin1Char(' ') + item->text(2));
    if (items.size() > said)
        due.append(tr("and %n more", nullptr, int(items.size() - said)));
    cmdOk->setAccessibleDescription(tr("Upcoming: %1").arg(due.join(QStringLiteral("; "))));
}

void frmWhatsUp::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Qt shows and activates a window again after every message box and whenever the mail
    // program hands the focus back; the opening steps run once per opening only.
    if (m_opened)
        return;
    m_opened = true;
    QTimer::singleShot(0, this, &frmWhatsUp::opening);
}

void frmWhatsUp::opening()
{
    try {
        const std::string clip = AssetPath("anim/bell.avi");
        Animation1->Open(clip);
        Animation1->Play(1);
        Animation2->Open(clip);
        Animation2->Play(1);
    } catch (const MoonrillError &error) {
        ReportClipError(error, this);
        return;
    }
    Beep();
    markTodayRows();
    lstWhatsUp->setColumnCount(3);
    offerBirthdayMails();
    offerBelatedMails();
}

void frmWhatsUp::markTodayRows()
{
    const QString today = when(0);
    for (int i = 0; i < lstWhatsUp->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = lstWhatsUp->topLevelItem(i);
        if (item->text(0) != today)
            continue;
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int column = 0; column < lstWhatsUp->columnCount(); ++column) {
            item->setForeground(column, TodayRed(lstWhatsUp->palette().color(QPalette::Base)));
            item->setFont(column, bold);
        }
    }
}

void frmWhatsUp::offerBirthdayMails()
{
    // The list may be emptied meanwhile (the window closed from a question): copy it first.
    offerMails(m_birthdayMails, OfferKind::Today);
}

void frmWhatsUp::offerBelatedMails()
{
    offerMails(std::exchange(m_belatedMails, {}), OfferKind::Belated);
}

void frmWhatsUp::offerMails(std::vector<MailOffer> offers, OfferKind kind)
{
    for (const MailOffer &offer : offers) {
        if (ShowMessage(question(offer, kind), MsgStyle::YesNoQuestion, this) != MsgAnswer::Yes)
            continue;
        clsHlink link(this);
        link.URL(BirthdayMailLink(offer.address, mailSubject(offer, kind)));
        link.OpenURL();
    }
}

QString frmWhatsUp::question(const MailOffer &offer, OfferKind kind)
{
    return FromBytes(BirthdayQuestion(offer, kind, Translated));
}

std::string frmWhatsUp::mailSubject(const MailOffer &offer, OfferKind kind)
{
    return BirthdayMailSubject(offer, kind, Translated);
}

void frmWhatsUp::done(int result)
{
    Animation1->Close();
    Animation2->Close();
    m_birthdayMails.clear();
    QDialog::done(result);
}
