// Italian texts of the user interface.
#include "strings.h"

extern const LangSet lang_it = {
    109,
    {
        L"Apri",
        L"Salva",
        L"Salva con nome",
        L"Compila",
        L"Esegui",
        L"Impostazioni",
        L"Cerca",
        L"Comando",
        L"",
        L"Vai",
    },
    {
        L"Imposta",
        L"Comando del compilatore",
        L"Comando di sistema",
        L"Colore di sfondo",
        L"Colore del testo",
        L"Cambia font",
        L"Apri progetto",
        L"Salva progetto",
        L"Salva progetto con nome",
        L"Fatto",
        L"Impostazioni",
    },
    {
        L"Cerca/Sostituisci",
        L"Testo",
        L"Cerca",
        L"Da",
        L"A",
        L"Sostituisci",
        L"Fatto",
    },
    L"Informazioni",
    L"Elenco scorciatoie da tastiera",
    L"Ctrl+O - Apri file\r\n"
    L"Ctrl+S - Salva file\r\n"
    L"Ctrl+Invio - Interruzione di linea 1\r\n"
    L"Shift+Invio - Interruzione di linea 2\r\n"
    L"Ctrl+Shift+Invio - Interruzione di linea 3\r\n"
    L"Ctrl+Shift+1 .. 9 - Aggiungi punto di salto\r\n"
    L"Ctrl+1 .. Ctrl+9 - Salta al punto\r\n"
    L"Ctrl+T - Salta in cima\r\n"
    L"Ctrl+B - Salta in fondo\r\n",
    L"Creatore: Team EditWindow, 2026\r\n"
    L"ver 1.1\r\n"
    L"editwindow@example.org per aggiornamenti\r\n"
    L"Tutti i diritti riservati."
};
