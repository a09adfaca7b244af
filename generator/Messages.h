#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the generator shows or prints, in the windows' language (the command line, which
// installs no translation, prints them in English).
namespace qvfsch {

inline QString WindowCaption() {
    return QCoreApplication::translate("qvfsch", "QVF Scheduler");
}
inline QString MessageTitle() {
    return QCoreApplication::translate("qvfsch", "Kestral Scheduler");
}
// The invalid-span message has always carried this title with a small s.
inline QString SpanMessageTitle() {
    return QCoreApplication::translate("qvfsch", "Kestral scheduler");
}
inline QString InvalidSpanText() {
    return QCoreApplication::translate("qvfsch",
                                       "Invalid span of dates.\nEnding date must be at least one "
                                       "day later than starting date.");
}
inline QString NoWeekdayText() {
    return QCoreApplication::translate("qvfsch",
                                       "Please select days of the week for the event to occur on.");
}
inline QString NoDataText() {
    return QCoreApplication::translate("qvfsch", "No data created.");
}
inline QString DateSpanHeading() {
    return QCoreApplication::translate("qvfsch", "Select a date span for the event");
}
inline QString FrequencyHeading() {
    return QCoreApplication::translate("qvfsch", "Schedule the frequency of the event");
}
inline QString NameHeading() {
    return QCoreApplication::translate("qvfsch", "Enter the event's display name");
}
inline QString SaveDialogTitle() {
    return QCoreApplication::translate("qvfsch", "Save Vemora File As");
}

} // namespace qvfsch
