#include "AddEvent.h"

#include "Conversions.h"
#include "EventLine.h"
#include "EventListModel.h"
#include "EventState.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "Occurrence.h"
#include "frmAddEvent.h"

bool ReadEditorLine(const std::string &line, Date today, EventFields &fields)
{
    const EventLineFields read = ReadOwnEventLine(line);
    const std::optional<Date> next = NextOccurrence(read.StartingOn, read.Occurs, today);
    if (!next)
        return false;
    fields = OwnedFields(read, *next);
    return true;
}

int AddEvent(EventListModel &list, QWidget *parent)
{
    EventState &state = list.state();
    for (;;) {
        {
            frmAddEvent editor(state.EventLine, parent);
            editor.HelpContextID = 3;
            editor.SetOuterHeight(frmAddEvent::CollapsedHeight);
            editor.exec();
        }
        if (state.EventLine.empty() || state.EventLine == "-1")
            return -1;
        try {
            EventFields fields;
            if (!ReadEditorLine(state.EventLine, Date::today(), fields)) {
                ShowMessage(
                    std::string_view("This event has already happened!\r\nPlease try again"),
                    MsgStyle::OkCritical, parent);
                continue;
            }
            // The model checks the limits before it changes anything: all or nothing.
            const int row = list.insertEvent(std::move(fields), Date::today());
            state.SetSaved(false);
            state.EventLine.clear();
            return row;
        } catch (const std::exception &error) {
            ShowErrorReport(error.what(), parent);
            return -1;
        }
    }
}
