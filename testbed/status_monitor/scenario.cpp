#include "testbed/status_monitor/scenario.h"

#include <utility>

#include "testbed/status_monitor/number_text.h"
#include "testbed/status_monitor/utf_text.h"

namespace zrt::testbed {

bool StatusFields::operator==(const StatusFields& o) const {
    return printer == o.printer && serviceCall == o.serviceCall && job == o.job &&
           warning == o.warning && cartridge == o.cartridge && jam == o.jam &&
           source == o.source && paperTray == o.paperTray &&
           paperCassette1 == o.paperCassette1 && requestedPaper == o.requestedPaper &&
           jobId == o.jobId && total == o.total && current == o.current &&
           printed == o.printed && phase == o.phase && illegal == o.illegal &&
           document == o.document && user == o.user && computer == o.computer;
}

namespace {

// A failure while reading one line: the error and the offending token.
struct LineFailure {
    ScenarioError error;
    std::string detail;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits a line into blank-separated tokens; a double-quoted part (blanks included) belongs to
// its token; "#" outside quotes starts a comment.
std::variant<std::vector<std::string_view>, LineFailure> tokenize(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos >= line.size() || line[pos] == '#') return tokens;
        const std::size_t start = pos;
        while (pos < line.size() && !isBlank(line[pos])) {
            if (line[pos] == '"') {
                const std::size_t close = line.find('"', pos + 1);
                if (close == std::string_view::npos) {
                    return LineFailure{ScenarioError::BadText, std::string(line.substr(start))};
                }
                pos = close;
            }
            ++pos;
        }
        tokens.push_back(line.substr(start, pos - start));
    }
}

std::optional<LineFailure> readNumber(std::string_view token, std::string_view value,
                                      std::uint32_t& out) {
    const NumberParse parsed = parseBits(value);
    if (parsed.status == NumberStatus::Bad) return LineFailure{ScenarioError::BadNumber, std::string(token)};
    if (parsed.status == NumberStatus::TooLarge) {
        return LineFailure{ScenarioError::NumberTooLarge, std::string(token)};
    }
    out = parsed.value;
    return std::nullopt;
}

// A quoted UTF-8 text: "..." without the quotes, converted to UTF-16.
std::optional<LineFailure> readText(std::string_view token, std::string_view value,
                                    std::u16string& out) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return LineFailure{ScenarioError::BadText, std::string(token)};
    }
    auto converted = utf8ToUtf16(value.substr(1, value.size() - 2));
    if (!converted) return LineFailure{ScenarioError::BadUtf8, std::string(token)};
    out = std::move(*converted);
    return std::nullopt;
}

// Splits "name=value"; a failure when "=" or the value is missing.
std::variant<std::pair<std::string_view, std::string_view>, LineFailure> splitField(
    std::string_view token) {
    const auto equals = token.find('=');
    if (equals == std::string_view::npos || equals + 1 == token.size()) {
        return LineFailure{ScenarioError::MissingValue, std::string(token)};
    }
    return std::make_pair(token.substr(0, equals), token.substr(equals + 1));
}

std::uint32_t* numberField(StatusFields& f, std::string_view name) {
    struct Entry { const char* name; std::uint32_t StatusFields::*member; };
    static constexpr Entry kEntries[] = {
        {"printer", &StatusFields::printer},        {"servicecall", &StatusFields::serviceCall},
        {"job", &StatusFields::job},                {"warning", &StatusFields::warning},
        {"cartridge", &StatusFields::cartridge},    {"jam", &StatusFields::jam},
        {"source", &StatusFields::source},          {"paper.tray", &StatusFields::paperTray},
        {"paper.cassette1", &StatusFields::paperCassette1},
        {"requested", &StatusFields::requestedPaper},
        {"jobid", &StatusFields::jobId},            {"total", &StatusFields::total},
        {"current", &StatusFields::current},        {"printed", &StatusFields::printed},
        {"phase", &StatusFields::phase},            {"illegal", &StatusFields::illegal},
    };
    for (const Entry& entry : kEntries) {
        if (name == entry.name) return &(f.*entry.member);
    }
    return nullptr;
}

