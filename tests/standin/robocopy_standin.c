/* Test stand-in for the copy engine: copies nothing, only records how it was started.
 *
 * It writes, in UTF-8 with LF line ends, to the file named by ZKV_STANDIN_RECORD (when set):
 *   cmdline=<GetCommandLineW() exactly as received>
 *   argc=<number of arguments CommandLineToArgvW finds>
 *   argv0=<first argument>
 *   argv1=...                       one line per argument
 *   show=<STARTUPINFO.wShowWindow>  or show=unset when STARTF_USESHOWWINDOW is not set
 * and prints the same to its console. The file is written under a temporary name and then moved
 * into place, so a reader that sees the file sees all of it.
 *
 * Then it ends with the exit code that the file named by ZKV_STANDIN_EXIT holds (a decimal number;
 * 0 when the variable is not set). While that file says "wait", it waits, reading it again every
 * 50 ms (up to 60 s), so that a test can keep several runs going at once and end them when it
 * chooses.
 *
 * The build pads the executable to the engine's size; Windows ignores the trailing bytes. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

typedef struct {
    char *data;
    size_t len, cap;
} Buffer;

static void append_bytes(Buffer *b, const char *s, size_t n)
{
    if (b->len + n + 1 > b->cap) {
        size_t cap = (b->cap ? b->cap * 2 : 1024);
        while (cap < b->len + n + 1)
            cap *= 2;
        char *p = (char *)realloc(b->data, cap);
        if (!p)
            ExitProcess(3);
        b->data = p;
        b->cap = cap;
    }
    memcpy(b->data + b->len, s, n);
    b->len += n;
    b->data[b->len] = 0;
}

static void append_ascii(Buffer *b, const char *s) { append_bytes(b, s, strlen(s)); }

static void append_wide(Buffer *b, const wchar_t *w)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, NULL, 0, NULL, NULL);
    if (n <= 1)
        return;
    char *tmp = (char *)malloc((size_t)n);
    if (!tmp)
        ExitProcess(3);
    WideCharToMultiByte(CP_UTF8, 0, w, -1, tmp, n, NULL, NULL);
    append_bytes(b, tmp, (size_t)n - 1);
    free(tmp);
}

static void append_line(Buffer *b, const char *label, const wchar_t *value)
{
    append_ascii(b, label);
    append_ascii(b, "=");
    append_wide(b, value);
    append_ascii(b, "\n");
}

/* Writes the record next to its final name, then moves it over; 0 on success. */
static int write_record(const wchar_t *path, const Buffer *b)
{
    size_t n = wcslen(path);
    wchar_t *tmp = (wchar_t *)malloc((n + 8) * sizeof(wchar_t));
    if (!tmp)
        return 1;
    wcscpy(tmp, path);
    wcscat(tmp, L".part");
    HANDLE h = CreateFileW(tmp, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) {
        free(tmp);
        return 1;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(h, b->data, (DWORD)b->len, &written, NULL) && written == b->len;
    ok = CloseHandle(h) && ok;
    ok = ok && MoveFileExW(tmp, path, MOVEFILE_REPLACE_EXISTING);
    free(tmp);
    return ok ? 0 : 1;
}

/* The exit code the test asks for (see above). */
static int exit_code(void)
{
    wchar_t path[32768];
    DWORD n = GetEnvironmentVariableW(L"ZKV_STANDIN_EXIT", path, 32768);
    if (n == 0 || n >= 32768)
        return 0;
    for (int i = 0; i < 1200; ++i) {
        char text[32] = {0};
        DWORD got = 0;
        HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
        if (h != INVALID_HANDLE_VALUE) {
            ReadFile(h, text, sizeof text - 1, &got, NULL);
            CloseHandle(h);
        }
        if (strncmp(text, "wait", 4) != 0)
            return atoi(text);
        Sleep(50);
    }
    return 0;
}

int main(void)
{
    Buffer b = {0};
    const wchar_t *cmdline = GetCommandLineW();
    append_line(&b, "cmdline", cmdline);

    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(cmdline, &argc);
    char count[32];
    snprintf(count, sizeof count, "argc=%d\n", argv ? argc : -1);
    append_ascii(&b, count);
    for (int i = 0; argv && i < argc; ++i) {
        char label[32];
        snprintf(label, sizeof label, "argv%d", i);
        append_line(&b, label, argv[i]);
    }

    STARTUPINFOW si;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    GetStartupInfoW(&si);
    char show[32];
    if (si.dwFlags & STARTF_USESHOWWINDOW)
        snprintf(show, sizeof show, "show=%u\n", (unsigned)si.wShowWindow);
    else
        snprintf(show, sizeof show, "show=unset\n");
    append_ascii(&b, show);

    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(out, b.data, (DWORD)b.len, &written, NULL);
    }

    wchar_t record[32768];
    DWORD n = GetEnvironmentVariableW(L"ZKV_STANDIN_RECORD", record, 32768);
    if (n > 0 && n < 32768 && write_record(record, &b) != 0)
        return 2;
    return exit_code();
}
