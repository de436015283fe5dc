#pragma once

// QtWebKit keeps process-wide pools that it never frees (about 12 KiB, plus some
// bookkeeping for each page it has made). They are WebKit's own, not the map window's;
// the leak checker is told to leave allocations made inside the WebKit library alone.
// Included by the one source of each test executable that makes a map window.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt5WebKit.so\n";
}
