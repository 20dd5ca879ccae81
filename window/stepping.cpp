// The four stepping commands. A shortcut, a keyboard click and a mnemonic step once; a mouse
// press on a stepping button steps at once and goes on stepping, faster and faster, until the
// mouse button is released, and then the view stays on the month that was shown at the release.
//
// The repeat runs inside the button's own handling of the mouse press (its focus report), so
// the button marks itself pressed only after the repeat has returned. A release dispatched
// from inside the repeat would reach a button that is not yet pressed and be lost; so the
// repeat's pump leaves the release waiting in the queue and the repeat ends. The release then
// reaches the pressed button through the message loop, and the click it makes ends the repeat
// state and takes back the step taken ahead of it. A release that will make no click (one
// away from the button, or one that went to another program) is finished here instead.
#include "window/stepping.h"

#include "resources/resource.h"
#include "window/month_view.h"
#include "window/startup.h"
#include "window/steps.h"

RepeatState repeatState;

static void SleepPause(DWORD milliseconds)
{
    Sleep(milliseconds);
}

RepeatPause repeatPause = SleepPause;

typedef void (*Step)(ViewState *view);

struct StepCommand {
    int32_t command;
    Step forward;
    Step reverse;
};

static const StepCommand stepCommands[] = {
    {IDC_YEAR_UP, StepYearUp, StepYearDown},
    {IDC_YEAR_DOWN, StepYearDown, StepYearUp},
    {IDC_MONTH_UP, StepMonthUp, StepMonthDown},
    {IDC_MONTH_DOWN, StepMonthDown, StepMonthUp},
};

// The command whose repeat took the last step: the closing click takes that step back, so the
// view is left on the month that was shown when the mouse button came up.
static const StepCommand *lastRepeatStep;
// Repeats run nested when a second stepping button is pressed during a repeat.
static int32_t repeatDepth;

enum PumpEnd { QueueEmpty, ReleaseWaiting, QuitRequested };

static const StepCommand *FindStepCommand(int32_t command)
{
    for (const StepCommand &step : stepCommands) {
        if (step.command == command)
            return &step;
    }
    return NULL;
}

static DWORD PauseAfterStep(int32_t stepCount)
{
    if (stepCount < 10)
        return 200;
    if (stepCount < 30)
        return 100;
    return 50;
}

static int32_t PointInClient(HWND control, POINT screenPoint)
{
    RECT client;
    GetClientRect(control, &client);
    ScreenToClient(control, &screenPoint);
    return PtInRect(&client, screenPoint) != 0;
}

// Only a press of the real mouse, with the pointer on the button, holds it down: a mnemonic or
// a keyboard click also gives the button the focus, but it sends its own release at once.
static int32_t IsMousePressOn(HWND button)
{
    if (GetKeyState(VK_LBUTTON) >= 0)
        return 0;
    DWORD position = GetMessagePos();
    POINT point = {(short)LOWORD(position), (short)HIWORD(position)};
    return PointInClient(button, point);
}

// The physical button behind the left-button messages.
static int32_t PrimaryButtonDown(void)
{
    int key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return GetAsyncKeyState(key) < 0;
}

// Handles every waiting message as the message loop does, shortcuts included (so that Alt+X
// closes during a hold too, and an arrow key steps once as it always does), but stops at a
// waiting release of the mouse button and leaves it in the queue. Each message is looked at
// before it is taken, so a release is never taken out of turn.
static PumpEnd PumpUntilRelease(HWND window)
{
    MSG message;
    for (;;) {
        if (!PeekMessageA(&message, NULL, 0, 0, PM_NOREMOVE))
            return QueueEmpty;
        if (message.message == WM_LBUTTONUP)
            return ReleaseWaiting;
        UINT kind = message.message;
        if (!PeekMessageA(&message, NULL, kind, kind, PM_REMOVE))
            return QueueEmpty;
        if (message.message == WM_QUIT) {
            PostQuitMessage((int)message.wParam);
            return QuitRequested;
        }
        if (TranslateShortcut(&message) || IsDialogMessageA(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

static int32_t IsSteppingButton(HWND window, HWND control)
{
    return control && GetParent(control) == window && FindStepCommand(GetDlgCtrlID(control));
}

// Whether the waiting release will make a click that ends the repeat: the release goes to the
// stepping button that has the mouse (the pressed one takes it, if it has not yet), and that
// button clicks when the pointer is over it.
static int32_t ClickWillFollow(HWND window, HWND button)
{
    HWND receiver = GetCapture();
    if (!receiver)
        receiver = button;
    MSG release;
    // A quit request is found whatever the range asked for.
    if (!IsSteppingButton(window, receiver) ||
        !PeekMessageA(&release, NULL, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE) ||
        release.message != WM_LBUTTONUP)
        return 0;
    return PointInClient(receiver, release.pt);
}

static void TakeStep(HWND window, Step step)
{
    step(&viewState);
    RefreshView(window);
}

// Back to idle, taking back the step that was taken ahead of the release. The focus then goes
// to Today, so that the next press of a stepping button reports the focus and repeats again.
static void FinishRepeat(HWND window)
{
    repeatState.repeatActive = 0;
    repeatState.releasePending = 0;
    if (lastRepeatStep)
        TakeStep(window, lastRepeatStep->reverse);
}

// After the outermost repeat loop: the click of the waiting release ends the repeat state, or,
// when no click will come, the repeat is finished here.
static void EndRepeatLoop(HWND window, HWND button)
{
    // A nested press took the mouse from this button, which marks itself pressed when the
    // repeat returns and would stay drawn pushed.
    HWND mouseHolder = GetCapture();
    if (mouseHolder && mouseHolder != button)
        PostMessageA(button, BM_SETSTATE, FALSE, 0);
    if (!repeatState.releasePending || ClickWillFollow(window, button))
        return;
    FinishRepeat(window);
    // Posted, so that it comes after the button's own handling of the press: the button then
    // loses the focus while it holds the mouse, lets go of it and makes no click.
    PostMessageA(window, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(window, IDC_TODAY), TRUE);
}

static void RunRepeat(HWND window, const StepCommand *step)
{
    HWND button = GetDlgItem(window, step->command);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    repeatState.repeatActive = 1;
    repeatState.releasePending = 1;
    repeatState.repeatCount = 0;
    repeatDepth++;
    for (;;) {
        lastRepeatStep = step;
        TakeStep(window, step->forward);
        PumpEnd pumpEnd = PumpUntilRelease(window);
        repeatState.repeatCount++;
        if (pumpEnd != QueueEmpty || !PrimaryButtonDown() || !repeatState.repeatActive)
            break;
        repeatPause(PauseAfterStep(repeatState.repeatCount));
        if (!repeatState.repeatActive)
            break;
    }
    repeatDepth--;
    // An outer repeat is still waiting in its pump; it sees the same release and decides.
    if (repeatDepth == 0)
        EndRepeatLoop(window, button);
}

INT_PTR HandleStepCommand(HWND window, int32_t command, int32_t notifyCode)
{
    const StepCommand *step = FindStepCommand(command);
    if (!step)
        return FALSE;
    if (shortcutMark) {
        shortcutMark = 0;
        TakeStep(window, step->forward);
    }
    if (notifyCode == BN_SETFOCUS && IsMousePressOn(GetDlgItem(window, command)))
        RunRepeat(window, step);
    if (notifyCode != BN_CLICKED)
        return FALSE;
    if (repeatState.releasePending) {
        FinishRepeat(window);
        SetFocus(GetDlgItem(window, IDC_TODAY));
    } else {
        TakeStep(window, step->forward);
    }
    return FALSE;
}
