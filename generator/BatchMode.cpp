#include "generator/BatchMode.h"

#include "generator/EventName.h"
#include "generator/Frequency.h"
#include "generator/GeneratedFile.h"
#include "generator/Messages.h"
#include "generator/ScheduleDates.h"
#include "generator/ScheduleRequest.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace qvfsch {

namespace {

// A value that could not be taken: the text says why.
struct Refusal {
    QString text;
};

struct Options {
    QCommandLineOption from{QStringLiteral("from"), QStringLiteral("First date of the series."),
                            QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption to{QStringLiteral("to"),
                          QStringLiteral("Last date the series may reach (at least one day "
                                         "after --from)."),
                          QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption every{QStringLiteral("every"),
                             QStringLiteral("Repeat every N days (1 to 31)."), QStringLiteral("N")};
    QCommandLineOption weekdays{
        QStringLiteral("weekdays"),
        QStringLiteral("Repeat on these weekdays, for example Mon,Fri (Sun to Sat)."),
        QStringLiteral("DAYS")};
    QCommandLineOption name{QStringLiteral("name"), QStringLiteral("Display name of every entry."),
                            QStringLiteral("TEXT")};
    QCommandLineOption output{QStringLiteral("output"),
                              QStringLiteral("Calendar file to write (\".qvf\" is added when "
                                             "the name does not end in it)."),
                              QStringLiteral("FILE")};
    QCommandLineOption add{QStringLiteral("add"),
                           QStringLiteral("When FILE exists, add the events to that calendar "
                                          "and keep everything it holds.")};
    QCommandLineOption replace{QStringLiteral("replace"),
                               QStringLiteral("When FILE exists, replace it with a new file of "
                                              "the events.")};
};

void describe(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(
        QStringLiteral("Generates a series of repeating events and saves them as a scrambled "
                       "calendar file, or adds them to an existing calendar (--add).\nStarted "
                       "without options, it opens the wizard."));
    parser.addHelpOption();
    for (const auto* option : {&options.from, &options.to, &options.every, &options.weekdays,
                               &options.name, &options.output, &options.add, &options.replace})
        parser.addOption(*option);
}

CalendarDay dateOption(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QString flag = QStringLiteral("--") + option.names().constFirst();
    if (!parser.isSet(option)) throw Refusal{QStringLiteral("Please give %1.").arg(flag)};
    const QString text = parser.value(option);
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        throw Refusal{
            QStringLiteral("%1 \"%2\" is not a date; write it as YYYY-MM-DD.").arg(flag, text)};
    if (date.year() < kFirstYear || date.year() > kLastYear)
        throw Refusal{QStringLiteral("%1 \"%2\": the year must be between %3 and %4.")
                          .arg(flag, text)
                          .arg(kFirstYear)
                          .arg(kLastYear)};
    return {date.year(), date.month(), date.day()};
}

int weekdayIndex(const QString& text) {
    for (int index = 0; index < 7; ++index) {
        const QString name = WeekdayName(index);
        if (text.compare(name, Qt::CaseInsensitive) == 0 ||
            text.compare(name.left(3), Qt::CaseInsensitive) == 0)
            return index;
    }
    throw Refusal{QStringLiteral("\"%1\" is not a weekday; use Sun, Mon, Tue, Wed, Thu, Fri "
                                 "or Sat.")
                      .arg(text)};
}

QString weeklyRule(const QString& list) {
    WeekdaySet days{};
    for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
        const QString day = part.trimmed();
        if (!day.isEmpty()) days[weekdayIndex(day)] = true;
    }
    return WeeklySpec(days);
}

QString dailyRule(const QString& text) {
    bool ok = false;
    const int step = text.trimmed().toInt(&ok);
    if (!ok || step < kMinStep || step > kMaxStep)
        throw Refusal{QStringLiteral("--every \"%1\": the step must be a whole number of days "
                                     "from %2 to %3.")
                          .arg(text)
                          .arg(kMinStep)
                          .arg(kMaxStep)};
    return DailySpec(step);
}

QString frequencyOption(const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.every) == parser.isSet(options.weekdays))
        throw Refusal{QStringLiteral("Please give either --every N or --weekdays DAYS.")};
    const QString rule = parser.isSet(options.every) ? dailyRule(parser.value(options.every))
                                                     : weeklyRule(parser.value(options.weekdays));
    if (MissingWeekday(rule)) throw Refusal{NoWeekdayText()};
    return rule;
}

