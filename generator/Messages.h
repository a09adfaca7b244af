#pragma once

#include <QString>

// The texts the generator shows or prints.
namespace qvfsch {

inline const QString kWindowCaption = QStringLiteral("QVF Scheduler");
inline const QString kMessageTitle = QStringLiteral("Kestral Scheduler");
// The invalid-span message has always carried this title with a small s.
inline const QString kSpanMessageTitle = QStringLiteral("Kestral scheduler");

inline const QString kInvalidSpanText =
    QStringLiteral("Invalid span of dates.\nEnding date must be at least one day later than "
                   "starting date.");
inline const QString kNoWeekdayText =
    QStringLiteral("Please select days of the week for the event to occur on.");
inline const QString kNoDataText = QStringLiteral("No data created.");

inline const QString kDateSpanHeading = QStringLiteral("Select a date span for the event");
inline const QString kFrequencyHeading = QStringLiteral("Schedule the frequency of the event");
inline const QString kNameHeading = QStringLiteral("Enter the event's display name");

inline const QString kSaveDialogTitle = QStringLiteral("Save Vemora File As");

} // namespace qvfsch
