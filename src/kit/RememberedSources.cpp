#include "RememberedSources.h"

#include "io/FileReader.h"
#include "pictures/PictureSlots.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace orvanta {

const QString RememberedSources::FileName = QStringLiteral("orvanta-kit.sources");
const QString RememberedSources::BackupName = QStringLiteral("orvanta-kit.sources.bak");

namespace {

// Saves write the newest version; an older one is still read.
const QByteArray HeaderStart = QByteArrayLiteral("orvanta-kit sources ");
constexpr int Version = 3;
const QByteArray Header = HeaderStart + QByteArray::number(Version) + '\n';
const QByteArray NotOurs = QByteArrayLiteral("is not a file of remembered source texts (its first line is not "
                                             "\"orvanta-kit sources N\", N being 1, 2 or 3)");
const QByteArray EndMark = QByteArrayLiteral("end ");
constexpr qsizetype HexDigits = 16;

// One 64-bit step: eight bytes at a time keeps the comparison at open
// cheap beside reading the kit.
quint64 mix(quint64 value, quint64 word)
{
    value ^= word;
    value *= 0x9e3779b97f4a7c15ULL;
    return value ^ (value >> 32);
}

quint64 hashBytes(quint64 value, QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    qsizetype n = bytes.size();
    // Four lanes at once, each its own chain of steps.
    if (n >= 32) {
        quint64 lanes[4] = {value, value ^ 0x243f6a8885a308d3ULL, value ^ 0x13198a2e03707344ULL,
                            value ^ 0xa4093822299f31d0ULL};
        for (; n >= 32; n -= 32, p += 32) {
            for (int lane = 0; lane < 4; ++lane)
                lanes[lane] = mix(lanes[lane], qFromLittleEndian<quint64>(p + 8 * lane));
        }
        value = mix(mix(mix(lanes[0], lanes[1]), lanes[2]), lanes[3]);
    }
    for (; n >= 8; n -= 8, p += 8)
        value = mix(value, qFromLittleEndian<quint64>(p));
    quint64 tail = quint64(n) << 56;
    for (qsizetype i = 0; i < n; ++i)
        tail |= quint64(p[i]) << (8 * i);
    return mix(value, tail);
}

// One 32-byte step of two lanes: the products take no input from the lanes,
// so the steps of a run overlap.
quint64 fold(quint64 a, quint64 b)
{
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return quint64(product) ^ quint64(product >> 64);
}

quint64 lane(quint64 value, const uchar *p, quint64 first, quint64 second)
{
    value += fold(qFromLittleEndian<quint64>(p) ^ first, qFromLittleEndian<quint64>(p + 8) ^ second);
    return value ^ (value >> 29);
}

void step(std::array<quint64, 2> &lanes, const uchar *p)
{
    lanes[0] = lane(lanes[0], p, 0xa0761d6478bd642fULL, 0xe7037ed1a0b428dbULL);
    lanes[1] = lane(lanes[1], p + 16, 0x8ebc6af09c88c6e3ULL, 0x589965cc75374cc3ULL);
}

QByteArray hex(quint64 value)
{
    return QByteArray::number(value, 16).rightJustified(HexDigits, '0');
}

std::optional<quint64> readHex(QByteArrayView text)
{
    if (text.size() != HexDigits)
        return std::nullopt;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return std::nullopt;
    }
    bool ok = false;
    const quint64 value = text.toByteArray().toULongLong(&ok, 16);
    return ok ? std::optional(value) : std::nullopt;
}

void appendEscaped(QByteArray &out, QByteArrayView text)
{
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

std::optional<QByteArray> unescaped(QByteArrayView line)
{
    QByteArray text;
    text.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            text += line[i];
            continue;
        }
        if (++i == line.size())
            return std::nullopt;
        switch (line[i]) {
        case '\\': text += '\\'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        default: return std::nullopt;
        }
    }
    return text;
}

} // namespace

void RememberedSources::Fingerprint::add(QByteArrayView text)
{
    m_value = hashBytes(mix(m_value, quint64(text.size())), text);
}

void RememberedSources::TextsFingerprint::add(QByteArrayView text)
{
    quint64 &length = m_lengths[m_count++ & 3];
    length = (length ^ quint64(text.size())) * 0x9e3779b97f4a7c15ULL;
    if (text.isEmpty())
        return;
    if (text.data() != m_runEnd) {
        takeRun();
        m_runStart = text.data();
    }
    m_runEnd = text.data() + text.size();
}

void RememberedSources::TextsFingerprint::takeRun()
{
    if (m_runStart)
        take(m_runStart, m_runEnd - m_runStart);
    m_runStart = m_runEnd = nullptr;
}

