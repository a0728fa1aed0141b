// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/BookCommand.h"

#include "book/Book.h"
#include "book/Filter.h"
#include "book/Paths.h"
#include "book/PersonCard.h"
#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "report/BookCsv.h"
#include "report/CsvPerson.h"
#include "report/CsvReader.h"
#include "report/DateArgs.h"
#include "report/ErrorText.h"
#include "report/JsonReport.h"
#include "report/JsonWriter.h"
#include "session/NullSink.h"
#include "session/Pipeline.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

namespace lirem::report {
namespace {

constexpr const char* kProgram = "lirem-report book";

constexpr const char* kDescription =
    "The client book: cards of people kept in an SQLite file, shared with the calculator's window.\n"
    "Each card holds a birth date, one or more name variants (the first is the main one), optionally a\n"
    "partner and a free text, and the practitioner's notes.";

constexpr const char* kFooter =
    "Examples:\n"
    "  lirem-report book add --date 29.11.1985 --first Иван --middle Петрович --last Сидоров\n"
    "  lirem-report book list --search сидоров\n"
    "  lirem-report book show 1 --json\n"
    "  lirem-report book export | lirem-report --batch - --pdf-dir readings > results.jsonl\n"
    "  lirem-report book import people.csv\n"
    "\n"
    "Exit status: 0 success; 1 the book could not be read or changed (the message is printed to standard\n"
    "error), no such card, the calculation rejected the card, or some imported rows were bad; 2 bad arguments.";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options with their value name only, as the tool's own help shows them.
class PlainFormatter final : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_type_size() != 0 ? " " + option->get_type_name() : std::string();
    }
};

std::int32_t IntArgument(const std::string& option, const std::string& text) {
    const auto value = ParseInt32(text);
    if (!value)
        throw UsageError(option + ": '" + text + "' is not a whole number");
    return *value;
}

book::Date DateArgument(const std::string& option, const std::string& text) {
    const auto date = ParseBirthDate(text);
    if (!date)
        throw UsageError(option + ": '" + text + "' is not a date D.M.Y (for example 29.11.1985)");
    return {date->day, date->month, date->year};
}

book::CardId CardNumber(const std::string& text) {
    const auto value = ParseInt32(text);
    if (!value || *value < 1)
        throw UsageError("'" + text + "' is not a card number");
    return *value;
}

// The engine's objection to a card, as the batch words it; empty when the
// window would calculate it.
std::string EngineObjection(const book::Card& card, session::CalendarMonth today, session::PersonResult& scratch) {
    try {
        session::NullSink discard;
        scratch = session::RunPerson(book::ToPersonInput(card, today), discard);
    } catch (const engine::EngineError& e) {
        return WithFullStop(e.what());
    }
    return {};
}

