#include "app/AboutBox.h"

#include <cstdint>
#include <filesystem>
#include <string>

#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"

namespace veltrane {

namespace {

constexpr ClipPlay kOpeningClip{res::IDR_AVI2, 0, 4, 4};
constexpr ClipPlay kChromatogramClip{res::IDR_AVI_CHROMATOGRAM, 0, 84, 1};
constexpr ClipPlay kStillClip{res::IDR_AVI_STILL, 0, 1, 1};

// Fills in the string table's "%lu KB" and "%lu KB Free on %c:" by hand rather than through
// printf: the kilobytes are 64-bit whatever the width of long (a disk with more than 4 TB free
// must not wrap), and a text that can come from a catalog never becomes a printf format.
std::string FormatKilobytes(int formatId, std::uint64_t bytes, char driveLetter = 0) {
    const std::string format = res::LoadString(formatId);
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.compare(i, 3, "%lu") == 0) {
            text += std::to_string(bytes >> 10);
            i += 2;
        } else if (format.compare(i, 2, "%c") == 0 && driveLetter != 0) {
            text += driveLetter;
            ++i;
        } else if (format.compare(i, 2, "%%") == 0) {
            text += '%';
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
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
