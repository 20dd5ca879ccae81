// The help request, one fresh process per case (the help state is final for a process's life):
// which library is loaded, from where, and what its entry at ordinal 14 is called with. The
// library registered in the prefix is replaced by fakes that log their loading and their calls.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace {

const char helpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const DWORD WaitLimit = 30000;
const char fakeResult[] = "result 10775 failed 0";  // the fake entry returns 0x2A17

std::string FolderOf(const std::string &path)
{
    return path.substr(0, path.find_last_of('\\'));
}

std::string OwnFolder(void)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, sizeof path);
    return FolderOf(path);
}

std::string SystemHelpControl(void)
{
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, sizeof path);
    return std::string(path) + "\\hhctrl.ocx";
}

bool SamePath(const std::string &a, const std::string &b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

struct SavedValue {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
};

// The registration as the prefix has it, put back after every case.
struct SavedKey {
    bool existed = false;
    std::vector<SavedValue> values;

    void Save(void)
    {
        HKEY key;
        existed = RegOpenKeyExA(HKEY_CLASSES_ROOT, helpControlKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (!existed)
            return;
        for (DWORD index = 0;; index++) {
            char name[256];
            DWORD nameSize = sizeof name;
            BYTE data[2048];
            DWORD dataSize = sizeof data;
            DWORD type = 0;
            if (RegEnumValueA(key, index, name, &nameSize, NULL, &type, data, &dataSize) != ERROR_SUCCESS)
                break;
            values.push_back(SavedValue{name, type, std::vector<BYTE>(data, data + dataSize)});
        }
        RegCloseKey(key);
    }

    void Restore(void) const
    {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, helpControlKey);
        if (!existed)
            return;
        HKEY key;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, helpControlKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &key,
                            NULL) != ERROR_SUCCESS)
            return;
        for (const SavedValue &value : values)
            RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                           (DWORD)value.data.size());
        RegCloseKey(key);
    }
};

class HelpCase : public ::testing::Test {
protected:
    std::string folder = OwnFolder();
    std::string fakeLibrary = folder + "\\fake_help_control.dll";
    std::string noEntryLibrary = folder + "\\fake_help_no_entry.dll";
    std::string caseFolder;
    std::string logPath;
    SavedKey savedKey;
    std::vector<std::string> madeFiles;
    std::vector<std::string> madeFolders;

