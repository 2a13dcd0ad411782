#pragma once

#include <string>

class EventListModel;
class QWidget;

/// The add command: opens the editor for a new event, and adds what it hands back (moved to its
/// next occurrence) as a record and a row; the list is then not saved. An event that is over is
/// refused and the editor opens again, empty. Returns the new row's position, or -1 when
/// nothing was added. Failures are reported; nothing is then added.
int AddEvent(EventListModel &list, QWidget *parent);

/// The event line the editor hands back, read into an event moved to its next occurrence;
/// false when the event is over. Throws for a line that does not convert.
struct EventFields;
class Date;
bool ReadEditorLine(const std::string &line, Date today, EventFields &fields);
