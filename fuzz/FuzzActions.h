// What the calculator input targets do with their input: read it as the steps a person takes in
// one calculator window and, after every step, check that no figure the window shows, draws or
// prints is infinite or not a number. The fields, lists and radio choices are the ones
// veltrane-calc names, so a control added there is typed into here too.
//
// The bytes read one step after another, until they run out (at most kMaxSteps steps):
//   byte % 5 == 0  type into a field (next byte) and leave it. The text: a length byte below
//                  0x80 gives (length & 15) words of kTypedWords, one byte each; from 0x80 it
//                  gives (length & 63) bytes as they are.
//   byte % 5 == 1  click a radio choice (next byte) on one of its words (next byte)
//   byte % 5 == 2  pick a list (next byte) entry (next byte)
//   byte % 5 == 3  press a button (next byte): every button of the window but OK and Cancel;
//                  the plot window it may open has both its scales painted and printed
//   byte % 5 == 4  move a slider to a place, or step a spin button (next byte, then its place)
// Each "next byte" is taken modulo the number of things to choose from. At the end the window
// is closed with OK and opened again on the files it saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/calc/Calculators.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "fuzz/FuzzWindows.h"
#include "translated/TranslatedIds.h"

namespace veltrane::fuzz {

inline constexpr std::string_view kTypedWords[] = {
    "0", "1", "2", "3", "4",   "5",   "6",     "7",      "8",      "9",  ".",
    ",", "e", "-", "+", "inf", "nan", "1e308", "1e-307", "1e-320", "00", " "};
inline constexpr int kMaxSteps = 64;

struct CalculatorWindow {
    const char* name;  // as the story of a finding names it: "column"
    const calc::Calculator& steps;
    void (*run)(testing::FakeHost& host);  // opens the window modally, as the launcher does
};

class StepRun {
public:
    StepRun(const CalculatorWindow& window, const std::uint8_t* data, std::size_t size)
        : m_window(window), m_data(data), m_size(size) {}

    void run() {
        m_host.layShippedLists();
        m_host.expect(m_window.steps.dialogId, [this](ui::Dialog& d) {
            m_dialog = &d;
            gatherControls(d);
            checkWindow(d);
            for (int k = 0; k < kMaxSteps && m_at < m_size && !d.hasEnded(); ++k) {
                step(d);
                checkWindow(d);
            }
            if (!d.hasEnded()) d.click(ui::IDOK);
            m_dialog = nullptr;
        });
        m_window.run(m_host);
        // What the window saved must open to finite figures too.
        tell("OK, then open the window again");
        m_reopened = true;
        m_host.expect(m_window.steps.dialogId, [this](ui::Dialog& d) {
            m_dialog = &d;
            checkWindow(d);
            m_dialog = nullptr;
        });
        m_window.run(m_host);
    }

private:
    std::uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }
    template <typename List>
    const auto& pick(const List& list) {
        return list[next() % std::size(list)];
    }

    // The buttons (the calculator's named ones first) and the sliders and spin buttons.
    void gatherControls(const ui::Dialog& d) {
        m_buttons = m_window.steps.buttons;
        for (const ui::ControlLayout& c : d.layout().controls) {
            const bool button =
                c.kind == ui::ControlKind::PushButton || c.kind == ui::ControlKind::PictureButton;
            if (button && c.id > 0 && c.id != ui::IDOK && c.id != ui::IDCANCEL) {
                bool named = false;
                for (const auto& [name, id] : m_buttons) named = named || id == c.id;
                std::string name;  // its caption without the accelerator's mark
                for (const char ch : c.text)
                    if (ch != '&') name += ch;
                if (!named) m_buttons.emplace_back(name.empty() ? "button" : name, c.id);
            }
            if (c.kind == ui::ControlKind::Slider || c.kind == ui::ControlKind::Spin)
                m_movers.push_back(c.id);
        }
    }

    void step(ui::Dialog& d) {
        const calc::Calculator& steps = m_window.steps;
        switch (next() % 5) {
            case 0: {
                if (steps.fields.empty()) return;
                const auto& [name, id] = pick(steps.fields);
                const std::string text = typedText();
                tell(name + "=" + Quoted(text));
                m_typed[id] = text;
                d.typeInto(id, text);
                d.leave(id);
                return;
            }
            case 1: {
                if (steps.choices.empty()) return;
                const calc::RadioChoice& choice = pick(steps.choices);
                const auto& [word, id] = pick(choice.words);
                tell(choice.name + "=" + word);
                d.click(id);
                return;
            }
            case 2: {
                if (steps.lists.empty()) return;
                const auto& [name, id] = pick(steps.lists);
                const std::vector<std::string>& items = d.control(id).combo.items;
                if (items.empty()) return;
                const int entry = next() % static_cast<int>(items.size());
                tell(name + "=" + Quoted(items[static_cast<std::size_t>(entry)]));
                d.selectEntry(id, entry);
                return;
            }
            case 3: {
                if (m_buttons.empty()) return;
                const auto& [name, id] = pick(m_buttons);
                tell("press " + Quoted(name));
                m_host.expect(res::IDD_PLOT, [this](ui::Dialog& plot) { checkPlot(plot); });
                m_host.expect(res::IDD_TRANSLATED, [this](ui::Dialog& shown) { checkOver(shown); });
                d.click(id);
                checkPrinted();
                return;
            }
            case 4: {
                if (m_movers.empty()) return;
                const int id = pick(m_movers);
                const std::uint8_t place = next();
                const ui::Control& c = d.control(id);
                if (c.kind() == ui::ControlKind::Slider) {
                    const int to = static_cast<int>(
                        c.slider.min +
                        (static_cast<long long>(c.slider.max) - c.slider.min) * place / 255);
                    tell("slider " + std::to_string(id) + " to " + std::to_string(to));
                    d.moveSlider(id, to);
                } else {
                    const int by = static_cast<std::int8_t>(place);
                    tell("spin " + std::to_string(id) + " by " + std::to_string(by));
                    d.stepSpin(id, by);
                }
                return;
            }
        }
    }

