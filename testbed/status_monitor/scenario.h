// Scenario of the status-monitor stand-in: a readable text file of timed deliveries that the
// stand-in plays to the status window after SmPsw_OpenPrinter.
//
//   # comment: "#" at the start of a line or of a token, outside quotes
//   at 0ms status printer=0 job=0x8 total=5 current=1 document="report.txt" jobid=12
//   at 1000ms status current=2          # fields not named keep the previous status's values
//   at 3s connection code=1
//   at 4000ms rename "New name"
//   at 5000ms message show mode=1       # reset | quit | show mode=n | quitall
//   at 6000ms quit-request              # WM_COPYDATA with wParam 1027
//
// Times are from SmPsw_OpenPrinter, in "ms" or "s", and never decrease. Numbers are decimal or
// 0x hex, and may be joined with "|" (job=0x1|0x2). Texts are in double quotes, UTF-8, taken
// as they stand (no escapes, so "\\PC1" keeps both backslashes; a text cannot hold a quote).
// Portable: standard C++ only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zrt::testbed {

// Every field of a status record, by scenario field name.
struct StatusFields {
    std::uint32_t printer = 0;         // printer=      "Printer Status"
    std::uint32_t serviceCall = 0;     // servicecall=  "Service Call Status"
    std::uint32_t job = 0;             // job=          "Job Status"
    std::uint32_t warning = 0;         // warning=      "Warning Status"
    std::uint32_t cartridge = 0;       // cartridge=    "Cartridge Status"
    std::uint32_t jam = 0;             // jam=          "Jam Status"
    std::uint32_t source = 0;          // source=       paper source of the job
    std::uint32_t paperTray = 0;       // paper.tray=       loaded paper, multi-purpose tray
    std::uint32_t paperCassette1 = 0;  // paper.cassette1=  loaded paper, cassette 1
    std::uint32_t requestedPaper = 0;  // requested=    paper code requested by the job
    std::uint32_t jobId = 0;           // jobid=
    std::uint32_t total = 0;           // total=        total pages
    std::uint32_t current = 0;         // current=      current page
    std::uint32_t printed = 0;         // printed=      pages printed
    std::uint32_t phase = 0;           // phase=        "Printing Phase"
    std::uint32_t illegal = 0;         // illegal=      "IllegalConnection"
    std::u16string document;           // document=
    std::u16string user;               // user=
    std::u16string computer;           // computer=

    bool operator==(const StatusFields& other) const;
};

struct ConnectionStep {
    std::uint32_t code = 0;  // connection code (ConnectionCode)
    bool operator==(const ConnectionStep& other) const { return code == other.code; }
};

struct RenameStep {
    std::u16string newName;
    bool operator==(const RenameStep& other) const { return newName == other.newName; }
};

// A private message posted to the window.
enum class PrivateMessage { Reset, Quit, Show, QuitAll };
struct MessageStep {
    PrivateMessage message = PrivateMessage::Reset;
    std::uint32_t wParam = 0;  // launch mode of Show (mode=), else 0
    bool operator==(const MessageStep& other) const {
        return message == other.message && wParam == other.wParam;
    }
};

// WM_COPYDATA with the quit wParam.
struct QuitRequestStep {
    bool operator==(const QuitRequestStep&) const { return true; }
};

using StepAction = std::variant<StatusFields, ConnectionStep, RenameStep, MessageStep, QuitRequestStep>;

struct ScenarioStep {
    std::uint32_t atMs = 0;
    std::size_t line = 0;  // 1-based line of the scenario text
    StepAction action;
};

enum class ScenarioError {
    MissingTime,     // a step line that does not start with "at <time>"
    BadTime,         // time without unit, not a number, or too large
    TimeOutOfOrder,  // earlier than the step before
    UnknownAction,   // not status, connection, rename, message or quit-request
    UnknownField,    // field name not known for the action
    MissingValue,    // "name=" without a value, or a field without "="
    BadNumber,       // not decimal or 0x hex
    NumberTooLarge,  // above 32 bits
    BadText,         // text not in double quotes, or its closing quote missing
    BadUtf8,         // text is not valid UTF-8
    MissingArgument, // connection without code=, rename without its name, message without name
    ExtraText,       // something after the end of a complete step
};

struct ScenarioProblem {
    std::size_t line = 0;  // 1-based
    ScenarioError error = ScenarioError::MissingTime;
    std::string detail;    // the offending token
};

struct ScenarioParse {
    std::vector<ScenarioStep> steps;       // empty when problem is set
    std::optional<ScenarioProblem> problem;
    bool ok() const { return !problem.has_value(); }
};

ScenarioParse parseScenario(std::string_view text);

// Short English name of an error ("unknown field").
const char* errorName(ScenarioError error);
// "line 3: unknown field 'foo=1'".
std::string describe(const ScenarioProblem& problem);

}  // namespace zrt::testbed
