// Turkish texts of the user interface.
#include "strings.h"

extern const LangSet lang_tr = {
    109,
    {
        L"Aç",
        L"Kaydet",
        L"Farklı Kaydet",
        L"Derle",
        L"Çalıştır",
        L"Ayarlar",
        L"Arama",
        L"Komut",
        L"",
        L"Git",
    },
    {
        L"Ayarla",
        L"Derleyici Komutu",
        L"Sistem Komutu",
        L"Arka Plan Rengi",
        L"Yazı Rengi",
        L"Yazı Tipini Değiştir",
        L"Proje Aç",
        L"Projeyi Kaydet",
        L"Projeyi Farklı Kaydet",
        L"Tamam",
        L"Ayarlar",
    },
    {
        L"Arama/Değiştir",
        L"Metin",
        L"Arama",
        L"Başlangıç",
        L"Bitiş",
        L"Değiştir",
        L"Tamam",
    },
    L"Hakkında",
    L"Kısa Yol Tuşları Listesi",
    L"Ctrl+O - Dosya Aç\r\n"
    L"Ctrl+S - Dosya Kaydet\r\n"
    L"Ctrl+Enter - Satır Sonu 1\r\n"
    L"Shift+Enter - Satır Sonu 2\r\n"
    L"Ctrl+Shift+Enter - Satır Sonu 3\r\n"
    L"Ctrl+Shift+1 .. 9 - Atlama Noktası Ekle\r\n"
    L"Ctrl+1 .. Ctrl+9 - Noktaya Atlama\r\n"
    L"Ctrl+T - Üste Git\r\n"
    L"Ctrl+B - Aşağıya Git\r\n",
    L"Yazar: Team EditWindow, 2026\r\n"
    L"versiyon 1.1\r\n"
    L"editwindow@example.org güncellemeler için\r\n"
    L"Tüm hakları saklıdır."
};
