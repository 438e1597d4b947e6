#include "ui/win32/Pictures.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "data/Translation.h"

namespace veltrane::win32 {

using Microsoft::WRL::ComPtr;

namespace {

// COM for this thread while a picture is decoded or scaled; a thread that has it already, in
// either apartment, keeps it as it is.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_result)) CoUninitialize();  // S_OK and S_FALSE both count once
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

ComPtr<IWICImagingFactory> MakeFactory() {
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))))
        return nullptr;
    return factory;
}

// Pixels of `source` as a top-down 32-bit premultiplied DIB section.
Picture ToDib(IWICBitmapSource* source) {
    UINT width = 0;
    UINT height = 0;
    if (FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC gives the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return {};
    const UINT stride = width * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return {};
    }
    Picture picture;
    picture.bitmap = bitmap;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return picture;
}

Picture Decode(const void* data, DWORD size) {
    const ComScope com;
    if (!com.usable()) return {};
    const ComPtr<IWICImagingFactory> factory = MakeFactory();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // WIC reads the resource in place and never writes to it.
    BYTE* bytes = static_cast<BYTE*>(const_cast<void*>(data));
    if (!factory || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return {};
    return ToDib(converter.Get());
}

// The resource name of a picture: its alias in upper case, with "/", "@", "." and "-" turned
// into "_" (cmake/WindowsPictures.cmake names the resources by the same rule).
std::wstring ResourceName(const std::string& alias) {
    std::wstring name;
    name.reserve(alias.size());
    for (const char c : alias) {
        if (c == '/' || c == '@' || c == '.' || c == '-')
            name += L'_';
        else
            name += static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

Picture LoadResourcePicture(HINSTANCE instance, const std::string& alias) {
    const std::wstring name = ResourceName(alias);
    HRSRC found = FindResourceW(instance, name.c_str(), RT_RCDATA);
    if (!found) return {};
    const DWORD size = SizeofResource(instance, found);
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0) return {};
    return Decode(data, size);
}

std::string FineAlias(const std::string& alias) {
    std::string fine = alias;
    const std::size_t dot = fine.rfind('.');
    fine.insert(dot == std::string::npos ? fine.size() : dot, "@2x");
    return fine;
}

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

void Blend(HDC dc, HDC source, const RECT& from, const RECT& to) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source, from.left,
               from.top, from.right - from.left, from.bottom - from.top, blend);
}

// The part `source` of the bitmap resampled to `width` x `height` with WIC's averaging filter:
// AlphaBlend itself stretches by dropping and doubling pixels, whatever the stretch mode.
Picture Resampled(const Picture& picture, const RECT& source, int width, int height) {
    DIBSECTION dib{};
    if (GetObjectW(picture.bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return {};
    const ComScope com;
    if (!com.usable()) return {};
    const ComPtr<IWICImagingFactory> factory = MakeFactory();
    ComPtr<IWICBitmap> whole;
    ComPtr<IWICBitmapClipper> clipper;
    ComPtr<IWICBitmapScaler> scaler;
    const WICRect part{source.left, source.top, source.right - source.left,
                       source.bottom - source.top};
    GdiFlush();  // the DIB's pixels as GDI last left them
    if (!factory ||
        FAILED(factory->CreateBitmapFromMemory(
            static_cast<UINT>(picture.width), static_cast<UINT>(picture.height),
            GUID_WICPixelFormat32bppPBGRA, static_cast<UINT>(dib.dsBm.bmWidthBytes),
            static_cast<UINT>(dib.dsBm.bmWidthBytes * picture.height),
            static_cast<BYTE*>(dib.dsBm.bmBits), &whole)) ||
        FAILED(factory->CreateBitmapClipper(&clipper)) ||
        FAILED(clipper->Initialize(whole.Get(), &part)) ||
        FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(clipper.Get(), static_cast<UINT>(width),
                                  static_cast<UINT>(height), WICBitmapInterpolationModeFant)))
        return {};
    return ToDib(scaler.Get());
}

}  // namespace

Pictures::Pictures(HINSTANCE instance) : m_instance(instance) {}

Pictures::~Pictures() {
    for (auto& [alias, picture] : m_cache)
        if (picture.bitmap) DeleteObject(picture.bitmap);
}

void Pictures::setFine(bool fine) {
    m_fine = fine;
}

const Picture& Pictures::bitmap(int id) {
    // Pictures with words painted in them come in the language of the windows where drawn so.
    const std::string language = TextLanguage();
    if (!language.empty()) {
        const Picture& translated = load("bitmaps/" + language + "/" + std::to_string(id) + ".png");
        if (translated.valid()) return translated;
    }
    return load("bitmaps/" + std::to_string(id) + ".png");
}

const Picture& Pictures::icon(int id) {
    return load("icons/" + std::to_string(id) + ".png");
}

const Picture& Pictures::clipStrip(int id) {
    return load("clips/" + std::to_string(id) + ".png");
}

const Picture& Pictures::load(const std::string& alias) {
    // Each picture is decoded once for each density asked for, and a missing one is kept as
    // missing; the references handed out stay valid as long as the store.
    const std::string key = (m_fine ? "2x:" : "1x:") + alias;
    auto it = m_cache.find(key);
    if (it != m_cache.end()) return it->second;
    Picture picture;
    if (m_fine) {
        picture = LoadResourcePicture(m_instance, FineAlias(alias));
        picture.density = 2;
    }
    if (!picture.valid()) picture = LoadResourcePicture(m_instance, alias);
    return m_cache.emplace(key, picture).first->second;
}

void DrawPicture(HDC dc, const Picture& picture, const RECT& source, const RECT& target) {
    if (!picture.valid()) return;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    if (width <= 0 || height <= 0 || source.right <= source.left || source.bottom <= source.top)
        return;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    const bool sameSize =
        width == source.right - source.left && height == source.bottom - source.top;
    const Picture resampled = sameSize ? Picture{} : Resampled(picture, source, width, height);
    if (resampled.valid()) {
        HGDIOBJ old = SelectObject(memory, resampled.bitmap);
        Blend(dc, memory, {0, 0, width, height}, target);
        SelectObject(memory, old);
        DeleteObject(resampled.bitmap);
    } else {
        HGDIOBJ old = SelectObject(memory, picture.bitmap);
        Blend(dc, memory, source, target);
        SelectObject(memory, old);
    }
    DeleteDC(memory);
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y, double scale) {
    if (!picture.valid()) return;
    const double size = scale / std::max(1, picture.density);
    DrawPicture(dc, picture, RECT{0, 0, picture.width, picture.height},
                RECT{x, y, x + Round(picture.width * size), y + Round(picture.height * size)});
}

}  // namespace veltrane::win32
