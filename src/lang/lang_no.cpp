// Norwegian texts of the user interface.
#include "strings.h"

extern const LangSet lang_no = {
    109,
    {
        L"Åpne",
        L"Lagre",
        L"Lagre som",
        L"Kompliler",
        L"Kjør",
        L"Innstillinger",
        L"Søk",
        L"Kommandot",
        L"",
        L"Gå",
    },
    {
        L"Sett",
        L"Kommandolinje for kompilator",
        L"Systemkommando",
        L"Bakgrunnsfarge",
        L"Tekstfarge",
        L"Endre skrift",
        L"Åpne prosjekt",
        L"Lagre prosjekt",
        L"Lagre prosjekt som",
        L"Ferdig",
        L"Innstillinger",
    },
    {
        L"Søk/Erstatt",
        L"Tekst",
        L"Søk",
        L"Fra",
        L"Til",
        L"Erstatt",
        L"Ferdig",
    },
    L"Om",
    L"Tastatursnarveier",
    L"Ctrl+O - Åpne fil\r\n"
    L"Ctrl+S - Lagre fil\r\n"
    L"Ctrl+Enter - Linjeskift 1\r\n"
    L"Shift+Enter - Linjeskift 2\r\n"
    L"Ctrl+Shift+Enter - Linjeskift 3\r\n"
    L"Ctrl+Shift+1 .. 9 - Legg til hoppunkt\r\n"
    L"Ctrl+1 .. Ctrl+9 - Hopp til punkt\r\n"
    L"Ctrl+T - Hopp til toppen\r\n"
    L"Ctrl+B - Hopp til bunnen\r\n",
    L"Skaper: Team EditWindow, 2026\r\n"
    L"versjon 1.1\r\n"
    L"editwindow@example.org for oppdateringer\r\n"
    L"Alle rettigheter forbeholdt."
};
