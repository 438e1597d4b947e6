// What every window fuzz target does with its input: lay it in a work folder as one of the
// program's files, beside the shipped lists, and open a window on it through the fake host.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/WindowFiles.h"
#include "ui/Dialog.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporIds.h"

namespace veltrane::fuzz {

// A work folder with the shipped lists, flow.cfg as a window writes it, and file = input.
inline void LayFiles(testing::FakeHost& host, const char* file, const std::uint8_t* data,
                     std::size_t size) {
    host.layShippedLists();
    host.writeFile("flow.cfg", testing::SettingsFileText("psi", "oth", "Helium", "Acetone", "4"));
    host.writeFile(file, std::string(reinterpret_cast<const char*>(data), size));
}

// Picks every entry of a drop-down list in turn, as a person trying each would.
inline void PickEach(ui::Dialog& d, int list) {
    const int count = static_cast<int>(d.control(list).combo.items.size());
    for (int k = 0; k < count; ++k) d.selectEntry(list, k);
}

// The plot window's next opening paints and prints both scales.
inline void ExpectPlotDrawn(testing::FakeHost& host) {
    host.expect(res::IDD_PLOT, [](ui::Dialog& d) {
        for (const int scale : {plot::IDC_SCALE_FULL, plot::IDC_SCALE_TENTH}) {
            d.click(scale);
            testing::RecordingCanvas canvas;
            d.paint(canvas);
            d.click(plot::IDC_PRINT);
        }
    });
}

// The texts a person typed into fields that the fields still hold, by field id. The window
// reads such a text as a number by its own rule but shows it as typed, here and wherever it
// repeats it, in full or cut short (the plot window's labels, a printout): "2nan4" is then the
// person's text, not a figure the window computed.
using HeldTexts = std::map<int, std::string>;

// Whether a shown text has a figure that is not finite once the person's held texts, and every
// beginning of them that spells inf or nan ("75nan" of "75nannan"), are taken out of it.
FUZZ_CHECKER inline bool ShowsNonFiniteFigure(std::string_view shown, const HeldTexts& held) {
    if (!ShowsNonFinite(shown)) return false;
    std::string text(shown);
    for (const auto& [id, typed] : held) {
        for (std::size_t length = typed.size(); length > 0; --length) {
            const std::string_view part = std::string_view(typed).substr(0, length);
            if (!ShowsNonFinite(part)) continue;
            for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at))
                text.replace(at, part.size(), " ");
        }
    }
    return ShowsNonFinite(text);
}

// The first figure a window shows that is not finite ("control 1282 shows 'inf'"), or nothing.
// Figures are in the edits and in the statics the window logic writes (those with an id), and
// in the cells of tables; the drop-down lists, labels and buttons hold names and words. An edit
// holding the person's text is theirs, not a figure of the window's.
FUZZ_CHECKER inline std::optional<std::string> NonFiniteFigure(const ui::Dialog& d,
                                                               const HeldTexts& held = {}) {
    for (const ui::ControlLayout& layout : d.layout().controls) {
        if (layout.id > 0 && layout.kind == ui::ControlKind::Table) {
            const ui::TableState& table = d.control(layout.id).table;
            for (std::size_t r = 0; r < table.rows.size(); ++r)
                for (const std::string& cell : table.rows[r])
                    if (ShowsNonFiniteFigure(cell, held))
                        return "table " + std::to_string(layout.id) + " row " +
                               std::to_string(r + 1) + " shows '" + cell + "'";
            continue;
        }
        const bool edit = layout.kind == ui::ControlKind::Edit;
        if (layout.id <= 0 || !(edit || layout.kind == ui::ControlKind::Static)) continue;
        const std::string& text = d.control(layout.id).text;
        if (!ShowsNonFiniteFigure(text, held)) continue;
        const auto own = held.find(layout.id);
        if (edit && own != held.end() && own->second == text) continue;
        return "control " + std::to_string(layout.id) + " shows '" + text + "'";
    }
    return std::nullopt;
}

// The first drawing call no screen or page could show, or nothing: a coordinate beyond a
// million pixels (what a figure that is not finite becomes when cast to int), or a text with a
// figure that is not finite. The calls are testing::RecordingCanvas's lines: a word, then the
// coordinates ("lineTo 10 20", "text 14 468 280 C").
FUZZ_CHECKER inline std::optional<std::string> AbsurdDrawing(const std::vector<std::string>& calls,
                                                             const HeldTexts& held = {}) {
    for (const std::string& call : calls) {
        const std::string_view line(call);
        const std::string_view word = line.substr(0, line.find(' '));
        const int coordinates =
            word == "rectangle" || word == "fillRect"                                    ? 4
            : word == "moveTo" || word == "lineTo" || word == "origin" || word == "text" ? 2
                                                                                         : 0;
        const char* at = line.data() + word.size();
        const char* const end = line.data() + line.size();
        for (int k = 0; k < coordinates; ++k) {
            long long value = 0;
            const auto read = at < end ? std::from_chars(at + 1, end, value)
                                       : std::from_chars_result{end, std::errc::invalid_argument};
            if (read.ec != std::errc() || value > 1000000 || value < -1000000)
                return "drawing call '" + call + "'";
            at = read.ptr;
        }
        if (word == "text" && ShowsNonFiniteFigure(std::string_view(at, end - at), held))
            return "drawing call '" + call + "'";
    }
    return std::nullopt;
}

// A list of the vapor calculator (solvents or liners) through its window: the opening, every
// entry picked in turn, the printout.
inline void OpenVaporOnList(const char* file, int list, const std::uint8_t* data,
                            std::size_t size) {
    testing::FakeHost host;
    LayFiles(host, file, data, size);
    host.expect(res::IDD_VAPOR, [list](ui::Dialog& d) {
        PickEach(d, list);
        d.click(vapor::IDC_PRINT);
    });
    VaporCalculator(host).run();
}

}  // namespace veltrane::fuzz