    void SetUp() override
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        static int caseNumber;
        caseFolder = std::string(temp) + "zorvik-help-" + std::to_string(GetCurrentProcessId()) +
                     "-" + std::to_string(++caseNumber);
        MakeFolder(caseFolder);
        logPath = caseFolder + "\\log.txt";
        madeFiles.push_back(logPath);
        SetEnvironmentVariableA("ZORVIK_HELP_LOG", logPath.c_str());
        savedKey.Save();
    }

    void TearDown() override
    {
        savedKey.Restore();
        SetEnvironmentVariableA("ZORVIK_HELP_LOG", NULL);
        for (const std::string &file : madeFiles)
            DeleteFileA(file.c_str());
        for (auto folder = madeFolders.rbegin(); folder != madeFolders.rend(); ++folder)
            RemoveDirectoryA(folder->c_str());
    }

    void MakeFolder(const std::string &path)
    {
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), NULL)) << path;
        madeFolders.push_back(path);
    }

    void CopyInto(const std::string &from, const std::string &to)
    {
        ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << from << " -> " << to;
        madeFiles.push_back(to);
    }

    static void RemoveKey(void)
    {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, helpControlKey);
    }

    // A fresh key with the given default value (none for a null data pointer) and the
    // threading model that a registration carries beside it.
    static void Register(DWORD type, const void *data, DWORD size)
    {
        RemoveKey();
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, helpControlKey, 0, NULL, 0, KEY_SET_VALUE, NULL,
                                  &key, NULL), ERROR_SUCCESS);
        RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, (const BYTE *)"Apartment", 10);
        if (data) {
            ASSERT_EQ(RegSetValueExA(key, "", 0, type, (const BYTE *)data, size), ERROR_SUCCESS);
        }
        RegCloseKey(key);
    }

    static void RegisterPath(const std::string &path)
    {
        Register(REG_SZ, path.c_str(), (DWORD)path.size() + 1);
    }

    // Runs the case program and waits for it; returns its exit code.
    DWORD RunCase(const std::string &arguments, const std::string &program = "",
                  const char *currentFolder = NULL)
    {
        std::string exe = program.empty() ? folder + "\\help_case.exe" : program;
        std::string commandLine = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(exe.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, currentFolder,
                            &startup, &process)) {
            ADD_FAILURE() << "cannot start " << exe << ": error " << GetLastError();
            return 99;
        }
        DWORD exitCode = 98;
        if (WaitForSingleObject(process.hProcess, WaitLimit) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &exitCode);
        else {
            ADD_FAILURE() << "case " << arguments << " did not end";
            TerminateProcess(process.hProcess, 97);
        }
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return exitCode;
    }

    std::vector<std::string> Log(void) const
    {
        std::vector<std::string> lines;
        HANDLE file = CreateFileA(logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  NULL, OPEN_EXISTING, 0, NULL);
        if (file == INVALID_HANDLE_VALUE)
            return lines;
        std::string text;
        char buffer[4096];
        DWORD got;
        while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
            text.append(buffer, got);
        CloseHandle(file);
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    void ClearLog(void) const
    {
        DeleteFileA(logPath.c_str());
    }

    // The lines of the log that begin with the given text.
    std::vector<std::string> LinesStarting(const std::string &prefix) const
    {
        std::vector<std::string> found;
        for (const std::string &line : Log())
            if (line.compare(0, prefix.size(), prefix) == 0)
                found.push_back(line);
        return found;
    }

    std::string LoadedLibrary(void) const
    {
        std::vector<std::string> lines = LinesStarting("library ");
        return lines.size() == 1 ? lines[0].substr(8) : std::string("(not one library line)");
    }

    // The window that the case program created, as the fake logs a window.
    std::string WindowSeen(void) const
    {
        std::vector<std::string> lines = LinesStarting("window=");
        return lines.size() == 1 ? lines[0] : "(no window)";
    }

    std::string ExpectedCall(void) const
    {
        return "call " + WindowSeen() + " file=zorvik.chm command=0 data=0";
    }
};

std::string Joined(const std::vector<std::string> &lines)
{
    std::string all;
    for (const std::string &line : lines)
        all += "  " + line + "\n";
    return all;
}

TEST_F(HelpCase, FirstRequestLoadsTheRegisteredLibraryAndLaterOnesOnlyCallIt)
{
    RegisterPath(fakeLibrary);
    ASSERT_EQ(RunCase("registered"), 0u);
    std::vector<std::string> log = Log();
    SCOPED_TRACE(Joined(log));
    ASSERT_EQ(LinesStarting("load ").size(), 1u);
    EXPECT_TRUE(SamePath(LinesStarting("load ")[0].substr(5), fakeLibrary));
    // The registration is removed between the two requests: the second still reaches the entry.
    std::vector<std::string> expected = {WindowSeen(), LinesStarting("load ")[0], ExpectedCall(),
                                         fakeResult, ExpectedCall(), fakeResult,
                                         "library " + LoadedLibrary()};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(SamePath(LoadedLibrary(), fakeLibrary));
}

TEST_F(HelpCase, HelpButtonAndF1MakeTheSameCallWithTheMainWindow)
{
    RegisterPath(fakeLibrary);
    ASSERT_EQ(RunCase("button-and-key"), 0u);
    std::vector<std::string> log = Log();
    SCOPED_TRACE(Joined(log));
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], WindowSeen());
    EXPECT_EQ(log[1], "help button");
    EXPECT_EQ(log[3], ExpectedCall());
    EXPECT_EQ(log[4], "f1 key");
    EXPECT_EQ(log[5], ExpectedCall());
    EXPECT_EQ(log[6], "loop ended 0");
}

