// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarExport.h"

#include "BirthYear.h"
#include "CalendarAlarms.h"
#include "CalendarClock.h"
#include "CalendarFields.h"
#include "CalendarOptions.h"
#include "CalendarRules.h"
#include "ContentStamp.h"
#include "Conversions.h"
#include "EventTypes.h"
#include "EventUid.h"
#include "Occurrence.h"
#include "Reminders.h"
#include "Version.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <optional>
#include <unordered_map>

namespace {

/// The calendar rule of a recurrence from `start`, with nothing said of the day but a weekday
/// of the month (BYDAY=2TU, and the start's month for a yearly one: BYMONTH=11;BYDAY=4TH); none
/// where the calendar's interval field (16 bits) cannot hold the step.
std::optional<icalrecurrencetype> ruleOf(const Recurrence &recurrence, Date start)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    int interval = recurrence.step;
    if (recurrence.unit == Recurrence::Unit::Days) {
        rule.freq = recurrence.step % 7 == 0 ? ICAL_WEEKLY_RECURRENCE : ICAL_DAILY_RECURRENCE;
        if (recurrence.step % 7 == 0)
            interval /= 7;
    } else if (recurrence.unit == Recurrence::Unit::Months ||
               recurrence.unit == Recurrence::Unit::Weekdays) {
        rule.freq = recurrence.step % 12 == 0 ? ICAL_YEARLY_RECURRENCE : ICAL_MONTHLY_RECURRENCE;
        if (recurrence.step % 12 == 0)
            interval /= 12;
        if (recurrence.unit == Recurrence::Unit::Weekdays) {
            SetNamedWeekday(rule, recurrence.rule);
            if (recurrence.step % 12 == 0)
                rule.by_month[0] = static_cast<short>(start.month());
        }
    } else {
        return std::nullopt;
    }
    if (interval > 32767)
        return std::nullopt;
    rule.interval = static_cast<short>(interval);
    return rule;
}

/// One calendar event of a Moonrill event: its first date, its rule, and what its UID adds.
struct Part
{
    Date start;
    std::optional<icalrecurrencetype> rule;
    const char *uidSuffix = "";
};

/// The calendar events that give a Moonrill event's dates. A day of the month that a month can
/// lack (the 29th to the 31st) is said with plain rules every client reads, RDATE and BYSETPOS
/// not among them: the 31st is each month's last day; the 29th and the 30th are that day in every
/// month but February, and February's last day in a second event of their own.
std::vector<Part> partsOf(const clsEvent &event)
{
    const Recurrence recurrence = RecurrenceOf(event.Occurs);
    const Date start = event.StartingOn;
    const std::optional<icalrecurrencetype> plain = ruleOf(recurrence, start);
    const int day = IntendedDay(start, event.Options.Day);
    if (!plain || recurrence.unit != Recurrence::Unit::Months || day <= 28)
        return {Part{start, plain}};
    const Date::Ymd ymd = start.ymd();
    const bool years = recurrence.step % 12 == 0;
    if (years && ymd.month != 2)
        return {Part{start, plain}}; // the month of every step has the day
    icalrecurrencetype rule = *plain;
    if (day == 31 && !years) {
        rule.by_month_day[0] = -1;
        return {Part{start, rule}};
    }
    // February's last day, in the Februaries the steps reach; every step of a whole number of
    // years from one of them reaches the next.
    std::vector<Part> parts;
    for (int k = 0; k < 12; ++k) {
        const Date reached = start.addMonths(k * recurrence.step);
        if (reached.month() != 2)
            continue;
        icalrecurrencetype february =
            *ruleOf(Recurrence{Recurrence::Unit::Months, std::lcm(recurrence.step, 12)}, start);
        february.by_month[0] = 2;
        february.by_month_day[0] = -1;
        parts.push_back(Part{reached, february, "-february"});
        break;
    }
    if (years)
        return parts; // a February event: no other month
    int months = 0;
    for (int month = 1; month <= 12; ++month) {
        if (month != 2)
            rule.by_month[months++] = static_cast<short>(month);
    }
    rule.by_month_day[0] = static_cast<short>(day);
    // Only a February date is short of a 29th or a 30th: the other months begin one step on.
    const Date first = ymd.month == 2 ? start.addMonths(recurrence.step) : start;
    const Date::Ymd f = first.ymd();
    parts.insert(parts.begin(), Part{Date::fromYmd(f.year, f.month, day), rule});
    return parts;
}

