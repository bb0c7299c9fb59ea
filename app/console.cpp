#include "console.h"

#include <QtGlobal>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include <cstdint>
#include <string>
#endif

namespace metrova::app {

#ifndef _WIN32

// Help or version text lost on the way (a full disk) is a failure, not a success.
int write_output(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    if (std::fflush(stdout) == 0) return 0;
    std::perror("metrova: cannot write the output");
    return 1;
}

void write_error(const QString& text) { std::fputs(text.toLocal8Bit().constData(), stderr); }

#else

namespace {

enum class Written : std::uint8_t { yes, failed, nowhere };

// A console gets the text as characters; a file or a pipe gets the same bytes
// as on Linux.
Written write_to(HANDLE handle, const QString& text) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN) {
        return Written::nowhere;
    }
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        const std::wstring wide = text.toStdWString();
        DWORD done = 0;
        const bool ok = WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr) != 0;
        return ok && done == wide.size() ? Written::yes : Written::failed;
    }
    const QByteArray bytes = text.toLocal8Bit();
    DWORD done = 0;
    const bool ok = WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &done, nullptr) != 0;
    return ok && done == static_cast<DWORD>(bytes.size()) ? Written::yes : Written::failed;
}

// The standard handle the program was started with (a redirection, or the
// console of a console program that started it), else the console of the
// command prompt that started it. The prompt does not wait for a program
// without a console, so the text comes after its next prompt, as with any
// such program.
Written write_standard(DWORD which, const QString& text) {
    const Written written = write_to(GetStdHandle(which), text);
    if (written != Written::nowhere) return written;
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return Written::nowhere;
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    const Written to_console = write_to(console, text);
    if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
    return to_console;
}

// Started from Explorer or the Start menu: a message box, drawn sharp at the
// monitor's scale by the awareness that the application manifest declares.
void show_box(const QString& text, UINT icon) {
    MessageBoxW(nullptr, text.trimmed().toStdWString().c_str(), L"Metrova", MB_OK | icon);
}

}  // namespace

int write_output(const QString& text) {
    switch (write_standard(STD_OUTPUT_HANDLE, text)) {
        case Written::yes: return 0;
        case Written::nowhere: show_box(text, MB_ICONINFORMATION); return 0;
        case Written::failed: break;
    }
    const QString reason = qt_error_string(static_cast<int>(GetLastError()));
    write_error(QStringLiteral("metrova: cannot write the output: %1\n").arg(reason.trimmed()));
    return 1;
}

void write_error(const QString& text) {
    if (write_standard(STD_ERROR_HANDLE, text) == Written::nowhere) show_box(text, MB_ICONERROR);
}

#endif

}  // namespace metrova::app
