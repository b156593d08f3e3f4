// Spanish texts of the user interface.
#include "strings.h"

extern const LangSet lang_es = {
    109,
    {
        L"Abrir",
        L"Guardar",
        L"Guardar como",
        L"Compilar",
        L"Ejecutar",
        L"Ajustes",
        L"Buscar",
        L"Comando",
        L"",
        L"Ir",
    },
    {
        L"Ajustar",
        L"Comando del compilador",
        L"Comando del sistema",
        L"Color de fondo",
        L"Color de texto",
        L"Cambiar fuente",
        L"Abrir proyecto",
        L"Guardar proyecto",
        L"Guardar proyecto como",
        L"Hecho",
        L"Ajustes",
    },
    {
        L"Buscar/Reemplazar",
        L"Texto",
        L"Buscar",
        L"Desde",
        L"Hasta",
        L"Reemplazar",
        L"Hecho",
    },
    L"Acerca de",
    L"Lista de teclas rápidas",
    L"Ctrl+O - Abrir archivo\r\n"
    L"Ctrl+S - Guardar archivo\r\n"
    L"Ctrl+Enter - Salto de línea 1\r\n"
    L"Shift+Enter - Salto de línea 2\r\n"
    L"Ctrl+Shift+Enter - Salto de línea 3\r\n"
    L"Ctrl+Shift+1 .. 9 - Añadir punto de salto\r\n"
    L"Ctrl+1 .. Ctrl+9 - Saltar al punto\r\n"
    L"Ctrl+T - Saltar al principio\r\n"
    L"Ctrl+B - Saltar al final\r\n",
    L"Creador: Team EditWindow, 2026\r\n"
    L"ver 1.1\r\n"
    L"editwindow@example.org para actualizaciones\r\n"
    L"Todos los derechos reservados."
};
