#include "statuswindow/shell/main_window.h"

// main_window.h brings windows.h, which commctrl.h builds on.
#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <vector>

#include "statuswindow/contexthelp/help_file.h"
#include "statuswindow/contexthelp/menu_help.h"
#include "statuswindow/core/command_line.h"
#include "statuswindow/core/startup.h"
#include "statuswindow/jobcontrol/job_pane.h"
#include "statuswindow/resource_ids.h"
#include "statuswindow/shell/gui_defaults.h"
#include "statuswindow/shell_jobs/command_ui.h"
#include "statuswindow/shell_jobs/main_window_help.h"
#include "statuswindow/shell_jobs/sound_table_loader.h"
#include "statuswindow/shell/display_record.h"
#include "statuswindow/shell/spooler.h"
#include "statuswindow/shell/system_probe.h"
#include "statuswindow/shell/wide_text.h"

namespace zrt::statuswindow::shell {

namespace {

constexpr wchar_t kPreviousProcProperty[] = L"ZRT7Q.PreviousProc";
constexpr int kWindowDataBytes = sizeof(MainWindow*);

// The children in the order of creation; their index in MainWindow::children_.
constexpr Pane kChildOrder[] = {Pane::Icon,   Pane::Headline,         Pane::Detail,
                                Pane::Picture, Pane::JobList,         Pane::JobListCaption,
                                Pane::JobToolbarHolder, Pane::InfoToolbarHolder, Pane::Progress,
                                Pane::StatusBar};

int childIndex(Pane pane) {
    for (std::size_t i = 0; i < std::size(kChildOrder); ++i)
        if (kChildOrder[i] == pane) return static_cast<int>(i);
    return -1;
}

DWORD currentSessionId() {
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) return 0;
    return session;
}

BOOL CALLBACK countStatusWindow(HWND window, LPARAM counter) {
    wchar_t cls[64] = {};
    if (GetClassNameW(window, cls, 64) > 0 && lstrcmpW(cls, kMainWindowClass) == 0)
        ++*reinterpret_cast<std::size_t*>(counter);
    return TRUE;
}

}  // namespace

// ---- creation ----------------------------------------------------------------------------------

bool MainWindow::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &MainWindow::windowProc;
    wc.cbWndExtra = kWindowDataBytes;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    wc.lpfnWndProc = &MainWindow::progressProc;
    wc.cbWndExtra = 0;
    wc.lpszClassName = kProgressPaneClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

MainWindow::MainWindow(HINSTANCE instance, BoundLibraries libraries, StartParameters start)
    : instance_(instance), libs_(std::move(libraries)), start_(std::move(start)), strings_(instance), core_(*this) {
    WindowState& s = core_.state();
    s.printerName = start_.printerName;
    s.portText = start_.portText;
    s.launchMode = start_.launchMode;
    s.noActivate = start_.noActivate;
    s.monitorLoaded = libs_.monitor.loaded();
    sessionId_ = currentSessionId();
}

MainWindow::~MainWindow() {
    // Left by the quit request (WM_COPYDATA 1027): the window goes without the shutdown steps.
    quietDestroy_ = true;
    if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    if (monitorHandle_ != nullptr) {
        // The session was never closed: the status-monitor library may still run code of its
        // own for it, so neither library is freed before the process ends.
        libs_.monitor.module.release();
        libs_.presentation.module.release();
    }
    if (listImages_ != nullptr) ImageList_Destroy(listImages_);
}

std::unique_ptr<MainWindow> MainWindow::create(HINSTANCE instance, BoundLibraries libraries, StartParameters start) {
    std::unique_ptr<MainWindow> window(new MainWindow(instance, std::move(libraries), std::move(start)));
    if (!window->createWindow()) return nullptr;
    return window;
}

