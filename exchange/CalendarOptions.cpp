// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarOptions.h"

#include "EventFields.h"

#include <strings.h>
#include <vector>

namespace {

/// The kind of the properties named `name`: an X- name in either case, else libical's own.
icalproperty_kind kindOf(const std::string &name)
{
    return strncasecmp(name.c_str(), "X-", 2) == 0 ? ICAL_X_PROPERTY
                                                   : icalproperty_string_to_kind(name.c_str());
}

/// Whether `property` is one named `name`.
bool named(icalproperty *property, icalproperty_kind kind, const std::string &name)
{
    if (kind != ICAL_X_PROPERTY)
        return true;
    const char *xName = icalproperty_get_x_name(property);
    return xName != nullptr && strcasecmp(xName, name.c_str()) == 0;
}

/// Hands each property `name` of `component` to `each`.
template <typename Each>
void forEachNamed(icalcomponent *component, std::string_view name, Each each)
{
    const std::string wanted(name);
    const icalproperty_kind kind = kindOf(wanted);
    if (kind == ICAL_NO_PROPERTY)
        return;
    for (icalproperty *property = icalcomponent_get_first_property(component, kind);
         property != nullptr; property = icalcomponent_get_next_property(component, kind)) {
        if (named(property, kind, wanted) && !each(property))
            return;
    }
}

/// A value the event line keeps as it is: a "$" would make or break its separators, and a
/// control character (a line break) its lines.
bool keepable(const std::string &value)
{
    for (const char c : value) {
        if (c == '$' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    }
    return !value.empty();
}

} // namespace

icalproperty *NewTextProperty(std::string_view name, const std::string &value)
{
    const std::string wanted(name);
    const icalproperty_kind kind = kindOf(wanted);
    if (kind == ICAL_X_PROPERTY) {
        icalproperty *property = icalproperty_new_x(value.c_str());
        icalproperty_set_x_name(property, wanted.c_str());
        return property;
    }
    if (kind == ICAL_NO_PROPERTY)
        return nullptr;
    // A text is set as it is; libical's reading of a text from a string would take its
    // backslashes for escapes.
    const icalvalue_kind type = icalproperty_kind_to_value_kind(kind);
    icalvalue *content = type == ICAL_TEXT_VALUE ? icalvalue_new_text(value.c_str())
                                                 : icalvalue_new_from_string(type, value.c_str());
    if (content == nullptr)
        return nullptr;
    icalproperty *property = icalproperty_new(kind);
    icalproperty_set_value(property, content);
    return property;
}

std::optional<std::string> PropertyText(icalcomponent *component, std::string_view name)
{
    std::optional<std::string> text;
    forEachNamed(component, name, [&text](icalproperty *property) {
        const icalvalue *content = icalproperty_get_value(property);
        const char *value = content == nullptr ? nullptr
                            : icalvalue_isa(content) == ICAL_TEXT_VALUE
                                ? icalvalue_get_text(content)
                                : icalvalue_as_ical_string(content);
        text = value != nullptr ? value : "";
        return false;
    });
    return text;
}

void AddOptionalProperties(icalcomponent *vevent, const EventOptions &options)
{
    for (const OptionalField &field : OptionalFields) {
        if (field.calendar != InCalendar::Property || EmptyField(field, options))
            continue;
        if (icalproperty *property = NewTextProperty(field.property, options.*field.text))
            icalcomponent_add_property(vevent, property);
    }
}

void ReadOptionalProperties(icalcomponent *vevent, EventOptions &options)
{
    for (const OptionalField &field : OptionalFields) {
        if (field.calendar != InCalendar::Property)
            continue;
        std::optional<std::string> text = PropertyText(vevent, field.property);
        if (text && keepable(*text))
            options.*field.text = std::move(*text);
    }
}

void MergeOptionalProperties(icalcomponent *theirs, icalcomponent *ours)
{
    for (const OptionalField &field : OptionalFields) {
        if (field.calendar != InCalendar::Property || field.owner != Owner::List)
            continue;
        std::vector<icalproperty *> gone;
        forEachNamed(theirs, field.property, [&gone](icalproperty *property) {
            gone.push_back(property);
            return true;
        });
        // The same value stays where it stands, with the server's parameters: an object only
        // written again changes for every client that syncs it.
        const std::optional<std::string> mine = PropertyText(ours, field.property);
        if (gone.size() == (mine ? 1u : 0u) && PropertyText(theirs, field.property) == mine)
            continue;
        for (icalproperty *property : gone) {
            icalcomponent_remove_property(theirs, property);
            icalproperty_free(property);
        }
        forEachNamed(ours, field.property, [theirs](icalproperty *property) {
            icalcomponent_add_property(theirs, icalproperty_new_clone(property));
            return true;
        });
    }
}
