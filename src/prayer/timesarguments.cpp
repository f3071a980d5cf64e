#include "prayer/timesarguments.h"

#include "prayer/calcpreset.h"

#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double kDegToRad = 0.017453292519943295;

std::optional<double> parseNumber(const QString &text, double low, double high)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

const QStringList &valueOptions()
{
    static const QStringList options{"--lat", "--lon", "--tz", "--zone", "--preset", "--method", "--angle",
                                     "--interval", "--high-lat", "--offsets", "--asr", "--year", "--ics"};
    return options;
}

// Splits "--name=value" and "--name value" into a map; flags map to an empty text.
QString collect(const QStringList &arguments, QHash<QString, QString> &values)
{
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        const qsizetype equals = name.indexOf(u'=');
        const bool inline_ = name.startsWith(u"--") && equals > 0;
        if (inline_) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (valueOptions().contains(name)) {
            if (!inline_) {
                if (i + 1 >= arguments.size())
                    return name + ": a value is missing";
                value = arguments[++i];
            }
        } else if ((name != "--dst" && name != "--clock") || inline_) {
            return name + ": unknown argument";
        }
        values.insert(name, value);
    }
    for (const char *required : {"--lat", "--lon"})
        if (!values.contains(required))
            return QString(required) + ": required";
    if (values.contains("--zone") == values.contains("--tz"))
        return "--zone: give either --zone NAME or --tz HOURS";
    if (values.contains("--zone") && values.contains("--dst"))
        return "--dst: the zone's own rules give its summer time; leave --dst out";
    return {};
}

QString fillZone(const QHash<QString, QString> &values, PrayerYearPlan &plan)
{
    if (values.contains("--zone")) {
        plan.zone = QTimeZone(values["--zone"].toUtf8());
        if (!plan.zone.isValid())
            return "--zone: unknown zone; give an IANA name such as Asia/Dhaka or Europe/London";
        return {};
    }
    const auto zone = parseNumber(values["--tz"], -12, 12);
    if (!zone)
        return "--tz: expected hours from -12 to 12, e.g. 6 or 5.5";
    plan.params.timeZone = *zone;
    plan.params.daylightSaving = values.contains("--dst");
    return {};
}

// The custom method: one angle for Fajr and Isha, or an interval.
QString fillCustomMethod(const QHash<QString, QString> &values, PrayerCalcParams &p)
{
    static const QHash<QString, FajrMethod> methods{{"angle", FajrMethod::ByAngle},
                                                    {"interval", FajrMethod::ByInterval},
                                                    {"maxinterval", FajrMethod::ByMaxInterval}};
    const QString method = values.value("--method", "angle");
    if (!methods.contains(method))
        return "--method: expected angle, interval or maxinterval";
    p.fajrMethod = methods[method];
    const auto angle = parseNumber(values.value("--angle", "18"), 0, 30);
    if (!angle)
        return "--angle: expected degrees from 0 to 30";
    p.fajrAngle = p.ishaAngle = *angle;
    const auto interval = parseNumber(values.value("--interval", "0"), 0, 60);
    if (!interval)
        return "--interval: expected minutes from 0 to 60";
    p.intervalHours = *interval / 60.0;
    return {};
}

QString fillMethod(const QHash<QString, QString> &values, PrayerYearPlan &plan)
{
    const QString key = values.value("--preset", CalcPreset::kCustomKey);
    const CalcPreset &preset = presetByKey(key);
    if (preset.key != key)
        return "--preset: expected one of mwl, egypt, karachi, ummalqura, dubai, isna, kuwait, qatar, "
               "singapore, tehran, turkey or custom";
    if (!preset.isCustom()) {
        for (const char *custom : {"--method", "--angle", "--interval"})
            if (values.contains(custom))
                return QString(custom) + ": only with --preset custom; the preset sets its own";
    }
    if (const QString error = fillCustomMethod(values, plan.params); !error.isEmpty())
        return error;
    applyPreset(preset, plan);

    static const QHash<QString, HighLatitudeRule> rules{{"middle", HighLatitudeRule::MiddleOfNight},
                                                        {"seventh", HighLatitudeRule::SeventhOfNight},
                                                        {"twilight", HighLatitudeRule::TwilightAngle}};
    if (values.contains("--high-lat")) {
        if (!rules.contains(values["--high-lat"]))
            return "--high-lat: expected middle, seventh or twilight";
        plan.highLatitude = rules[values["--high-lat"]];
    }
    return {};
}

