// The nine exports of ZRT7QPMU.DLL, undecorated, with the Windows API calling convention.
#pragma once

#include "presentation/psm_interface.h"

#define ZRT_PSM_EXPORT extern "C" __declspec(dllexport)

ZRT_PSM_EXPORT BOOL WINAPI DLLMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
ZRT_PSM_EXPORT BOOL WINAPI PSM_GetPSWInfo(zrt::psm::LayoutRecord* layout);
ZRT_PSM_EXPORT BOOL WINAPI PSM_GetPSWDisplay(HMODULE library, DWORD previousDisplayId,
                                             const void* data, zrt::psm::DisplayRecord* display,
                                             int kind);
ZRT_PSM_EXPORT BOOL WINAPI PSM_PrinterSpecificProc(DWORD_PTR first, DWORD_PTR second);
ZRT_PSM_EXPORT HWND WINAPI PSM_CreateToolbar(HWND holder, int unused);
ZRT_PSM_EXPORT HWND WINAPI PSM_CreateToolbar2(HWND holder, int unused);
ZRT_PSM_EXPORT UINT WINAPI PSM_GetMenuHelpText(HWND window, UINT item, UINT flags, HMENU menu);
ZRT_PSM_EXPORT UINT WINAPI PSM_GetToolTipText(UINT command);
ZRT_PSM_EXPORT BOOL WINAPI PSM_GetFileName(int kind, LPWSTR name);
