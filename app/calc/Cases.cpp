#include "app/calc/Cases.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <ostream>

#include "app/Process.h"
#include "data/Numbers.h"
#include "data/Text.h"

namespace veltrane::calc {
namespace {

// The next line of the input without its line end (LF or CR LF); false at the end. Only the
// first kMaxLineBytes of a longer line are kept, and it is marked cut.
bool ReadLine(std::FILE* input, std::string& line, bool& cut) {
    line.clear();
    cut = false;
    int c = NextStreamByte(input);
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = NextStreamByte(input)) {
        if (line.size() < kMaxLineBytes)
            line += static_cast<char>(c);
        else
            cut = true;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The decimals a number is written with: "0.25" 2, "50" 0, "1e-3" 3, "2.5e1" 0.
constexpr int kMaxDecimals = 200;
int Decimals(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    int decimals = point == std::string_view::npos ? 0 : int(mantissa.size() - point - 1);
    if (e != std::string_view::npos) {
        std::string_view exponent = text.substr(e + 1);
        if (!exponent.empty() && exponent.front() == '+') exponent.remove_prefix(1);
        int power = 0;
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
        decimals = power > kMaxDecimals ? 0 : std::max(0, decimals - power);
    }
    return std::min(decimals, kMaxDecimals);
}

// FROM + i*STEP carries the binary error of its terms (0.1 * 3 is 0.30000000000000004);
// rounded to the decimals its terms were written with, then written without trailing zeros,
// it reads as a person would have typed it.
std::string SweepValueText(double value, int decimals) {
    char buffer[640];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

}  // namespace

CaseRunner::CaseRunner(const Calculator& calculator, std::filesystem::path folder,
                       std::ostream& notices)
    : m_calculator(calculator), m_host(std::move(folder), calculator.dialogId, {}, notices) {}

void CaseRunner::open(const std::function<void()>& body) {
    m_calculator.open(m_host, [&](OpenWindow& window) {
        m_window = &window;
        m_asOpened = true;
        body();
        m_window = nullptr;
    });
}

std::variant<std::vector<Output>, std::string> CaseRunner::run(const std::vector<Step>& first,
                                                               const std::vector<Step>& then) {
    if (!m_window) return std::string("the window is not open");
    // Nothing of the case before reaches this one.
    if (!m_asOpened) m_window->reopen();
    m_asOpened = false;
    // The steps of a window the calculator's own opens wait until it is open.
    std::vector<Step> own, inner;
    for (const std::vector<Step>* steps : {&first, &then})
        for (const Step& step : *steps) (step.inner ? inner : own).push_back(step);
    if (auto problem = ApplySteps(m_window->dialog, own)) return std::move(*problem);
    if (!m_calculator.inner) return CollectRows(m_window->dialog, m_calculator);

    std::variant<std::vector<Output>, std::string> result = std::string("the window did not open");
    m_host.setInnerDriver(m_calculator.inner->dialogId, [&](ui::Dialog& dialog) {
        if (auto problem = ApplySteps(dialog, inner))
            result = std::move(*problem);
        else
            result = CollectRows(dialog, *m_calculator.inner);
    });
    m_window->dialog.click(m_calculator.opener);
    m_host.setInnerDriver(0, {});
    return result;
}

std::variant<std::vector<std::string>, std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : line) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (IsBlank(c)) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '"' || c == '\'')
                quote = c;
            else
                word += c;
        }
    }
    if (quote) return std::string("a quote (") + quote + ") is not closed";
    if (inWord) words.push_back(std::move(word));
    return words;
}