void RememberedSources::TextsFingerprint::take(const char *bytes, qsizetype size)
{
    constexpr qsizetype Stripe = sizeof(m_stripe);
    const auto *p = reinterpret_cast<const uchar *>(bytes);
    m_bytes += quint64(size);
    if (m_filled > 0) {
        const qsizetype part = std::min(size, Stripe - m_filled);
        std::memcpy(m_stripe.data() + m_filled, p, std::size_t(part));
        m_filled += part;
        p += part;
        size -= part;
        if (m_filled < Stripe)
            return;
        step(m_lanes, m_stripe.data());
        m_filled = 0;
    }
    for (; size >= Stripe; size -= Stripe, p += Stripe)
        step(m_lanes, p);
    std::memcpy(m_stripe.data(), p, std::size_t(size));
    m_filled = size;
}

quint64 RememberedSources::TextsFingerprint::value()
{
    takeRun();
    std::array<quint64, 2> lanes = m_lanes;
    if (m_filled > 0) {
        std::array<uchar, sizeof(m_stripe)> last{};
        std::memcpy(last.data(), m_stripe.data(), std::size_t(m_filled));
        step(lanes, last.data());
    }
    quint64 value = mix(mix(lanes[0], lanes[1]), m_bytes);
    for (quint64 length : m_lengths)
        value = mix(value, length);
    return mix(value, m_count);
}

quint64 RememberedSources::savedFingerprint(const TextTable &texts)
{
    TextsFingerprint fingerprint;
    for (int row = 0; row < texts.rowCount(); ++row) {
        const TextTable::Row &text = texts.row(row);
        fingerprint.add(TextFile::recordPart(TextTable::savedText(row, text.source, text.translation)));
    }
    return fingerprint.value();
}

template <typename Print>
quint64 RememberedSources::fingerprint(const TextTable &texts, QByteArrayView TextTable::Row::*column)
{
    Print fingerprint;
    for (int row = 0; row < texts.rowCount(); ++row)
        fingerprint.add(texts.row(row).*column);
    return fingerprint.value();
}

quint64 RememberedSources::fingerprint(const TextTable &texts, QByteArrayView TextTable::Row::*column) const
{
    return m_version == 1 ? fingerprint<Fingerprint>(texts, column) : fingerprint<TextsFingerprint>(texts, column);
}

std::array<quint64, RememberedSources::PictureCount> RememberedSources::pictureFingerprints(const PictureSlots &pictures)
{
    std::array<quint64, PictureCount> prints{};
    for (int row = 0; row < PictureCount; ++row) {
        const QImage &picture = *pictures.StandardPicture(row);
        Fingerprint fingerprint;
        fingerprint.add(QByteArray::number(picture.width()) + 'x' + QByteArray::number(picture.height()));
        for (int y = 0; y < picture.height(); ++y)
            fingerprint.add(QByteArrayView(reinterpret_cast<const char *>(picture.constScanLine(y)), picture.width()));
        const QList<QRgb> colours = picture.colorTable();
        fingerprint.add(QByteArrayView(reinterpret_cast<const char *>(colours.constData()),
                                       colours.size() * qsizetype(sizeof(QRgb))));
        prints[std::size_t(row)] = fingerprint.value();
    }
    return prints;
}

QByteArray RememberedSources::toFile(const TextTable &texts, const PictureSlots &pictures, const FileStamp &kvmain,
                                     const FileStamp &langDat)
{
    QByteArray out = Header;
    out += "rows " + QByteArray::number(texts.rowCount()) + " sources "
        + hex(fingerprint<TextsFingerprint>(texts, &TextTable::Row::source)) + " texts "
        + hex(savedFingerprint(texts))
        + " pictures ";
    const auto prints = pictureFingerprints(pictures);
    for (std::size_t row = 0; row < prints.size(); ++row)
        out += (row ? "," : "") + hex(prints[row]);
    out += " kvmain " + kvmain.toText() + " langdat " + langDat.toText() + '\n';
    for (int row = 0; row < texts.rowCount(); ++row) {
        const QByteArrayView source = texts.row(row).source;
        if (source.contains('\\') || source.contains('\n') || source.contains('\r'))
            appendEscaped(out, source);
        else
            out += source;
        out += '\n';
    }
    out += EndMark + hex(hashBytes(0, out)) + '\n';
    return out;
}

