#include "uninstaller/ui/win32/printer_list_dialog.h"

#include <commctrl.h>

#include <vector>

#include "uninstaller/frame/win32/win32_handles.h"
#include "uninstaller/frame/win32/win32_machine.h"
#include "uninstaller/ui/message_tools/localization_check.h"
#include "uninstaller/ui/printer_list/list_ids.h"
#include "uninstaller/ui/win32/message_debug_dialog.h"
#include "uninstaller/ui/win32/printer_row_painter.h"

namespace zrt::un::win32 {
namespace {

std::vector<char> writable(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    return buffer;
}

HICON shellIcon(HMODULE shell, int id, int width, int height) {
    if (shell == nullptr) {
        return nullptr;
    }
    return static_cast<HICON>(
        LoadImageA(shell, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, 0));
}

}  // namespace

std::unique_ptr<PrinterListWindow> PrinterListDialogs::make(UninstallerApp& app) {
    return std::make_unique<PrinterListDialog>(
        instance_, PrinterListDialogContext{printerListContext(app, dependentsRestart_),
                                            app.messages(), app.productNames(), runs_});
}

PrinterListDialog::PrinterListDialog(HINSTANCE instance, PrinterListDialogContext context)
    : Dialog(instance, kPrinterListTemplate), instance_(instance), context_(context) {}

PrinterListDialog::~PrinterListDialog() { Dialog::destroy(); }

void PrinterListDialog::runModal() { Dialog::runModal(nullptr); }

bool PrinterListDialog::createHidden() { return createModeless(nullptr); }

WindowRef PrinterListDialog::window() const { return toRef(hwnd()); }

void PrinterListDialog::destroy() { Dialog::destroy(); }  // WM_DESTROY runs the finish step

bool PrinterListDialog::onInitDialog() {
    context_.list.session.mainWindow = toRef(hwnd());
    icon_ = LoadIconA(instance_, MAKEINTRESOURCEA(kIconApplication));
    if (icon_ != nullptr) {
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    list_.attach(item(kPrinterListView));
    painter_ = std::make_unique<PrinterRowPainter>(list_.hwnd(), context_.list.machine.text);
    // The dialog owns the image list; the list only borrows it.
    const LONG_PTR style = GetWindowLongPtrA(list_.hwnd(), GWL_STYLE);
    SetWindowLongPtrA(list_.hwnd(), GWL_STYLE, style | LVS_SHAREIMAGELISTS);
    runUi_ = std::make_unique<Win32RunUi>(instance_, hwnd());
    core_ = std::make_unique<PrinterList>(context_.list, *this);
    core_->initialise();
    return false;  // the focus is set
}

bool PrinterListDialog::onCommand(int id, int notification) {
    if (core_ == nullptr) {
        return Dialog::onCommand(id, notification);
    }
    switch (id) {
    case kCommandSelectAll:
        core_->selectAll();
        return true;
    case kCommandDelete:
        context_.runs.RunRemoval(*core_, *runUi_);
        return true;
    case kCommandCleanup:
        context_.runs.RunCleanup(*core_, *runUi_);
        return true;
    case kMessageDebugButton:
        runMessageDebug();
        return true;
    case kProgressDebugButton:
        runLocalizationCheck();
        return true;
    case kCommandClose:  // also Esc and the close box
        closeList();
        return true;
    case IDOK:
        return true;
    default:
        return Dialog::onCommand(id, notification);
    }
}

void PrinterListDialog::closeList() {
    runUi_->showWaitCursor(true);
    core_->finish();
    runUi_->showWaitCursor(false);
    close(IDCANCEL);
}

void PrinterListDialog::runMessageDebug() {
    MessageDebugDialog dialog(instance_, context_.messages, context_.list.machine.text);
    dialog.runModal(hwnd());
}

void PrinterListDialog::runLocalizationCheck() {
    zrt::un::runLocalizationCheck(context_.list.machine, context_.list.session, *runUi_,
                                  context_.names.uninstallerTitle,
                                  context_.list.config.messageDebugInterval);
}

void PrinterListDialog::onDestroy() {
    if (core_ != nullptr && context_.list.session.silent) {
        core_->finish();
    }
    destroyImages();
}

INT_PTR PrinterListDialog::onMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    switch (message) {
    case kInitialFocusMessage:
        if (core_ != nullptr) {
            core_->initialFocus();
        }
        handled = true;
        return TRUE;
    case WM_QUERYDRAGICON:
        handled = true;
        return reinterpret_cast<INT_PTR>(icon_);
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header == nullptr || core_ == nullptr) {
            return FALSE;
        }
        if (header->code == HDN_DIVIDERDBLCLICKA || header->code == HDN_DIVIDERDBLCLICKW) {
            InvalidateRect(list_.hwnd(), nullptr, TRUE);
            return FALSE;
        }
        if (header->hwndFrom == list_.hwnd()) {
            return onListNotify(*header, handled);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

INT_PTR PrinterListDialog::onListNotify(const NMHDR& header, bool& handled) {
    switch (header.code) {
    case NM_CUSTOMDRAW: {
        auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
        SetWindowLongPtrA(hwnd(), DWLP_MSGRESULT, painter_->customDraw(draw));
        handled = true;
        return TRUE;
    }
    case LVN_ITEMCHANGED:
    case NM_CLICK:
        core_->updateDeleteButton();
        return FALSE;
    default:
        return FALSE;
    }
}

// --- ListControls ---------------------------------------------------------------------------

void PrinterListDialog::enable(int controlId, bool on) {
    EnableWindow(item(controlId), on ? TRUE : FALSE);
}

void PrinterListDialog::show(int controlId, bool on) {
    ShowWindow(item(controlId), on ? SW_SHOW : SW_HIDE);
}

void PrinterListDialog::focus(int controlId) {
    SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(controlId)), TRUE);
}

void PrinterListDialog::postInitialFocus() { PostMessageA(hwnd(), kInitialFocusMessage, 0, 0); }

void PrinterListDialog::showWaitCursor(bool on) { runUi_->showWaitCursor(on); }

void PrinterListDialog::createColumnsAndImages() {
    HWND list = list_.hwnd();
    RECT window{};
    GetWindowRect(list, &window);
    const auto widths = columnWidths(window.right - window.left);
    for (std::size_t i = 0; i < kColumnTitles.size(); ++i) {
        list_.insertColumn(static_cast<int>(i), context_.list.machine.text.loadString(kColumnTitles[i]),
                           widths[i]);
    }
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    const UINT colour = (bits >= 24 ? ILC_COLOR32 : ILC_COLORDDB) | ILC_MASK;
    images_.reset(ImageList_Create(width, height, colour, 8, 8));

    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string shellPath = std::string(system) + "\\SHELL32.DLL";
    const Library shell(LoadLibraryExA(shellPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    for (const int id : kShellIconIds) {
        HICON icon = shellIcon(shell.get(), id, width, height);
        // A missing icon keeps its place, so that the indices stay as they are.
        ImageList_AddIcon(images_.get(), icon != nullptr ? icon : LoadIcon(nullptr, IDI_APPLICATION));
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.get()));
    painter_->setImages(images_.get());
}

void PrinterListDialog::destroyImages() {
    if (images_.get() != nullptr && list_.hwnd() != nullptr && IsWindow(list_.hwnd())) {
        SendMessageA(list_.hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    }
    if (painter_ != nullptr) {
        painter_->setImages(nullptr);
    }
    images_.reset();
}

void PrinterListDialog::setRedraw(bool on) {
    SendMessageA(list_.hwnd(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

void PrinterListDialog::repaintList() {
    InvalidateRect(list_.hwnd(), nullptr, TRUE);
    UpdateWindow(list_.hwnd());
}

int PrinterListDialog::insertRow(const PrinterRow& row, PrinterItem* printer) {
    auto text = writable(row.displayName);
    LVITEMA lv{};
    lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    lv.iItem = list_.itemCount();
    lv.pszText = text.data();
    lv.iImage = row.image;
    lv.lParam = reinterpret_cast<LPARAM>(printer);
    const int index = static_cast<int>(
        SendMessageA(list_.hwnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv)));
    if (index >= 0) {
        list_.setItemText(index, 1, row.driverName);
        list_.setItemText(index, 2, row.versionText);
    }
    return index;
}

void PrinterListDialog::deleteRow(int index) {
    SendMessageA(list_.hwnd(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

PrinterItem* PrinterListDialog::rowItem(int index) {
    return reinterpret_cast<PrinterItem*>(list_.itemData(index));
}

bool PrinterListDialog::hasFocusState(int index) {
    return (SendMessageA(list_.hwnd(), LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                         LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
}

void PrinterListDialog::giveFocusState(int index) {
    LVITEMA lv{};
    lv.stateMask = LVIS_FOCUSED;
    lv.state = LVIS_FOCUSED;
    SendMessageA(list_.hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&lv));
}

}  // namespace zrt::un::win32
