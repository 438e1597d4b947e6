// The Windows host's canvas, printer and pictures on GDI itself: pixels read back from a memory
// bitmap, the program's pictures decoded from the test program's own resources.
#include <gtest/gtest.h>

#include <cstdint>

#include "ui/win32/GdiCanvas.h"
#include "ui/win32/GdiPrinter.h"
#include "ui/win32/Pictures.h"
#include "ui/win32/Win32.h"
// after <windows.h>
#include <winspool.h>

namespace veltrane::win32 {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;

// A white top-down 32-bit bitmap in a memory device context.
class Surface {
public:
    Surface(int width, int height) : m_width(width), m_dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<std::uint32_t*>(bits);
        m_old = SelectObject(m_dc, m_bitmap);
        for (int k = 0; k < width * height; ++k) m_bits[k] = kWhite;
    }
    ~Surface() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return m_dc; }
    bool ready() const { return m_bits != nullptr; }
    std::uint32_t at(int x, int y) const {
        GdiFlush();
        return m_bits[y * m_width + x] & 0xFFFFFF;
    }

private:
    int m_width;
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
};

HFONT GuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TEST(GdiCanvas, DrawsGdiStyleAndPutsTheDeviceContextBack) {
    Surface surface(40, 40);
    ASSERT_TRUE(surface.ready());
    HGDIOBJ ownPen = GetCurrentObject(surface.dc(), OBJ_PEN);
    HGDIOBJ ownBrush = GetCurrentObject(surface.dc(), OBJ_BRUSH);
    {
        GdiCanvas canvas(surface.dc(), GuiFont());
        canvas.selectPen({{0, 0, 255}, 1});
        canvas.selectBrush({ui::BrushStyle::Solid, {255, 0, 0}});
        // The outline on the outermost pixels, right and bottom just outside.
        canvas.rectangle(2, 2, 10, 8);
        EXPECT_EQ(surface.at(2, 2), kBlue);
        EXPECT_EQ(surface.at(9, 7), kBlue);
        EXPECT_EQ(surface.at(5, 5), kRed);
        EXPECT_EQ(surface.at(10, 5), kWhite);
        EXPECT_EQ(surface.at(5, 8), kWhite);
        // A line leaves its end pixel alone.
        canvas.moveTo(0, 20);
        canvas.lineTo(10, 20);
        EXPECT_EQ(surface.at(0, 20), kBlue);
        EXPECT_EQ(surface.at(9, 20), kBlue);
        EXPECT_EQ(surface.at(10, 20), kWhite);
        // Text in black, over what is there.
        canvas.fillRect({0, 24, 40, 40}, {ui::BrushStyle::Solid, {0, 255, 0}});
        canvas.textOut(2, 24, "\xD0\x96\xD0\x96");  // "ЖЖ"
        int black = 0;
        for (int y = 24; y < 40; ++y)
            for (int x = 0; x < 40; ++x) black += surface.at(x, y) == kBlack;
        EXPECT_GT(black, 4);
        EXPECT_EQ(surface.at(39, 39), kGreen);
    }
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), ownPen);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), ownBrush);
    EXPECT_EQ(GetBkMode(surface.dc()), OPAQUE);
}

TEST(GdiCanvas, ScalesCoordinatesPenAndOriginAndGivesMetricsBackInItsOwnUnits) {
    Surface surface(40, 40);
    ASSERT_TRUE(surface.ready());
    const ui::TextMetrics plain = GdiCanvas(surface.dc(), GuiFont()).textMetrics();
    GdiCanvas canvas(surface.dc(), GuiFont(), 2.0, 2.0);
    canvas.setViewportOrigin(10, 0);
    canvas.selectPen({{0, 0, 255}, 1});
    canvas.selectBrush({ui::BrushStyle::Solid, {0, 255, 0}});
    // Device pixels 20..27 x 30..35; the pen two pixels wide, the outermost one grown outward.
    canvas.rectangle(0, 15, 4, 18);
    EXPECT_EQ(surface.at(19, 32), kWhite);
    EXPECT_EQ(surface.at(20, 30), kBlue);
    EXPECT_EQ(surface.at(21, 31), kBlue);
    EXPECT_EQ(surface.at(22, 32), kGreen);
    EXPECT_EQ(surface.at(26, 34), kGreen);
    EXPECT_EQ(surface.at(28, 33), kBlue);
    EXPECT_EQ(surface.at(29, 33), kWhite);
    EXPECT_EQ(surface.at(24, 36), kBlue);
    EXPECT_EQ(surface.at(24, 37), kWhite);

    const ui::TextMetrics scaled = canvas.textMetrics();
    ASSERT_GT(plain.height, 0);
    EXPECT_NEAR(scaled.height * 2, plain.height, 1);
    EXPECT_NEAR(scaled.aveCharWidth * 2, plain.aveCharWidth, 1);
}

