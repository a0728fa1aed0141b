// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Options.h"

#include "engine/Cp1251.h"
#include "report/DateArgs.h"

#include <CLI/CLI.hpp>

#include <sstream>

namespace lirem::report {
namespace {

constexpr const char* kProgram = "lirem-report";

constexpr const char* kDescription =
    "Prints everything the pages 1 to 7 of the calculator's window show for one person:\n"
    "the core numbers, the synthesis, the name spectrum, the partner comparison, the pinnacles,\n"
    "periods and challenges, the calendar of personal days and the number of a free text.\n"
    "Without options it reports the window's start-up inputs (1.1.1970, no name).\n"
    "Texts are read and printed in UTF-8; a character that code page 1251 lacks counts as\n"
    "no letter, as in the window.";

constexpr const char* kFooter =
    "Examples:\n"
    "  lirem-report --date 29.11.1985 --first Иван --middle Петрович --last Сидоров\n"
    "  lirem-report --date 5.9.1970 --calendar 2025-09 --json\n"
    "  lirem-report --date 29.11.1985 --first Иван --partner-date 1.1.1970 --partner-first Анна\n"
    "  lirem-report --batch people.csv > results.jsonl\n"
    "  lirem-report --date 29.11.1985 --first Иван --last Сидоров --pdf reading.pdf\n"
    "  lirem-report --batch people.csv --pdf-dir readings > results.jsonl\n"
    "  lirem-report book list          (the client book: see lirem-report book --help)\n"
    "\n"
    "Batch file columns: birth date, first name, middle name, last name, and optionally the partner's birth date,\n"
    "first, middle and last name. A first line starting with \"date\" is a header and is skipped.\n"
    "\n"
    "Exit status: 0 success; 1 the calculation failed (the message is printed to standard error), a PDF could\n"
    "not be written, or, in batch mode, some rows could not be computed; 2 bad arguments.";

// Options with their value name only: which options exclude each other is
// said in plain words in the descriptions.
class PlainFormatter final : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_type_size() != 0 ? " " + option->get_type_name() : std::string();
    }
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

session::BirthDate DateArgument(const std::string& option, const std::string& text) {
    const auto date = ParseBirthDate(text);
    if (!date)
        throw UsageError(option + ": '" + text + "' is not a date D.M.Y (for example 29.11.1985)");
    return *date;
}

std::int32_t IntArgument(const std::string& option, const std::string& text) {
    const auto value = ParseInt32(text);
    if (!value)
        throw UsageError(option + ": '" + text + "' is not a whole number");
    return *value;
}

std::string Usage(const std::string& message) {
    std::string text = std::string(kProgram) + ": " + message + "\n";
    text += "Usage: lirem-report [--date D.M.Y] [--first NAME] [--middle NAME] [--last NAME] [--calendar YYYY-MM]\n";
    text += "                    [--partner-date D.M.Y] [--partner-first NAME] ... [--text TEXT] [--json]\n";
    text += "       lirem-report --batch FILE.csv|- [--calendar YYYY-MM]\n";
    text += "       (--pdf FILE with a person, --pdf-dir DIR with --batch; --force to replace files)\n";
    text += "Try 'lirem-report --help' for more information.\n";
    return text;
}

} // namespace

