// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BirthdayOffers.h"
#include "HelpFile.h"

#include <QDialog>

#include <string>
#include <vector>

class Animation;
class QLabel;
class QPushButton;
class QTreeWidget;
struct ScanRow;

/// The scan window: the events due, soonest first, today's in bold red, two ringing bells and
/// a beep, and for each birthday due today the offer to write a mail.
class frmWhatsUp final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmWhatsUp)

public:
    /// `birthdayMails` is the program's list of offers; the window empties it when it closes.
    /// `belatedMails` are the offers for events missed while no run saw them, made after the
    /// birthday offers.
    frmWhatsUp(const std::vector<ScanRow> &rows, std::vector<MailOffer> &birthdayMails,
               QWidget *parent = nullptr, std::vector<MailOffer> belatedMails = {});
    ~frmWhatsUp() override;

    /// The help topic of this window.
    static constexpr int HelpContextID = HelpScanWindow;

    void done(int result) override;

    /// The birthday question and the mail's subject (as the mail link takes it: UTF-8), in the
    /// user's language.
    [[nodiscard]] static QString question(const MailOffer &offer, OfferKind kind);
    [[nodiscard]] static std::string mailSubject(const MailOffer &offer, OfferKind kind);

protected:
    void showEvent(QShowEvent *event) override;

private:
    /// The controls; the date column with room for a time where `timed` rows have one.
    void createControls(bool timed);
    void fill(const std::vector<ScanRow> &rows);
    /// The steps that run once when the window first shows.
    void opening();
    void markTodayRows();
    void offerBirthdayMails();
    void offerBelatedMails();
    /// Asks, for each "name$$address" offer in turn, whether to mail; Yes opens the mail.
    void offerMails(std::vector<MailOffer> offers, OfferKind kind);

    std::vector<MailOffer> &m_birthdayMails;
    std::vector<MailOffer> m_belatedMails;
    QTreeWidget *lstWhatsUp = nullptr;
    QLabel *m_bell1 = nullptr;
    QLabel *m_bell2 = nullptr;
    Animation *Animation1 = nullptr;
    Animation *Animation2 = nullptr;
    QPushButton *cmdOk = nullptr;
    bool m_opened = false;
};