bool MainWindow::createWindow() {
    const SettingsStore store = settings();
    auto left = static_cast<std::int32_t>(store.read(setting::kLeft, setting::kDefaultPosition));
    auto top = static_cast<std::int32_t>(store.read(setting::kTop, setting::kDefaultPosition));

    // The first display: "status being acquired".
    const HMODULE library = libs_.presentation.module.get();
    if (libs_.presentation.getPSWDisplay(library, 0, nullptr, &raw_, psm::kDataIsStatusRecord))
        core_.setInitialDisplay(toDisplay(raw_));
    libs_.presentation.getPSWInfo(&layout_);
    menu_.reset(LoadMenuW(library, MAKEINTRESOURCEW(layout_.menuId)));

    const int height = layout_.windowHeight + GetSystemMetrics(SM_CYMENU) + GetSystemMetrics(SM_CYCAPTION) - 19;
    const int width = layout_.windowWidth;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (left + width > work.right) left = std::max<std::int32_t>(0, work.right - width);
    if (top + height > work.bottom) top = std::max<std::int32_t>(0, work.bottom - height);

    hwnd_ = CreateWindowExW(0, kMainWindowClass, L"", WS_SYSMENU | WS_MINIMIZEBOX, left, top, width, height, nullptr,
                            menu_.get(), instance_, this);
    if (hwnd_ == nullptr) return false;
    menu_.release();  // the window owns its menu; shutdown destroys it
    ImmAssociateContext(hwnd_, nullptr);
    createChildren();
    afterCreation();
    return true;
}

HWND MainWindow::createChild(Pane pane, const wchar_t* cls, DWORD style, DWORD exStyle,
                             const presentation::Rect16& r, const wchar_t* text) {
    const HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | style, r.x, r.y, r.width, r.height, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(pane)), instance_, nullptr);
    children_[childIndex(pane)] = child;
    return child;
}

void MainWindow::subclass(HWND child) {
    if (child == nullptr) return;
    const auto previous = SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::childProc));
    SetPropW(child, kPreviousProcProperty, reinterpret_cast<HANDLE>(previous));
}

void MainWindow::createChildren() {
    const presentation::WindowLayout& l = layout_;
    subclass(createChild(Pane::Icon, L"STATIC", WS_VISIBLE, 0, l.iconPane));
    subclass(createChild(Pane::Headline, L"STATIC", WS_VISIBLE, WS_EX_WINDOWEDGE, l.headlinePane));
    subclass(createChild(Pane::Detail, L"EDIT", WS_VISIBLE | ES_READONLY | ES_MULTILINE | WS_VSCROLL,
                         WS_EX_CLIENTEDGE, l.detailPane));
    subclass(createChild(Pane::Picture, L"STATIC", WS_VISIBLE, WS_EX_CLIENTEDGE, l.picturePane));

    // The job list with its own procedure: rows not selectable by mouse, characters to this
    // window, column 1 refreshed from the held record whenever it paints.
    jobListHooks_.touchUser = [this] { core_.onUserInteraction(); };
    jobListHooks_.column1 = [this] { return jobListTexts(); };
    const HWND list = shell_jobs::createJobList(hwnd_, instance_, l, &jobListHooks_);
    children_[childIndex(Pane::JobList)] = list;
    if (list != nullptr) {
        ShowWindow(list, SW_HIDE);  // shown with the other panes after creation
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
        listImages_ = ImageList_Create(2, 17, ILC_COLOR, 1, 1);  // row height
        SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(listImages_));
    }

    const std::wstring caption = toWide(strings_.load(IDS_JOB_LIST_CAPTION).value_or(Text()));
    const HWND captionPane = createChild(Pane::JobListCaption, L"STATIC", WS_VISIBLE, 0, l.jobListCaption, caption.c_str());
    SendMessageW(captionPane, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);

    const HWND jobHolder = createChild(Pane::JobToolbarHolder, L"STATIC", 0, 0, l.jobToolbarHolder);
    subclass(jobHolder);
    jobToolbar_ = libs_.presentation.createToolbar(jobHolder, 0);
    const HWND infoHolder = createChild(Pane::InfoToolbarHolder, L"STATIC", 0, 0, l.infoToolbarHolder);
    subclass(infoHolder);
    infoToolbar_ = libs_.presentation.createToolbar2(infoHolder, 0);
    createChild(Pane::Progress, kProgressPaneClass, WS_BORDER, WS_EX_CLIENTEDGE, l.progressPane);

    std::wstring port = toWide(core_.state().portText);
    children_[childIndex(Pane::StatusBar)] =
        CreateStatusWindowW(WS_CHILD | WS_VISIBLE, port.c_str(), hwnd_, static_cast<UINT>(Pane::StatusBar));
}

