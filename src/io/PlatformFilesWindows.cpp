#include "PlatformFiles.h"

#include <QDir>
#include <QFile>

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

} // namespace

std::filesystem::path PlatformFiles::nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdWString());
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
        return QStringLiteral("another program (the game, an editor) has it open, so Windows keeps it as it is. "
                              "Close that program and save again.");
    return systemMessage(error);
}

PlatformFiles::Failure PlatformFiles::hardLink(const QString &path, const QString &link)
{
    if (!CreateHardLinkW(wide(link).c_str(), wide(path).c_str(), nullptr))
        return systemMessage(GetLastError());
    return std::nullopt;
}

qint64 PlatformFiles::kernelCopy(QFile &, qint64, QFile &, qint64)
{
    return 0;
}

} // namespace orvanta