ParseOutcome ParseOptions(int argc, const char* const* argv, session::CalendarMonth today) {
    CLI::App app(kDescription, kProgram);
    app.footer(kFooter);
    app.set_version_flag("--version", std::string(kProgram) + " " + LIREM_VERSION,
                         "Print the program's version and stop.");
    app.formatter(std::make_shared<PlainFormatter>());
    app.get_formatter()->column_width(26);

    std::string date;
    std::string day;
    std::string month;
    std::string year;
    std::string first;
    std::string middle;
    std::string last;
    std::string calendar;
    std::string partnerDate;
    std::string partnerFirst;
    std::string partnerMiddle;
    std::string partnerLast;
    std::string text;
    std::string batch;
    bool json = false;

    auto* optDate =
        app.add_option("--date", date, "Birth date as day.month.year, for example 29.11.1985.")->type_name("D.M.Y");
    auto* optDay = app.add_option("--day", day, "Day of birth (instead of --date; default 1).")->type_name("N");
    auto* optMonth = app.add_option("--month", month, "Month of birth (instead of --date; default 1).")->type_name("N");
    auto* optYear = app.add_option("--year", year, "Year of birth (instead of --date; default 1970).")->type_name("N");
    optDate->excludes(optDay)->excludes(optMonth)->excludes(optYear);
    auto* optFirst = app.add_option("--first", first, "First name, as typed into \"Имя:\".")->type_name("NAME");
    auto* optMiddle = app.add_option("--middle", middle, "Middle name or patronymic, as typed into \"Отчество:\".")
                          ->type_name("NAME");
    auto* optLast = app.add_option("--last", last, "Last name, as typed into \"Фамилия:\".")->type_name("NAME");
    auto* optCalendar = app.add_option("--calendar", calendar,
                                       "Month of the calendar page as year-month, for example 2025-09 "
                                       "(default: the current month).")
                            ->type_name("YYYY-MM");
    auto* optPartnerDate = app.add_option("--partner-date", partnerDate,
                                          "Partner's birth date (default 1.1.1970). Any --partner-... option "
                                          "adds the partner page.")
                               ->type_name("D.M.Y");
    auto* optPartnerFirst = app.add_option("--partner-first", partnerFirst, "Partner's first name.")->type_name("NAME");
    auto* optPartnerMiddle =
        app.add_option("--partner-middle", partnerMiddle, "Partner's middle name.")->type_name("NAME");
    auto* optPartnerLast = app.add_option("--partner-last", partnerLast, "Partner's last name.")->type_name("NAME");
    auto* optText =
        app.add_option("--text", text, "Any text (a telephone number, an account, a title) for the free-text page.")
            ->type_name("TEXT");
    auto* optJson = app.add_flag("--json", json, "Print one JSON object with English keys instead of the text report.")
                        ->multi_option_policy(CLI::MultiOptionPolicy::Throw); // given twice: an error, as for options
    auto* optBatch = app.add_option("--batch", batch,
                                    "Read people from a CSV file (\"-\" for standard input) and print one JSON "
                                    "object per line. Only --calendar, --pdf-dir and --force can be given with it.")
                         ->type_name("FILE");
    std::string pdf;
    std::string pdfDir;
    bool force = false;
    auto* optPdf = app.add_option("--pdf", pdf,
                                  "Write the reading (all pages with their pictures, A4) as a PDF file instead of "
                                  "printing the report. Not with --json or --batch.")
                       ->type_name("FILE");
    auto* optPdfDir = app.add_option("--pdf-dir", pdfDir,
                                     "With --batch: also write one PDF reading per good row into this folder "
                                     "(created when missing), named by row number and name.")
                          ->type_name("DIR");
    auto* optForce = app.add_flag("--force", force, "Let --pdf and --pdf-dir replace existing files.")
                         ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    optPdf->excludes(optBatch);
    optPdf->excludes("--json");
    optPdfDir->needs(optBatch);
    for (CLI::Option* person : {optDate, optDay, optMonth, optYear, optFirst, optMiddle, optLast, optPartnerDate,
                                optPartnerFirst, optPartnerMiddle, optPartnerLast, optText, optJson})
        optBatch->excludes(person);

    ParseOutcome outcome;
    try {
        app.parse(argc, argv);

        Options options;
        session::PersonInput& p = options.person;
        if (*optDate)
            p.date = DateArgument("--date", date);
        if (*optDay)
            p.date.day = IntArgument("--day", day);
        if (*optMonth)
            p.date.month = IntArgument("--month", month);
        if (*optYear)
            p.date.year = IntArgument("--year", year);
        p.first = engine::Utf8ToCp1251(first);
        p.middle = engine::Utf8ToCp1251(middle);
        p.last = engine::Utf8ToCp1251(last);
        p.calendar = today;
        if (*optCalendar) {
            const auto parsed = ParseCalendarMonth(calendar);
            if (!parsed)
                throw UsageError("--calendar: '" + calendar + "' is not a month YYYY-MM (for example 2025-09)");
            p.calendar = *parsed;
        }
        if (*optPartnerDate || *optPartnerFirst || *optPartnerMiddle || *optPartnerLast) {
            session::PartnerInput& partner = p.partner.emplace();
            if (*optPartnerDate)
                partner.date = DateArgument("--partner-date", partnerDate);
            partner.first = engine::Utf8ToCp1251(partnerFirst);
            partner.middle = engine::Utf8ToCp1251(partnerMiddle);
            partner.last = engine::Utf8ToCp1251(partnerLast);
        }
        if (*optText)
            p.text = engine::Utf8ToCp1251(text);
        options.json = json;
        if (*optBatch)
            options.batch = batch;
        if (*optPdf)
            options.pdf = pdf;
        if (*optPdfDir)
            options.pdfDir = pdfDir;
        if (*optForce && !*optPdf && !*optPdfDir)
            throw UsageError("--force: only with --pdf or --pdf-dir");
        options.force = force;
        outcome.options = std::move(options);
    } catch (const CLI::CallForHelp&) {
        outcome.out = app.help();
    } catch (const CLI::CallForAllHelp&) {
        outcome.out = app.help("", CLI::AppFormatMode::All);
    } catch (const CLI::CallForVersion&) {
        outcome.out = std::string(kProgram) + " " + LIREM_VERSION + "\n";
    } catch (const CLI::ParseError& e) {
        outcome.exitCode = 2;
        outcome.err = Usage(e.what());
    } catch (const UsageError& e) {
        outcome.exitCode = 2;
        outcome.err = Usage(e.what());
    }
    return outcome;
}

} // namespace lirem::report
