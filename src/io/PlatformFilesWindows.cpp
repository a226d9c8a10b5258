#include "PlatformFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace orvanta {

namespace {

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString systemMessage(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, int(length)).trimmed()
                             : QStringLiteral("Windows error %1").arg(error);
    LocalFree(text);
    return message;
}

QString heldText()
{
    return QStringLiteral("another program (the game, an editor) has it open, so Windows keeps it as it is. "
                          "Close that program and save again.");
}

} // namespace

std::filesystem::path PlatformFiles::nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdWString());
}

QByteArray PlatformFiles::narrowPath(const QString &path)
{
    std::wstring native = wide(path);
    // A name the code page holds needs no short form (which a volume may
    // not keep at all).
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, native.c_str(), -1, nullptr, 0, nullptr, &lossy) > 0 && !lossy)
        return QString::fromStdWString(native).toLocal8Bit();
    const DWORD length = GetShortPathNameW(native.c_str(), nullptr, 0);
    if (length > 0) {
        std::wstring shortPath(length, L'\0');
        const DWORD written = GetShortPathNameW(native.c_str(), shortPath.data(), length);
        if (written > 0 && written < length) {
            shortPath.resize(written);
            native = shortPath;
        }
    }
    return QString::fromStdWString(native).toLocal8Bit();
}

QString PlatformFiles::dictionaryFolder()
{
    const QString named = qEnvironmentVariable("DICPATH");
    if (!named.isEmpty())
        return QDir::fromNativeSeparators(named);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/hunspell");
}

void PlatformFiles::binaryStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Standard error unbuffered, as on POSIX: Windows' C library holds what
    // is written to a redirected one until exit, so a warning that the
    // command waits for another save would come only after the wait.
    std::setvbuf(stderr, nullptr, _IONBF, 0);
}

void PlatformFiles::writeText(std::FILE *stream, const QString &text)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream); // what was written through the C library goes first
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

PlatformFiles::Failure PlatformFiles::sync(QFile &file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle))
        return systemMessage(GetLastError());
    return std::nullopt;
}

PlatformFiles::Failure PlatformFiles::replace(const QString &from, const QString &to)
{
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    const DWORD error = GetLastError();
    // Windows keeps a file that a program holds open (the game, an editor)
    // where it is; the new file stays beside it and the old one is intact.
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
        || (error == ERROR_ACCESS_DENIED && !(GetFileAttributesW(wide(to).c_str()) & FILE_ATTRIBUTE_READONLY)))
        return heldText();
    return systemMessage(error);
}

PlatformFiles::Failure PlatformFiles::heldOpen(const QString &path)
{
    // Opening the file for deletion, sharing everything, is refused exactly
    // when another program opened it without sharing deletion: then a
    // rename over it is refused too.
    const HANDLE file = CreateFileW(wide(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
            return heldText();
        return std::nullopt;
    }
    CloseHandle(file);
    return std::nullopt;
}

PlatformFiles::Failure PlatformFiles::hardLink(const QString &path, const QString &link)
{
    if (!CreateHardLinkW(wide(link).c_str(), wide(path).c_str(), nullptr))
        return systemMessage(GetLastError());
    return std::nullopt;
}

std::optional<PlatformFiles::Status> PlatformFiles::status(const QString &path)
{
    // Opened for its attributes alone, sharing everything, so a file the
    // game or an editor holds open is still seen; a folder needs the backup
    // flag to be opened at all.
    const HANDLE handle = CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION status {};
    const bool known = GetFileInformationByHandle(handle, &status);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    // FILETIME counts 100-nanosecond steps from 1601.
    constexpr qint64 FromFileTimeToEpoch = 116'444'736'000'000'000;
    const qint64 ticks =
        qint64((quint64(status.ftLastWriteTime.dwHighDateTime) << 32) | status.ftLastWriteTime.dwLowDateTime);
    return Status{qint64((quint64(status.nFileSizeHigh) << 32) | status.nFileSizeLow),
                  (ticks - FromFileTimeToEpoch) * 100, quint64(status.dwVolumeSerialNumber),
                  (quint64(status.nFileIndexHigh) << 32) | status.nFileIndexLow};
}

qint64 PlatformFiles::kernelCopy(QFile &, qint64, QFile &, qint64)
{
    return 0;
}

} // namespace orvanta