icalcomponent *newEvent(const clsEvent &event, const std::string &uid, Date start,
                        icaltimetype stamp)
{
    icalcomponent *vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(vevent, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    AddTimes(vevent, event, start);
    icalcomponent_add_property(vevent, icalproperty_new_summary(event.Description.c_str()));
    if (event.BirthYear > 0) {
        std::string born(event.Occurs == BirthdayType ? BirthYearPrefix : FirstYearPrefix);
        born += IntToText(event.BirthYear);
        icalcomponent_add_property(vevent, icalproperty_new_description(born.c_str()));
    }
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    AddOptionalProperties(vevent, event.Options);
    AddAlarms(vevent, event);
    return vevent;
}

void addField(icalcomponent *vevent, std::string_view name, const std::string &value)
{
    icalproperty *field = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(field, std::string(name).c_str());
    icalcomponent_add_property(vevent, field);
}

/// What a server's object says beyond the calendar's fields, so that another copy of Moonrill
/// syncing with it reads back the same event: the type where the rule alone reads as another
/// (a Birthday as Yearly), and the e-mail address. A type whose steps the rule does not take
/// (a February event of a Monthly one) is not the object's to tell.
void addListFields(icalcomponent *vevent, const clsEvent &event, const Part &part)
{
    if (part.rule) {
        const Recurrence steps = RecurrenceOfRule(*part.rule);
        if (SameSteps(RecurrenceOf(event.Occurs), steps) && event.Occurs != RuleType(steps))
            addField(vevent, OccursField, event.Occurs);
    }
    if (!event.Email.empty())
        addField(vevent, EmailField, event.Email);
}

/// The calendar events of `event` under `uid`, each handed to `add`; with the list's own fields
/// for a server's objects (`listFields`), not in a file for other programs.
template <typename Add>
void eventsOf(const clsEvent &event, const std::string &uid, icaltimetype stamp, bool listFields,
              Add add)
{
    for (const Part &part : partsOf(event)) {
        if (part.start.year() > LastCalendarYear)
            continue;
        icalcomponent *vevent = newEvent(event, uid + part.uidSuffix, part.start, stamp);
        if (part.rule)
            icalcomponent_add_property(vevent, icalproperty_new_rrule(*part.rule));
        if (listFields)
            addListFields(vevent, event, part);
        add(uid + part.uidSuffix, vevent);
    }
}

Component newCalendar(std::string_view productId)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid(std::string(productId).c_str()));
    return calendar;
}

/// Hands each event written (not left out) to `add` with its UID, counting those left out in
/// `leftOut` and keeping the UIDs in `uids`, as CalendarText says.
template <typename Add>
void forEachWritten(const std::vector<clsEvent> &events, int *leftOut,
                    std::vector<std::string> *uids, Add add)
{
    std::unordered_map<std::string, int> seen;
    seen.reserve(events.size());
    if (uids != nullptr)
        uids->assign(events.size(), std::string());
    for (size_t i = 0; i < events.size(); ++i) {
        const clsEvent &event = events[i];
        if (event.StartingOn.year() > LastCalendarYear) {
            if (leftOut != nullptr)
                ++*leftOut;
            continue;
        }
        // An event exported before keeps its UID; a new one is made as it always was, so that a
        // calendar filled by an older export keeps its entries too.
        std::string uid = event.Options.Uid;
        if (uid.empty())
            uid = EventUid(event, seen[EventIdentity(event)]++);
        add(event, uid);
        if (uids != nullptr)
            (*uids)[i] = std::move(uid);
    }
}

icaltimetype stampOf(std::time_t now)
{
    return icaltime_from_timet_with_zone(now, 0, icaltimezone_get_utc_timezone());
}

} // namespace

std::string CalendarText(const std::vector<clsEvent> &events, std::string_view productId,
                         std::time_t now, int *leftOut, std::vector<std::string> *uids)
{
    const Component calendar = newCalendar(productId);
    const icaltimetype stamp = stampOf(now);
    // The zones first, as calendars write them: a reader meets a TZID's definition before it.
    for (const clsEvent &event : events) {
        if (event.StartingOn.year() <= LastCalendarYear && EventTime(event))
            AddZone(calendar.get(), event.Options.Zone);
    }
    forEachWritten(events, leftOut, uids, [&](const clsEvent &event, const std::string &uid) {
        eventsOf(event, uid, stamp, false, [&calendar](const std::string &, icalcomponent *vevent) {
            icalcomponent_add_component(calendar.get(), vevent);
        });
    });
    return TextOf(calendar.get());
}

std::vector<CalendarObject> CalendarObjects(const std::vector<clsEvent> &events,
                                            std::string_view productId, std::time_t now,
                                            std::vector<std::string> *uids)
{
    std::vector<CalendarObject> objects;
    objects.reserve(events.size());
    const icaltimetype stamp = stampOf(now);
    forEachWritten(events, nullptr, uids, [&](const clsEvent &event, const std::string &uid) {
        eventsOf(event, uid, stamp, true, [&](const std::string &objectUid, icalcomponent *vevent) {
            const Component calendar = newCalendar(productId);
            if (EventTime(event))
                AddZone(calendar.get(), event.Options.Zone);
            icalcomponent_add_component(calendar.get(), vevent);
            objects.push_back(CalendarObject{objectUid, TextOf(calendar.get())});
        });
    });
    return objects;
}

std::vector<std::string> CalendarUids(const std::vector<clsEvent> &events)
{
    std::vector<std::string> uids;
    forEachWritten(events, nullptr, &uids, [](const clsEvent &, const std::string &) {});
    return uids;
}

std::string MoonrillProductId()
{
    return "-//Moonrill//Moonrill " + ProgramVersionText() + "//EN";
}