std::u16string* textField(StatusFields& f, std::string_view name) {
    if (name == "document") return &f.document;
    if (name == "user") return &f.user;
    if (name == "computer") return &f.computer;
    return nullptr;
}

using Tokens = std::vector<std::string_view>;
using ActionResult = std::variant<StepAction, LineFailure>;

// "status field=value ...": starts from the previous status (carried in `status`).
ActionResult readStatus(const Tokens& args, StatusFields& status) {
    StatusFields next = status;
    for (std::string_view token : args) {
        auto split = splitField(token);
        if (auto* failure = std::get_if<LineFailure>(&split)) return std::move(*failure);
        const auto [name, value] = std::get<0>(split);
        std::optional<LineFailure> failure;
        if (std::uint32_t* number = numberField(next, name)) {
            failure = readNumber(token, value, *number);
        } else if (std::u16string* text = textField(next, name)) {
            failure = readText(token, value, *text);
        } else {
            failure = LineFailure{ScenarioError::UnknownField, std::string(token)};
        }
        if (failure) return std::move(*failure);
    }
    status = next;
    return StepAction{std::move(next)};
}

// Reads the only allowed field `wanted`=number from args; a failure for anything else.
std::optional<LineFailure> readSingleNumber(const Tokens& args, std::string_view wanted,
                                            std::uint32_t& out, bool required) {
    if (args.empty()) {
        if (!required) return std::nullopt;
        return LineFailure{ScenarioError::MissingArgument, std::string(wanted) + "="};
    }
    if (args.size() > 1) return LineFailure{ScenarioError::ExtraText, std::string(args[1])};
    auto split = splitField(args[0]);
    if (auto* failure = std::get_if<LineFailure>(&split)) return std::move(*failure);
    const auto [name, value] = std::get<0>(split);
    if (name != wanted) return LineFailure{ScenarioError::UnknownField, std::string(args[0])};
    return readNumber(args[0], value, out);
}

ActionResult readConnection(const Tokens& args) {
    ConnectionStep step;
    if (auto failure = readSingleNumber(args, "code", step.code, true)) return std::move(*failure);
    return StepAction{step};
}

ActionResult readRename(const Tokens& args) {
    if (args.empty()) return LineFailure{ScenarioError::MissingArgument, "rename"};
    if (args.size() > 1) return LineFailure{ScenarioError::ExtraText, std::string(args[1])};
    RenameStep step;
    if (auto failure = readText(args[0], args[0], step.newName)) return std::move(*failure);
    return StepAction{std::move(step)};
}

ActionResult readMessage(const Tokens& args) {
    if (args.empty()) return LineFailure{ScenarioError::MissingArgument, "message"};
    struct Entry { const char* name; PrivateMessage message; };
    static constexpr Entry kMessages[] = {
        {"reset", PrivateMessage::Reset}, {"quit", PrivateMessage::Quit},
        {"show", PrivateMessage::Show},   {"quitall", PrivateMessage::QuitAll},
    };
    const Tokens rest(args.begin() + 1, args.end());
    for (const Entry& entry : kMessages) {
        if (args[0] != entry.name) continue;
        MessageStep step{entry.message, 0};
        if (entry.message == PrivateMessage::Show) {
            if (auto failure = readSingleNumber(rest, "mode", step.wParam, false)) {
                return std::move(*failure);
            }
        } else if (!rest.empty()) {
            return LineFailure{ScenarioError::ExtraText, std::string(rest[0])};
        }
        return StepAction{step};
    }
    return LineFailure{ScenarioError::UnknownAction, std::string(args[0])};
}

// "at 1500ms" / "at 2s": milliseconds, or a failure.
std::variant<std::uint32_t, LineFailure> readTime(std::string_view token) {
    std::uint64_t factor = 1;
    std::string_view digits = token;
    if (digits.size() > 2 && digits.substr(digits.size() - 2) == "ms") {
        digits.remove_suffix(2);
    } else if (digits.size() > 1 && digits.back() == 's') {
        digits.remove_suffix(1);
        factor = 1000;
    } else {
        return LineFailure{ScenarioError::BadTime, std::string(token)};
    }
    const NumberParse parsed = parseNumber(digits);
    const std::uint64_t ms = static_cast<std::uint64_t>(parsed.value) * factor;
    if (parsed.status != NumberStatus::Ok || ms > 0xFFFFFFFFULL) {
        return LineFailure{ScenarioError::BadTime, std::string(token)};
    }
    return static_cast<std::uint32_t>(ms);
}

