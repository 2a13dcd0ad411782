// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateCheck.h"

#include "VersionCheck.h"
#include "modGetInternetFile.h"

namespace {

/// A failure of the check itself (the server answered, but not what was asked for) says so in
/// the check's own words; the network's own failures keep theirs.
MoonrillError asCheckFailure(const MoonrillError &error)
{
    if (error.isHttpStatus() || error.number() == MoonrillError::TooLarge)
        return {MoonrillError::UpdateFailed, std::string(UpdateFailedText)};
    return error;
}

} // namespace

UpdateCheck::UpdateCheck(QString folder, std::string currentVersion, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_currentVersion(std::move(currentVersion)),
      m_transfer(new InternetTransfer(this))
{
}

UpdateCheck::~UpdateCheck() = default;

bool UpdateCheck::Running() const
{
    return m_transfer->StillExecuting();
}

void UpdateCheck::Cancel()
{
    // The transfer ends now and tells no one: this object has stopped listening.
    delete m_transfer;
    m_transfer = new InternetTransfer(this);
    emit runningChanged(false);
}

void UpdateCheck::finish(const std::optional<MoonrillError> &failure,
                         void (UpdateCheck::*onSuccess)())
{
    emit runningChanged(false);
    if (failure)
        emit failed(asCheckFailure(*failure));
    else
        (this->*onSuccess)();
}

void UpdateCheck::Check()
{
    // The page is read into memory: no copy of it is left anywhere.
    m_page.clear();
    m_transfer->Start(
        m_folder + QStringLiteral("mrversion.html"), MaxPageBytes,
        [this](std::string_view piece) { m_page.append(piece.data(), qsizetype(piece.size())); },
        [this](const std::optional<MoonrillError> &failure) {
            finish(failure, &UpdateCheck::pageRead);
        });
    emit runningChanged(true);
}

void UpdateCheck::pageRead()
{
    const std::string firstLine(
        FirstLine(std::string_view(m_page.constData(), size_t(m_page.size()))));
    const std::optional<std::vector<int>> remote = ParseVersion(firstLine);
    if (!remote) {
        emit failed({MoonrillError::UpdateFailed, std::string(UpdateFailedText)});
        return;
    }
    if (CompareVersions(*remote, *ParseVersion(m_currentVersion)) <= 0) {
        emit noUpdate();
        return;
    }
    m_archive = ArchiveName(*remote);
    emit updateAvailable(QString::fromStdString(firstLine));
}

void UpdateCheck::Download(const QString &targetFolder)
{
    try {
        GetInternetFile(*m_transfer, m_folder + QString::fromStdString(m_archive), targetFolder,
                        [this](const std::optional<MoonrillError> &failure) {
                            finish(failure, &UpdateCheck::downloaded);
                        });
        emit runningChanged(true);
    } catch (const MoonrillError &error) {
        emit failed(error);
    }
}