std::string Iso8601(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string LocalTime(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

nlohmann::ordered_json DateJson(const book::Date& d) {
    return {{"day", d.day}, {"month", d.month}, {"year", d.year}};
}

std::string CardJson(const book::Card& card) {
    nlohmann::ordered_json j;
    j["id"] = card.id;
    j["birth_date"] = DateJson(card.birth);
    j["names"] = nlohmann::ordered_json::array();
    for (const book::NameVariant& n : card.names)
        j["names"].push_back({{"first", n.first}, {"middle", n.middle}, {"last", n.last}, {"label", n.label}});
    if (card.partner) {
        j["partner"] = {{"birth_date", DateJson(card.partner->date)},
                        {"first", card.partner->first},
                        {"middle", card.partner->middle},
                        {"last", card.partner->last}};
    } else {
        j["partner"] = nullptr;
    }
    j["text"] = card.text ? nlohmann::ordered_json(*card.text) : nlohmann::ordered_json(nullptr);
    j["notes"] = card.notes;
    j["created"] = Iso8601(card.created);
    j["changed"] = Iso8601(card.changed);
    // A byte that is not UTF-8 (the book keeps what was typed) is shown as U+FFFD.
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string CardLine(const book::Card& card) {
    return std::to_string(card.id) + "\t" + book::DateText(card.birth) + "\t" + book::MainName(card) + "\n";
}

std::string CardText(const book::Card& card) {
    std::string text = "Карточка № " + std::to_string(card.id) + "\n";
    text += "Дата рождения: " + book::DateText(card.birth) + "\n";
    for (const book::NameVariant& n : card.names) {
        book::Card one;
        one.names.push_back(n);
        text += "Имя: " + book::MainName(one) + (n.label.empty() ? "" : " (" + n.label + ")") + "\n";
    }
    if (card.partner) {
        book::Card partner;
        partner.names.push_back({card.partner->first, card.partner->middle, card.partner->last, {}});
        text += "Партнёр: " + book::MainName(partner) + ", " + book::DateText(card.partner->date) + "\n";
    }
    if (card.text)
        text += "Текст: " + *card.text + "\n";
    text += "Создана: " + LocalTime(card.created) + "\n";
    text += "Изменена: " + LocalTime(card.changed) + "\n";
    if (!card.notes.empty()) {
        text += "Заметки:\n" + card.notes;
        if (card.notes.back() != '\n')
            text += '\n';
    }
    return text;
}

std::string NoSuchCardText(book::CardId id) {
    return "В картотеке нет карточки № " + std::to_string(id) + ".";
}

struct Context {
    std::string path;
    bool defaultPath = false;
    std::ostream& out;
    std::ostream& err;
    session::CalendarMonth today;
};

int Fail(const Context& c, const book::Error& error) {
    c.err << "lirem-report: " << error.message << "\n";
    return 1;
}

int Written(const Context& c, const std::string& text) {
    c.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    c.out.flush();
    if (!c.out) {
        c.err << "lirem-report: the output could not be written\n";
        return 1;
    }
    return 0;
}

book::Result<book::Book> OpenBook(const Context& c, book::OpenMode mode) {
    return book::Book::Open(c.path, {.mode = mode, .createFolders = c.defaultPath});
}

// Reads every card; a book that does not exist yet is an empty one.
book::Result<std::vector<book::Card>> AllCards(const Context& c) {
    auto book = OpenBook(c, book::OpenMode::ReadOnly);
    if (!book) {
        if (book.Err().code == book::ErrorCode::Missing)
            return std::vector<book::Card>{};
        return book.Err();
    }
    return book.Value().List();
}

int Add(const Context& c, const book::Card& card) {
    session::PersonResult scratch;
    if (const std::string objection = EngineObjection(card, c.today, scratch); !objection.empty()) {
        c.err << engine::Cp1251ToUtf8(objection) << "\n";
        return 1;
    }
    auto book = OpenBook(c, book::OpenMode::ReadWrite);
    if (!book)
        return Fail(c, book.Err());
    const auto id = book.Value().Add(card);
    if (!id)
        return Fail(c, id.Err());
    return Written(c, std::to_string(id.Value()) + "\n");
}

int List(const Context& c, bool json, const std::string& search) {
    const auto cards = AllCards(c);
    if (!cards)
        return Fail(c, cards.Err());
    std::string text;
    const book::CardFilter filter(cards.Value());
    for (const std::size_t i : filter.Match(search))
        text += json ? CardJson(cards.Value()[i]) : CardLine(cards.Value()[i]);
    return Written(c, text);
}

int Show(const Context& c, book::CardId id, bool json) {
    auto book = OpenBook(c, book::OpenMode::ReadOnly);
    if (!book && book.Err().code != book::ErrorCode::Missing)
        return Fail(c, book.Err());
    const auto card = book ? book.Value().Get(id)
                           : book::Result<book::Card>(book::Error{book::ErrorCode::NoSuchCard, NoSuchCardText(id)});
    if (!card)
        return Fail(c, card.Err());
    return Written(c, json ? CardJson(card.Value()) : CardText(card.Value()));
}

int Remove(const Context& c, book::CardId id) {
    if (book::KindOf(c.path) == book::PathKind::Missing) // no book is made just to say so
        return Fail(c, {book::ErrorCode::NoSuchCard, NoSuchCardText(id)});
    auto book = OpenBook(c, book::OpenMode::ReadWrite);
    if (!book)
        return Fail(c, book.Err());
    if (const auto error = book.Value().Remove(id))
        return Fail(c, *error);
    return 0;
}

int Export(const Context& c) {
    const auto cards = AllCards(c);
    if (!cards)
        return Fail(c, cards.Err());
    std::string text = BookCsvHeader();
    for (const book::Card& card : cards.Value())
        text += BookCsvRow(card);
    return Written(c, text);
}

// Good rows go into the book in one transaction; each bad row is reported on
// standard output as the batch reports it, {"row": n, "error": reason}.
int Import(const Context& c, std::istream& csv) {
    std::vector<book::Card> cards;
    JsonWriter rowErrors;
    std::int64_t bad = 0;
    {
        CsvReader reader(csv);
        CsvRecord record;
        session::PersonResult scratch;
        bool firstRecord = true;
        book::Card card;
        while (reader.Next(record)) {
            if (IsBlankRecord(record))
                continue;
            const bool header = firstRecord && IsHeaderRecord(record);
            firstRecord = false;
            if (header)
                continue;
            std::string reason = CardFromCsv(record, card);
            if (reason.empty())
                reason = EngineObjection(card, c.today, scratch);
            if (reason.empty()) {
                cards.push_back(std::move(card));
                continue;
            }
            WriteRowErrorJson(record.line, reason, rowErrors);
            rowErrors.EndLine();
            ++bad;
        }
    }
    if (csv.bad()) {
        c.err << "lirem-report: reading the input failed\n";
        return 1;
    }
    auto book = OpenBook(c, book::OpenMode::ReadWrite);
    if (!book)
        return Fail(c, book.Err());
    const auto imported = book.Value().Import(cards);
    if (!imported)
        return Fail(c, imported.Err());
    if (Written(c, std::string(rowErrors.View())) != 0)
        return 1;
    if (bad > 0) {
        c.err << "lirem-report: " << bad << " of " << bad + static_cast<std::int64_t>(cards.size())
              << " rows could not be imported; the other " << cards.size() << " were added\n";
        return 1;
    }
    return 0;
}

int ImportFrom(const Context& c, const std::string& file, std::istream& in) {
    if (file == "-")
        return Import(c, in);
    std::error_code ignored;
    std::ifstream stream;
    if (std::filesystem::is_directory(file, ignored))
        errno = EISDIR;
    else
        stream.open(file, std::ios::binary);
    if (!stream.is_open()) {
        c.err << "lirem-report: cannot open '" << file << "': " << std::strerror(errno) << "\n";
        return 2;
    }
    return Import(c, stream);
}

std::string Usage(const std::string& message) {
    return std::string("lirem-report: ") + message +
           "\nUsage: lirem-report book [--book FILE] add|list|show|remove|export|import ...\n"
           "Try 'lirem-report book --help' for more information.\n";
}

} // namespace

bool IsBookCommand(int argc, const char* const* argv) {
    return argc >= 2 && std::strcmp(argv[1], "book") == 0;
}

int RunBookCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err,
                   session::CalendarMonth today) {
    CLI::App app(kDescription, kProgram);
    app.footer(kFooter);
    app.formatter(std::make_shared<PlainFormatter>());
    app.get_formatter()->column_width(26);
    app.require_subcommand(1, 1);
    app.fallthrough(); // --book also after the command's name

    std::string bookFile;
    auto* optBook = app.add_option("--book", bookFile,
                                   "The book's file (default: $XDG_DATA_HOME/lirem3/book.sqlite, "
                                   "or ~/.local/share/lirem3/book.sqlite).")
                        ->type_name("FILE");

    // add: the person options of the report, and the card's own.
    auto* add = app.add_subcommand("add", "Add a card and print its number.");
    std::string date, day, month, year, first, middle, last, label, partnerDate, partnerFirst, partnerMiddle,
        partnerLast, text, note;
    auto* optDate =
        add->add_option("--date", date, "Birth date as day.month.year, for example 29.11.1985.")->type_name("D.M.Y");
    auto* optDay = add->add_option("--day", day, "Day of birth (instead of --date; default 1).")->type_name("N");
    auto* optMonth =
        add->add_option("--month", month, "Month of birth (instead of --date; default 1).")->type_name("N");
    auto* optYear = add->add_option("--year", year, "Year of birth (instead of --date; default 1970).")->type_name("N");
    optDate->excludes(optDay)->excludes(optMonth)->excludes(optYear);
    add->add_option("--first", first, "First name.")->type_name("NAME");
    add->add_option("--middle", middle, "Middle name or patronymic.")->type_name("NAME");
    add->add_option("--last", last, "Last name.")->type_name("NAME");
    add->add_option("--label", label, "A short label of this name, for example \"при рождении\".")->type_name("TEXT");
    auto* optPartnerDate =
        add->add_option("--partner-date", partnerDate, "Partner's birth date (default 1.1.1970).")->type_name("D.M.Y");
    auto* optPartnerFirst =
        add->add_option("--partner-first", partnerFirst, "Partner's first name.")->type_name("NAME");
    auto* optPartnerMiddle =
        add->add_option("--partner-middle", partnerMiddle, "Partner's middle name.")->type_name("NAME");
    auto* optPartnerLast = add->add_option("--partner-last", partnerLast, "Partner's last name.")->type_name("NAME");
    auto* optText = add->add_option("--text", text, "A free text for the free-text page.")->type_name("TEXT");
    add->add_option("--note", note, "The card's notes (several lines may be given in one argument).")
        ->type_name("TEXT");

    auto* list = app.add_subcommand("list", "Print one line per card: number, birth date, main name.");
    bool listJson = false;
    std::string search;
    list->add_flag("--json", listJson, "Print one JSON object per card (JSON Lines).");
    list->add_option("--search", search,
                     "Only the cards with this text in a name or in the birth date (letter case ignored).")
        ->type_name("TEXT");

    auto* show = app.add_subcommand("show", "Print one card with all its fields.");
    std::string showNumber;
    bool showJson = false;
    show->add_option("N", showNumber, "The card's number.")->required();
    show->add_flag("--json", showJson, "Print the card as one JSON object.");

    auto* remove = app.add_subcommand("remove", "Remove a card.");
    std::string removeNumber;
    remove->add_option("N", removeNumber, "The card's number.")->required();

    auto* exportCmd = app.add_subcommand("export", "Print the cards as CSV in the --batch format (main name only).");

    auto* import = app.add_subcommand("import", "Add the good rows of a CSV file in the --batch format at once.");
    std::string importFile;
    import->add_option("CSV", importFile, "The file (\"-\" for standard input).")->required()->type_name("FILE");

    for (CLI::App* sub : {add, list, show, remove, exportCmd, import}) {
        sub->formatter(app.get_formatter());
        sub->fallthrough();
    }

    std::vector<const char*> args(argv + 1, argv + argc); // "book" is the program's name here
    try {
        app.parse(static_cast<int>(args.size()), args.data());
        Context c{*optBook ? bookFile : book::DefaultBookPath(), !*optBook, out, err, today};
        if (*add) {
            book::Card card;
            if (*optDate)
                card.birth = DateArgument("--date", date);
            if (*optDay)
                card.birth.day = IntArgument("--day", day);
            if (*optMonth)
                card.birth.month = IntArgument("--month", month);
            if (*optYear)
                card.birth.year = IntArgument("--year", year);
            card.names.push_back({first, middle, last, label});
            if (*optPartnerDate || *optPartnerFirst || *optPartnerMiddle || *optPartnerLast) {
                book::Partner& partner = card.partner.emplace();
                if (*optPartnerDate)
                    partner.date = DateArgument("--partner-date", partnerDate);
                partner.first = partnerFirst;
                partner.middle = partnerMiddle;
                partner.last = partnerLast;
            }
            if (*optText)
                card.text = text;
            card.notes = note;
            return Add(c, card);
        }
        if (*list)
            return List(c, listJson, search);
        if (*show)
            return Show(c, CardNumber(showNumber), showJson);
        if (*remove)
            return Remove(c, CardNumber(removeNumber));
        if (*exportCmd)
            return Export(c);
        return ImportFrom(c, importFile, in);
    } catch (const CLI::CallForHelp&) {
        out << app.help(); // the help of the command that was named, if any
        return out ? 0 : 1;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return out ? 0 : 1;
    } catch (const CLI::ParseError& e) {
        err << Usage(e.what());
        return 2;
    } catch (const UsageError& e) {
        err << Usage(e.what());
        return 2;
    }
}

} // namespace lirem::report