// Five whole minutes, -30..30, for Fajr, Zohor, Asr, Magreb and Isha.
QString fillOffsets(const QHash<QString, QString> &values, PrayerYearPlan &plan)
{
    if (!values.contains("--offsets"))
        return {};
    const QStringList parts = values["--offsets"].split(u',');
    const QString wrong = "--offsets: expected five minutes from -30 to 30 for Fajr, Zohor, Asr, Magreb "
                          "and Isha, e.g. 2,1,0,3,0";
    if (parts.size() != 5)
        return wrong;
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        const int minutes = parts[i].trimmed().toInt(&ok);
        if (!ok || minutes < -30 || minutes > 30)
            return wrong;
        plan.minutes[i] += minutes;
    }
    return {};
}

QString fill(const QHash<QString, QString> &values, int currentYear, TimesRequest &request)
{
    PrayerYearPlan &plan = request.plan;
    PrayerCalcParams &p = plan.params;
    const auto latitude = parseCoordinate(values["--lat"], 90, u'N', u'S');
    if (!latitude)
        return "--lat: expected degrees 0-90, minutes 0-59 and N or S, e.g. 23:43N";
    const auto longitude = parseCoordinate(values["--lon"], 180, u'W', u'E');
    if (!longitude)
        return "--lon: expected degrees 0-180, minutes 0-59 and E or W, e.g. 90:25E";
    p.latitude = *latitude * kDegToRad;
    p.longitudeWest = *longitude * kDegToRad;
    request.clock = values.contains("--clock");
    request.calendarFile = values.value("--ics");
    if (values.contains("--ics") && request.calendarFile.isEmpty())
        return "--ics: expected the name of the calendar file to write";
    for (const auto part : {fillZone, fillMethod, fillOffsets}) {
        if (const QString error = part(values, plan); !error.isEmpty())
            return error;
    }
    const QString asr = values.value("--asr", "1");
    if (asr != "1" && asr != "2")
        return "--asr: expected 1 or 2";
    p.shadowFactor = asr.toDouble();
    // The solar theory counts leap days exactly only within these years.
    const auto year = parseNumber(values.value("--year", QString::number(currentYear)), 1901, 2099);
    if (!year || *year != std::floor(*year))
        return "--year: expected a year from 1901 to 2099";
    p.year = int(*year);
    return {};
}

} // namespace

std::optional<double> parseCoordinate(const QString &text, int maxDegrees, QChar positive,
                                      QChar negative)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})(?::(\\d{1,2}))?([A-Za-z])$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int degrees = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const QChar letter = match.captured(3).at(0).toUpper();
    if (degrees > maxDegrees || minutes > 59 || (degrees == maxDegrees && minutes > 0))
        return std::nullopt;
    if (letter != positive && letter != negative)
        return std::nullopt;
    const double value = degrees + minutes / 60.0;
    return letter == positive ? value : -value;
}

TimesParseResult parseTimesArguments(const QStringList &arguments, int currentYear)
{
    QHash<QString, QString> values;
    QString error = collect(arguments, values);
    TimesRequest request;
    if (error.isEmpty())
        error = fill(values, currentYear, request);
    if (!error.isEmpty())
        return {std::nullopt, error};
    return {request, {}};
}

QStringList formatTimesTable(const StoredYear &year, bool clock)
{
    QStringList lines{"day,fajr,zohor,asr,magreb,isha"};
    for (int i = 0; i < year.days.size(); ++i) {
        QString line = QString::number(i + 1);
        for (const int minutes : year.days[i]) {
            line += u',';
            line += clock ? QString::asprintf("%02d:%02d", minutes / 60, minutes % 60)
                          : QString::number(minutes);
        }
        lines << line;
    }
    return lines;
}
