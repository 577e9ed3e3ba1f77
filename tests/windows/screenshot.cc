// Screenshots of the screen or of one window, saved as PNG files for review.

#include <array>
#include <cstdint>
#include <fstream>

#include "harness.h"

namespace e2e {

namespace fs = std::filesystem;

namespace {

// A minimal PNG encoder: 8-bit RGB, no filtering, deflate "stored" blocks. Large files, but
// no library needed.
class PngWriter {
  public:
    static bool Write(const fs::path& path, int width, int height,
                      const std::vector<uint8_t>& rgb_rows) {
        std::vector<uint8_t> raw;
        raw.reserve(static_cast<size_t>(height) * (width * 3 + 1));
        for (int y = 0; y < height; ++y) {
            raw.push_back(0);  // filter type None
            auto row = rgb_rows.begin() + static_cast<ptrdiff_t>(y) * width * 3;
            raw.insert(raw.end(), row, row + width * 3);
        }
        std::vector<uint8_t> zlib{0x78, 0x01};
        size_t offset = 0;
        do {
            size_t length = std::min<size_t>(65535, raw.size() - offset);
            bool last = offset + length == raw.size();
            zlib.push_back(last ? 1 : 0);
            zlib.push_back(length & 0xFF);
            zlib.push_back(length >> 8);
            zlib.push_back(~length & 0xFF);
            zlib.push_back((~length >> 8) & 0xFF);
            zlib.insert(zlib.end(), raw.begin() + offset, raw.begin() + offset + length);
            offset += length;
        } while (offset < raw.size());
        PutBig32(zlib, Adler32(raw));

        std::vector<uint8_t> header;
        PutBig32(header, width);
        PutBig32(header, height);
        header.insert(header.end(), {8, 2, 0, 0, 0});

        std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        Chunk(png, "IHDR", header);
        Chunk(png, "IDAT", zlib);
        Chunk(png, "IEND", {});
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(png.data()),
                  static_cast<std::streamsize>(png.size()));
        return static_cast<bool>(out);
    }

  private:
    static void PutBig32(std::vector<uint8_t>& out, uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
    }

    static uint32_t Adler32(const std::vector<uint8_t>& data) {
        uint32_t a = 1, b = 0;
        for (uint8_t byte : data) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        return (b << 16) | a;
    }

    static uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
        static const auto table = [] {
            std::array<uint32_t, 256> t{};
            for (uint32_t n = 0; n < 256; ++n) {
                uint32_t c = n;
                for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                t[n] = c;
            }
            return t;
        }();
        for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
        return crc;
    }

    static void Chunk(std::vector<uint8_t>& png, const char* type,
                      const std::vector<uint8_t>& data) {
        PutBig32(png, static_cast<uint32_t>(data.size()));
        size_t start = png.size();
        png.insert(png.end(), type, type + 4);
        png.insert(png.end(), data.begin(), data.end());
        uint32_t crc = Crc32(png.data() + start, png.size() - start, 0xFFFFFFFFu) ^ 0xFFFFFFFFu;
        PutBig32(png, crc);
    }
};

}  // namespace

fs::path SaveScreenshot(const std::wstring& name, HWND window) {
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window != nullptr) {
        GetWindowRect(window, &rect);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sync(window);
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return {};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgra(static_cast<size_t>(width) * height * 4);
    int rows = GetDIBits(memory, bitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height) return {};

    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0, j = 0; i < bgra.size(); i += 4, j += 3) {
        rgb[j] = bgra[i + 2];
        rgb[j + 1] = bgra[i + 1];
        rgb[j + 2] = bgra[i];
    }
    fs::path folder = BuildDir() / L"screenshots";
    std::error_code error;
    fs::create_directories(folder, error);
    fs::path file = folder / (name + L".png");
    if (!PngWriter::Write(file, width, height, rgb)) return {};
    return file;
}

}  // namespace e2e