TEST_F(HelpCase, LibraryWithoutTheEntryFailsForGoodWithoutRetrying)
{
    RegisterPath(noEntryLibrary);
    ASSERT_EQ(RunCase("no-entry \"" + fakeLibrary + "\""), 0u);
    SCOPED_TRACE(Joined(Log()));
    EXPECT_EQ(LinesStarting("result "),
              (std::vector<std::string>{"result 0 failed 1", "result 0 failed 1"}));
    ASSERT_EQ(LinesStarting("load ").size(), 1u);
    EXPECT_TRUE(SamePath(LinesStarting("load ")[0].substr(5), noEntryLibrary));
    EXPECT_TRUE(LinesStarting("call ").empty());
    // It stays loaded.
    EXPECT_TRUE(SamePath(LoadedLibrary(), noEntryLibrary));
}

// Registrations that give no usable path: the request goes to the system directory's library.
enum class Registration {
    MissingKey,
    MissingValue,
    PathThatDoesNotLoad,
    LongerThanTheBuffer,
    UnterminatedText,
    UnterminatedBytes,
};

const char *NameOf(Registration registration)
{
    switch (registration) {
    case Registration::MissingKey: return "MissingKey";
    case Registration::MissingValue: return "MissingValue";
    case Registration::PathThatDoesNotLoad: return "PathThatDoesNotLoad";
    case Registration::LongerThanTheBuffer: return "LongerThanTheBuffer";
    case Registration::UnterminatedText: return "UnterminatedText";
    case Registration::UnterminatedBytes: return "UnterminatedBytes";
    }
    return "?";
}

class HelpFallback : public HelpCase, public ::testing::WithParamInterface<Registration> {
protected:
    // A path of exactly the given length to a copy of the fake library, padded with ".\"
    // steps, which name the same folder.
    std::string PaddedFakePath(size_t length)
    {
        std::string base = caseFolder + "\\";
        std::string tail = "fake_help_control.dll";
        // One or two letters for the copy's folder, so that the padding comes out even.
        std::string sub = ((length - base.size() - tail.size() - 2) % 2 == 0) ? "a" : "ab";
        std::string copyFolder = base + sub;
        MakeFolder(copyFolder);
        CopyInto(fakeLibrary, copyFolder + "\\" + tail);
        std::string padded = base;
        while (padded.size() + sub.size() + 1 + tail.size() < length)
            padded += ".\\";
        padded += sub + "\\" + tail;
        return padded;
    }
};

TEST_P(HelpFallback, RequestLoadsTheSystemDirectorysLibrary)
{
    switch (GetParam()) {
    case Registration::MissingKey:
        RemoveKey();
        break;
    case Registration::MissingValue:
        Register(REG_SZ, NULL, 0);
        break;
    case Registration::PathThatDoesNotLoad:
        RegisterPath(caseFolder + "\\nowhere\\hhctrl.ocx");
        break;
    case Registration::LongerThanTheBuffer: {
        std::string path = PaddedFakePath(300);
        Register(REG_SZ, path.c_str(), (DWORD)path.size() + 1);
        break;
    }
    case Registration::UnterminatedText:
    case Registration::UnterminatedBytes: {
        // 259 characters name the fake, and the 260th is a dot, which the loader would drop:
        // a lookup that cut the value short, or ran on past it into a zero, would load the fake.
        std::string value = PaddedFakePath(259) + ".";
        ASSERT_EQ(value.size(), 260u);
        DWORD type = GetParam() == Registration::UnterminatedText ? REG_SZ : REG_BINARY;
        Register(type, value.data(), 260);
        break;
    }
    }
    ASSERT_EQ(RunCase("fallback"), 0u);
    SCOPED_TRACE(Joined(Log()));
    EXPECT_TRUE(LinesStarting("load ").empty());
    EXPECT_TRUE(LinesStarting("call ").empty());
    EXPECT_TRUE(SamePath(LoadedLibrary(), SystemHelpControl()))
        << LoadedLibrary() << " instead of " << SystemHelpControl();
    std::vector<std::string> results = LinesStarting("result ");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].substr(results[0].find(" failed ")), " failed 0");
}