TEST(Pictures, DecodesTheProgramsOwnPicturesAtEitherDensity) {
    Pictures pictures(GetModuleHandleW(nullptr));
    const Picture& icon = pictures.icon(128);
    ASSERT_TRUE(icon.valid());
    EXPECT_EQ(icon.width, 32);
    EXPECT_EQ(icon.height, 32);
    EXPECT_EQ(icon.density, 1);
    EXPECT_FALSE(pictures.bitmap(9999).valid());
    EXPECT_FALSE(pictures.clipStrip(128).valid());

    pictures.setFine(true);
    const Picture& fine = pictures.icon(128);
    ASSERT_TRUE(fine.valid());
    EXPECT_EQ(fine.width, 64);
    EXPECT_EQ(fine.density, 2);
    EXPECT_TRUE(icon.valid());  // what was handed out before stays

    // The fine picture at its size on the screen: 32 pixels, its black corner and red left part
    // where the plain picture has them, nothing drawn around it.
    Surface surface(40, 40);
    ASSERT_TRUE(surface.ready());
    DrawPicture(surface.dc(), fine, 4, 4, 1.0);
    EXPECT_EQ(surface.at(4, 4), kBlack);
    EXPECT_EQ(surface.at(3, 3), kWhite);
    EXPECT_EQ(surface.at(36, 36), kWhite);
    EXPECT_EQ(surface.at(35, 35) == kWhite, false);
    const std::uint32_t left = surface.at(4 + 8, 4 + 16);
    EXPECT_GT(left >> 16, 0xC0u);
    EXPECT_LT((left >> 8) & 0xFF, 0x40u);
}

TEST(ProgramIcon, LoadsAtEachSizeItIsDrawnIn) {
    for (const int size : {16, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// Runs where a default printer is set up (scripts/check-windows.sh installs one writing to a
// file); skipped elsewhere.
TEST(GdiPrinter, PrintsAPageInTenPointTextAndAbortsAnUnfinishedDocument) {
    wchar_t name[256];
    DWORD size = 256;
    if (!GetDefaultPrinterW(name, &size)) GTEST_SKIP() << "no default printer";
    {
        GdiPrinter printer(CreateDCW(L"WINSPOOL", name, nullptr, nullptr));
        const ui::TextMetrics metrics = printer.textMetrics();
        HDC info = CreateICW(L"WINSPOOL", name, nullptr, nullptr);
        ASSERT_NE(info, nullptr);
        const int dpi = GetDeviceCaps(info, LOGPIXELSY);
        DeleteDC(info);
        // 10 points are 10/72 of an inch, a line a little more.
        EXPECT_GE(metrics.height, dpi * 10 / 72);
        EXPECT_LE(metrics.height, dpi * 13 / 72);
        ASSERT_TRUE(printer.startDoc("Veltrane test"));
        ASSERT_TRUE(printer.startPage());
        printer.rectangle(100, 100, 400, 300);
        printer.textOut(10 * metrics.aveCharWidth, 400, "Veltrane \xD0\x96");
        EXPECT_TRUE(printer.endPage());
        EXPECT_TRUE(printer.endDoc());
        EXPECT_FALSE(printer.endDoc());
    }
    GdiPrinter unfinished(CreateDCW(L"WINSPOOL", name, nullptr, nullptr));
    ASSERT_TRUE(unfinished.startDoc("Veltrane test, aborted"));
    ASSERT_TRUE(unfinished.startPage());
}

}  // namespace
}  // namespace veltrane::win32