void MainWindow::afterCreation() {
    RECT work{};
    RECT window{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(hwnd_, &window);
    if (window.top < work.top) {
        SetWindowPos(hwnd_, nullptr, window.left, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (window.bottom > work.bottom) {
        SetWindowPos(hwnd_, nullptr, window.left, window.top - (window.bottom - work.bottom), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    setStatusBarText(core_.state().portText);
    SetWindowTextW(hwnd_, toWide(core_.state().printerName).c_str());
    SetWindowTextW(child(Pane::Detail), toWide(core_.state().detailText).c_str());
    for (HWND w : {child(Pane::JobList), child(Pane::Progress), child(Pane::JobToolbarHolder), jobToolbar_})
        if (w != nullptr) InvalidateRect(w, nullptr, TRUE);
    const int show = showCommand(start_.noActivate);
    for (HWND w : {child(Pane::JobList), child(Pane::Progress), child(Pane::JobToolbarHolder),
                   child(Pane::InfoToolbarHolder), jobToolbar_, infoToolbar_})
        if (w != nullptr) ShowWindow(w, show);
    if (takesFocusAfterCreation(core_.state().showing, start_.noActivate)) SetFocus(hwnd_);
}

HWND MainWindow::child(Pane pane) const noexcept {
    if (pane == Pane::MainWindow) return hwnd_;
    const int i = childIndex(pane);
    return i < 0 ? nullptr : children_[i];
}

void MainWindow::setStatusBarText(TextView text) {
    const HWND bar = child(Pane::StatusBar);
    if (bar == nullptr) return;
    SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

bool MainWindow::openMonitor() {
    MonitorLibrary& m = libs_.monitor;
    if (!m.loaded() || m.openPrinter == nullptr) return false;
    const std::wstring name = toWide(core_.state().printerName);
    const std::wstring port = toWide(core_.state().portText);
    monitor::MonitorHandle handle = nullptr;
    if (!m.openPrinter(hwnd_, name.c_str(), port.c_str(), &handle)) return false;
    monitorHandle_ = handle;
    return true;
}

// ---- window procedures -------------------------------------------------------------------------

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, 0));
    if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, 0, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return self->handle(msg, wParam, lParam);
}

MainWindow* MainWindow::fromChild(HWND child) {
    const HWND parent = GetParent(child);
    return parent == nullptr ? nullptr : reinterpret_cast<MainWindow*>(GetWindowLongPtrW(parent, 0));
}

LRESULT CALLBACK MainWindow::childProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kPreviousProcProperty));
    if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kPreviousProcProperty);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
    }
    MainWindow* self = fromChild(hwnd);
    if (self == nullptr) return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
    return self->handleChild(hwnd, previous, msg, wParam, lParam);
}