// A name with a control character would break its entry across lines or garble the display.
void refuseControlCharacters(const QString& name) {
    const qsizetype at = FirstControlCharacter(name);
    if (at < 0) return;
    throw Refusal{
        QStringLiteral("--name: the event name may not hold control characters such as line "
                       "breaks or tabs (U+%1 at character %2).")
            .arg(QString::number(name[at].unicode(), 16).toUpper().rightJustified(4, u'0'))
            .arg(at + 1)};
}

// The values in the wizard's order: the span, the rule, the name; then the file.
ScheduleRequest readRequest(const QCommandLineParser& parser, const Options& options) {
    if (!parser.positionalArguments().isEmpty())
        throw Refusal{QStringLiteral("Unexpected argument \"%1\"; see --help.")
                          .arg(parser.positionalArguments().constFirst())};
    ScheduleRequest request;
    request.start = dateOption(parser, options.from);
    request.end = dateOption(parser, options.to);
    if (!request.spanIsValid()) throw Refusal{InvalidSpanText()};
    request.frequencySpec = frequencyOption(parser, options);
    request.name = parser.value(options.name);
    if (request.name.isEmpty())
        throw Refusal{QStringLiteral("Please give the event's display name with --name.")};
    refuseControlCharacters(request.name);
    if (parser.value(options.output).isEmpty())
        throw Refusal{QStringLiteral("Please give the file to write with --output.")};
    return request;
}

// What to do with the file at --output: nothing is replaced unless asked for.
bool addToExisting(const QCommandLineParser& parser, const Options& options, const QString& path) {
    const bool add = parser.isSet(options.add);
    const bool replace = parser.isSet(options.replace);
    if (add && replace) throw Refusal{QStringLiteral("Please give either --add or --replace.")};
    if (!add && !replace && QFileInfo::exists(path))
        throw Refusal{QStringLiteral("%1 already exists. Give --add to add the events to it, or "
                                     "--replace to replace it.")
                          .arg(path)};
    return add;
}

int generateAndSave(const ScheduleRequest& request, const QString& path, bool add, QTextStream& out,
                    QTextStream& err, QRandomGenerator& random) {
    const GeneratedEvents events =
        GenerateEvents(request.spanStart(), request.spanEnd(), request.frequencySpec, request.name);
    if (events.empty()) {
        err << NoDataText() << Qt::endl;
        return 1;
    }
    out << SummaryText(request) << Qt::endl;
    out << events.size() << " entries created" << Qt::endl;
    const SaveResult result =
        add ? AddGeneratedEvents(path, events, random) : WriteGeneratedFile(path, events, random);
    if (result.status != SaveStatus::Saved) {
        err << result.message << Qt::endl;
        return 1;
    }
    out << (add ? "Added to " : "Saved as ") << path << Qt::endl;
    return 0;
}

} // namespace

int RunBatch(const QStringList& arguments, QTextStream& out, QTextStream& err,
             QRandomGenerator& random) {
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << Qt::endl;
        return 1;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        out.flush();
        return 0;
    }
    try {
        const ScheduleRequest request = readRequest(parser, options);
        const QString path = WithQvfExtension(parser.value(options.output));
        const bool add = addToExisting(parser, options, path);
        return generateAndSave(request, path, add, out, err, random);
    } catch (const Refusal& refusal) {
        err << refusal.text << Qt::endl;
        return 1;
    }
}

} // namespace qvfsch
