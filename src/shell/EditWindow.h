// Process-wide globals and the operations the editor's parts call in each other.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <stddef.h>

#include "ids.h"

// ---- Window groups -----------------------------------------------------------
struct WManager;
typedef void (*SlotsOperation)(WManager* group, const int* slots, int count);
typedef void (*GroupOperation)(WManager* group);

struct WManager {
    signed char liczba_okien;
    HWND okna[100];
    RECT pozycje[100];  // x, y, width, height (right and bottom hold the size)
    unsigned char widoczne;
    SlotsOperation pokaz_okna;
    SlotsOperation ukryj_okna;
    GroupOperation pokaz_wszystkie;
    GroupOperation ukryj_wszystkie;
};

void PokazOkna(WManager* group, const int* slots, int count);
void UkryjOkna(WManager* group, const int* slots, int count);
void PokazWszystkieOkna(WManager* group);
void UkryjWszystkieOkna(WManager* group);
void ResetujPozycjeOkien(WManager* group);

// ---- Shell globals -----------------------------------------------------------
extern HWND mHwnd;
extern HINSTANCE mhI;
extern HWND hEdit;
extern HWND hOutput;
extern HWND hTopBar;
extern HWND hJump;
extern HFONT hNormalFont;
extern HFONT hOldFont;
extern HBRUSH hBrushBlack;
extern WNDPROC OldEditProc;
extern wchar_t currentPathA[260];
extern COLORREF textColor;
extern COLORREF backgroundColor;
extern WManager okno_dzialan;
extern WManager okno_skoku;
extern const wchar_t CLASS_NAME[];

enum {
    EDIT_TEXT_LIMIT = 400000,
    TOP_BAR_CONTROLS = 17,
};

// ---- Shell -------------------------------------------------------------------
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void init();
void get_current_directory();
int UpdateCursorPos(HWND edit);
void CenterWindow(HWND window);
// Start-up up to the message loop: registers the class, creates the main window
// and runs init. Returns FALSE when the class or the window cannot be made.
BOOL create_main_window(HINSTANCE instance);
// The dark look of the bars and the settings dialog: 0x00141414 framed in 0x00CDCDCD.
void paint_dark_frame(HWND window);

// Top bar
LRESULT CALLBACK TopBar(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        UINT_PTR subclass, DWORD_PTR data);
int getIntegerFromWindow(HWND window);

// ---- Editor ------------------------------------------------------------------
LRESULT CALLBACK NewEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
int get_spaces_at_front(const wchar_t* text);

void addLineBreaks(HWND edit, int n);
void removeExtraSpaces(HWND edit, int n);
void InsertTextAtCursor(HWND edit, int index);

void ScrollToText(HWND edit, const wchar_t* marker);
void findTextInEdit(HWND edit, const wchar_t* text);
void ScrollEditAndHighlightLine(HWND parent, HWND edit);
int CalculateTextWidth(HDC dc, const wchar_t* text);

extern wchar_t current_file[400];
void OpenFileAndLoadToEdit(HWND edit, HWND owner);
void SaveFileDialog(wchar_t* path, int capacity, HWND owner);
int SaveTextToFile(const wchar_t* path, const wchar_t* text);

// ---- Build and run -----------------------------------------------------------
void RunCommandAndRedirect(const wchar_t* command);
void ExecuteSystemCommand(const wchar_t* command);
void get_value_after_option(const wchar_t* text, const wchar_t* option,
                            wchar_t* destination, size_t capacity);

// ---- Settings and projects ---------------------------------------------------
extern wchar_t project_name[260];
extern LOGFONTW lf;
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void setData(HWND dialog);
void updateDialog(HWND dialog);
COLORREF ChooseColorDialog(HWND dialog);
void ChooseFontForWindow(HWND dialog);
void save_project(HWND dialog);
int save_project_as(HWND dialog);
int open_project(HWND dialog);

// ---- Jump markers ------------------------------------------------------------
LRESULT CALLBACK JumpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR subclass, DWORD_PTR data);
void updateJumper(HWND dialog);
void setJumper(HWND dialog);

// ---- Dialogs -----------------------------------------------------------------
extern wchar_t last_search[300];
extern wchar_t last_replace_from[300];
extern wchar_t last_replace_to[300];
extern int lastDial;
INT_PTR CALLBACK SearchReplaceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void updateDialog2(HWND hwnd);
void replaceExactTextInEdit(HWND edit, const wchar_t* from, const wchar_t* to);
wchar_t* replaceNewlineWithCRLF(const wchar_t* text);

INT_PTR CALLBACK HelpDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void setHelpDialogProc(HWND hwnd);
