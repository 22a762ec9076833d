// Function types of the status-monitor library ZRT7QSMK.DLL, shared by its callers (status
// window, launcher) and by the test stand-in that implements them. Every function follows the
// Windows API calling convention and returns non-zero for success. The names, request codes
// and private messages are in status_monitor_codes.h.
#pragma once

#include <windows.h>

#include "statuswindow/status_monitor_codes.h"

namespace zrt::monitor {

// Opaque handle of one opened printer session.
using MonitorHandle = HANDLE;

// window: the status window's main window, which receives the deliveries and private messages.
using OpenPrinterFn = BOOL(WINAPI*)(HWND window, LPCWSTR printerName, LPCWSTR portText,
                                    MonitorHandle* handle);
// After return no more deliveries reach the window.
using ClosePrinterFn = BOOL(WINAPI*)(MonitorHandle handle);
// flag: StatusQuery. 0 = not accepted (the caller retries); the status comes by WM_COPYDATA.
using GetPrinterStatusFn = BOOL(WINAPI*)(MonitorHandle handle, DWORD flag);
// code: JobRequest. The result is ignored by the callers.
using JobRequestFn = BOOL(WINAPI*)(MonitorHandle handle, DWORD code, DWORD value);
// code: DeviceRequest. With an output buffer, sizeOrResult is its size on entry and the size of
// the answer on return; without one, it receives the request's result word.
using DeviceRequestFn = BOOL(WINAPI*)(MonitorHandle handle, DWORD code, LPVOID input,
                                      DWORD inputSize, LPVOID output, LPDWORD sizeOrResult);
// Called by the window after a rename delivery.
using ChangePrinterNameFn = BOOL(WINAPI*)(MonitorHandle handle, LPCWSTR newPrinterName);
using StartPollingFn = BOOL(WINAPI*)(MonitorHandle handle);  // the window is shown
using StopPollingFn = BOOL(WINAPI*)(MonitorHandle handle);   // the window hides itself
// Launcher: session without a window. reserved is 0.
using OpenPrinter2Fn = BOOL(WINAPI*)(LPCWSTR printerName, DWORD reserved, MonitorHandle* handle);
// Launcher: start or show the status window of printerName. reserved is 0; launchMode is the
// "!L" value (the launcher passes kLaunchModeLauncher).
using InvokePSWFn = BOOL(WINAPI*)(MonitorHandle handle, LPCWSTR printerName, DWORD reserved,
                                  DWORD launchMode);
using ClosePrinter2Fn = BOOL(WINAPI*)(MonitorHandle handle);

// Private messages as window message numbers.
inline constexpr UINT WM_PSW_RESET = messages::kReset;
inline constexpr UINT WM_PSW_QUIT = messages::kQuit;
inline constexpr UINT WM_PSW_SHOW = messages::kShow;
inline constexpr UINT WM_PSW_QUITALL = messages::kQuitAll;

}  // namespace zrt::monitor
