// The predicted chromatogram drawn: each peak a Gaussian of its width, numbered in elution
// order, on a time axis in minutes, the oven temperature faint behind.
#include <algorithm>
#include <cmath>

#include "chromatogram/ChromatogramWindow.h"
#include "data/Numbers.h"
#include "ui/DialogUnits.h"

namespace veltrane {

using namespace chromatogram;

namespace {

// How far a peak reaches either side of its centre, in standard deviations.
constexpr double kPeakReach = 5;

}  // namespace

double ChromatogramEnd(const ChromatogramResult& r) {
    double end = 0;
    for (const Peak& peak : r.m_prediction.m_peaks)
        if (peak.m_elution.m_eluted)
            end = std::max(end, peak.m_elution.m_retentionS +
                                    kPeakReach * peak.m_elution.m_sigmaS.value_or(0));
    return end > 0 ? end * 1.03 : std::max(60.0, r.m_prediction.m_runTimeS);
}

void DrawChromatogram(ui::Canvas& canvas, const ui::Rect& frame, const ChromatogramResult& r) {
    DrawChromatogram(canvas, frame, r, ChromatogramEnd(r), {});
}

void DrawChromatogram(ui::Canvas& canvas, const ui::Rect& frame, const ChromatogramResult& r,
                      double end, const std::vector<std::string>& labels) {
    canvas.selectPen({{0, 0, 0}, 1});
    canvas.selectBrush({ui::BrushStyle::Solid, {255, 255, 255}});
    canvas.rectangle(frame.left, frame.top, frame.right, frame.bottom);

    const std::vector<Peak>& peaks = r.m_prediction.m_peaks;
    if (!(end > 0) || !std::isfinite(end)) return;
    const double width = frame.right - frame.left - 2;
    const double height = frame.bottom - frame.top - 2;
    if (!(width > 2) || !(height > 2)) return;
    const auto x = [&](double seconds) {
        return ui::RoundedPixel(frame.left + 1 + seconds / end * width);
    };
    const int base = frame.bottom - 2;

    // The oven's temperature, faint, from the bottom of the frame to its top.
    const OvenClock clock(r.m_program);
    double low = clock.temperatureC(0), high = low;
    for (int px = 0; px <= static_cast<int>(width); ++px) {
        const double t = clock.temperatureC(px / width * end);
        low = std::min(low, t);
        high = std::max(high, t);
    }
    if (high - low < 10) high = low + 10;
    canvas.selectPen({{200, 200, 200}, 1});
    for (int px = 0; px <= static_cast<int>(width); ++px) {
        const double t = clock.temperatureC(px / width * end);
        const int y = ui::RoundedPixel(base - (t - low) / (high - low) * (height - 1));
        if (px == 0)
            canvas.moveTo(frame.left + 1, y);
        else
            canvas.lineTo(frame.left + 1 + px, y);
    }

    // The peaks: each the same amount, so a narrow peak stands taller; the tallest reaches
    // most of the way up.
    double tallest = 0;
    for (const Peak& peak : peaks)
        if (peak.m_elution.m_eluted && peak.m_elution.m_sigmaS && *peak.m_elution.m_sigmaS > 0)
            tallest = std::max(tallest, 1.0 / *peak.m_elution.m_sigmaS);
    const double scale = tallest > 0 ? 0.85 * (height - 14) / tallest : 0;
    const auto signal = [&](double seconds) {
        double sum = 0;
        for (const Peak& peak : peaks) {
            if (!peak.m_elution.m_eluted || !peak.m_elution.m_sigmaS) continue;
            const double sigma = *peak.m_elution.m_sigmaS;
            const double offset = (seconds - peak.m_elution.m_retentionS) / sigma;
            if (sigma > 0 && std::abs(offset) < kPeakReach)
                sum += std::exp(-0.5 * offset * offset) / sigma;
        }
        return sum * scale;
    };
    canvas.selectPen({{0, 0, 160}, 1});
    // Sampled finer than a pixel, so that a peak narrower than one still shows its top.
    const int samples = static_cast<int>(width) * 4;
    int lastX = frame.left + 1, lastY = base;
    canvas.moveTo(lastX, lastY);
    for (int k = 0; k <= samples; ++k) {
        const double seconds = static_cast<double>(k) / samples * end;
        const int px = x(seconds);
        const int py = ui::RoundedPixel(base - std::min(signal(seconds), height - 2));
        if (px != lastX || py < lastY) {
            canvas.lineTo(px, py);
            lastX = px;
            lastY = py;
        }
    }
    // A peak without a width is a line at its time; each is numbered above its top.
    canvas.selectPen({{0, 0, 160}, 1});
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        const Peak& peak = peaks[k];
        if (!peak.m_elution.m_eluted) continue;
        const int px = x(peak.m_elution.m_retentionS);
        int top = frame.top + 14;
        if (peak.m_elution.m_sigmaS && *peak.m_elution.m_sigmaS > 0) {
            top = ui::RoundedPixel(base - std::min(scale / *peak.m_elution.m_sigmaS, height - 2));
        } else {
            canvas.moveTo(px, base);
            canvas.lineTo(px, top);
        }
        const std::string label =
            peak.m_solute < labels.size() ? labels[peak.m_solute] : std::to_string(k + 1);
        canvas.textOut(px - 3, std::max(frame.top + 1, top - 13), label);
    }

    canvas.textOut(frame.left, frame.bottom + 2, "0");
    canvas.textOut(frame.left + (frame.right - frame.left) / 2 - 10, frame.bottom + 2,
                   FormatNumber("%.1f", end / 120));
    canvas.textOut(frame.right - 60, frame.bottom + 2, FormatNumber("%.1f min", end / 60));
}

void ChromatogramWindow::paint(ui::Canvas& canvas) {
    // The frame sits inside the group box, with room for the caption above and the times below.
    const ui::DluRect group = m_dialog->control(IDC_CHART).layout.rect;
    DrawChromatogram(canvas,
                     ui::DluToNominal({group.x + 5, group.y + 10, group.w - 10, group.h - 21}),
                     m_result);
}

}  // namespace veltrane
