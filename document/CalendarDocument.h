#pragma once

#include "document/Entries.h"
#include "document/EntryTable.h"
#include "document/PhotoChoices.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QString>
#include <functional>

inline const QString kUntitled = QStringLiteral("[Untitled]");

// The title of a new calendar in the language of the windows: "[Untitled]" in English.
inline QString UntitledTitle() {
    return QCoreApplication::translate("CalendarDocument", "[Untitled]");
}

// Whether a title is the one a new calendar gets, in English or in the windows' language.
inline bool IsUntitled(const QString& title) {
    return title == kUntitled || title == UntitledTitle();
}

// The one open calendar: title, two header lines, the file it belongs to, the modified state,
// the five entry tables and the photos chosen for its pages.
class CalendarDocument {
  public:
    QString CalendarTitle = UntitledTitle();
    QString HeaderLine1;
    QString HeaderLine2;
    QString FileName; // empty until the calendar is first saved or read

    EntryTable<BirthdayEntry> Birthdays;
    EntryTable<AnniversaryEntry> Anniversaries;
    EntryTable<FixedHolidayEntry> FixedHolidays;
    EntryTable<FloatingHolidayEntry> FloatingHolidays;
    EntryTable<OtherEntry> OtherEvents;

    // The photos of a photo wall calendar and how its pages hold them.
    PhotoChoices Photos;

    // Lines of the file's own section that this version cannot read (written by a newer
    // version), kept to be written back unchanged.
    QByteArrayList KeptSection;

    bool Modified() const { return modified_; }
    // Every change to an entry, the title or the header lines calls this afterwards.
    void MarkModified() { setModified(true); }
    void ClearModified() { setModified(false); }
    void setModified(bool modified);

    // Called whenever the modified state changes (the main window ties File > Save to it).
    void setModifiedObserver(std::function<void(bool)> observer) {
        observer_ = std::move(observer);
    }

    // Every table back to one blank record, no photos and no kept section.
    void ResetTables();
    // The state of a new calendar: tables reset, "[Untitled]", no header lines, no file.
    void resetToUntitled();

    // True when the title, header lines, tables and photos are the same (file and state aside).
    bool sameContent(const CalendarDocument& other) const;

    // Applies f to each table in the order of the file's sections.
    template <class F> void forEachTable(F&& f) {
        f(Birthdays);
        f(Anniversaries);
        f(FixedHolidays);
        f(FloatingHolidays);
        f(OtherEvents);
    }

    int entryCount(EntryKind kind) const;
    bool isKindEmpty(EntryKind kind) const { return entryCount(kind) == 0; }
    // Removes the record at index of the kind's table (the only record is blanked instead).
    void DeleteEntry(EntryKind kind, int index);

  private:
    bool modified_ = false;
    std::function<void(bool)> observer_;
};

// The calendar's name in window captions and print jobs: "Daylark - " and its title.
inline QString CalendarCaption(const CalendarDocument& doc) {
    return QStringLiteral("Daylark - ") + doc.CalendarTitle;
}
