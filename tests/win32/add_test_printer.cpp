// add-test-printer NAME PPD_PATH OUTPUT_PS_PATH
//
// Installs a PostScript printer named NAME that writes every job to the file OUTPUT_PS_PATH,
// described by the PPD file PPD_PATH, and makes it the default printer, so that the window
// tests can print with no person to answer a dialog. Paths are as Windows sees them (under
// Wine, "Z:" followed by the Linux path, or the Linux path itself). Running it again in the same
// prefix keeps the processor and driver already installed and replaces the printer. Exits with 0
// when the printer is the default one, otherwise with 1 and the failed call on standard error.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(size - 1));
    return utf8;
}

int Fail(const char* call, DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::fprintf(stderr, "add-test-printer: %s failed: error %lu %s\n", call,
                 static_cast<unsigned long>(error), text ? Utf8(text).c_str() : "");
    if (text) LocalFree(text);
    return 1;
}

// A call that failed only because what it installs is there already, from an earlier run.
bool AlreadyThere(DWORD error) {
    return error == ERROR_PRINT_PROCESSOR_ALREADY_INSTALLED ||
           error == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}

}  // namespace

int wmain(int argc, wchar_t** argv);  // the UTF-16 entry point (-municode)

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: add-test-printer NAME PPD_PATH OUTPUT_PS_PATH\n");
        return 2;
    }
    wchar_t* name = argv[1];
    wchar_t* output = argv[3];
    // The driver's files are looked for by full path (under Wine a Linux path is taken as one
    // on the current drive, which is Z: when started from a Linux folder).
    wchar_t ppd[MAX_PATH];
    const DWORD length = GetFullPathNameW(argv[2], MAX_PATH, ppd, nullptr);
    if (length == 0 || length >= MAX_PATH) return Fail("GetFullPathNameW", GetLastError());
    if (GetFileAttributesW(ppd) == INVALID_FILE_ATTRIBUTES)
        return Fail("GetFileAttributesW (the PPD file)", GetLastError());
    wchar_t driverDll[] = L"wineps.drv";
    wchar_t raw[] = L"RAW";

    // The PostScript driver's print processor, then the driver with the PPD describing the
    // printer; the jobs themselves go through "winprint", which passes RAW data on.
    wchar_t processorName[] = L"wineps";
    if (!AddPrintProcessorW(nullptr, nullptr, driverDll, processorName) &&
        !AlreadyThere(GetLastError()))
        return Fail("AddPrintProcessorW", GetLastError());

    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = name;
    driver.pDriverPath = driverDll;
    driver.pConfigFile = driverDll;
    driver.pDataFile = ppd;
    driver.pDefaultDataType = raw;
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY) &&
        !AlreadyThere(GetLastError()))
        return Fail("AddPrinterDriverExW", GetLastError());

    // A file as the port: each job replaces it, and no dialog asks for a file name.
    wchar_t winprint[] = L"winprint";
    PRINTER_INFO_2W printer{};
    printer.pPrinterName = name;
    printer.pDriverName = name;
    printer.pPortName = output;
    printer.pPrintProcessor = winprint;
    printer.pDatatype = raw;
    HANDLE added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    if (!added && GetLastError() == ERROR_PRINTER_ALREADY_EXISTS) {
        // An earlier run's printer may write elsewhere: it is replaced.
        PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
        HANDLE old = nullptr;
        if (!OpenPrinterW(name, &old, &access)) return Fail("OpenPrinterW", GetLastError());
        const bool deleted = DeletePrinter(old);
        const DWORD error = GetLastError();
        ClosePrinter(old);
        if (!deleted) return Fail("DeletePrinter", error);
        added = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    }
    if (!added) return Fail("AddPrinterW", GetLastError());
    ClosePrinter(added);

    if (!SetDefaultPrinterW(name)) return Fail("SetDefaultPrinterW", GetLastError());
    return 0;
}
