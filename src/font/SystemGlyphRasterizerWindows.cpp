#include "SystemGlyphRasterizer.h"

#include "FontChoice.h"

#include <QImage>
#include <QPainter>

#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

namespace orvanta {

// GDI itself, not Qt's font engine: Qt's Windows engine sizes each glyph's
// picture from the glyph metrics GDI reports, and where those are offset
// from the pixels GDI draws (as under Wine), a column or a whole stem is
// cut off. Here GDI draws the text itself, in white onto a black 16-bit DIB
// section selected into a memory DC with the GDI font, and the white pixels
// are copied onto the painter's image in the text's colour (a
// non-antialiased GDI font draws only pixels of that colour).
//
// Text goes to the wide-character calls (ExtTextOutW and its kin) with the
// character the kit's code page gives each code: the byte calls would read
// the code in the system's code page, which need not be the translator's.
// Where the two agree they draw the same glyph.
class SystemGlyphRasterizer::Machinery {
public:
    explicit Machinery(const QFont &glyphFont)
    {
        LOGFONTW font{};
        font.lfHeight = -FontChoice::pixelHeight(glyphFont); // the em height, as the font dialog sets it
        font.lfWeight = glyphFont.bold() ? FW_BOLD : FW_NORMAL;
        font.lfItalic = glyphFont.italic();
        font.lfUnderline = glyphFont.underline();
        font.lfStrikeOut = glyphFont.strikeOut();
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfOutPrecision = OUT_DEFAULT_PRECIS;
        font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        font.lfQuality = NONANTIALIASED_QUALITY;
        font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        const std::wstring face = glyphFont.family().left(LF_FACESIZE - 1).toStdWString();
        std::memcpy(font.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
        dc = CreateCompatibleDC(nullptr);
        gdiFont = CreateFontIndirectW(&font);
        formerFont = SelectObject(dc, gdiFont);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    }

    ~Machinery()
    {
        useSurface({});
        SelectObject(dc, formerFont);
        DeleteObject(gdiFont);
        DeleteDC(dc);
    }

    // A black 16-bit (5-6-5) surface of `size` selected into the DC, made
    // anew only when the size changes; none for an empty size.
    void useSurface(QSize size)
    {
        if (size != surfaceSize) {
            if (surface) {
                SelectObject(dc, formerSurface);
                DeleteObject(surface);
                surface = nullptr;
                bits = nullptr;
            }
            surfaceSize = size;
            if (size.isEmpty())
                return;
            struct {
                BITMAPINFOHEADER header;
                DWORD masks[3];
            } info{};
            info.header.biSize = sizeof(BITMAPINFOHEADER);
            info.header.biWidth = size.width();
            info.header.biHeight = -size.height(); // top-down: row 0 first
            info.header.biPlanes = 1;
            info.header.biBitCount = 16;
            info.header.biCompression = BI_BITFIELDS;
            info.masks[0] = 0xF800;
            info.masks[1] = 0x07E0;
            info.masks[2] = 0x001F;
            void *pixels = nullptr;
            surface = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
            if (!surface)
                return;
            bits = static_cast<uchar *>(pixels);
            formerSurface = SelectObject(dc, surface);
        }
        if (bits)
            std::memset(bits, 0, std::size_t(stride()) * std::size_t(surfaceSize.height()));
    }

    // Bytes per row of the surface: rows are padded to whole 32-bit words.
    int stride() const { return (surfaceSize.width() * 2 + 3) & ~3; }

    HDC dc = nullptr;
    HFONT gdiFont = nullptr;
    HGDIOBJ formerFont = nullptr;
    HBITMAP surface = nullptr;
    HGDIOBJ formerSurface = nullptr;
    uchar *bits = nullptr;
    QSize surfaceSize;
};

namespace {

const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

} // namespace

SystemGlyphRasterizer::SystemGlyphRasterizer(const QFont &glyphFont)
    : m_machinery(std::make_unique<Machinery>(glyphFont))
{
}

SystemGlyphRasterizer::~SystemGlyphRasterizer() = default;

QByteArray SystemGlyphRasterizer::windowlessPlatform()
{
    // Windows' offscreen platform knows only fonts in a folder of Qt's own;
    // the windows platform draws with the system's fonts and shows nothing
    // unless asked.
    return QByteArrayLiteral("windows");
}

std::optional<FontBox> SystemGlyphRasterizer::outlineFontBox() const
{
    const UINT size = GetOutlineTextMetricsW(m_machinery->dc, 0, nullptr);
    if (size == 0)
        return std::nullopt;
    std::vector<char> buffer(size);
    auto *metrics = reinterpret_cast<OUTLINETEXTMETRICW *>(buffer.data());
    if (GetOutlineTextMetricsW(m_machinery->dc, size, metrics) == 0)
        return std::nullopt;
    const RECT &box = metrics->otmrcFontBox;
    return FontBox{int(box.left), int(box.top), int(box.right), int(box.bottom)};
}

bool SystemGlyphRasterizer::keepsToItsBox() const
{
    return true;
}

GlyphRasterizer::TextMetrics SystemGlyphRasterizer::textMetrics() const
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(m_machinery->dc, &metrics);
    return {int(metrics.tmHeight), int(metrics.tmMaxCharWidth)};
}

bool SystemGlyphRasterizer::hasGlyph(QChar character) const
{
    const wchar_t code = character.unicode();
    WORD index = 0;
    // A raster font has no glyph indexes to ask: it is taken to have them all.
    if (GetGlyphIndicesW(m_machinery->dc, &code, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return true;
    return index != 0xFFFF;
}

int SystemGlyphRasterizer::textWidth(const QString &text) const
{
    if (text.isEmpty())
        return 0;
    SIZE extent{};
    GetTextExtentPoint32W(m_machinery->dc, wide(text), int(text.size()), &extent);
    return int(extent.cx);
}

void SystemGlyphRasterizer::drawText(QPainter &painter, QPoint cellTopLeft, const QString &text,
                                     const QColor &colour) const
{
    if (text.isEmpty())
        return;
    Machinery &gdi = *m_machinery;
    const QSize size(painter.device()->width(), painter.device()->height());
    gdi.useSurface(size);
    if (!gdi.bits)
        return;
    ExtTextOutW(gdi.dc, cellTopLeft.x(), cellTopLeft.y(), 0, nullptr, wide(text), UINT(text.size()), nullptr);
    GdiFlush();
    QImage drawn(size, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    const QRgb ink = colour.rgb();
    for (int y = 0; y < size.height(); ++y) {
        const auto *from = reinterpret_cast<const quint16 *>(gdi.bits + std::ptrdiff_t(y) * gdi.stride());
        auto *to = reinterpret_cast<QRgb *>(drawn.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (from[x] != 0)
                to[x] = ink;
        }
    }
    painter.drawImage(QPoint(0, 0), drawn);
}

} // namespace orvanta
