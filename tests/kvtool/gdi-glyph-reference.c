/* The game's glyph files made with GDI alone, step by step as the glyph
 * capture is described, for the tests to hold the kit's Windows capture to:
 *
 *   gdi-glyph-reference FACE POINTS STYLE OUTDIR
 *
 * STYLE is "-" or any of the letters b (bold), i (italic), u (underline),
 * s (strike-out). Writes OUTDIR\font.spr and OUTDIR\fontsize.dat. The font
 * is DEFAULT_CHARSET, so each code is the system code page's character.
 * Nothing of the kit is used, nor Qt. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define CODES 256

typedef struct {
    HDC dc;
    HBITMAP bitmap;
    int width, height;
} Surface;

typedef struct {
    Surface surface;
    COLORREF background; /* the colour at (0, 0) after drawing */
    int placementX, advance, cellWidth, cellLeft;
} Entry;

static LOGFONTA glyphFont;
static Entry entries[CODES];
static int cellHeight;

/* A 16-bit (5-6-5) bitmap of width x height in a memory DC. */
static Surface makeSurface(int width, int height)
{
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info;
    Surface surface;
    void *bits = NULL;
    memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 16;
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = 0xF800;
    info.masks[1] = 0x07E0;
    info.masks[2] = 0x001F;
    surface.dc = CreateCompatibleDC(NULL);
    surface.bitmap = CreateDIBSection(surface.dc, (BITMAPINFO *)&info, DIB_RGB_COLORS, &bits, NULL, 0);
    SelectObject(surface.dc, surface.bitmap);
    surface.width = width;
    surface.height = height;
    return surface;
}

