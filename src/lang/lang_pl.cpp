// Polish texts of the user interface.
#include "strings.h"

extern const LangSet lang_pl = {
    94,
    {
        L"Otwórz",
        L"Zapisz",
        L"Zapisz jako",
        L"Kompiluj",
        L"Uruchom",
        L"Ustawienia",
        L"Szukaj",
        L"Komenda",
        L"",
        L"Idz",
    },
    {
        L"Ustaw",
        L"Polecenie kompilatora",
        L"Komenda systemowa",
        L"Kolor tła",
        L"Kolor tekst",
        L"Zmień czcionkę",
        L"Otwórz projekt",
        L"Zapisz projekt",
        L"Zapisz projekt jako",
        L"Zrobione",
        L"Ustawienia",
    },
    {
        L"Szukaj/Zamień",
        L"Tekst",
        L"Szukaj",
        L"Z",
        L"Na",
        L"Zamień",
        L"Zrobione",
    },
    L"O programie",
    L"Lista skrótów klawiszowych",
    L"Ctrl+o - otwórz plik\r\n"
    L"Ctrl+s - zapisz plik\r\n"
    L"Ctrl+enter - przełamanie linii 1\r\n"
    L"Shift+enter - przełamanie linii 2\r\n"
    L"Ctrl+Shift+enter - przełamanie linii 3\r\n"
    L"Ctrl+Shift+1 .. 9 - dodanie miejsca skoku\r\n"
    L"Ctrl+1 .. Ctrl+9 - skok do miejsca\r\n"
    L"Ctrl+T - skok do góry\r\n"
    L"Ctrl+B - skok do dołu\r\n",
    L"Twórca: Team EditWindow, 2026\r\n"
    L"ver 1.1\r\n"
    L"editwindow@example.org aby być informowanym o aktualizacjach\r\n"
    L"Wszelkie prawa zastrzeżone."
};