ActionResult readAction(std::string_view action, const Tokens& args, StatusFields& status) {
    if (action == "status") return readStatus(args, status);
    if (action == "connection") return readConnection(args);
    if (action == "rename") return readRename(args);
    if (action == "message") return readMessage(args);
    if (action == "quit-request") {
        if (!args.empty()) return LineFailure{ScenarioError::ExtraText, std::string(args[0])};
        return StepAction{QuitRequestStep{}};
    }
    return LineFailure{ScenarioError::UnknownAction, std::string(action)};
}

// One non-empty line: a step, or a failure. `status` carries the status between lines.
std::variant<ScenarioStep, LineFailure> readStep(const Tokens& tokens, StatusFields& status) {
    if (tokens[0] != "at" || tokens.size() < 2) {
        return LineFailure{ScenarioError::MissingTime, std::string(tokens[0])};
    }
    auto time = readTime(tokens[1]);
    if (auto* failure = std::get_if<LineFailure>(&time)) return std::move(*failure);
    if (tokens.size() < 3) return LineFailure{ScenarioError::UnknownAction, ""};
    const Tokens args(tokens.begin() + 3, tokens.end());
    auto action = readAction(tokens[2], args, status);
    if (auto* failure = std::get_if<LineFailure>(&action)) return std::move(*failure);
    ScenarioStep step;
    step.atMs = std::get<std::uint32_t>(time);
    step.action = std::move(std::get<StepAction>(action));
    return step;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

}  // namespace

ScenarioParse parseScenario(std::string_view text) {
    ScenarioParse result;
    StatusFields status;
    text = withoutByteOrderMark(text);
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        const auto fail = [&](LineFailure failure) {
            result.steps.clear();
            result.problem = ScenarioProblem{lineNumber, failure.error, std::move(failure.detail)};
            return std::move(result);
        };
        auto tokens = tokenize(line);
        if (auto* failure = std::get_if<LineFailure>(&tokens)) return fail(std::move(*failure));
        const auto& list = std::get<Tokens>(tokens);
        if (list.empty()) continue;
        auto step = readStep(list, status);
        if (auto* failure = std::get_if<LineFailure>(&step)) return fail(std::move(*failure));
        auto& parsed = std::get<ScenarioStep>(step);
        if (!result.steps.empty() && parsed.atMs < result.steps.back().atMs) {
            return fail(LineFailure{ScenarioError::TimeOutOfOrder, std::string(list[1])});
        }
        parsed.line = lineNumber;
        result.steps.push_back(std::move(parsed));
    }
    return result;
}

const char* errorName(ScenarioError error) {
    switch (error) {
        case ScenarioError::MissingTime: return "step does not start with at <time>";
        case ScenarioError::BadTime: return "bad time";
        case ScenarioError::TimeOutOfOrder: return "time earlier than the step before";
        case ScenarioError::UnknownAction: return "unknown action";
        case ScenarioError::UnknownField: return "unknown field";
        case ScenarioError::MissingValue: return "missing value";
        case ScenarioError::BadNumber: return "bad number";
        case ScenarioError::NumberTooLarge: return "number above 32 bits";
        case ScenarioError::BadText: return "text not in double quotes";
        case ScenarioError::BadUtf8: return "text is not UTF-8";
        case ScenarioError::MissingArgument: return "missing argument";
        case ScenarioError::ExtraText: return "unexpected text";
    }
    return "unknown error";
}

std::string describe(const ScenarioProblem& problem) {
    return "line " + std::to_string(problem.line) + ": " + errorName(problem.error) + " '" +
           problem.detail + "'";
}

}  // namespace zrt::testbed
