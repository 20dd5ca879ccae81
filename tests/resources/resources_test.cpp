// Reads Zorvik's resources back from this executable, which links the very resource object that
// zorvik.exe links, and compares the raw stored bytes with the window's layout, the shortcut table
// and the icons' format. The bytes are parsed by hand, so a style bit that windres adds or drops,
// a control out of order or an icon in the wrong depth shows up here, not only on screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

const WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kButtonAtom = 0x0080;
const WORD kEditAtom = 0x0081;
const WORD kStaticAtom = 0x0082;
const WORD kStaticId = 0xFFFF;  // IDC_STATIC (-1) as a template stores it

struct ResourceBytes {
    const BYTE *data;
    DWORD size;
};

// Finds a resource in the English (United States) language only, so a resource stored under
// another language is not found.
ResourceBytes LoadEnglishResource(LPCSTR type, LPCSTR name)
{
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC found = FindResourceExA(module, type, name, kEnglishUs);
    if (found == NULL)
        return {NULL, 0};
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const BYTE *>(LockResource(loaded)), SizeofResource(module, found)};
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::vector<WORD> *>(list)->push_back(language);
    return TRUE;
}

std::vector<WORD> LanguagesOf(LPCSTR type, LPCSTR name)
{
    std::vector<WORD> languages;
    EnumResourceLanguagesA(GetModuleHandleA(NULL), type, name, CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list)
{
    char text[64];
    if (IS_INTRESOURCE(name))
        snprintf(text, sizeof text, "#%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
    else
        snprintf(text, sizeof text, "%s", name);
    reinterpret_cast<std::vector<std::string> *>(list)->push_back(text);
    return TRUE;
}

std::vector<std::string> NamesOf(LPCSTR type)
{
    std::vector<std::string> names;
    EnumResourceNamesA(GetModuleHandleA(NULL), type, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// A bounds-checked cursor over little-endian resource bytes; reading past the end sets overrun
// and yields zeros.
struct Reader {
    const BYTE *start;
    const BYTE *pos;
    const BYTE *end;
    bool overrun;
};

Reader MakeReader(ResourceBytes bytes)
{
    return {bytes.data, bytes.data, bytes.data + bytes.size, false};
}

WORD ReadWord(Reader &reader)
{
    if (reader.end - reader.pos < 2) {
        reader.overrun = true;
        reader.pos = reader.end;
        return 0;
    }
    WORD value = static_cast<WORD>(reader.pos[0] | reader.pos[1] << 8);
    reader.pos += 2;
    return value;
}

DWORD ReadDword(Reader &reader)
{
    DWORD low = ReadWord(reader);
    return low | static_cast<DWORD>(ReadWord(reader)) << 16;
}

void AlignToDword(Reader &reader)
{
    while ((reader.pos - reader.start) % 4 != 0 && reader.pos < reader.end)
        ++reader.pos;
}

// A template's "string or ordinal" field: 0xFFFF and an ordinal, or a zero-terminated UTF-16
// string. Ordinals come back as "#n"; characters outside ASCII as '?'.
std::string ReadTextOrOrdinal(Reader &reader)
{
    WORD first = ReadWord(reader);
    if (first == 0xFFFF) {
        char ordinal[8];
        snprintf(ordinal, sizeof ordinal, "#%u", ReadWord(reader));
        return ordinal;
    }
    std::string text;
    for (WORD unit = first; unit != 0 && !reader.overrun; unit = ReadWord(reader))
        text += unit < 0x80 ? static_cast<char>(unit) : '?';
    return text;
}

// One control of the template, as stored or as expected. classAtom is 0 when the class is
// stored by name instead of by atom.
struct ControlRow {
    int number;
    WORD id;
    WORD classAtom;
    short x, y, cx, cy;
    DWORD style;
    std::string text;
};

bool operator==(const ControlRow &a, const ControlRow &b)
{
    return a.number == b.number && a.id == b.id && a.classAtom == b.classAtom && a.x == b.x &&
           a.y == b.y && a.cx == b.cx && a.cy == b.cy && a.style == b.style && a.text == b.text;
}

void PrintTo(const ControlRow &row, std::ostream *out)
{
    char line[160];
    snprintf(line, sizeof line, "{no. %d, id %u, class 0x%04X, %d,%d %dx%d, style 0x%08lX, \"%s\"}",
             row.number, row.id, row.classAtom, row.x, row.y, row.cx, row.cy,
             static_cast<unsigned long>(row.style), row.text.c_str());
    *out << line;
}

struct DialogHeader {
    DWORD style;
    DWORD exStyle;
    WORD controlCount;
    short x, y, cx, cy;
    std::string menu;
    std::string windowClass;
    std::string caption;
    WORD pointSize;
    std::string face;
};

struct StoredControl {
    ControlRow row;
    DWORD exStyle;
    WORD creationDataSize;
};

DialogHeader ReadDialogHeader(Reader &reader)
{
    DialogHeader header;
    header.style = ReadDword(reader);
    header.exStyle = ReadDword(reader);
    header.controlCount = ReadWord(reader);
    header.x = static_cast<short>(ReadWord(reader));
    header.y = static_cast<short>(ReadWord(reader));
    header.cx = static_cast<short>(ReadWord(reader));
    header.cy = static_cast<short>(ReadWord(reader));
    header.menu = ReadTextOrOrdinal(reader);
    header.windowClass = ReadTextOrOrdinal(reader);
    header.caption = ReadTextOrOrdinal(reader);
    header.pointSize = 0;
    if (header.style & DS_SETFONT) {
        header.pointSize = ReadWord(reader);
        header.face = ReadTextOrOrdinal(reader);
    }
    return header;
}

StoredControl ReadControl(Reader &reader, int number)
{
    AlignToDword(reader);
    StoredControl control;
    control.row.number = number;
    control.row.style = ReadDword(reader);
    control.exStyle = ReadDword(reader);
    control.row.x = static_cast<short>(ReadWord(reader));
    control.row.y = static_cast<short>(ReadWord(reader));
    control.row.cx = static_cast<short>(ReadWord(reader));
    control.row.cy = static_cast<short>(ReadWord(reader));
    control.row.id = ReadWord(reader);
    std::string windowClass = ReadTextOrOrdinal(reader);
    control.row.classAtom = 0;
    if (windowClass.size() > 1 && windowClass[0] == '#')
        control.row.classAtom = static_cast<WORD>(std::stoi(windowClass.substr(1)));
    control.row.text = ReadTextOrOrdinal(reader);
    control.creationDataSize = ReadWord(reader);
    reader.pos += control.creationDataSize;
    return control;
}

// The window's controls in template order. The 42 day cells (18-59) and the 42 boxes around
// their day numbers (68-109) follow the grid: column c at x = 10 + 32c, row r at y = 35 + 21r.
std::vector<ControlRow> ExpectedControls()
{
    const DWORD base = WS_CHILD | WS_VISIBLE;
    const DWORD tabStop = base | BS_PUSHBUTTON | WS_TABSTOP;
    const DWORD stepping = base | BS_PUSHBUTTON | BS_NOTIFY | WS_GROUP;
    const DWORD heading = base | SS_CENTER | WS_GROUP;
    const DWORD frame = base | SS_BLACKFRAME | WS_BORDER;
    const DWORD label = base | SS_LEFT | WS_GROUP;

    std::vector<ControlRow> rows = {
        {1, IDHELP, kButtonAtom, 244, 113, 45, 13, tabStop, "&Help"},
        {2, IDCANCEL, kButtonAtom, 244, 98, 45, 13, tabStop, "&Close"},
        {3, IDC_COPY, kButtonAtom, 244, 83, 45, 13, tabStop, "C&opy"},
        {4, IDC_TODAY, kButtonAtom, 244, 68, 45, 13, tabStop, "&Today"},
        {5, IDC_MONTH_DOWN, kButtonAtom, 244, 53, 45, 13, stepping, "Month &Down"},
        {6, IDC_MONTH_UP, kButtonAtom, 244, 38, 45, 13, stepping, "Month &Up"},
        {7, IDC_YEAR_DOWN, kButtonAtom, 244, 23, 45, 13, stepping, "Yea&r Down"},
        {8, IDC_YEAR_UP, kButtonAtom, 244, 8, 45, 13, stepping, "&Year Up"},
        {9, IDC_GPS_WEEKS, kStaticAtom, 10, 4, 72, 18, base | SS_LEFT | SS_CENTERIMAGE, ""},
        {10, kStaticId, kStaticAtom, 84, 4, 79, 18, base | SS_LEFT | WS_BORDER, ""},
        {11, kStaticId, kStaticAtom, 10, 26, 32, 9, heading, "Sun"},
        {12, kStaticId, kStaticAtom, 42, 26, 32, 9, heading, "Mon"},
        {13, kStaticId, kStaticAtom, 74, 26, 32, 9, heading, "Tue"},
        {14, kStaticId, kStaticAtom, 106, 26, 32, 9, heading, "Wed"},
        {15, kStaticId, kStaticAtom, 138, 26, 32, 9, heading, "Thu"},
        {16, kStaticId, kStaticAtom, 170, 26, 32, 9, heading, "Fri"},
        {17, kStaticId, kStaticAtom, 202, 26, 32, 9, heading, "Sat"},
    };
    const DWORD cell = base | ES_MULTILINE | ES_NOHIDESEL | ES_READONLY | ES_WANTRETURN | WS_BORDER;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            rows.push_back({18 + 7 * r + c, static_cast<WORD>(IDC_CELL_FIRST + 7 * r + c), kEditAtom,
                            static_cast<short>(10 + 32 * c), static_cast<short>(35 + 21 * r), 32, 21,
                            cell, ""});
    std::vector<ControlRow> frames = {
        {60, kStaticId, kStaticAtom, 10, 25, 224, 10, frame, ""},
        {61, kStaticId, kStaticAtom, 41, 25, 2, 10, frame, ""},
        {62, kStaticId, kStaticAtom, 73, 25, 2, 10, frame, ""},
        {63, kStaticId, kStaticAtom, 105, 25, 2, 10, frame, ""},
        {64, kStaticId, kStaticAtom, 137, 25, 2, 10, frame, ""},
        {65, kStaticId, kStaticAtom, 169, 25, 2, 10, frame, ""},
        {66, kStaticId, kStaticAtom, 201, 25, 2, 10, frame, ""},
        {67, kStaticId, kStaticAtom, 10, 25, 224, 136, frame, ""},
    };
    rows.insert(rows.end(), frames.begin(), frames.end());
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            rows.push_back({68 + 7 * r + c, kStaticId, kStaticAtom, static_cast<short>(10 + 32 * c),
                            static_cast<short>(35 + 21 * r), 11, 10, base | SS_BLACKFRAME, ""});
    std::vector<ControlRow> rest = {
        {110, kStaticId, kStaticAtom, 249, 140, 36, 21, base | SS_BLACKFRAME, ""},
        {111, kStaticId, kStaticAtom, 249, 140, 18, 11, base | SS_BLACKFRAME, ""},
        {112, kStaticId, kStaticAtom, 249, 131, 25, 8, label, "Legend:"},
        {113, kStaticId, kStaticAtom, 251, 141, 14, 8, label, "Day"},
        {114, kStaticId, kStaticAtom, 268, 141, 15, 8, label, "DOY"},
        {115, IDC_LEGEND_MJD, kStaticAtom, 251, 152, 26, 8, label, "MJD"},
        {116, IDC_MONTH_YEAR, kStaticAtom, 86, 6, 76, 14, base | SS_CENTER | SS_CENTERIMAGE | WS_GROUP,
         "Static"},
        {117, IDC_NAME_LABEL, kStaticAtom, 208, 8, 30, 10, label, "Zorvik"},
        {118, kStaticId, kStaticAtom, 180, 5, 20, 20, base | SS_ICON, "ZORVIKICON2"},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

TEST(DialogTemplate, HeaderIsTheStandardFormWithTheWindowsStyleSizeCaptionAndFont)
{
    ResourceBytes bytes = LoadEnglishResource(RT_DIALOG, "ZorvikBox");
    ASSERT_NE(bytes.data, nullptr);
    Reader reader = MakeReader(bytes);
    DialogHeader header = ReadDialogHeader(reader);
    ASSERT_FALSE(reader.overrun);

    // Also tells the standard form from the extended one, which starts with 0xFFFF0001.
    EXPECT_EQ(header.style, 0x90CA08C0u);
    EXPECT_EQ(header.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                                WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(header.exStyle, 0u);
    EXPECT_EQ(header.controlCount, 118);
    EXPECT_EQ(header.x, 0);
    EXPECT_EQ(header.y, 0);
    EXPECT_EQ(header.cx, 295);
    EXPECT_EQ(header.cy, 167);
    EXPECT_EQ(header.menu, "");
    EXPECT_EQ(header.windowClass, "");
    EXPECT_EQ(header.caption, "Zorvik");
    EXPECT_EQ(header.pointSize, 8);
    EXPECT_EQ(header.face, "MS Sans Serif");
}

TEST(DialogTemplate, EveryControlMatchesTheLayoutTableInTemplateOrder)
{
    ResourceBytes bytes = LoadEnglishResource(RT_DIALOG, "ZorvikBox");
    ASSERT_NE(bytes.data, nullptr);
    Reader reader = MakeReader(bytes);
    DialogHeader header = ReadDialogHeader(reader);

    std::vector<ControlRow> expected = ExpectedControls();
    ASSERT_EQ(expected.size(), 118u);
    ASSERT_EQ(header.controlCount, expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        StoredControl stored = ReadControl(reader, static_cast<int>(i + 1));
        ASSERT_FALSE(reader.overrun) << "template ends inside control " << i + 1;
        EXPECT_EQ(stored.row, expected[i]);
        EXPECT_EQ(stored.exStyle, 0u) << "control " << i + 1;
        EXPECT_EQ(stored.creationDataSize, 0) << "control " << i + 1;
    }
    // Nothing but alignment padding may follow the last control.
    EXPECT_LT(reader.end - reader.pos, 4);
}

INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

TEST(DialogTemplate, CreatesTheWindowWithAllControlsAndTheIconControlFindsItsIcon)
{
    HWND dialog = CreateDialogParamA(GetModuleHandleA(NULL), "ZorvikBox", NULL, BareDialogProc, 0);
    ASSERT_NE(dialog, nullptr);

    int children = 0;
    HWND last = NULL;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        ++children;
        last = child;
    }
    EXPECT_EQ(children, 118);
    ASSERT_NE(last, nullptr);
    EXPECT_NE(SendMessageA(last, STM_GETICON, 0, 0), 0) << "the picture control has no icon";
    DestroyWindow(dialog);
}

struct AcceleratorRow {
    WORD flags;
    WORD key;
    WORD command;
};

TEST(ShortcutTable, StoredEntriesMatchTheTableWithTheEndFlagOnTheLast)
{
    const AcceleratorRow expected[] = {
        {FALT, 'X', IDCANCEL},
        {FALT, 'x', IDCANCEL},
        {FVIRTKEY, VK_F1, IDHELP},
        {FVIRTKEY, VK_UP, IDC_MONTH_UP},
        {FVIRTKEY, VK_DOWN, IDC_MONTH_DOWN},
        {FVIRTKEY, VK_PRIOR, IDC_YEAR_UP},
        {FVIRTKEY, VK_NEXT, IDC_YEAR_DOWN},
        {FVIRTKEY | 0x80, VK_HOME, IDC_TODAY},
    };
    // The same words as plain numbers, so a changed platform constant cannot hide a change.
    const WORD expectedWords[] = {0x10, 88,  2,    0x10, 120, 2,    0x01, 112, 9,    0x01, 38,  1004,
                                  0x01, 40,  1005, 0x01, 33,  1002, 0x01, 34,  1003, 0x81, 36,  1006};

    ResourceBytes bytes = LoadEnglishResource(RT_ACCELERATOR, "ZorvikAccel");
    ASSERT_NE(bytes.data, nullptr);
    ASSERT_EQ(bytes.size, 8u * 8u) << "eight entries of four words";
    Reader reader = MakeReader(bytes);
    for (int i = 0; i < 8; ++i) {
        AcceleratorRow stored = {ReadWord(reader), ReadWord(reader), ReadWord(reader)};
        WORD padding = ReadWord(reader);
        EXPECT_EQ(stored.flags, expected[i].flags) << "entry " << i + 1;
        EXPECT_EQ(stored.key, expected[i].key) << "entry " << i + 1;
        EXPECT_EQ(stored.command, expected[i].command) << "entry " << i + 1;
        EXPECT_EQ(stored.flags, expectedWords[3 * i]) << "entry " << i + 1;
        EXPECT_EQ(stored.key, expectedWords[3 * i + 1]) << "entry " << i + 1;
        EXPECT_EQ(stored.command, expectedWords[3 * i + 2]) << "entry " << i + 1;
        EXPECT_EQ(padding, 0) << "entry " << i + 1;
    }

    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(NULL), "ZorvikAccel");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CopyAcceleratorTableA(table, NULL, 0), 8);
}

// One icon image: its group directory entry and the image it points to, with every pixel
// decoded to its colour, top row first.
struct IconImage {
    bool found;
    BYTE width, height, colourCount;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD imageId;
    BITMAPINFOHEADER header;
    DWORD imageSize;
    std::vector<COLORREF> pixels;
    std::vector<BYTE> mask;
};

const int kIconSize = 32;

IconImage ReadIcon(LPCSTR name)
{
    IconImage icon = {};
    ResourceBytes group = LoadEnglishResource(RT_GROUP_ICON, name);
    Reader reader = MakeReader(group);
    if (group.data == NULL || ReadWord(reader) != 0 || ReadWord(reader) != 1 || ReadWord(reader) != 1)
        return icon;  // not a group of exactly one icon
    icon.width = *reader.pos++;
    icon.height = *reader.pos++;
    icon.colourCount = *reader.pos++;
    ++reader.pos;  // reserved
    icon.planes = ReadWord(reader);
    icon.bitCount = ReadWord(reader);
    icon.bytesInRes = ReadDword(reader);
    icon.imageId = ReadWord(reader);
    if (reader.overrun || reader.pos != reader.end)
        return icon;

    ResourceBytes image = LoadEnglishResource(RT_ICON, MAKEINTRESOURCEA(icon.imageId));
    if (image.data == NULL || image.size < sizeof(BITMAPINFOHEADER))
        return icon;
    memcpy(&icon.header, image.data, sizeof icon.header);
    icon.imageSize = image.size;
    const DWORD colourRow = kIconSize / 2, maskRow = 4;
    const DWORD expectedSize = sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD) + kIconSize * (colourRow + maskRow);
    if (icon.header.biBitCount != 4 || image.size != expectedSize)
        return icon;

    const RGBQUAD *palette = reinterpret_cast<const RGBQUAD *>(image.data + sizeof(BITMAPINFOHEADER));
    const BYTE *bits = image.data + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD);
    for (int y = 0; y < kIconSize; ++y) {
        const BYTE *row = bits + (kIconSize - 1 - y) * colourRow;  // stored bottom row first
        for (int x = 0; x < kIconSize; ++x) {
            int index = x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
            icon.pixels.push_back(RGB(palette[index].rgbRed, palette[index].rgbGreen, palette[index].rgbBlue));
        }
    }
    const BYTE *mask = bits + kIconSize * colourRow;
    icon.mask.assign(mask, mask + kIconSize * maskRow);
    icon.found = true;
    return icon;
}

TEST(Icons, EachIsOne32By32ImageIn16ColoursWithAnOpaqueMask)
{
    for (const char *name : {"ZorvikIcon", "ZorvikIcon2"}) {
        SCOPED_TRACE(name);
        IconImage icon = ReadIcon(name);
        ASSERT_TRUE(icon.found);
        EXPECT_EQ(icon.width, 32);
        EXPECT_EQ(icon.height, 32);
        EXPECT_EQ(icon.colourCount, 16);
        EXPECT_EQ(icon.planes, 1);
        EXPECT_EQ(icon.bitCount, 4);
        EXPECT_EQ(icon.bytesInRes, icon.imageSize);
        EXPECT_EQ(icon.header.biSize, sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(icon.header.biWidth, 32);
        EXPECT_EQ(icon.header.biHeight, 64) << "colour bits and mask together";
        EXPECT_EQ(icon.header.biPlanes, 1);
        EXPECT_EQ(icon.header.biBitCount, 4);
        EXPECT_EQ(icon.header.biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(icon.mask, std::vector<BYTE>(icon.mask.size(), 0)) << "every pixel opaque";
        EXPECT_NE(LoadIconA(GetModuleHandleA(NULL), name), nullptr);
    }
}

TEST(Icons, TheTwoDifferOnlyInTheirBottomTwoRowsTealAndLightGrey)
{
    IconImage window = ReadIcon("ZorvikIcon");
    IconImage picture = ReadIcon("ZorvikIcon2");
    ASSERT_TRUE(window.found);
    ASSERT_TRUE(picture.found);
    EXPECT_NE(window.imageId, picture.imageId);

    const int sheetPixels = (kIconSize - 2) * kIconSize;
    for (int i = sheetPixels; i < kIconSize * kIconSize; ++i) {
        EXPECT_EQ(window.pixels[i], RGB(0x00, 0x80, 0x80)) << "ZorvikIcon pixel " << i % 32 << "," << i / 32;
        EXPECT_EQ(picture.pixels[i], RGB(0xC0, 0xC0, 0xC0)) << "ZorvikIcon2 pixel " << i % 32 << "," << i / 32;
    }
    EXPECT_TRUE(std::equal(window.pixels.begin(), window.pixels.begin() + sheetPixels, picture.pixels.begin()));
    EXPECT_EQ(window.mask, picture.mask);

    // The calendar sheet: a blue heading strip, white day squares, red dots.
    std::vector<COLORREF> sheet(window.pixels.begin(), window.pixels.begin() + sheetPixels);
    for (COLORREF colour : {RGB(0, 0, 0xFF), RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0, 0)})
        EXPECT_NE(std::find(sheet.begin(), sheet.end(), colour), sheet.end()) << std::hex << colour;
}

TEST(ResourceNames, EveryResourceIsStoredUnderItsNameInEnglishUnitedStatesOnly)
{
    const struct {
        LPCSTR type;
        std::vector<std::string> names;
    } kinds[] = {
        {RT_DIALOG, {"ZORVIKBOX"}},
        {RT_ACCELERATOR, {"ZORVIKACCEL"}},
        {RT_GROUP_ICON, {"ZORVIKICON", "ZORVIKICON2"}},
    };
    for (const auto &kind : kinds) {
        EXPECT_EQ(NamesOf(kind.type), kind.names);
        for (const std::string &name : kind.names) {
            EXPECT_EQ(LanguagesOf(kind.type, name.c_str()), std::vector<WORD>{1033}) << name;
            // Stored upper case; the mixed-case lookups of the other tests find them all the same.
            EXPECT_NE(FindResourceA(NULL, name.c_str(), kind.type), nullptr) << name;
        }
    }
    for (const char *name : {"ZorvikIcon", "ZorvikIcon2"}) {
        IconImage icon = ReadIcon(name);
        ASSERT_TRUE(icon.found) << name;
        EXPECT_EQ(LanguagesOf(RT_ICON, MAKEINTRESOURCEA(icon.imageId)), std::vector<WORD>{1033}) << name;
    }
}

}  // namespace
