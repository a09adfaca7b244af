#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// Turns a date span, a repetition rule and a name into the series of "Other" entries.
namespace qvfsch {

struct GeneratedEvent {
    QString Date; // MMDDYYYY
    QString Name;
    friend bool operator==(const GeneratedEvent&, const GeneratedEvent&) = default;
};

// In date order; every record carries the same name.
using GeneratedEvents = std::vector<GeneratedEvent>;

// What Finish hands to the status window.
struct GenerationResult {
    GeneratedEvents events;
    QString name;
    QString summary; // see SummaryText
};

// One entry per matching day from spanStart to spanEnd (yyyymmdd numbers, both included).
// A daily rule "Dnn" takes every nn-th day from the start; a weekly rule takes the days whose
// weekday is ticked. Empty when no day matches or the rule is malformed; the caller reports
// an empty result.
GeneratedEvents GenerateEvents(int spanStart, int spanEnd, QStringView frequencySpec,
                               const QString& name);

} // namespace qvfsch