static void fill(const Surface *surface, COLORREF colour)
{
    RECT all = {0, 0, surface->width, surface->height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(surface->dc, &all, brush);
    DeleteObject(brush);
}

static void capture(int code)
{
    Entry *entry = &entries[code];
    char text[1] = {(char)code};
    int length = code == 0 ? 0 : 1;
    int left, top, right, bottom, width, height, a, b, x, y, x0, x1;
    HDC probe = CreateCompatibleDC(NULL);
    HFONT font = CreateFontIndirectA(&glyphFont);
    UINT size;
    SIZE extent = {0, 0};

    /* The FontBox, from the outline metrics or, without them, the text metrics. */
    SelectObject(probe, font);
    size = GetOutlineTextMetricsA(probe, 0, NULL);
    if (size != 0) {
        OUTLINETEXTMETRICA *metrics = malloc(size);
        GetOutlineTextMetricsA(probe, size, metrics);
        left = metrics->otmrcFontBox.left;
        top = metrics->otmrcFontBox.top;
        right = metrics->otmrcFontBox.right;
        bottom = metrics->otmrcFontBox.bottom;
        free(metrics);
    } else {
        TEXTMETRICA metrics;
        GetTextMetricsA(probe, &metrics);
        left = 0;
        top = metrics.tmHeight;
        right = metrics.tmMaxCharWidth;
        bottom = 0;
    }
    DeleteDC(probe);
    left = abs(left);
    top = abs(top);
    right = abs(right);
    bottom = abs(bottom);
    width = left + right + 2;
    height = top + bottom + 2;
    cellHeight = height;

    entry->surface = makeSurface(width, height);
    SelectObject(entry->surface.dc, font);
    fill(&entry->surface, RGB(63, 63, 63));
    SetBkMode(entry->surface.dc, TRANSPARENT);
    SetTextColor(entry->surface.dc, RGB(0, 0, 0));
    for (a = -1; a <= 1; ++a)
        for (b = -1; b <= 1; ++b)
            ExtTextOutA(entry->surface.dc, left + 1 - a, 1 + b, 0, NULL, text, length, NULL);
    SetTextColor(entry->surface.dc, RGB(255, 255, 255));
    ExtTextOutA(entry->surface.dc, left + 1, 1, 0, NULL, text, length, NULL);
    GdiFlush();
    entry->background = GetPixel(entry->surface.dc, 0, 0);
    GetTextExtentPoint32A(entry->surface.dc, text, length, &extent);
    entry->advance = extent.cx;

    x0 = width;
    for (x = 0; x < width && x0 == width; ++x)
        for (y = 0; y < height; ++y)
            if (GetPixel(entry->surface.dc, x, y) != entry->background) {
                x0 = x;
                break;
            }
    x1 = 0;
    for (x = width - 1; x >= 1 && x1 == 0; --x)
        for (y = 0; y < height; ++y)
            if (GetPixel(entry->surface.dc, x, y) != entry->background) {
                x1 = x;
                break;
            }
    entry->cellLeft = x0 < left ? x0 : left;
    entry->cellWidth = x1 - entry->cellLeft + 1;
    if (entry->cellWidth < 0)
        entry->cellWidth = 0;
    if (entry->cellWidth < entry->advance)
        entry->cellWidth = entry->advance;
    entry->placementX = -entry->cellLeft;
}

/* The glyph cell of `code`: blue, with the surface drawn on it at
 * placementX, its background transparent. */
static Surface composeCell(int code)
{
    const Entry *entry = &entries[code];
    Surface cell = makeSurface(entry->cellWidth, cellHeight);
    fill(&cell, RGB(0, 0, 255));
    if (entry->cellWidth > 0)
        TransparentBlt(cell.dc, entry->placementX, 0, entry->surface.width, entry->surface.height, entry->surface.dc,
                       0, 0, entry->surface.width, entry->surface.height, entry->background);
    GdiFlush();
    return cell;
}

static unsigned char pixelCode(COLORREF colour)
{
    if (colour == RGB(0, 0, 255))
        return 0x00;
    if (colour == RGB(0, 0, 0))
        return 0x1B;
    if (colour == RGB(255, 255, 255))
        return 0x21;
    return 0x01; /* a smoothed edge: no such pixel without anti-aliasing */
}

static int ink(const Surface *cell, int x, int y)
{
    return GetPixel(cell->dc, x, y) != RGB(0, 0, 255);
}

static int rowHasInk(const Surface *cell, int y)
{
    int x;
    for (x = 0; x < cell->width; ++x)
        if (ink(cell, x, y))
            return 1;
    return 0;
}

/* Appends the record of `cell` to `out`; returns its length. */
static int encode(const Surface *cell, unsigned char *out)
{
    int n = 0, top, bottom, y, x, first, last;
    for (top = 0; top < cell->height && !rowHasInk(cell, top); ++top) {
    }
    for (bottom = cell->height - 1; bottom >= 0 && !rowHasInk(cell, bottom); --bottom) {
    }
    out[n++] = (unsigned char)top;
    if (top > bottom) {
        out[n++] = 0x00;
        out[n++] = 0xFF;
        return n;
    }
    for (y = top; y <= bottom; ++y) {
        for (first = 0; first < cell->width && !ink(cell, first, y); ++first) {
        }
        for (last = cell->width - 1; last >= 0 && !ink(cell, last, y); --last) {
        }
        out[n++] = (unsigned char)first;
        for (x = first; x <= last; ++x)
            out[n++] = pixelCode(GetPixel(cell->dc, x, y));
        if (y != bottom)
            out[n++] = 0xFE;
    }
    out[n++] = 0xFF;
    return n;
}

int main(int argc, char **argv)
{
    static unsigned char records[1 << 20];
    unsigned char header[514], sizes[CODES], record[70000];
    char path[MAX_PATH];
    long offset = 514, used = 0;
    int code, length;
    FILE *file;
    if (argc != 5) {
        fprintf(stderr, "usage: gdi-glyph-reference FACE POINTS STYLE OUTDIR\n");
        return 2;
    }
    memset(&glyphFont, 0, sizeof glyphFont);
    glyphFont.lfHeight = -MulDiv(atoi(argv[2]), 96, 72);
    glyphFont.lfWeight = strchr(argv[3], 'b') ? FW_BOLD : FW_NORMAL;
    glyphFont.lfItalic = strchr(argv[3], 'i') != NULL;
    glyphFont.lfUnderline = strchr(argv[3], 'u') != NULL;
    glyphFont.lfStrikeOut = strchr(argv[3], 's') != NULL;
    glyphFont.lfCharSet = DEFAULT_CHARSET;
    glyphFont.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpynA(glyphFont.lfFaceName, argv[1], LF_FACESIZE);

    for (code = 0; code < CODES; ++code)
        capture(code);
    header[0] = CODES & 0xFF;
    header[1] = CODES >> 8;
    for (code = 0; code < CODES; ++code) {
        Surface cell = composeCell(code);
        length = encode(&cell, record);
        header[2 + 2 * code] = (unsigned char)(offset & 0xFF);
        header[3 + 2 * code] = (unsigned char)((offset >> 8) & 0xFF);
        memcpy(records + used, record, (size_t)length);
        used += length;
        offset += length;
        sizes[code] = (unsigned char)entries[code].cellWidth;
        DeleteDC(cell.dc);
        DeleteObject(cell.bitmap);
    }

    snprintf(path, sizeof path, "%s\\font.spr", argv[4]);
    file = fopen(path, "wb");
    if (!file || fwrite(header, 1, sizeof header, file) != sizeof header
        || fwrite(records, 1, (size_t)used, file) != (size_t)used || fclose(file) != 0) {
        fprintf(stderr, "%s: cannot be written\n", path);
        return 1;
    }
    snprintf(path, sizeof path, "%s\\fontsize.dat", argv[4]);
    file = fopen(path, "wb");
    if (!file || fwrite(sizes, 1, sizeof sizes, file) != sizeof sizes || fclose(file) != 0) {
        fprintf(stderr, "%s: cannot be written\n", path);
        return 1;
    }
    return 0;
}