int RunBatch(CaseRunner& runner, const std::vector<Step>& fixed, std::FILE* input,
             std::FILE* output, std::ostream& errors, const Printing& printing) {
    std::fputs(Heading(runner.calculator(), printing, true).c_str(), output);
    bool bad = false;
    std::size_t cases = 0;
    std::string line;
    bool cut = false;
    for (std::size_t number = 1; ReadLine(input, line, cut); ++number) {
        const auto reject = [&](const std::string& reason) {
            errors << "line " << number << ": " << EscapedForMessage(reason) << '\n';
            bad = true;
        };
        if (cut) {
            reject("longer than " + std::to_string(kMaxLineBytes) + " bytes");
            continue;
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;

        auto words = SplitWords(line);
        if (auto* problem = std::get_if<std::string>(&words)) {
            reject(*problem);
            continue;
        }
        auto steps = ParseSteps(runner.calculator(), std::get<0>(words));
        if (auto* problem = std::get_if<std::string>(&steps)) {
            reject(*problem);
            continue;
        }
        auto result = runner.run(fixed, std::get<0>(steps));
        if (auto* problem = std::get_if<std::string>(&result)) {
            reject(*problem);
            continue;
        }
        const std::size_t numbered = runner.calculator().rows ? ++cases : 0;
        std::fputs(FormattedRows(std::get<0>(result), printing, number, numbered).c_str(), output);
    }
    if (std::ferror(input)) {
        errors << "veltrane-calc: reading the cases failed: " << std::strerror(errno) << '\n';
        return 1;
    }
    return bad ? 2 : 0;
}

std::variant<Sweep, std::string> ParseSweep(const Calculator& calculator,
                                            std::string_view sweepText) {
    const std::string usage =
        "--sweep wants NAME=FROM:TO:STEP, not '" + std::string(sweepText) + "'";
    const std::size_t equals = sweepText.find('=');
    if (equals == std::string_view::npos) return usage;
    const std::string_view name = sweepText.substr(0, equals);
    const std::string_view body = sweepText.substr(equals + 1);
    const std::size_t colon1 = body.find(':');
    const std::size_t colon2 =
        colon1 == std::string_view::npos ? colon1 : body.find(':', colon1 + 1);
    if (colon2 == std::string_view::npos || body.find(':', colon2 + 1) != std::string_view::npos)
        return usage;
    // Typed by a person, who may write the decimal comma: 10:12:0,5.
    const std::string numbers[3] = {WithDecimalPoint(body.substr(0, colon1)),
                                    WithDecimalPoint(body.substr(colon1 + 1, colon2 - colon1 - 1)),
                                    WithDecimalPoint(body.substr(colon2 + 1))};

    const std::optional<int> field = Lookup(calculator.fields, name);
    if (!field) return "--sweep: no field named '" + std::string(name) + "'";
    Sweep sweep{{Step::Kind::Field, *field, ""}, {}};
    const auto from = ReadWholeNumber(numbers[0]);
    const auto to = ReadWholeNumber(numbers[1]);
    const auto step = ReadWholeNumber(numbers[2]);
    if (!from || !to || !step)
        return "--sweep " + std::string(name) + ": FROM, TO and STEP must be decimal numbers";
    if (*step <= 0) return "--sweep " + std::string(name) + ": STEP must be above 0";
    if (*from > *to) return "--sweep " + std::string(name) + ": FROM is above TO";

    // A TO reached up to rounding error is reached: 0:0.3:0.1 ends at 0.3.
    const double count = std::floor((*to - *from) / *step + 1e-9) + 1;
    if (!(count <= double(kMaxCases)))
        return "--sweep " + std::string(name) + ": more than " + std::to_string(kMaxCases) +
               " values";
    const int decimals = std::max(Decimals(numbers[0]), Decimals(numbers[2]));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        sweep.values.push_back(SweepValueText(*from + double(i) * *step, decimals));
    return sweep;
}

std::variant<std::monostate, std::string> RunSweeps(CaseRunner& runner,
                                                    const std::vector<Step>& fixed,
                                                    std::vector<Sweep> sweeps, std::FILE* output,
                                                    const Printing& printing) {
    std::size_t total = 1;
    for (const Sweep& sweep : sweeps) {
        if (total > kMaxCases / sweep.values.size())
            return "the sweeps make more than " + std::to_string(kMaxCases) + " cases";
        total *= sweep.values.size();
    }
    std::vector<Step> steps;
    for (const Sweep& sweep : sweeps) steps.push_back(sweep.step);
    std::vector<std::size_t> index(sweeps.size(), 0);

    std::fputs(Heading(runner.calculator(), printing, true).c_str(), output);
    for (std::size_t n = 0; n < total; ++n) {
        for (std::size_t k = 0; k < sweeps.size(); ++k) steps[k].value = sweeps[k].values[index[k]];
        auto result = runner.run(fixed, steps);
        if (auto* problem = std::get_if<std::string>(&result)) return std::move(*problem);
        const std::size_t numbered = runner.calculator().rows ? n + 1 : 0;
        std::fputs(FormattedRows(std::get<0>(result), printing, 0, numbered).c_str(), output);
        // The last sweep varies fastest.
        for (std::size_t k = sweeps.size(); k-- > 0;) {
            if (++index[k] < sweeps[k].values.size()) break;
            index[k] = 0;
        }
    }
    return std::monostate();
}

}  // namespace veltrane::calc
