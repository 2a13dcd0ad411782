// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EventState;
class QPrinter;
class QWidget;

/// Prints the list as it is shown onto `printer`, in the user's language: title, headings, one
/// row per event with four of its columns, 32 rows on page 1 and 36 on later ones where each
/// takes one line (an event or type too long for its column goes on below it), and a closing
/// notice. Only the pages of the printer's page range, in its number of copies.
void PrintEventList(QPrinter &printer, const EventState &state);

/// How many pages the printout of `state` takes on `printer`.
[[nodiscard]] int PrintPageCount(QPrinter &printer, const EventState &state);

/// The print command: "No events available!" on an empty list; otherwise the print dialog
/// (cancelling ends quietly), the printout and the "Printing Now" message. Failures are
/// reported.
void PrintEvents(const EventState &state, QWidget *parent);
