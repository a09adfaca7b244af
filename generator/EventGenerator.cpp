#include "generator/EventGenerator.h"

#include "generator/Frequency.h"
#include "generator/ScheduleDates.h"

namespace qvfsch {

namespace {

void addEntry(GeneratedEvents& events, int date, const QString& name) {
    events.push_back({EntryDateText(date), name});
}

GeneratedEvents daily(int spanStart, int spanEnd, int step, const QString& name) {
    GeneratedEvents events;
    for (int date = spanStart; date <= spanEnd; date = AdvanceDate(date + step))
        addEntry(events, date, name);
    return events;
}

GeneratedEvents weekly(int spanStart, int spanEnd, const WeekdaySet& days, const QString& name) {
    GeneratedEvents events;
    int weekday = WeekdayIndex(spanStart);
    for (int date = spanStart; date <= spanEnd; date = AdvanceDate(date + 1)) {
        if (days[weekday]) addEntry(events, date, name);
        weekday = (weekday + 1) % 7;
    }
    return events;
}

} // namespace

GeneratedEvents GenerateEvents(int spanStart, int spanEnd, QStringView frequencySpec,
                               const QString& name) {
    const auto rule = ParseFrequencySpec(frequencySpec);
    if (!rule) return {};
    return rule->weekly ? weekly(spanStart, spanEnd, rule->days, name)
                        : daily(spanStart, spanEnd, rule->step, name);
}

} // namespace qvfsch
