// The program's pictures (PNG files carried as resources of the program), decoded with WIC
// into 32-bit premultiplied bitmaps, and drawn with their transparency.
#pragma once

#include <map>
#include <string>

#include "ui/win32/Win32.h"

namespace veltrane::win32 {

struct Picture {
    HBITMAP bitmap = nullptr;  // a top-down 32-bit DIB section, premultiplied alpha
    int width = 0;             // the bitmap's pixels
    int height = 0;
    int density = 1;  // 2 for a picture drawn twice as fine ("@2x"): it covers width/2 x height/2
    bool valid() const { return bitmap != nullptr; }
};

class Pictures {
public:
    explicit Pictures(HINSTANCE instance);
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // Whether the "@2x" pictures are wanted: the host's scale is above 1.5.
    void setFine(bool fine);
    // A picture-button or lamp bitmap, in the windows' language where one is drawn so; an
    // invalid picture when the program has none of that id.
    const Picture& bitmap(int id);
    const Picture& icon(int id);
    const Picture& clipStrip(int id);

private:
    const Picture& load(const std::string& alias);

    HINSTANCE m_instance;
    bool m_fine = false;
    std::map<std::string, Picture> m_cache;
};

// Draws the part `source` (picture pixels) of a picture into `target` (device pixels), blending
// it over what is there.
void DrawPicture(HDC dc, const Picture& picture, const RECT& source, const RECT& target);
// The whole picture with its top-left corner at (x, y), at its size on the screen times `scale`.
void DrawPicture(HDC dc, const Picture& picture, int x, int y, double scale);

}  // namespace veltrane::win32
