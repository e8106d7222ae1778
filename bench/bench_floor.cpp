// The floor a tile export is measured against: one decode of the photo and one encode of each
// tile with the same library, written to plain files without syncing, nothing else.
//
//   bench_floor tiff|bmp|jpeg PHOTO OUTDIR COLSxROWS
#include <tiffio.h>
#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
};

std::vector<unsigned char> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const void* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

Picture DecodeJpeg(const char* path) {
    const auto bytes = ReadFile(path);
    tjhandle tj = tjInitDecompress();
    Picture p;
    int sub = 0, cs = 0;
    tjDecompressHeader3(tj, bytes.data(), bytes.size(), &p.w, &p.h, &sub, &cs);
    p.rgb.resize(size_t(p.w) * p.h * 3);
    if (tjDecompress2(tj, bytes.data(), bytes.size(), p.rgb.data(), p.w, 0, p.h, TJPF_RGB, 0))
        std::exit(1);
    tjDestroy(tj);
    return p;
}

Picture DecodeTiff(const char* path) {
    TIFF* t = TIFFOpen(path, "r");
    Picture p;
    uint32_t w = 0, h = 0;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
    p.w = int(w), p.h = int(h);
    p.rgb.resize(size_t(w) * h * 3);
    for (uint32_t y = 0; y < h; ++y)
        if (TIFFReadScanline(t, p.rgb.data() + size_t(y) * w * 3, y, 0) < 0)
            std::exit(1);
    TIFFClose(t);
    return p;
}

Picture DecodeBmp(const char* path) {
    const auto b = ReadFile(path);
    Picture p;
    std::memcpy(&p.w, &b[18], 4);
    std::memcpy(&p.h, &b[22], 4);
    uint32_t offset = 0;
    std::memcpy(&offset, &b[10], 4);
    const size_t stride = (size_t(p.w) * 3 + 3) / 4 * 4;
    p.rgb.resize(size_t(p.w) * p.h * 3);
    for (int y = 0; y < p.h; ++y) {
        const unsigned char* s = &b[offset + stride * size_t(p.h - 1 - y)];
        unsigned char* d = &p.rgb[size_t(y) * p.w * 3];
        for (int x = 0; x < p.w; ++x)
            d[3 * x] = s[3 * x + 2], d[3 * x + 1] = s[3 * x + 1], d[3 * x + 2] = s[3 * x];
    }
    return p;
}

void EncodeTiff(const Picture& p, int x0, int y0, int w, int h, const std::string& path) {
    TIFF* t = TIFFOpen(path.c_str(), "w");
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, w);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, h);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, (4 << 20) / (w * 3)));
    for (int y = 0; y < h; ++y)
        TIFFWriteScanline(t, const_cast<unsigned char*>(&p.rgb[(size_t(y0 + y) * p.w + x0) * 3]), y,
                          0);
    TIFFClose(t);
}

void EncodeBmp(const Picture& p, int x0, int y0, int w, int h, const std::string& path) {
    const size_t stride = (size_t(w) * 3 + 3) / 4 * 4;
    std::vector<unsigned char> out(54 + stride * h, 0);
    out[0] = 'B', out[1] = 'M';
    const uint32_t size = uint32_t(out.size()), off = 54, info = 40;
    std::memcpy(&out[2], &size, 4);
    std::memcpy(&out[10], &off, 4);
    std::memcpy(&out[14], &info, 4);
    std::memcpy(&out[18], &w, 4);
    std::memcpy(&out[22], &h, 4);
    out[26] = 1, out[28] = 24;
    for (int y = 0; y < h; ++y) {
        const unsigned char* s = &p.rgb[(size_t(y0 + y) * p.w + x0) * 3];
        unsigned char* d = &out[54 + stride * size_t(h - 1 - y)];
        for (int x = 0; x < w; ++x)
            d[3 * x] = s[3 * x + 2], d[3 * x + 1] = s[3 * x + 1], d[3 * x + 2] = s[3 * x];
    }
    WriteFile(path, out.data(), out.size());
}

void EncodeJpeg(tjhandle tj, const Picture& p, int x0, int y0, int w, int h,
                const std::string& path) {
    unsigned char* out = nullptr;
    unsigned long size = 0;
    if (tjCompress2(tj, &p.rgb[(size_t(y0) * p.w + x0) * 3], w, p.w * 3, h, TJPF_RGB, &out, &size,
                    TJSAMP_420, 90, 0))
        std::exit(1);
    WriteFile(path, out, size);
    tjFree(out);
}

} // namespace

int main(int argc, char** argv) {
    int cols = 0, rows = 0;
    if (argc != 5 || std::sscanf(argv[4], "%dx%d", &cols, &rows) != 2) {
        std::fprintf(stderr, "usage: bench_floor tiff|bmp|jpeg PHOTO OUTDIR COLSxROWS\n");
        return 2;
    }
    const std::string kind = argv[1];
    TIFFSetWarningHandler(nullptr);
    const Picture p = kind == "tiff"  ? DecodeTiff(argv[2])
                      : kind == "bmp" ? DecodeBmp(argv[2])
                                      : DecodeJpeg(argv[2]);
    tjhandle tj = tjInitCompress();
    int n = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const int x0 = p.w * c / cols, x1 = p.w * (c + 1) / cols;
            const int y0 = p.h * r / rows, y1 = p.h * (r + 1) / rows;
            const std::string path =
                std::string(argv[3]) + "/tile" + std::to_string(++n) + "." + kind;
            if (kind == "tiff")
                EncodeTiff(p, x0, y0, x1 - x0, y1 - y0, path);
            else if (kind == "bmp")
                EncodeBmp(p, x0, y0, x1 - x0, y1 - y0, path);
            else
                EncodeJpeg(tj, p, x0, y0, x1 - x0, y1 - y0, path);
        }
    tjDestroy(tj);
    return 0;
}