    std::string typedText() {
        const std::uint8_t length = next();
        std::string text;
        if (length < 0x80) {
            for (int k = 0; k < (length & 15); ++k) text += pick(kTypedWords);
        } else {
            for (int k = 0; k < (length & 63) && m_at < m_size; ++k)
                text += static_cast<char>(next());
        }
        return text;
    }

    // The fields that hold what the person typed there (its decimal comma put right).
    HeldTexts held(const ui::Dialog& d) const {
        HeldTexts texts;
        for (const auto& [id, typed] : m_typed) {
            const std::string& text = d.text(id);
            if (text == typed || text == WithDecimalPoint(typed)) texts[id] = text;
        }
        return texts;
    }

    // The window's figures and drawing. While the first window is open its fields say what
    // the person's texts are; the window opened again holds the texts it was closed with.
    void checkWindow(ui::Dialog& d) {
        if (!m_reopened) m_held = held(d);
        if (auto bad = NonFiniteFigure(d, m_held)) fail(*bad);
        testing::RecordingCanvas canvas;
        d.paint(canvas);
        if (auto bad = AbsurdDrawing(canvas.calls, m_held)) fail("the window paints " + *bad);
    }

    void checkPlot(ui::Dialog& plot) {
        for (const int scale : {plot::IDC_SCALE_FULL, plot::IDC_SCALE_TENTH}) {
            plot.click(scale);
            if (auto bad = NonFiniteFigure(plot, m_held)) fail("the plot window's " + *bad);
            testing::RecordingCanvas canvas;
            plot.paint(canvas);
            if (auto bad = AbsurdDrawing(canvas.calls, m_held))
                fail("the plot window paints " + *bad);
            plot.click(plot::IDC_PRINT);
            checkPrinted();
        }
    }

    // A window opened over this one with its figures (the translated chromatograms): shown,
    // painted and printed as it opens. Each opening predicts two chromatograms, so once is
    // what the fuzzer can afford.
    void checkOver(ui::Dialog& over) {
        if (auto bad = NonFiniteFigure(over, m_held)) fail("the window over it: " + *bad);
        testing::RecordingCanvas canvas;
        over.paint(canvas);
        if (auto bad = AbsurdDrawing(canvas.calls, m_held))
            fail("the window over it paints " + *bad);
        over.click(translated::IDC_PRINT);
        checkPrinted();
    }

    // The pages printed since the last look.
    void checkPrinted() {
        for (; m_pages < m_host.printed.size(); ++m_pages)
            if (auto bad = AbsurdDrawing(m_host.printed[m_pages]->page.calls, m_held))
                fail("the printout has " + *bad);
    }

    // Each step is told as it is taken when FUZZ_SAY_STEPS is set in the environment, so that
    // replaying an input that a sanitizer stops still says what led there.
    void tell(std::string step) {
        if (m_sayingSteps) std::fprintf(stderr, "%s step: %s\n", m_window.name, step.c_str());
        m_story.push_back(std::move(step));
    }

    std::string story() const {
        std::string told = std::string(m_window.name) + ":";
        for (const std::string& s : m_story) told += " " + s;
        return told;
    }

    [[noreturn]] void fail(const std::string& what) const {
        std::string story = this->story();
        if (m_story.empty()) story += " (the window just opened)";
        story += "\n   -> " + what;
        if (m_dialog)
            for (const auto& [name, value] : calc::Collect(*m_dialog, m_window.steps))
                if (ShowsNonFinite(value)) story += "\n   shown: " + name + "=" + value;
        Fail(story);
    }

    // A text as a step word gives it: quoted when it has blanks or is empty, escaped where it
    // is not printable.
    static std::string Quoted(const std::string& text) {
        const std::string escaped = EscapedForMessage(text);
        const bool plain = !escaped.empty() && escaped.find_first_of(" \t\"'") == std::string::npos;
        return plain ? escaped : "\"" + escaped + "\"";
    }

    const CalculatorWindow& m_window;
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    testing::FakeHost m_host;
    ui::Dialog* m_dialog = nullptr;
    std::vector<std::pair<std::string, int>> m_buttons;
    std::vector<int> m_movers;
    std::map<int, std::string> m_typed;  // each field's last typed text
    HeldTexts m_held;                    // the person's texts the fields show
    bool m_reopened = false;
    bool m_sayingSteps = std::getenv("FUZZ_SAY_STEPS") != nullptr;
    std::vector<std::string> m_story;  // the steps taken, as veltrane-calc words where it has them
    std::size_t m_pages = 0;
};

inline void RunSteps(const CalculatorWindow& window, const std::uint8_t* data, std::size_t size) {
    StepRun(window, data, size).run();
}

}  // namespace veltrane::fuzz
