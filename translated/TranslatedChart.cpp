// Both chromatograms, one above the other: the original's on its own time axis, the new
// method's on an axis G times as long, and a faint line from each compound's peak above to
// its peak below, upright wherever the translation keeps the compound's place.
#include <algorithm>
#include <cmath>

#include "data/Translation.h"
#include "translated/TranslatedChromatograms.h"
#include "ui/DialogUnits.h"

namespace veltrane {

using namespace translated;

namespace {

// The space between the two frames: the upper one's times, then the joining lines.
constexpr int kGap = 40;

}  // namespace

void DrawTranslatedChromatograms(ui::Canvas& canvas, const ui::Rect& frame,
                                 const TranslatedResult& r, bool english) {
    const int height = (frame.bottom - frame.top - kGap) / 2;
    if (height < 10) return;
    const ui::Rect upper{frame.left, frame.top, frame.right, frame.top + height};
    const ui::Rect lower{frame.left, frame.bottom - height, frame.right, frame.bottom};
    // The original's axis reaches past its last peak and past the new method's last peak
    // over G: the new axis, G times as long, has room for every peak of its own too.
    double end = ChromatogramEnd(r.m_original);
    if (r.m_translated && r.m_factor > 0)
        end = std::max(end, ChromatogramEnd(r.m_new) / r.m_factor);
    const double newEnd = end * r.m_factor;

    // Each peak is labelled with its place in the original, above and below alike.
    std::vector<std::string> labels(r.m_original.m_names.size());
    for (std::size_t k = 0; k < r.m_compared.size(); ++k)
        if (r.m_compared[k].m_solute < labels.size())
            labels[r.m_compared[k].m_solute] = std::to_string(k + 1);

    // The joining lines first: the frames' white covers nothing of them but their ends.
    const double width = frame.right - frame.left - 2;
    if (r.m_translated && newEnd > 0 && std::isfinite(newEnd)) {
        canvas.selectPen({{190, 190, 215}, 1});
        for (const ComparedCompound& c : r.m_compared) {
            if (!c.m_retentionS || !c.m_newRetentionS) continue;
            canvas.moveTo(ui::RoundedPixel(frame.left + 1 + *c.m_retentionS / end * width),
                          upper.bottom);
            canvas.lineTo(ui::RoundedPixel(frame.left + 1 + *c.m_newRetentionS / newEnd * width),
                          lower.top);
        }
    }
    const auto caption = [english](const char* russian, const char* inEnglish) {
        return english ? std::string(inEnglish) : Translate(russian);
    };
    DrawChromatogram(canvas, upper, r.m_original, end, labels);
    canvas.textOut(upper.left + 4, upper.top + 2, caption(N_("Исходный метод"), "Original method"));
    if (r.m_translated)
        DrawChromatogram(canvas, lower, r.m_new, newEnd, labels);
    else
        DrawChromatogram(canvas, lower, {}, 0, {});
    canvas.textOut(
        lower.left + 4, lower.top + 2,
        caption(N_("Новый метод (ось в G раз длиннее)"), "New method (axis G times as long)"));
}

void TranslatedChromatograms::paint(ui::Canvas& canvas) {
    // The frames sit inside the group box, with room for the caption above and the times below.
    const ui::DluRect group = m_dialog->control(IDC_CHART).layout.rect;
    DrawTranslatedChromatograms(
        canvas, ui::DluToNominal({group.x + 5, group.y + 10, group.w - 10, group.h - 21}), m_result,
        false);
}

}  // namespace veltrane