LRESULT CALLBACK MainWindow::progressProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        if (MainWindow* self = fromChild(hwnd)) {
            self->paintProgress(hwnd);
            return 0;
        }
    }
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
        if (MainWindow* self = fromChild(hwnd)) self->core_.onUserInteraction();
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT MainWindow::handleChild(HWND child, WNDPROC previous, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto id = static_cast<Pane>(GetDlgCtrlID(child));
    switch (msg) {
        case WM_PAINT:
            if (id == Pane::Picture) {
                paintPicture(child);
                return 0;
            }
            if (id == Pane::Headline) {
                paintHeadline(child);
                return 0;
            }
            if (id == Pane::Icon) {
                paintIcon(child);
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (id == Pane::Detail || id == Pane::JobToolbarHolder || id == Pane::InfoToolbarHolder)
                core_.onUserInteraction();
            break;
        case WM_COMMAND:
            if (id == Pane::JobToolbarHolder || id == Pane::InfoToolbarHolder) {
                // Toolbar buttons: handled as the main window's commands.
                return SendMessageW(hwnd_, WM_COMMAND, wParam, lParam);
            }
            break;
        case WM_NOTIFY:
            if (id == Pane::JobToolbarHolder || id == Pane::InfoToolbarHolder) {
                auto* header = reinterpret_cast<NMHDR*>(lParam);
                if (header != nullptr && header->code == TTN_NEEDTEXTW) {
                    auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                    tip->hinst = libs_.presentation.module.get();
                    const UINT textId = libs_.presentation.getToolTipText != nullptr
                                            ? libs_.presentation.getToolTipText(static_cast<UINT>(header->idFrom))
                                            : 0;
                    tip->lpszText = MAKEINTRESOURCEW(textId);
                    return 0;
                }
            }
            break;
        default:
            break;
    }
    return CallWindowProcW(previous, child, msg, wParam, lParam);
}

LRESULT MainWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_COPYDATA:
            onCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            return TRUE;
        case WM_TIMER:
            core_.onTimer(static_cast<std::uint32_t>(wParam));
            return 0;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
            core_.onUserInteraction();
            return 0;
        case WM_PARENTNOTIFY: {
            const UINT event = LOWORD(wParam);
            if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN) core_.onUserInteraction();
            return 0;
        }
        case WM_MOVE: {
            RECT r{};
            GetWindowRect(hwnd_, &r);
            core_.onMove(IsIconic(hwnd_) != FALSE, r.left, r.top);
            return 0;
        }
        case WM_PAINT:
            paintSeparators();
            return 0;
        case WM_CLOSE:
            core_.onClose();
            return 0;
        case WM_ERASEBKGND: {
            const LRESULT erased = DefWindowProcW(hwnd_, msg, wParam, lParam);
            InvalidateRect(hwnd_, nullptr, FALSE);
            UpdateWindow(hwnd_);
            return erased;
        }
        case WM_SYSCOLORCHANGE:
            if (HWND list = child(Pane::JobList)) shell_jobs::applyListColours(list);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                core_.onSystemClose();
                return 0;
            } else {
                const LRESULT result = DefWindowProcW(hwnd_, msg, wParam, lParam);
                if (hwnd_ != nullptr) core_.onOtherSystemCommand();
                return result;
            }
        case WM_NOTIFY:
            return onNotify(reinterpret_cast<const NMHDR*>(lParam));
        case WM_HELP:
            core_.onUserInteraction();
            if (lParam != 0) shell_jobs::onMainWindowHelp(hwnd_, *reinterpret_cast<const HELPINFO*>(lParam), help_);
            return TRUE;
        case WM_CONTEXTMENU:
            return onContextMenu(wParam, lParam);
        case WM_MENUSELECT:
            onMenuSelect(wParam, lParam);
            return 0;
        case WM_KEYDOWN:
            return 0;
        default:
            break;
    }
    if (msg == message::kReset) {
        core_.onReset();
        return 0;
    }
    if (msg == message::kQuit) {
        core_.onQuit();
        return 0;
    }
    if (msg == message::kShow) {
        core_.onShowRequest(static_cast<std::uintptr_t>(wParam));
        return 0;
    }
    if (msg == message::kQuitAll) {
        std::size_t windows = 0;
        EnumWindows(&countStatusWindow, reinterpret_cast<LPARAM>(&windows));
        core_.onQuitAll(windows);
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void MainWindow::onCreate() {
    const SettingsStore store = settings();
    alwaysOnTop_ = store.read(setting::kAlwaysOnTop, 0) != 0;
    soundMessage_ = store.read(setting::kSoundMessage, 0);
    statusSense_ = store.read(setting::kStatusSense, setting::kDefaultStatusSense);
    waveDevice_ = shell_jobs::waveDeviceExists();
    soundTable_ = shell_jobs::loadSoundTable();
    if (libs_.presentation.getFileName != nullptr) {
        wchar_t name[MAX_PATH + 1] = {};
        if (libs_.presentation.getFileName(contexthelp::kHelpFileKind, name))
            help_ = shell_jobs::HelpRunner(shell_jobs::helpFilePath(name));
    }
    palette_ = paletteFromBitmap(instance_, IDB_PALETTE);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    core_.onCreate();
}

void MainWindow::onDestroy() {
    if (quietDestroy_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 1);  // the launcher reads this: closing
    help_.quit(hwnd_);
    soundTable_ = sounds::SoundTable{};
    if (listImages_ != nullptr) {
        SendMessageW(child(Pane::JobList), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
        ImageList_Destroy(listImages_);
        listImages_ = nullptr;
    }
    pictureCache_.discard();
    palette_.reset();
    core_.onDestroy();
    menu_.reset(GetMenu(hwnd_));
    SetMenu(hwnd_, nullptr);
    menu_.reset();
    PostQuitMessage(0);
}

void MainWindow::onCopyData(WPARAM wParam, const COPYDATASTRUCT* data) {
    if (wParam == kQuitCopyDataWParam) {
        PostQuitMessage(0);
        return;
    }
    if (data == nullptr) return;
    core_.onDelivery(static_cast<std::uint32_t>(data->dwData), static_cast<const std::uint8_t*>(data->lpData),
                     data->lpData != nullptr ? data->cbData : 0);
}

void MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    if (jobcontrol::isControlNotification(lParam != 0, HIWORD(wParam))) return;
    core_.onUserInteraction();
    const auto command = static_cast<std::uint32_t>(LOWORD(wParam));
    if (jobcontrol::isJobCommand(command)) {
        const std::optional<status::StatusRecordView> r = record();
        const jobcontrol::JobCommandContext context{r ? &*r : nullptr, core_.state().display.id, sessionId_};
        runJobActions(jobcontrol::jobCommandActions(command, shell_jobs::commandSourceOf(lParam), context));
        return;
    }
    switch (command) {
        case jobcontrol::command::kPreferences: openPreferences(); break;
        case jobcontrol::command::kHelpTopics: help_.finder(hwnd_); break;
        default: break;  // 9010/9011 (Tab keys) have no action; the dialogs of 105, 133, 135 are their own
    }
}

void MainWindow::onMenuSelect(WPARAM wParam, LPARAM lParam) {
    core_.onUserInteraction();
    const UINT item = LOWORD(wParam);
    const UINT flags = HIWORD(wParam);
    const auto menu = reinterpret_cast<HMENU>(lParam);
    if (contexthelp::menuSelectStep(flags, menu == nullptr) == contexthelp::MenuSelectStep::RestorePortText) {
        setStatusBarText(core_.state().portText);
        return;
    }
    if (const std::optional<Text> text = shell_jobs::menuHelpText(hwnd_, item, flags, menu, libs_.presentation.module.get(),
                                                                  libs_.presentation.getMenuHelpText))
        setStatusBarText(*text);
}

LRESULT MainWindow::onContextMenu(WPARAM wParam, LPARAM lParam) {
    // Signed screen coordinates (a second monitor may lie left of or above the first).
    const POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (shell_jobs::onMainWindowContextMenu(hwnd_, child(Pane::StatusBar), screen, layout_, help_)) return 0;
    return DefWindowProcW(hwnd_, WM_CONTEXTMENU, wParam, lParam);
}

LRESULT MainWindow::onNotify(const NMHDR* header) {
    const HWND list = child(Pane::JobList);
    if (header == nullptr || list == nullptr) return 0;
    jobcontrol::JobListNotification kind = jobcontrol::JobListNotification::Other;
    if (header->hwndFrom == list && header->code == NM_CLICK) kind = jobcontrol::JobListNotification::Click;
    if (header->hwndFrom == list && header->code == NM_KILLFOCUS) kind = jobcontrol::JobListNotification::KillFocus;
    if (GetParent(header->hwndFrom) == list && (header->code == HDN_DIVIDERDBLCLICKW || header->code == HDN_DIVIDERDBLCLICKA))
        kind = jobcontrol::JobListNotification::DividerDoubleClick;
    const jobcontrol::JobListReaction reaction = jobcontrol::reactionTo(kind);
    if (reaction.touchUser) core_.onUserInteraction();
    if (reaction.clearSelection) shell_jobs::clearSelection(list);
    if (reaction.refreshJobCommands) refreshJobCommands(false);
    if (reaction.repaintWindow) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
    }
    return 0;
}

}  // namespace zrt::statuswindow::shell
