// A fresh main window for every test: the real dialog from the real template, with the
// program's dialog procedure, destroyed again afterwards.
#ifndef ZORVIK_TESTS_WINDOW_DIALOG_FIXTURE_H
#define ZORVIK_TESTS_WINDOW_DIALOG_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <utility>
#include <vector>
#include "resources/resource.h"
#include "window/calendar_dialog.h"
#include "window/month_view.h"
#include "window/startup.h"

#include "window/stepping.h"

// A command as it reached the window, with the shortcut mark at that moment.
struct CommandSeen {
    int id;
    int code;
    int32_t mark;
    bool operator==(const CommandSeen &other) const
    {
        return id == other.id && code == other.code && mark == other.mark;
    }
};

inline std::ostream &operator<<(std::ostream &out, const CommandSeen &seen)
{
    return out << "{" << seen.id << ", " << seen.code << ", mark " << seen.mark << "}";
}

class DialogTest : public ::testing::Test {
protected:
    HWND window = NULL;
    static inline std::vector<CommandSeen> commandsSeen;
    static inline WNDPROC dialogWindowProc;

    void SetUp() override
    {
        viewState = ViewState{0, 0, 0, 0, 0, 0};
        windowIcon = LoadIconA(GetModuleHandleA(NULL), "ZorvikIcon");
        ASSERT_NE(windowIcon, (HICON)NULL);
        window = CreateDialogParamA(GetModuleHandleA(NULL), "ZorvikBox", NULL, CalendarDlgProc, 0);
        ASSERT_NE(window, (HWND)NULL);
        mainWindow = window;
    }

    void TearDown() override
    {
        if (window)
            DestroyWindow(window);
        mainWindow = NULL;
        DiscardMessages();
    }

    // Handles every waiting message and drops a quit request, so that no test sees another's.
    // (A paint request stays in the queue until it is handled.)
    static void DiscardMessages(void)
    {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT)
                DispatchMessageA(&message);
        }
    }

    // Commands are recorded and go no further, so that none of them acts.
    static LRESULT CALLBACK RecordCommands(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND) {
            commandsSeen.push_back(CommandSeen{LOWORD(wParam), HIWORD(wParam), shortcutMark});
            return 0;
        }
        return CallWindowProcA(dialogWindowProc, target, message, wParam, lParam);
    }

    void RecordCommandsInstead(void)
    {
        commandsSeen.clear();
        dialogWindowProc =
            (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)RecordCommands);
    }

    HWND Control(int id) const { return GetDlgItem(window, id); }

    std::string Text(HWND control) const
    {
        char text[256] = "";
        GetWindowTextA(control, text, sizeof text);
        return text;
    }

    std::string ControlText(int id) const { return Text(Control(id)); }

    // The selection of an edit control, as start and end.
    std::pair<DWORD, DWORD> Selection(int id) const
    {
        DWORD start = 99, end = 99;
        SendMessageA(Control(id), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        return {start, end};
    }

    // The cells whose selection is not empty.
    std::vector<int> SelectedCells(void) const
    {
        std::vector<int> cells;
        for (int id = IDC_CELL_FIRST; id <= IDC_CELL_LAST; id++) {
            std::pair<DWORD, DWORD> selection = Selection(id);
            if (selection.first != selection.second)
                cells.push_back(id);
        }
        return cells;
    }
};

#endif
