#include "app/AboutBox.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"

namespace veltrane {

namespace {

constexpr ClipPlay kOpeningClip{res::IDR_AVI2, 0, 4, 4};
constexpr ClipPlay kChromatogramClip{res::IDR_AVI_CHROMATOGRAM, 0, 84, 1};
constexpr ClipPlay kStillClip{res::IDR_AVI_STILL, 0, 1, 1};

// The string table keeps its "%lu" formats, but the figures are 64-bit whatever the width of
// long: a disk with more than 4 TB free must not wrap.
std::string Widened(std::string format) {
    for (auto at = format.find("%lu"); at != std::string::npos; at = format.find("%lu", at + 4))
        format.replace(at, 3, "%llu");
    return format;
}

std::string FormatKilobytes(int formatId, std::uint64_t bytes, char driveLetter = 0) {
    const std::string format = Widened(res::LoadString(formatId));
    if (format.empty()) return {};
    std::array<char, 128> text{};
    std::snprintf(text.data(), text.size(), format.c_str(),
                  static_cast<unsigned long long>(bytes >> 10), driveLetter);
    return text.data();
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// The drive a folder lies on: 1 for A: up to 26 for Z:, 0 for a path without a drive letter.
int DriveNumber(const std::string& folder) {
    if (folder.size() < 2 || folder[1] != ':') return 0;
    char letter = folder[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    // Only a letter names a drive; anything else would give a number below A or past Z.
    if (letter < 'A' || letter > 'Z') return 0;
    return letter - 'A' + 1;
}

}  // namespace

AboutBox::AboutBox(ui::Host& host) : m_host(host) {}

int AboutBox::run() {
    ui::Dialog dialog(res::AboutLayout());
    m_dialog = &dialog;
    m_Animate.attach(&dialog);
    dialog.onInit([this] { open(); });
    dialog.onDoubleClick(
        [this](ui::Point point, ui::KeyState keys) { doubleClicked(point, keys); });
    const int result = m_host.runModal(dialog);
    m_Animate.attach(nullptr);
    m_dialog = nullptr;
    return result;
}

void AboutBox::Animation::play(const ClipPlay& request) {
    m_dialog->openClip(IDC_ANIMATE1, request.clip);
    m_dialog->playClip(IDC_ANIMATE1, request.from, request.to, request.repeat);
}

void AboutBox::open() {
    m_Animate.play(kOpeningClip);
    showMemory();
    showDiskSpace();
}

void AboutBox::showMemory() {
    const auto bytes = m_host.freePhysicalMemory();
    m_physicalMemory = bytes ? FormatKilobytes(res::CG_IDS_PHYSICAL_MEM, *bytes)
                             : res::LoadString(res::CG_IDS_DISK_SPACE_UNAVAIL);
    m_dialog->setText(IDC_PHYSICAL_MEM, m_physicalMemory);
}

void AboutBox::showDiskSpace() {
    const std::filesystem::path folder = m_host.currentFolder();
    const int drive = DriveNumber(folder.string());
    const char letter = static_cast<char>(drive + 64);  // '@' when there is no drive letter
    // Without a drive letter the folder itself is asked rather than "/": it may lie on a file
    // system mounted there of its own.
    const std::filesystem::path root =
        drive == 0 ? folder : std::filesystem::path(std::string{letter, ':', '\\'});
    const auto bytes = m_host.freeDiskSpace(root);
    const std::string text = bytes ? FormatKilobytes(res::CG_IDS_DISK_SPACE, *bytes, letter)
                                   : res::LoadString(res::CG_IDS_DISK_SPACE_UNAVAIL);
    m_dialog->setText(IDC_DISK_SPACE, text);
}

// Spots in client pixels on the bottom credit line; they only answer with Shift and Ctrl held.
void AboutBox::doubleClicked(ui::Point point, ui::KeyState keys) {
    if (!keys.shift || !keys.control) {
        m_Animate.play(kOpeningClip);
        return;
    }
    if (!InRange(point.y, 244, 250)) return;
    if (InRange(point.x, 77, 128))
        m_Animate.play(kChromatogramClip);
    else if (InRange(point.x, 160, 191))
        m_Animate.play(kStillClip);
}

}  // namespace veltrane