INSTANTIATE_TEST_SUITE_P(Registrations, HelpFallback,
                         ::testing::Values(Registration::MissingKey, Registration::MissingValue,
                                           Registration::PathThatDoesNotLoad,
                                           Registration::LongerThanTheBuffer,
                                           Registration::UnterminatedText,
                                           Registration::UnterminatedBytes),
                         [](const ::testing::TestParamInfo<Registration> &info) {
                             return std::string(NameOf(info.param));
                         });

// Libraries named hhctrl.ocx left in the program's folder and in the current folder. Wine
// prefers its built-in library for a bare name unless told to prefer files: CTest runs these
// tests with WINEDLLOVERRIDES=hhctrl.ocx=n,b, which the case programs inherit. With that, the
// bare name does load a planted file, as the first run shows.
class PlantedLibraries : public HelpCase {
protected:
    std::string program;
    std::string programFolder;
    std::string workFolder;

    void SetUp() override
    {
        HelpCase::SetUp();
        programFolder = caseFolder + "\\program";
        workFolder = caseFolder + "\\work";
        MakeFolder(programFolder);
        MakeFolder(workFolder);
        program = programFolder + "\\help_case.exe";
        CopyInto(folder + "\\help_case.exe", program);
        CopyInto(fakeLibrary, programFolder + "\\hhctrl.ocx");
        CopyInto(fakeLibrary, workFolder + "\\hhctrl.ocx");
    }

    DWORD RunPlanted(const std::string &arguments)
    {
        ClearLog();
        return RunCase(arguments, program, workFolder.c_str());
    }

    void ExpectNoPlantedLoad(void)
    {
        SCOPED_TRACE(Joined(Log()));
        EXPECT_TRUE(LinesStarting("load ").empty());
        EXPECT_TRUE(LinesStarting("call ").empty());
        EXPECT_TRUE(SamePath(LoadedLibrary(), SystemHelpControl()))
            << LoadedLibrary() << " instead of " << SystemHelpControl();
    }
};

TEST_F(PlantedLibraries, AreNeverLoaded)
{
    // The fixture can see a planted load: an unprotected bare name takes the program folder's.
    ASSERT_EQ(RunPlanted("bare"), 0u);
    ASSERT_TRUE(SamePath(LoadedLibrary(), programFolder + "\\hhctrl.ocx")) << Joined(Log());
    ASSERT_EQ(LinesStarting("load ").size(), 1u)
        << "the planted file was loaded as Wine's built-in: run with "
           "WINEDLLOVERRIDES=hhctrl.ocx=n,b\n" << Joined(Log());

    // With the search restricted as the program restricts it at start-up.
    ASSERT_EQ(RunPlanted("restricted-bare"), 0u);
    EXPECT_EQ(LinesStarting("restricted "), std::vector<std::string>{"restricted 1"});
    ExpectNoPlantedLoad();

    // A help request without a registration, as on a system that cannot restrict the search.
    RemoveKey();
    ASSERT_EQ(RunPlanted("fallback"), 0u);
    ExpectNoPlantedLoad();

    // The same, and with only the bare name registered, after the program's start-up steps.
    ASSERT_EQ(RunPlanted("hardened"), 0u);
    EXPECT_EQ(LinesStarting("folder "), std::vector<std::string>{"folder 1"});
    ExpectNoPlantedLoad();

    RegisterPath("hhctrl.ocx");
    ASSERT_EQ(RunPlanted("hardened"), 0u);
    ExpectNoPlantedLoad();
}

}  // namespace
