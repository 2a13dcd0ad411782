// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the event file: in pieces, compared with the old content as it goes, after keeping
// what a lossy load or another program left on disk.

#include "EventFile.h"

#include "EventLine.h"
#include "EventState.h"
#include "FileRead.h"

void EventFileWriter::writePiece()
{
    if (m_stamped)
        m_hasher.Add(m_out);
    if (!m_writer && m_old.substr(m_unchanged, m_out.size()) == m_out) {
        m_unchanged += m_out.size();
        m_out.clear();
        return;
    }
    if (!m_writer)
        startWriter();
    // A failure is kept for Commit to report, so that the messages keep their order.
    if (m_writeError)
        return;
    try {
        m_writer->Write(m_out);
        m_out.clear();
    } catch (const MoonrillError &error) {
        m_writeError = error;
    }
}

void EventFileWriter::startWriter()
{
    try {
        m_writer.emplace(m_path,
                         WriteRules{.followLinks = true, .modeFrom = {}, .noun = EventFileNoun});
        m_writer->Write(m_old.substr(0, m_unchanged));
    } catch (const MoonrillError &error) {
        m_writeError = error;
    }
}

void EventFileWriter::Commit()
{
    writePiece();
    if (m_writeError)
        throw *m_writeError;
    if (!m_writer && m_unchanged == m_old.size())
        return;
    if (!m_writer)
        startWriter();
    if (m_writeError)
        throw *m_writeError;
    m_writer->Commit();
}

std::string EventListText(const EventState &state)
{
    std::string text;
    for (const clsEvent &event : state.Events()) {
        AppendEventLine(text, event);
        text += EventLineEnd;
    }
    text += EventLineEnd;
    return text;
}

SaveOutcome SaveEvents(EventState &state, const std::string &path)
{
    // The file as it is now: kept when another program changed it, and compared with the new
    // content so that an unchanged file is left alone. One that cannot be read is not replaced.
    const std::optional<std::string> old = ReadWholeFile(path, EventFileRules);
    SaveOutcome outcome;
    const bool changedByOther = old && state.DiskStamp() && StampOf(*old) != *state.DiskStamp();
    if (old && (changedByOther || state.BackupBeforeSave())) {
        KeepBackup(path, *old);
        if (changedByOther)
            outcome.changedFileKeptAs = BackupPath(path);
        if (state.UnloadedFromLine() > 0) {
            outcome.partialFileKeptAs = BackupPath(path);
            outcome.unloadedFromLine = state.UnloadedFromLine();
        }
    }
    EventFileWriter writer(path, old ? std::string_view(*old) : std::string_view{}, true);
    for (const clsEvent &event : state.Events()) {
        AppendEventLine(writer.Buffer(), event);
        writer.Buffer() += EventLineEnd;
        writer.LineDone();
    }
    writer.Buffer() += EventLineEnd;
    writer.Commit();
    state.SetDiskStamp(writer.Stamp());
    state.SetBackupBeforeSave(false);
    state.SetUnloadedFromLine(0);
    state.SetSaved(true);
    return outcome;
}

std::string ChangedFileMessage(const std::string &backupPath, const Words &words)
{
    return Compose(words(QT_TRANSLATE_NOOP("Messages", "The event file was changed by another "
                                                       "program. Its version is kept as %1.")),
                   {backupPath});
}

std::string PartialFileMessage(const std::string &backupPath, int line, const Words &words)
{
    return Compose(words(QT_TRANSLATE_NOOP(
                       "Messages", "The list lacks the lines of the event file from line %1 on, "
                                   "which could not be loaded. The file as it was is kept as %2.")),
                   {std::to_string(line), backupPath});
}
