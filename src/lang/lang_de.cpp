// German texts of the user interface.
#include "strings.h"

extern const LangSet lang_de = {
    109,
    {
        L"Öffnen",
        L"Speichern",
        L"Speichern unter",
        L"Komplilieren",
        L"Ausführen",
        L"Einstellungen",
        L"Suchen",
        L"Befehl",
        L"",
        L"Gehe",
    },
    {
        L"Einstellen",
        L"Kompilierbefehl",
        L"Systembefehl",
        L"Hintergrundfarbe",
        L"Textfarbe",
        L"Schriftart ändern",
        L"Projekt öffnen",
        L"Projekt speichern",
        L"Projekt speichern unter",
        L"Fertig",
        L"Einstellungen",
    },
    {
        L"Suchen/Ersetzen",
        L"Text",
        L"Suchen",
        L"Von",
        L"Nach",
        L"Ersetzen",
        L"Fertig",
    },
    L"Über",
    L"Tastenkürzel Liste",
    L"Ctrl+O - Datei öffnen\r\n"
    L"Ctrl+S - Datei speichern\r\n"
    L"Ctrl+Enter - Zeilenumbruch 1\r\n"
    L"Shift+Enter - Zeilenumbruch 2\r\n"
    L"Ctrl+Shift+Enter - Zeilenumbruch 3\r\n"
    L"Ctrl+Shift+1 .. 9 - Sprungpunkt hinzufügen\r\n"
    L"Ctrl+1 .. Ctrl+9 - Zum Punkt springen\r\n"
    L"Ctrl+T - Zum Anfang springen\r\n"
    L"Ctrl+B - Zum Ende springen\r\n",
    L"Ersteller: Team EditWindow, 2026\r\n"
    L"ver 1.1\r\n"
    L"editwindow@example.org für Updates\r\n"
    L"Alle Rechte vorbehalten."
};
