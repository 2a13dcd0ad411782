#include "CalendarExport.h"

#include "BirthYear.h"
#include "ContentStamp.h"
#include "Conversions.h"
#include "Occurrence.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct TextFree
{
    void operator()(char *text) const { std::free(text); }
};

icaltimetype allDay(Date date)
{
    const Date::Ymd ymd = date.ymd();
    icaltimetype time = icaltime_null_date();
    time.year = ymd.year;
    time.month = ymd.month;
    time.day = ymd.day;
    time.is_date = 1;
    return time;
}

/// The calendar rule of a recurrence whose day no longer changes; none where the calendar's
/// interval field (16 bits) cannot hold the step.
std::optional<icalrecurrencetype> ruleOf(const Recurrence &recurrence)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    int interval = recurrence.step;
    if (recurrence.unit == Recurrence::Unit::Days) {
        rule.freq = recurrence.step % 7 == 0 ? ICAL_WEEKLY_RECURRENCE : ICAL_DAILY_RECURRENCE;
        if (recurrence.step % 7 == 0)
            interval /= 7;
    } else if (recurrence.unit == Recurrence::Unit::Months) {
        rule.freq = recurrence.step % 12 == 0 ? ICAL_YEARLY_RECURRENCE : ICAL_MONTHLY_RECURRENCE;
        if (recurrence.step % 12 == 0)
            interval /= 12;
    } else {
        return std::nullopt;
    }
    if (interval > 32767)
        return std::nullopt;
    rule.interval = static_cast<short>(interval);
    return rule;
}

/// Moonrill's dates from `start` while a step may still shorten the day (a calendar rule cannot
/// say that); the date from which every step keeps its day is returned in `settled`, unless the
/// steps pass the last date first.
std::vector<Date> earlyDates(Date start, const Recurrence &recurrence, std::optional<Date> &settled)
{
    std::vector<Date> dates;
    settled = start;
    if (recurrence.unit != Recurrence::Unit::Months)
        return dates;
    Date date = start;
    while (!DayStaysFixed(date, recurrence.step)) {
        dates.push_back(date);
        const Date next = date.addMonths(recurrence.step);
        if (next > LastStepDate()) {
            settled.reset();
            return dates;
        }
        date = next;
    }
    settled = date;
    return dates;
}

icalcomponent *newEvent(const clsEvent &event, const std::string &uid, Date start,
                        icaltimetype stamp)
{
    icalcomponent *vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(vevent, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(allDay(start)));
    icalcomponent_add_property(vevent, icalproperty_new_summary(event.Description.c_str()));
    if (event.BirthYear > 0) {
        std::string born = "Year of birth: ";
        born += IntToText(event.BirthYear);
        icalcomponent_add_property(vevent, icalproperty_new_description(born.c_str()));
    }
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (event.Period >= 0) {
        icalcomponent *alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_description(event.Description.c_str()));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        trigger.duration.is_neg = event.Period > 0 ? 1 : 0;
        trigger.duration.days = static_cast<unsigned>(event.Period);
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(vevent, alarm);
    }
    return vevent;
}

void addEvent(icalcomponent *calendar, const clsEvent &event, const std::string &uid,
              icaltimetype stamp)
{
    const Recurrence recurrence = RecurrenceOf(event.Occurs);
    std::optional<Date> settled;
    std::vector<Date> early = earlyDates(event.StartingOn, recurrence, settled);
    const auto writable = [](Date date) { return date.year() <= LastCalendarYear; };
    std::erase_if(early, [&writable](Date date) { return !writable(date); });
    if (settled && !writable(*settled))
        settled.reset();
    if (!early.empty()) {
        icalcomponent *first = newEvent(event, uid + "-early", early.front(), stamp);
        for (size_t i = 1; i < early.size(); ++i) {
            icaldatetimeperiodtype rdate{};
            rdate.time = allDay(early[i]);
            rdate.period = icalperiodtype_null_period();
            icalcomponent_add_property(first, icalproperty_new_rdate(rdate));
        }
        icalcomponent_add_component(calendar, first);
    }
    if (!settled)
        return;
    icalcomponent *vevent = newEvent(event, uid, *settled, stamp);
    if (const std::optional<icalrecurrencetype> rule = ruleOf(recurrence))
        icalcomponent_add_property(vevent, icalproperty_new_rrule(*rule));
    icalcomponent_add_component(calendar, vevent);
}

std::string identityOf(const clsEvent &event)
{
    std::string identity = event.Description;
    for (const std::string_view part :
         {std::string_view(event.Occurs), std::string_view(event.Email)}) {
        identity += '\0';
        identity += part;
    }
    identity += '\0';
    identity += IntToText(event.BirthYear);
    return identity;
}

} // namespace

std::string EventUid(const clsEvent &event, int twinsBefore)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(StampOf(identityOf(event)).hash));
    std::string uid = "moonrill-";
    uid += hex;
    if (twinsBefore > 0) {
        uid += '-';
        uid += IntToText(twinsBefore);
    }
    return uid;
}

std::string CalendarText(const std::vector<clsEvent> &events, std::string_view productId,
                         std::time_t now, int *leftOut)
{
    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid(std::string(productId).c_str()));
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(now, 0, icaltimezone_get_utc_timezone());
    std::unordered_map<std::string, int> seen;
    seen.reserve(events.size());
    for (const clsEvent &event : events) {
        if (event.StartingOn.year() > LastCalendarYear) {
            if (leftOut != nullptr)
                ++*leftOut;
            continue;
        }
        const int twins = seen[identityOf(event)]++;
        addEvent(calendar.get(), event, EventUid(event, twins), stamp);
    }
    const std::unique_ptr<char, TextFree> text(icalcomponent_as_ical_string_r(calendar.get()));
    return text ? std::string(text.get()) : std::string();
}