Result<RememberedSources> RememberedSources::fromFile(QByteArray bytes, const QString &fileName)
{
    const std::string name = QDir::toNativeSeparators(fileName).toStdString();
    auto damaged = [&name](std::string what) { return FormatError::general(name, std::move(what)); };
    if (versionOf(QByteArrayView(bytes).first(std::min(bytes.size(), Header.size()))) == 0)
        return damaged(NotOurs.toStdString());
    // The last line seals every byte before it.
    const qsizetype endLine = bytes.size() - (EndMark.size() + HexDigits + 1);
    if (endLine < Header.size() || !bytes.endsWith('\n') || bytes[endLine - 1] != '\n'
        || QByteArrayView(bytes).sliced(endLine, EndMark.size()) != EndMark)
        return damaged("is cut short (its last line \"end\" is missing)");
    const auto seal = readHex(QByteArrayView(bytes).sliced(endLine + EndMark.size(), HexDigits));
    if (!seal || *seal != hashBytes(0, QByteArrayView(bytes).first(endLine)))
        return damaged("was changed after the kit wrote it (its fingerprint does not match its contents)");

    RememberedSources remembered;
    remembered.m_version = versionOf(QByteArrayView(bytes).first(Header.size()));
    remembered.m_bytes = std::move(bytes);
    const QByteArrayView all(remembered.m_bytes);
    qsizetype at = Header.size();
    const qsizetype summaryEnd = all.indexOf('\n', at);
    if (!remembered.readSummary(all.sliced(at, summaryEnd - at)))
        return FormatError::onLine(name, 2, "is not \"rows N sources HEX texts HEX pictures HEX,...\"");
    at = summaryEnd + 1;
    remembered.m_sources.reserve(std::size_t(remembered.m_rowCount));
    while (at < endLine) {
        const qsizetype lineEnd = all.indexOf('\n', at);
        const QByteArrayView line = all.sliced(at, lineEnd - at);
        if (!line.contains('\\')) {
            remembered.m_sources.push_back(line);
        } else {
            auto text = unescaped(line);
            if (!text)
                return FormatError::onLine(name, quint64(remembered.m_sources.size()) + 3, "holds an unknown escape");
            remembered.m_unescaped.push_back(std::move(*text));
            remembered.m_sources.push_back(remembered.m_unescaped.back());
        }
        at = lineEnd + 1;
    }
    if (qsizetype(remembered.m_sources.size()) != remembered.m_rowCount)
        return damaged("holds " + std::to_string(remembered.m_sources.size()) + " source texts, not the "
                       + std::to_string(remembered.m_rowCount) + " it names");
    return remembered;
}

bool RememberedSources::readSummary(QByteArrayView line)
{
    const QList<QByteArray> summary = line.toByteArray().split(' ');
    if (summary.size() != (m_version < 3 ? 8 : 12) || summary[0] != "rows" || summary[2] != "sources"
        || summary[4] != "texts" || summary[6] != "pictures")
        return false;
    if (m_version >= 3) {
        const auto kvmain = FileStamp::fromText(summary[9]);
        const auto langDat = FileStamp::fromText(summary[11]);
        if (summary[8] != "kvmain" || summary[10] != "langdat" || !kvmain || !langDat)
            return false;
        m_kvmain = *kvmain;
        m_langDat = *langDat;
    }
    bool counted = false;
    m_rowCount = summary[1].toInt(&counted);
    const auto sources = readHex(summary[3]);
    const auto texts = readHex(summary[5]);
    const QList<QByteArray> pictures = summary[7].split(',');
    if (!counted || m_rowCount < 0 || !sources || !texts || pictures.size() != PictureCount)
        return false;
    m_sourcesPrint = *sources;
    m_texts = *texts;
    for (int row = 0; row < PictureCount; ++row) {
        const auto print = readHex(pictures[row]);
        if (!print)
            return false;
        m_pictures[std::size_t(row)] = *print;
    }
    return true;
}

Result<RememberedSources> RememberedSources::readHead(const QString &path)
{
    if (Status readable = FileReader::check(path, FileReader::KitFileCap); !readable)
        return readable.error();
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FormatError::general(name, "cannot be opened for reading");
    RememberedSources head;
    head.m_version = versionOf(file.readLine(Header.size() + 1));
    if (head.m_version == 0)
        return FormatError::general(name, NotOurs.toStdString());
    const QByteArray summary = file.readLine(4096);
    if (!summary.endsWith('\n') || !head.readSummary(QByteArrayView(summary).chopped(1)))
        return FormatError::onLine(name, 2, "is not \"rows N sources HEX texts HEX pictures HEX,...\"");
    return head;
}

int RememberedSources::versionOf(QByteArrayView header)
{
    if (header.size() != Header.size() || !header.startsWith(HeaderStart) || !header.endsWith('\n'))
        return 0;
    const char version = header[HeaderStart.size()];
    return version >= '1' && version <= '0' + Version ? version - '0' : 0;
}

bool RememberedSources::describes(const TextTable &texts, const FileStamp &kvmain, const FileStamp &langDat) const
{
    // A file of an earlier version remembers no stamps: they never match.
    const auto remembered = [](const FileStamp &now, const FileStamp &then) { return now.exists() && now == then; };
    return texts.rowCount() == m_rowCount
        && (remembered(kvmain, m_kvmain) || fingerprint(texts, &TextTable::Row::source) == m_sourcesPrint)
        && (remembered(langDat, m_langDat) || belongsTo(texts));
}

bool RememberedSources::belongsTo(const TextTable &saved) const
{
    return fingerprint(saved, &TextTable::Row::translation) == m_texts;
}

bool RememberedSources::sameSources(const TextTable &texts) const
{
    if (texts.rowCount() != rowCount())
        return false;
    for (int row = 0; row < rowCount(); ++row) {
        if (texts.row(row).source != m_sources[std::size_t(row)])
            return false;
    }
    return true;
}

} // namespace orvanta
